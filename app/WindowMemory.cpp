#include "app/WindowMemory.h"

#include <wx/config.h>
#include <wx/fileconf.h>
#include <wx/filehistory.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/stdpaths.h>

namespace
{
const wchar_t folderName[] = L"ringvald-config";
const wchar_t fileName[] = L"window.conf";
const wchar_t gameFoldersGroup[] = L"/GameFolders";

// the remembered folders, kept as a file history: the last one first. The
// toolkit's own wxFileHistory would also put each into GTK's recent files.
struct GameFolderHistory : wxFileHistoryBase
{
    explicit GameFolderHistory(wxConfigBase& config) : config(config)
    {
        config.SetPath(gameFoldersGroup);
        Load(config);
    }
    ~GameFolderHistory() override { config.SetPath(L"/"); }
    wxConfigBase& config;
};
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

std::vector<wxString> RememberedGameFolders()
{
    std::vector<wxString> folders;
    wxLogNull quiet;    // an unreadable file remembers nothing
    if (!wxFileName::FileExists(WindowMemoryFile()))
        return folders;
    // only read: the file is not written unless something is changed
    wxFileConfig file(wxString(), wxString(), WindowMemoryFile(), wxString(), wxCONFIG_USE_LOCAL_FILE);
    const GameFolderHistory history(file);
    for (size_t folder = 0; folder < history.GetCount(); ++folder)
        if (wxFileName::DirExists(history.GetHistoryFile(folder)))
            folders.push_back(history.GetHistoryFile(folder));
    return folders;
}

void RememberGameFolder(const wxString& folder)
{
    wxConfigBase& config = *wxConfigBase::Get();
    GameFolderHistory history(config);
    history.AddFileToHistory(folder);
    history.Save(config);
}
