// Starts the game and the boxer editor beside the editor. Every start is
// asynchronous and never waited for; a program that is missing or cannot
// start shows nothing, and the editor goes on.
#pragma once

#include <wx/string.h>

inline const wchar_t gameProgram[] = L"./Ringvald.exe";
inline const wchar_t boxerEditorProgram[] = L"./Data/Brawnsmith.exe";

// the program alone, without arguments
void StartProgram(const wxString& program);
// the program with one argument, passed as it is: no splitting at blanks,
// no quoting added
void StartProgram(const wxString& program, const wxString& argument);
