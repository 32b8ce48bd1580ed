#include "app/GameFolderQuestion.h"

#include <wx/button.h>
#include <wx/dirdlg.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "app/EditorIcon.h"
#include "controls/FileDialogRunner.h"
#include "controls/GtkAccess.h"
#include "settings/Translated.h"

namespace
{
const int idBrowse = wxID_HIGHEST + 1;
}

// ----------------------------------------------------------------------------
// event table
// ----------------------------------------------------------------------------

wxBEGIN_EVENT_TABLE(GameFolderQuestion, wxDialog)
    EVT_BUTTON(wxID_OK, GameFolderQuestion::OnOpen)
    EVT_LISTBOX_DCLICK(wxID_ANY, GameFolderQuestion::OnOpen)
    EVT_BUTTON(idBrowse, GameFolderQuestion::OnBrowse)
wxEND_EVENT_TABLE()

// ----------------------------------------------------------------------------
// construction
// ----------------------------------------------------------------------------

GameFolderQuestion::GameFolderQuestion(const wxString& here, const std::vector<wxString>& folders)
    : wxDialog(nullptr, wxID_ANY, _(L"ゲームフォルダの選択"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER)
{
    SetIcons(EditorIcons());
    const wxSizerFlags row = wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxTOP, FromDIP(12));
    auto* sizer = new wxBoxSizer(wxVERTICAL);

    // in lines of their own: the toolkit wraps a text only at blanks
    auto* message = new wxStaticText(
        this, wxID_ANY,
        wxString::Format(
            _(L"%s には Ringvald のゲームがありません\n（config.txt も Ringvald.exe も Data フォルダもありません）。\n\n設定するゲームフォルダを選んでください。"),
            here));
    sizer->Add(message, row);

    if (!folders.empty())
    {
        const wxString caption = _(L"前に開いたゲームフォルダ:");
        sizer->Add(new wxStaticText(this, wxID_ANY, caption), row);
        foldersUsedBefore = new wxListBox(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                          wxArrayString(folders.size(), folders.data()), wxLB_SINGLE);
        foldersUsedBefore->SetMinSize(wxSize(-1, GetCharHeight() * 8));    // room for a few more
        foldersUsedBefore->SetSelection(0);
        SetAccessibleName(foldersUsedBefore, caption);
        sizer->AddSpacer(FromDIP(4));
        sizer->Add(foldersUsedBefore, wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT, FromDIP(12)));
    }

    // browse on the left; open and cancel where the desktop puts them
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(new wxButton(this, idBrowse, _(L"参照(&B)...")), wxSizerFlags().Centre());
    buttons->AddStretchSpacer();
    auto* standard = new wxStdDialogButtonSizer;
    auto* open = new wxButton(this, wxID_OK, _(L"開く(&O)"));
    open->Enable(foldersUsedBefore != nullptr);
    standard->AddButton(open);
    standard->AddButton(new wxButton(this, wxID_CANCEL, _(L"キャンセル")));
    standard->Realize();
    buttons->Add(standard, wxSizerFlags().Centre());
    sizer->Add(buttons, wxSizerFlags().Expand().Border(wxALL, FromDIP(12)));

    SetSizerAndFit(sizer);
    if (foldersUsedBefore)
    {
        open->SetDefault();
        foldersUsedBefore->SetFocus();
    }
    Centre();
}

// ----------------------------------------------------------------------------
// handlers
// ----------------------------------------------------------------------------

// the button, a double click or Enter in the list
void GameFolderQuestion::OnOpen(wxCommandEvent&)
{
    if (!foldersUsedBefore || foldersUsedBefore->GetSelection() == wxNOT_FOUND)
        return;
    folder = foldersUsedBefore->GetStringSelection();
    EndModal(wxID_OK);
}

void GameFolderQuestion::OnBrowse(wxCommandEvent&)
{
    wxDirDialog dialog(this, _(L"ゲームフォルダを選んでください"), wxString(),
                       wxDD_DEFAULT_STYLE | wxDD_DIR_MUST_EXIST);
    const FileChoice choice = RunFileDialog(dialog);
    if (!choice.confirmed)
        return;
    folder = choice.path;
    EndModal(wxID_OK);
}
