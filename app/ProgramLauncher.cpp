#include "app/ProgramLauncher.h"

#include <wx/log.h>
#include <wx/utils.h>

void StartProgram(const wxString& program)
{
    const wchar_t* const argv[] = {program.wc_str(), nullptr};
    wxLogNull noErrorBoxes;    // a program that cannot start shows nothing
    wxExecute(argv, wxEXEC_ASYNC);
}

void StartProgram(const wxString& program, const wxString& argument)
{
    const wchar_t* const argv[] = {program.wc_str(), argument.wc_str(), nullptr};
    wxLogNull noErrorBoxes;
    wxExecute(argv, wxEXEC_ASYNC);
}
