// One setting of the game, declared once: how it is shown (its caption, the
// kind of control and a line on what it does), what it may hold (range and
// step, or choices), its default, how it is stored (the number written for
// a choice), and the comment lines written above its value.
#pragma once

#include <string>
#include <vector>
#include <wx/string.h>
#include "settings/Translated.h"

struct Setting
{
    enum Kind
    {
        choice,    // a drop-down list; the value is the selected index
        number,    // a slider with its spin control; the value is the number
        text,      // a text field; the value is the text
        key        // a key-capture field; the value is the key name
    };

    Kind kind = choice;
    std::string name;                  // what the program calls it (presets, tests)
    int group = 0;                     // the box of its page it is shown in
    wxString caption;
    wxString about;                    // one short line on what it does, in the captions' language
    std::vector<wxString> choices;     // choice
    int min = 0, max = 0, step = 1;    // number
    int defaultNumber = 0;             // choice index or number
    wxString defaultText;              // text or key
    std::vector<wxString> comments;    // the lines above the value; "" is an empty line
    // for the rare choice not stored as its index: the number written for an
    // index, and the index a number read selects
    int (*indexToFile)(int index) = nullptr;
    int (*fileToIndex)(int number) = nullptr;

    bool HoldsText() const { return kind == text || kind == key; }

    // The number a control of this setting ends up holding when given
    // `value`: a slider holds it within its range (the nearest end), a
    // choice list selects nothing (-1) for a number that is not one of its
    // indexes. Texts are kept as they stand.
    int Accept(int value) const;

    // what its control holds before anything is put in it: no choice, or
    // the slider's 0 held within the range
    int UnfilledNumber() const;

    // a choice list stored as something other than its index
    Setting Stored(int (*toFile)(int), int (*toIndex)(int)) const;
    // the same setting with its line on what it does
    Setting About(const wxString& line) const;

    // Its tooltip, made from the declaration alone: what it does, then its
    // choices or its range (and step), then its default. The comment lines
    // of the files are not used: they are fixed texts, and some of them say
    // otherwise than the control.
    wxString Help() const;
};

Setting ChoiceSetting(const std::string& name, int group, const wxString& caption,
                      std::vector<wxString> choices, int defaultIndex,
                      std::vector<wxString> comments);
Setting NumberSetting(const std::string& name, int group, const wxString& caption, int min, int max,
                      int step, int defaultValue, std::vector<wxString> comments);
Setting TextSetting(const std::string& name, int group, const wxString& caption,
                    const wxString& defaultText, std::vector<wxString> comments);
Setting KeySetting(const std::string& name, int group, const wxString& caption,
                   const wxString& defaultKey, std::vector<wxString> comments);
