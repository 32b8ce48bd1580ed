#include "controls/FileDialogRunner.h"

#include <wx/filedlg.h>

namespace
{
FileDialogRunner& InstalledRunner()
{
    static FileDialogRunner runner;
    return runner;
}
}

FileChoice RunFileDialog(wxFileDialog& dialog)
{
    if (InstalledRunner())
        return InstalledRunner()(dialog);
    FileChoice choice;
    choice.confirmed = dialog.ShowModal() == wxID_OK;
    if (choice.confirmed)
        choice.path = dialog.GetPath();
    return choice;
}

void SetFileDialogRunner(FileDialogRunner runner)
{
    InstalledRunner() = std::move(runner);
}
