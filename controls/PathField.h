// A path field with a small browse button. A file chosen in the browse
// dialog replaces the field's text (relative to the working directory
// unless relativeMode is off), counts as an edit, and is reported to
// whoever asked with SetChosenCallback; a path typed by hand is an edit
// too but is reported to no one. A path that names no existing file is
// marked (FieldMark), from the moment it is shown, typed or chosen, and
// again whenever UpdateMark is called (after a save that may have made it).
#pragma once

#include <functional>
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
    // marks the path, or takes the mark away, as the file is there or not
    void UpdateMark();

    // what a screen reader calls the path ("タイトル") and the browse
    // button ("タイトル: 参照")
    void SetCaption(const wxString& caption);

    // called with the field's new path after a file was chosen in the dialog
    // (not when it was cancelled)
    void SetChosenCallback(std::function<void(const wxString& path)> callback);

    // set by the page right after construction
    wxString wildcard;
    wxString startDir;
    wxString message;
    bool relativeMode;

private:
    void CreateControls(const wxString& initialText);
    void LayoutControls();

    void OnBrowse(wxCommandEvent& event);
    void OnTextChanged(wxCommandEvent& event);

    wxTextCtrl* textCtrl;
    wxButton* browseButton;
    bool missing = false;
    std::function<void(const wxString& path)> chosen;

    wxDECLARE_EVENT_TABLE();
};
