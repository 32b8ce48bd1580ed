// The question the editor asks first when it is started without a game
// folder in one that is no game folder (as a start from the desktop's menu
// is, in the home folder): which game folder to open. It offers the game
// folders opened before and a browse button for another; cancelled, the
// editor ends without writing anything.
#pragma once

#include <vector>
#include <wx/dialog.h>

class wxListBox;

class GameFolderQuestion : public wxDialog
{
public:
    // here: the folder the editor was started in; the folders opened
    // before, the last one first (the first is selected)
    GameFolderQuestion(const wxString& here, const std::vector<wxString>& foldersUsedBefore);

    // the folder chosen, once ShowModal gave wxID_OK
    const wxString& GetFolder() const { return folder; }

private:
    void OnOpen(wxCommandEvent& event);
    void OnBrowse(wxCommandEvent& event);

    wxListBox* foldersUsedBefore = nullptr;    // none when there are none
    wxString folder;

    wxDECLARE_EVENT_TABLE();
};
