#include "settings/KeyNames.h"

#include <wx/defs.h>

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

// characters that are their own key name; the main keyboard's 1 and 2 are
// not key names, unlike 0 and 3 to 9
const wchar_t namedCharacters[] = L",-./03456789;[\\]abcdefghijklmnopqrstuvwxyz";
}

wxString SpecialKeyName(int keyCode)
{
    for (const SpecialKey& key : specialKeys)
        if (key.keyCode == keyCode)
            return wxString(key.name);
    return wxString();
}

wxString CharacterKeyName(int character)
{
    for (const wchar_t* c = namedCharacters; *c; ++c)
        if (*c == character)
            return wxString(*c);
    return wxString();
}

bool IsModifierKey(int keyCode)
{
    return keyCode == WXK_SHIFT || keyCode == WXK_CONTROL;
}
