#include "controls/KeyField.h"

#include <wx/defs.h>

#include "settings/KeyNames.h"

namespace
{
// whether that modifier is still down as the event was raised
bool IsHeld(const wxKeyEvent& event, int modifier)
{
    return modifier == WXK_SHIFT ? event.ShiftDown() : modifier == WXK_CONTROL && event.ControlDown();
}
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
    : wxTextCtrl(parent, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize, wxTE_RICH)
{
}

void KeyField::SetNamedCallback(std::function<void()> callback)
{
    named = std::move(callback);
}

// the one way a key puts its name in: an edit, and told at once
void KeyField::SetName(const wxString& name)
{
    ChangeValue(name);
    MarkDirty();
    if (named)
        named();
}

// Shift and Control are named when they are let go with no other key
// pressed meanwhile, or when a key other than Tab is pressed while they are
// held: Shift then A names "left shift". Held for a menu shortcut or for
// Shift-Tab they name nothing, so that the field keeps its binding.

// every key that goes down, before the window's menu shortcuts see it
void KeyField::OnCharHook(wxKeyEvent& event)
{
    const int key = event.GetKeyCode();
    modifierAlone = IsModifierKey(key);
    if (modifierAlone)
        heldModifier = key;
    event.Skip();    // on to the menu shortcuts, then to OnKeyDown
}

// a key that is no menu shortcut
void KeyField::OnKeyDown(wxKeyEvent& event)
{
    const int key = event.GetKeyCode();
    if (IsModifierKey(key))
        return;    // named when it is let go, if alone
    if (key == WXK_TAB && !event.ControlDown() && !event.AltDown())
    {
        heldModifier = 0;
        Navigate(event.ShiftDown() ? wxNavigationKeyEvent::IsBackward
                                   : wxNavigationKeyEvent::IsForward);
        return;
    }
    const wxString name = SpecialKeyName(key);
    if (!name.empty())
        SetName(name);
    else
    {
        if (heldModifier != 0 && IsHeld(event, heldModifier))
            SetName(SpecialKeyName(heldModifier));
        event.Skip();    // named, or ignored, at the character stage
    }
}

void KeyField::OnKeyUp(wxKeyEvent& event)
{
    if (event.GetKeyCode() == heldModifier)
    {
        if (modifierAlone)
            SetName(SpecialKeyName(heldModifier));
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
        SetName(name);
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
