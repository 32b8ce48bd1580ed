// A key-capture field: pressing a key replaces the whole text with that
// key's name ("space", "z", "[4]", "left shift"). Nothing can be typed,
// edited, deleted or pasted in it; pages may still put any text in with
// SetValue.
#pragma once

#include <wx/textctrl.h>

class myTCtrl : public wxTextCtrl
{
public:
    explicit myTCtrl(wxWindow* parent);

    // the name a key-down event gives, or an empty string when the key is
    // named at the character stage or not at all
    static wxString SpecialKeyName(int keyCode);
    // the name a typed character gives, or an empty string if it has none
    static wxString CharacterKeyName(int character);

private:
    void OnKeyDown(wxKeyEvent& event);
    void OnChar(wxKeyEvent& event);
    // the field only ever holds a key name: the clipboard, the primary
    // selection (middle click) and the context menu's cut, paste and delete
    // are kept out
    void OnBlockedEdit(wxClipboardTextEvent& event);
    void OnBlockedMouse(wxMouseEvent& event);
    void OnContextMenu(wxContextMenuEvent& event);

    wxDECLARE_EVENT_TABLE();
};
