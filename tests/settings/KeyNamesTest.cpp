// Which key gives which key name, with no display: the keys named as they go down, by the toolkit's key
// codes, and the characters that are their own names. The GUI tests press a few of them for real.
#include <gtest/gtest.h>
#include <set>
#include <wx/defs.h>

#include "settings/KeyNames.h"

TEST(KeyNames, EachKeyDownGivesItsNameOrLeavesItToTheCharacter)
{
    const struct { int keyCode; const char* name; } keys[] = {
        {WXK_RETURN, "return"}, {WXK_SPACE, "space"}, {WXK_SHIFT, "left shift"}, {WXK_CONTROL, "left ctrl"},
        {WXK_LEFT, "left"}, {WXK_UP, "up"}, {WXK_RIGHT, "right"}, {WXK_DOWN, "down"}, {WXK_NUMPAD_ADD, "[+]"},
        {WXK_NUMPAD_MULTIPLY, "[*]"}, {WXK_NUMPAD_DECIMAL, "[.]"}, {WXK_NUMPAD_SEPARATOR, "[-]"},
        {WXK_NUMPAD_SUBTRACT, "[-]"}, {WXK_NUMPAD_DIVIDE, "[/]"},
        // the keypad's arrows (keypad 4, 8, 6 and 2 with NumLock off); its other keys then name nothing
        {WXK_NUMPAD_LEFT, "left"}, {WXK_NUMPAD_UP, "up"}, {WXK_NUMPAD_RIGHT, "right"},
        {WXK_NUMPAD_DOWN, "down"}, {WXK_NUMPAD_BEGIN, ""}, {WXK_NUMPAD_DELETE, ""}, {WXK_NUMPAD_ENTER, ""},
        // no name, or named as a character (106 to 111 are j to o, the keypad operators elsewhere)
        {WXK_TAB, ""}, {WXK_BACK, ""}, {WXK_DELETE, ""}, {WXK_F1, ""}, {WXK_ALT, ""}, {'A', ""}, {106, ""},
    };
    for (const auto& key : keys)
        EXPECT_EQ(SpecialKeyName(key.keyCode).utf8_string(), key.name) << key.keyCode;
    for (int digit = 0; digit <= 9; ++digit)
        EXPECT_EQ(SpecialKeyName(WXK_NUMPAD0 + digit), wxString::Format(L"[%d]", digit));
    EXPECT_TRUE(IsModifierKey(WXK_SHIFT) && IsModifierKey(WXK_CONTROL));
    EXPECT_FALSE(IsModifierKey(WXK_ALT) || IsModifierKey(WXK_TAB) || IsModifierKey('a'));
}

// The 65 names of config.txt, and no other; a character's name is the character. The main keyboard's 1
// and 2, upper-case letters (typed with Shift) and the other punctuation name nothing.
TEST(KeyNames, KeysAndCharactersGiveTheVocabularyOfConfigTxt)
{
    std::string characters;
    std::set<std::string> names;
    for (int code = 0; code < 0x3100; ++code)
    {
        if (const wxString name = CharacterKeyName(code); !name.empty())
        {
            EXPECT_EQ(name, wxString(wxUniChar(code))) << code;
            characters += static_cast<char>(code);
        }
        for (const wxString& name : {SpecialKeyName(code), CharacterKeyName(code)})
            names.insert(name.utf8_string());
    }
    EXPECT_EQ(characters, ",-./03456789;[\\]abcdefghijklmnopqrstuvwxyz");
    // the empty name of no key, and the 65 names
    std::set<std::string> vocabulary = {"", "return", "space", "left shift", "left ctrl", "left", "up",
                                        "right", "down", "[*]", "[+]", "[-]", "[.]", "[/]", ",", "-", ".",
                                        "/", ";", "[", "\\", "]", "0"};
    for (int digit = 0; digit <= 9; ++digit)
        vocabulary.insert({"[" + std::to_string(digit) + "]", digit >= 3 ? std::to_string(digit) : "0"});
    for (char letter = 'a'; letter <= 'z'; ++letter)
        vocabulary.insert(std::string(1, letter));
    EXPECT_EQ(vocabulary.size(), 66u);
    EXPECT_EQ(names, vocabulary);
}
