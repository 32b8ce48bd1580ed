// A key-capture field: pressing a key replaces the whole text with that
// key's name ("space", "z", "[4]", "left shift"). Nothing can be typed,
// edited, deleted or pasted in it; pages may still put any text in with
// SetValue. Tab and Shift-Tab move the focus on, and the window's menu
// shortcuts work here as anywhere: Shift or Control held for them names
// nothing.
#pragma once

#include <wx/textctrl.h>

class KeyField : public wxTextCtrl
{
public:
    explicit KeyField(wxWindow* parent);

    // the name a key-down event gives, or an empty string when the key is
    // named at the character stage or not at all
    static wxString SpecialKeyName(int keyCode);
    // the name a typed character gives, or an empty string if it has none
    static wxString CharacterKeyName(int character);

private:
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

    wxDECLARE_EVENT_TABLE();
};
