#include "app/WindowMemory.h"

#include <wx/config.h>
#include <wx/fileconf.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/stdpaths.h>

namespace
{
const wchar_t folderName[] = L"ringvald-config";
const wchar_t fileName[] = L"window.conf";
}

wxString WindowMemoryFile()
{
    wxStandardPaths::Get().SetFileLayout(wxStandardPaths::FileLayout_XDG);
    return wxFileName(wxStandardPaths::Get().GetUserConfigDir() + L"/" + folderName, fileName).GetFullPath();
}

void UseWindowMemory()
{
    const wxFileName file(WindowMemoryFile());
    bool folderMade;
    {
        wxLogNull quiet;    // a folder that cannot be made is no error of the editor's
        folderMade = file.Mkdir(wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
    }
    // without the folder, a configuration of no file: nothing is read or kept
    delete wxConfigBase::Set(new wxFileConfig(wxString(), wxString(), folderMade ? file.GetFullPath() : wxString(),
                                              wxString(), folderMade ? wxCONFIG_USE_LOCAL_FILE : 0));
}
