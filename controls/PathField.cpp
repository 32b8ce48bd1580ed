#include "controls/PathField.h"

#include <algorithm>
#include <wx/button.h>
#include <wx/filedlg.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

#include "controls/FieldMark.h"
#include "controls/FileDialogRunner.h"
#include "controls/GtkAccess.h"
#include "settings/GameFile.h"
#include "settings/GamePath.h"
#include "settings/Translated.h"

namespace
{
const wchar_t missingFileText[] = wxTRANSLATE(L"ファイルが見つかりません");
const wchar_t browseText[] = wxTRANSLATE(L"参照");
const wchar_t browseHelp[] = wxTRANSLATE(L"ファイルを選んで、そのパスを入れます");
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
    textCtrl = new wxTextCtrl(this, wxID_ANY, initialText, wxDefaultPosition, wxDefaultSize,
                              wxTE_RICH);
    // the button fits its short label rather than a button's usual width,
    // and is at least square, or the label would touch its edges
    browseButton = new wxButton(this, wxID_ANY, wxString(L"<-"), wxDefaultPosition,
                                wxDefaultSize, wxBU_EXACTFIT);
    const wxSize fit = browseButton->GetBestSize();
    browseButton->SetMinSize(wxSize(std::max(fit.x, fit.y), fit.y));
    browseButton->SetToolTip(_(browseHelp));

    message = _(L"設定ファイル");
    wildcard = _(L"Text (*.txt)|*.txt");
    startDir = wxString(L"./");
    relativeMode = true;
}

void PathField::LayoutControls()
{
    // the path takes whatever width the page gives the field
    auto* sizer = new wxBoxSizer(wxHORIZONTAL);
    sizer->Add(textCtrl, wxSizerFlags(1).CentreVertical());
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

void PathField::SetCaption(const wxString& caption)
{
    SetAccessibleName(textCtrl, caption);
    SetAccessibleName(browseButton, caption + L": " + _(browseText));
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
// (an empty one names none and is not marked) is marked, and says so.
void PathField::UpdateMark()
{
    const wxString path = GetPath();
    missing = !path.empty() && !GameFileExists(path);
    ShowFieldMark(textCtrl, path, missing ? _(missingFileText) : wxString());
}

void PathField::OnTextChanged(wxCommandEvent& event)
{
    UpdateMark();
    event.Skip();
}
