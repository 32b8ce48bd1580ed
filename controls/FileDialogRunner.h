// Every file and folder dialog of the program is shown through this one
// seam, so that tests can answer it: on GTK a dialog answered by the
// toolkit's own test hook gives back no path.
#pragma once

#include <functional>
#include <wx/string.h>

class wxDialog;
class wxDirDialog;
class wxFileDialog;

struct FileChoice
{
    bool confirmed = false;
    wxString path;    // the full path of the chosen file or folder when confirmed
};

// given a wxFileDialog or a wxDirDialog
using FileDialogRunner = std::function<FileChoice(wxDialog& dialog)>;

// Shows the dialog modally (or hands it to the runner a test installed).
FileChoice RunFileDialog(wxFileDialog& dialog);
FileChoice RunFileDialog(wxDirDialog& dialog);

// Replaces how dialogs are answered; an empty runner restores the real one.
void SetFileDialogRunner(FileDialogRunner runner);
