// The settings of a page that are stored in config.txt, declared once.
//
// Each Setting is one row of the page and one value line of the page's
// section: its caption, its control (a choice list, a slider, a text field
// or a key-capture field), its range or choices, its default, and the
// comment lines written above its value. Building the controls, laying them
// out, SetDefaults, WriteSection and ReadSection all walk the same table, in
// the order of the value lines.
#pragma once

#include <vector>
#include <wx/string.h>

#include "app/PageLayout.h"

class myCBox;
class mySlider;
class wxTextCtrl;
class wxTextInputStream;
class wxTextOutputStream;
class wxWindow;

struct Setting
{
    enum Kind
    {
        choice,    // myCBox; the value is the selected index
        slider,    // mySlider; the value is the number
        text,      // myInput; the value is the text
        key        // myTCtrl; the value is the key name
    };

    Kind kind = choice;
    int group = 0;                     // index into the page's groups
    wxString caption;
    std::vector<wxString> choices;     // choice
    int min = 0, max = 0, step = 1;    // slider
    int defaultNumber = 0;             // choice index or slider value
    wxString defaultText;              // text or key
    std::vector<wxString> comments;    // the lines above the value; "" is an empty line
    // for the rare choice not stored as its index: the number written for an
    // index, and the index a number read selects
    int (*indexToFile)(int index) = nullptr;
    int (*fileToIndex)(int number) = nullptr;

    // a choice list stored as something other than its index
    Setting Stored(int (*toFile)(int), int (*toIndex)(int)) const;
};

Setting ChoiceSetting(int group, const wxString& caption, std::vector<wxString> choices,
                      int defaultIndex, std::vector<wxString> comments);
Setting SliderSetting(int group, const wxString& caption, int min, int max, int step,
                      int defaultValue, std::vector<wxString> comments);
Setting TextSetting(int group, const wxString& caption, const wxString& defaultText,
                    std::vector<wxString> comments);
Setting KeySetting(int group, const wxString& caption, const wxString& defaultKey,
                   std::vector<wxString> comments);

struct SettingGroup
{
    wxString title;
    int column;
};

class SettingTable
{
public:
    SettingTable(std::vector<SettingGroup> groups, std::vector<Setting> settings);

    // Creates the captions and controls as children of the page, group by
    // group: the group's captions first, then its controls.
    void CreateControls(wxWindow* page);
    // Adds the groups to the layout's columns, one row per setting; the
    // groups come in the order of the group list unless an order is given.
    void LayoutControls(PageLayout& layout, std::vector<int> groupOrder = {}) const;

    void SetDefaults();
    void WriteSection(wxTextOutputStream& out) const;
    void ReadSection(wxTextInputStream& in);

    // by the index of the setting in the table
    int GetNumber(size_t row) const;    // choice index or slider value
    void SetNumber(size_t row, int value);
    wxString GetText(size_t row) const;    // text or key
    void SetText(size_t row, const wxString& value);
    wxWindow* Control(size_t row) const;
    size_t Size() const { return settings.size(); }

private:
    struct Row
    {
        wxWindow* caption = nullptr;
        myCBox* choiceBox = nullptr;
        mySlider* slider = nullptr;
        wxTextCtrl* textField = nullptr;
    };

    void CreateControl(wxWindow* page, size_t index);

    std::vector<SettingGroup> groups;
    std::vector<Setting> settings;
    std::vector<Row> rows;
};
