#include "controls/KeyField.h"

#include <wx/defs.h>

#include "controls/CommonLook.h"

namespace
{
// keys named at the key-down stage, matched by the toolkit's symbolic codes
struct SpecialKey
{
    int keyCode;
    const wchar_t* name;
};

const SpecialKey specialKeys[] = {
    // the keypad operators; separator and subtract share a name
    {WXK_NUMPAD_MULTIPLY, L"[*]"},
    {WXK_NUMPAD_ADD, L"[+]"},
    {WXK_NUMPAD_SEPARATOR, L"[-]"},
    {WXK_NUMPAD_SUBTRACT, L"[-]"},
    {WXK_NUMPAD_DECIMAL, L"[.]"},
    {WXK_NUMPAD_DIVIDE, L"[/]"},
    {WXK_RETURN, L"return"},
    {WXK_SPACE, L"space"},
    // either Shift and either Control key
    {WXK_SHIFT, L"left shift"},
    {WXK_CONTROL, L"left ctrl"},
    {WXK_LEFT, L"left"},
    {WXK_UP, L"up"},
    {WXK_RIGHT, L"right"},
    {WXK_DOWN, L"down"},
    {WXK_NUMPAD0, L"[0]"},
    {WXK_NUMPAD1, L"[1]"},
    {WXK_NUMPAD2, L"[2]"},
    {WXK_NUMPAD3, L"[3]"},
    {WXK_NUMPAD4, L"[4]"},
    {WXK_NUMPAD5, L"[5]"},
    {WXK_NUMPAD6, L"[6]"},
    {WXK_NUMPAD7, L"[7]"},
    {WXK_NUMPAD8, L"[8]"},
    {WXK_NUMPAD9, L"[9]"},
    // the keypad's arrows, which keypad 4, 8, 6 and 2 are with NumLock off;
    // its other keys then name nothing
    {WXK_NUMPAD_LEFT, L"left"},
    {WXK_NUMPAD_UP, L"up"},
    {WXK_NUMPAD_RIGHT, L"right"},
    {WXK_NUMPAD_DOWN, L"down"},
};

bool IsModifier(int keyCode)
{
    return keyCode == WXK_SHIFT || keyCode == WXK_CONTROL;
}

// whether that modifier is still down as the event was raised
bool IsHeld(const wxKeyEvent& event, int modifier)
{
    return modifier == WXK_SHIFT ? event.ShiftDown() : modifier == WXK_CONTROL && event.ControlDown();
}

// characters that are their own key name; the main keyboard's 1 and 2 are
// not key names, unlike 0 and 3 to 9
const wchar_t namedCharacters[] = L",-./03456789;[\\]abcdefghijklmnopqrstuvwxyz";
}

wxBEGIN_EVENT_TABLE(KeyField, wxTextCtrl)
    EVT_CHAR_HOOK(KeyField::OnCharHook)
    EVT_CHAR(KeyField::OnChar)
    EVT_KEY_DOWN(KeyField::OnKeyDown)
    EVT_KEY_UP(KeyField::OnKeyUp)
    EVT_KILL_FOCUS(KeyField::OnKillFocus)
    EVT_TEXT_PASTE(wxID_ANY, KeyField::OnBlockedEdit)
    EVT_TEXT_CUT(wxID_ANY, KeyField::OnBlockedEdit)
    EVT_MIDDLE_DOWN(KeyField::OnBlockedMouse)
    EVT_RIGHT_DOWN(KeyField::OnBlockedMouse)
    EVT_CONTEXT_MENU(KeyField::OnContextMenu)
wxEND_EVENT_TABLE()

KeyField::KeyField(wxWindow* parent)
    : wxTextCtrl(parent, wxID_ANY, wxString(), wxDefaultPosition, CreationSize(fieldWidth),
                 wxTE_RICH)
{
    ApplyFieldLook(this);
}

wxString KeyField::SpecialKeyName(int keyCode)
{
    for (const SpecialKey& key : specialKeys)
        if (key.keyCode == keyCode)
            return wxString(key.name);
    return wxString();
}

wxString KeyField::CharacterKeyName(int character)
{
    for (const wchar_t* c = namedCharacters; *c; ++c)
        if (*c == character)
            return wxString(*c);
    return wxString();
}

// Shift and Control are named when they are let go with no other key
// pressed meanwhile, or when a key other than Tab is pressed while they are
// held: Shift then A names "left shift". Held for a menu shortcut or for
// Shift-Tab they name nothing, so that the field keeps its binding.

// every key that goes down, before the window's menu shortcuts see it
void KeyField::OnCharHook(wxKeyEvent& event)
{
    const int key = event.GetKeyCode();
    modifierAlone = IsModifier(key);
    if (modifierAlone)
        heldModifier = key;
    event.Skip();    // on to the menu shortcuts, then to OnKeyDown
}

// a key that is no menu shortcut
void KeyField::OnKeyDown(wxKeyEvent& event)
{
    const int key = event.GetKeyCode();
    if (IsModifier(key))
        return;    // named when it is let go, if alone
    if (key == WXK_TAB && !event.ControlDown() && !event.AltDown())
    {
        heldModifier = 0;
        Navigate(event.ShiftDown() ? wxNavigationKeyEvent::IsBackward
                                   : wxNavigationKeyEvent::IsForward);
        return;
    }
    if (heldModifier != 0 && IsHeld(event, heldModifier))
        SetValue(SpecialKeyName(heldModifier));
    const wxString name = SpecialKeyName(key);
    if (name.empty())
        event.Skip();    // named, or ignored, at the character stage
    else
    {
        SetValue(name);
        MarkDirty();    // a key pressed is an edit, unlike a name put in from code
    }
}

void KeyField::OnKeyUp(wxKeyEvent& event)
{
    if (event.GetKeyCode() == heldModifier)
    {
        if (modifierAlone)
            SetValue(SpecialKeyName(heldModifier));
        heldModifier = 0;
    }
    event.Skip();
}

// a modifier let go elsewhere is forgotten
void KeyField::OnKillFocus(wxFocusEvent& event)
{
    heldModifier = 0;
    event.Skip();
}

void KeyField::OnChar(wxKeyEvent& event)
{
    // never skipped: no character reaches the text control's own editing
    const wxString name = CharacterKeyName(event.GetUnicodeKey());
    if (!name.empty())
    {
        SetValue(name);
        MarkDirty();
    }
}

// not skipped: the text control never sees these
void KeyField::OnBlockedEdit(wxClipboardTextEvent&)
{
}

void KeyField::OnBlockedMouse(wxMouseEvent&)
{
}

void KeyField::OnContextMenu(wxContextMenuEvent&)
{
}
