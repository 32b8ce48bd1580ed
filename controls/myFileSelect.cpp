#include "controls/myFileSelect.h"

#include <wx/bookctrl.h>
#include <wx/button.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

#include "app/FileDialogRunner.h"
#include "controls/CommonLook.h"

namespace
{
const int pathWidth = 130;

// the notebook page a window is on, or nullptr
const wxWindow* PageOf(const wxWindow* window)
{
    for (; window && window->GetParent(); window = window->GetParent())
        if (wxDynamicCast(window->GetParent(), wxBookCtrlBase))
            return window;
    return nullptr;
}
}

wxBEGIN_EVENT_TABLE(myFileSelect, wxPanel)
    EVT_BUTTON(wxID_ANY, myFileSelect::OnBrowse)
wxEND_EVENT_TABLE()

// ----------------------------------------------------------------------------
// construction
// ----------------------------------------------------------------------------

myFileSelect::myFileSelect(wxWindow* parent, const wxString& initialText)
    : wxPanel(parent, wxID_ANY)
{
    CreateControls(initialText);
    LayoutControls();
}

void myFileSelect::CreateControls(const wxString& initialText)
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
    // focus events stay with the window that gets them: the panel's event
    // table never sees the field's
    textCtrl->Bind(wxEVT_SET_FOCUS, &myFileSelect::OnPathFocus, this);

    message = wxString(L"設定ファイル");
    wildcard = wxString(L"Text (*.txt)|*.txt");
    startDir = wxString(L"./");
    relativeMode = true;
    pathChosen = false;
}

void myFileSelect::LayoutControls()
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

wxString myFileSelect::GetPath() const
{
    return textCtrl->GetValue();
}

void myFileSelect::SetPath(const wxString& path)
{
    // ChangeValue: setting a path from code is not an edit and raises no event
    textCtrl->ChangeValue(path);
    textCtrl->SetInsertionPointEnd();
}

// ----------------------------------------------------------------------------
// browsing
// ----------------------------------------------------------------------------

void myFileSelect::OnBrowse(wxCommandEvent& event)
{
    wxFileDialog dialog(this, message, wxString(), wxString(), wildcard, 0);
    dialog.SetDirectory(startDir);
    pathChosen = false;

    const FileChoice choice = RunFileDialog(dialog);
    if (choice.confirmed)
    {
        wxFileName chosen(choice.path);
        if (relativeMode)
            chosen.MakeRelativeTo(wxString());    // to the working directory
        SetPath(chosen.GetFullPath());
        pathChosen = true;
    }
    event.Skip();    // the page's button handler runs next
}

// GTK selects the whole text of an entry it gives the focus to. When a page
// is shown, the focus moves from the page left to the first field of the
// new one, and one stray key would replace the path: the cursor goes to the
// end instead. Tab and Shift-Tab within a page, or from the tabs, still
// select, as everywhere.
void myFileSelect::OnPathFocus(wxFocusEvent& event)
{
    const wxWindow* pageLeft = PageOf(event.GetWindow());
    if (pageLeft && pageLeft != PageOf(this))
        CallAfter([this] { textCtrl->SetInsertionPointEnd(); });    // after GTK selects
    event.Skip();
}
