// A path field with a small browse button. A file chosen in the browse
// dialog replaces the field's text (relative to the working directory
// unless relativeMode is off), sets pathChosen, and the button click then
// travels on to the page, which clears the flag and reloads what it needs.
// A path typed by hand sets no flag. Showing the page puts the cursor at
// the end of the path rather than selecting it.
#pragma once

#include <wx/panel.h>

class wxButton;
class wxTextCtrl;

class PathField : public wxPanel
{
public:
    PathField(wxWindow* parent, const wxString& initialText);

    wxString GetPath() const;
    // setting a path from code is not an edit
    void SetPath(const wxString& path);
    // true when the user typed in the field or chose a file since the last
    // SetPath
    bool IsEdited() const;
    // true when the path names no existing file (see UpdateMark)
    bool IsMarkedMissing() const { return missing; }

    // set by the page right after construction
    wxString wildcard;
    wxString startDir;
    wxString message;
    bool relativeMode;
    // true once a file was confirmed in the dialog, until the page clears it
    bool pathChosen;

private:
    void CreateControls(const wxString& initialText);
    void LayoutControls();

    void UpdateMark();

    void OnBrowse(wxCommandEvent& event);
    void OnTextChanged(wxCommandEvent& event);

    wxTextCtrl* textCtrl;
    wxButton* browseButton;
    bool missing = false;

    wxDECLARE_EVENT_TABLE();
};
