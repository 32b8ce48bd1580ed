// The key names of config.txt ("space", "z", "[4]", "left shift"): which
// key gives which name. Keys are matched by the toolkit's symbolic key
// codes (WXK_ in wx/defs.h), which need no window.
#pragma once

#include <wx/string.h>

// The name a key gives when it goes down, matched by its key code, or an
// empty string when the key is named at the character stage or not at all.
// Shift and Control (either of each) name "left shift" and "left ctrl".
wxString SpecialKeyName(int keyCode);

// The name a typed character gives (the character itself), or an empty
// string when it has none: the main keyboard's 1 and 2, upper-case letters
// and most punctuation name nothing.
wxString CharacterKeyName(int character);

// whether the key is Shift or Control, which a key field names only when
// they are let go alone or held with another key
bool IsModifierKey(int keyCode);
