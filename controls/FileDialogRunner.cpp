#include "controls/FileDialogRunner.h"

#include <wx/dirdlg.h>
#include <wx/filedlg.h>

namespace
{
FileDialogRunner& InstalledRunner()
{
    static FileDialogRunner runner;
    return runner;
}

template <class Dialog> FileChoice Run(Dialog& dialog)
{
    if (InstalledRunner())
        return InstalledRunner()(dialog);
    FileChoice choice;
    choice.confirmed = dialog.ShowModal() == wxID_OK;
    if (choice.confirmed)
        choice.path = dialog.GetPath();
    return choice;
}
}

FileChoice RunFileDialog(wxFileDialog& dialog)
{
    return Run(dialog);
}

FileChoice RunFileDialog(wxDirDialog& dialog)
{
    return Run(dialog);
}

void SetFileDialogRunner(FileDialogRunner runner)
{
    InstalledRunner() = std::move(runner);
}
