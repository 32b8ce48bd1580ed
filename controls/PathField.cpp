#include "controls/PathField.h"

#include <wx/button.h>
#include <wx/filedlg.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

#include "controls/FileDialogRunner.h"
#include "controls/CommonLook.h"
#include "controls/PageShowFocus.h"
#include "settings/GameFile.h"
#include "settings/GamePath.h"

namespace
{
const int pathWidth = 130;

// the background of a path that names no existing file
const wxColour missingFileColour(255, 221, 153);
const wchar_t missingFileText[] = L"ファイルが見つかりません";
}

wxBEGIN_EVENT_TABLE(PathField, wxPanel)
    EVT_BUTTON(wxID_ANY, PathField::OnBrowse)
    EVT_TEXT(wxID_ANY, PathField::OnTextChanged)
wxEND_EVENT_TABLE()

// ----------------------------------------------------------------------------
// construction
// ----------------------------------------------------------------------------

PathField::PathField(wxWindow* parent, const wxString& initialText)
    : wxPanel(parent, wxID_ANY)
{
    CreateControls(initialText);
    LayoutControls();
}

void PathField::CreateControls(const wxString& initialText)
{
    SetInitialSize(wxSize(fieldWidth, -1));
    textCtrl = new wxTextCtrl(this, wxID_ANY, initialText, wxDefaultPosition,
                              CreationSize(pathWidth), wxTE_RICH);
    textCtrl->SetFont(CommonFont());
    textCtrl->SetInitialSize(wxSize(pathWidth, NaturalHeight(textCtrl)));
    // GTK 3 pads a button more than the old 30 pixels allow (it clips the
    // label and complains at every resize): the button fits its label exactly
    browseButton = new wxButton(this, wxID_ANY, wxString(L"<-"), wxDefaultPosition,
                                CreationSize(0), wxBU_EXACTFIT);
    browseButton->SetFont(CommonFont());
    browseButton->SetInitialSize(NaturalSize(browseButton));
    KeepUnselectedWhenPageShown(textCtrl);

    message = wxString(L"設定ファイル");
    wildcard = wxString(L"Text (*.txt)|*.txt");
    startDir = wxString(L"./");
    relativeMode = true;
}

void PathField::LayoutControls()
{
    auto* sizer = new wxBoxSizer(wxHORIZONTAL);
    sizer->Add(textCtrl, wxSizerFlags(0).CentreVertical());
    sizer->Add(browseButton, wxSizerFlags(0).CentreVertical());
    SetSizer(sizer);
    Layout();
}

// ----------------------------------------------------------------------------
// path
// ----------------------------------------------------------------------------

wxString PathField::GetPath() const
{
    return textCtrl->GetValue();
}

void PathField::SetPath(const wxString& path)
{
    // ChangeValue: setting a path from code raises no event; it is no edit
    // either, though GTK's ChangeValue keeps an earlier edit's mark
    textCtrl->ChangeValue(path);
    textCtrl->DiscardEdits();
    // the start of a long path shows, where the folder is
    textCtrl->SetInsertionPoint(0);
    UpdateMark();
}

bool PathField::IsEdited() const
{
    return textCtrl->IsModified();
}

void PathField::SetChosenCallback(std::function<void(const wxString& path)> callback)
{
    chosen = std::move(callback);
}

// ----------------------------------------------------------------------------
// browsing
// ----------------------------------------------------------------------------

// the click ends here: what follows a chosen file is the callback's
void PathField::OnBrowse(wxCommandEvent&)
{
    wxFileDialog dialog(this, message, wxString(), wxString(), wildcard, 0);
    dialog.SetDirectory(startDir);
    const FileChoice choice = RunFileDialog(dialog);
    if (!choice.confirmed)
        return;
    // relative to the working directory, the game's, by the same rules the
    // load and the save use
    SetPath(relativeMode ? GamePath::RelativeToWorkingDirectory(choice.path) : choice.path);
    textCtrl->MarkDirty();
    if (chosen)
        chosen(GetPath());
}

// ----------------------------------------------------------------------------
// the mark of a missing file
// ----------------------------------------------------------------------------

// The whole path is the field's tooltip; a path that names no existing file
// (an empty one names none and is not marked) gets a warning colour, and
// its tooltip says so.
void PathField::UpdateMark()
{
    const wxString path = GetPath();
    missing = !path.empty() && !GameFileExists(path);
    textCtrl->SetBackgroundColour(missing ? missingFileColour : wxNullColour);
    textCtrl->SetToolTip(missing ? path + L"\n" + missingFileText : path);
    textCtrl->Refresh();
}

void PathField::OnTextChanged(wxCommandEvent& event)
{
    UpdateMark();
    event.Skip();
}
