// Starts the game and the boxer editor beside the editor. Every start is
// asynchronous and never waited for.
//
// Both are Windows programs. One that begins with "MZ" is started directly
// only where the system runs such programs itself (a binfmt_misc handler
// for them); otherwise through `wine` found on PATH, with the same
// arguments. A program that cannot be started that way or at all is not
// tried, so nothing is printed on the terminal; the caller says so.
#pragma once

#include <vector>
#include <wx/string.h>

#include "settings/ProgramName.h"    // the programs: gameProgram, boxerEditorProgram

// The program with its arguments, each passed as it is: no splitting at
// blanks, no quoting added. False when it could not be started.
bool StartProgram(const wxString& program, const std::vector<wxString>& arguments = {});

// A file handed to a program as an argument: one whose name begins with "-"
// gets "./" in front, so that the program cannot take it for an option.
wxString FileArgument(const wxString& path);

// the status message for a program that could not be started
wxString CannotStartText(const wxString& program);
