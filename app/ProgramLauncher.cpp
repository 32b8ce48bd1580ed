#include "app/ProgramLauncher.h"

#include <fstream>
#include <unistd.h>
#include <wx/dir.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/utils.h>
#include "settings/Translated.h"

namespace
{
bool IsExecutableFile(const wxString& path)
{
    return wxFileName::FileExists(path) && access(path.fn_str(), X_OK) == 0;
}

bool BeginsWithMZ(const wxString& path)
{
    std::ifstream file(path.fn_str(), std::ios::binary);
    char magic[2] = {};
    return file.read(magic, 2) && magic[0] == 'M' && magic[1] == 'Z';
}

// Whether the kernel hands "MZ" programs to a handler of its own, as a
// system set up for Windows programs does.
bool SystemRunsWindowsPrograms()
{
    wxDir handlers(L"/proc/sys/fs/binfmt_misc");
    if (!handlers.IsOpened())
        return false;
    wxString name;
    for (bool more = handlers.GetFirst(&name, wxString(), wxDIR_FILES); more;
         more = handlers.GetNext(&name))
    {
        std::ifstream handler((L"/proc/sys/fs/binfmt_misc/" + name).fn_str());
        std::string text((std::istreambuf_iterator<char>(handler)), {});
        if (text.rfind("enabled", 0) == 0 && text.find("magic 4d5a") != std::string::npos)
            return true;
    }
    return false;
}

// wine's full path, or empty when it is not on PATH
wxString FindWine()
{
    wxString path;
    wxGetEnv(L"PATH", &path);
    const wxString found = wxPathList(wxSplit(path, L':')).FindAbsoluteValidPath(L"wine");
    return IsExecutableFile(found) ? found : wxString();
}

// the command line that starts the program, or nothing when none can
std::vector<wxString> CommandFor(const wxString& program)
{
    if (!BeginsWithMZ(program))
        return IsExecutableFile(program) ? std::vector<wxString>{program}
                                         : std::vector<wxString>{};
    if (IsExecutableFile(program) && SystemRunsWindowsPrograms())
        return {program};
    const wxString wine = FindWine();
    if (wine.empty() || !wxFileName::FileExists(program))
        return {};
    return {wine, program};
}
}

bool StartProgram(const wxString& program, const std::vector<wxString>& arguments)
{
    std::vector<wxString> command = CommandFor(program);
    if (command.empty())
        return false;
    command.insert(command.end(), arguments.begin(), arguments.end());

    std::vector<const wchar_t*> argv;
    for (const wxString& word : command)
        argv.push_back(word.wc_str());
    argv.push_back(nullptr);
    wxLogNull noErrorBoxes;    // a failure is told in the status bar
    return wxExecute(argv.data(), wxEXEC_ASYNC) > 0;
}

wxString FileArgument(const wxString& path)
{
    return path.StartsWith(L"-") ? L"./" + path : path;
}

wxString CannotStartText(const wxString& program)
{
    return wxString::Format(_(L"%sを起動できません"), program);
}
