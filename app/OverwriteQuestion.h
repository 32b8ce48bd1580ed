// The question a save asks when the document changed on the disk after it
// was read (another editor saved it, or the game, or the user by hand):
// overwrite it or leave it. A yes-no message dialog, so a test answers it
// with wxTEST_DIALOG.
#pragma once

#include <wx/string.h>

class wxWindow;

// true: overwrite the file
bool AskToOverwrite(wxWindow* parent, const wxString& file);
