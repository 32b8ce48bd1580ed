// Every file dialog of the program is shown through this one function, so
// that tests can answer it: on GTK a dialog answered by the toolkit's own
// test hook gives back no path.
#pragma once

#include <functional>
#include <wx/string.h>

class wxFileDialog;

struct FileChoice
{
    bool confirmed = false;
    wxString path;    // the full path of the chosen file when confirmed
};

using FileDialogRunner = std::function<FileChoice(wxFileDialog& dialog)>;

// Shows the dialog modally (or hands it to the runner a test installed).
FileChoice RunFileDialog(wxFileDialog& dialog);

// Replaces how dialogs are answered; an empty runner restores the real one.
void SetFileDialogRunner(FileDialogRunner runner);
