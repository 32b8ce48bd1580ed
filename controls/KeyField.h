// A key-capture field: pressing a key replaces the whole text with that
// key's name ("space", "z", "[4]", "left shift"; settings/KeyNames). Every
// name a key puts in is an edit (IsModified) and is reported at once to
// whoever asked with SetNamedCallback. Nothing can be typed, edited,
// deleted or pasted in it; pages may still put any text in with
// ChangeValue, which is no edit. Tab and Shift-Tab move the focus on, and
// the window's menu shortcuts work here as anywhere: Shift or Control held
// for them names nothing.
#pragma once

#include <functional>
#include <wx/textctrl.h>

class KeyField : public wxTextCtrl
{
public:
    explicit KeyField(wxWindow* parent);

    // called after every name a key put in
    void SetNamedCallback(std::function<void()> callback);

private:
    void SetName(const wxString& name);

    void OnCharHook(wxKeyEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnKeyUp(wxKeyEvent& event);
    void OnKillFocus(wxFocusEvent& event);
    void OnChar(wxKeyEvent& event);
    // the field only ever holds a key name: the clipboard, the primary
    // selection (middle click) and the context menu's cut, paste and delete
    // are kept out
    void OnBlockedEdit(wxClipboardTextEvent& event);
    void OnBlockedMouse(wxMouseEvent& event);
    void OnContextMenu(wxContextMenuEvent& event);

    // the Shift or Control key that went down last while the field had the
    // focus and is not yet let go (0 when none), and whether any other key
    // went down since
    int heldModifier = 0;
    bool modifierAlone = false;
    std::function<void()> named;

    wxDECLARE_EVENT_TABLE();
};
