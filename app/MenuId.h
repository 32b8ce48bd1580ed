// The ids of the menu commands: plain numbers, 5 unused, and the toolkit's
// own About id.
#pragma once

// by menu
enum MenuId
{
    idSave = 2, idSaveAs = 3, idLoad = 4, idInitialSettings = 6, idQuitWithoutSaving = 7, idExit = 1,
    idSaveAndRun = 8, idReplay = 9, idBoxerEditor = 10,
    // the machine-spec presets, most powerful machine first
    idUltraHighSpec = 11, idHighSpec = 12, idMiddleSpec = 13, idLowSpec = 14, idUltraLowSpec = 15
};
