// The names the program shows and writes into every config.txt, and the
// programs it starts.
#pragma once

#include <wx/string.h>

inline const wchar_t gameRelease[] = L"Ringvald Ver 1.2.0 Release";

// the game and the boxer editor, in the game folder
inline const wchar_t gameProgram[] = L"./Ringvald.exe";
inline const wchar_t boxerEditorProgram[] = L"./Data/Brawnsmith.exe";
inline const wchar_t dataFolder[] = L"./Data";

// "Configure for Ringvald Ver 1.2.0 Release"
inline wxString WindowTitle()
{
    return wxString(L"Configure for ") + gameRelease;
}
