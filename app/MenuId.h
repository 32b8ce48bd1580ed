// The ids of the menu commands: plain numbers, 5 unused, and the toolkit's
// own About id.
#pragma once

enum MenuId
{
    idExit = 1,
    idSave = 2,
    idSaveAs = 3,
    idLoad = 4,
    idInitialSettings = 6,
    idQuitWithoutSaving = 7,
    idSaveAndRun = 8,
    idReplay = 9,
    idBoxerEditor = 10,
    idUltraHighSpec = 11,
    idHighSpec = 12,
    idMiddleSpec = 13,
    idLowSpec = 14,
    idUltraLowSpec = 15
};
