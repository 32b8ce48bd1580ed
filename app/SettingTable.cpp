#include "app/SettingTable.h"

#include <wx/textctrl.h>

#include "app/ValueLine.h"
#include "controls/myCBox.h"
#include "controls/myInput.h"
#include "controls/myLabel.h"
#include "controls/mySlider.h"
#include "controls/myTCtrl.h"

// ----------------------------------------------------------------------------
// declaring settings
// ----------------------------------------------------------------------------

Setting Setting::Stored(int (*toFile)(int), int (*toIndex)(int)) const
{
    Setting stored = *this;
    stored.indexToFile = toFile;
    stored.fileToIndex = toIndex;
    return stored;
}

Setting ChoiceSetting(int group, const wxString& caption, std::vector<wxString> choices,
                      int defaultIndex, std::vector<wxString> comments)
{
    Setting setting;
    setting.kind = Setting::choice;
    setting.group = group;
    setting.caption = caption;
    setting.choices = std::move(choices);
    setting.defaultNumber = defaultIndex;
    setting.comments = std::move(comments);
    return setting;
}

Setting SliderSetting(int group, const wxString& caption, int min, int max, int step,
                      int defaultValue, std::vector<wxString> comments)
{
    Setting setting;
    setting.kind = Setting::slider;
    setting.group = group;
    setting.caption = caption;
    setting.min = min;
    setting.max = max;
    setting.step = step;
    setting.defaultNumber = defaultValue;
    setting.comments = std::move(comments);
    return setting;
}

Setting TextSetting(int group, const wxString& caption, const wxString& defaultText,
                    std::vector<wxString> comments)
{
    Setting setting;
    setting.kind = Setting::text;
    setting.group = group;
    setting.caption = caption;
    setting.defaultText = defaultText;
    setting.comments = std::move(comments);
    return setting;
}

Setting KeySetting(int group, const wxString& caption, const wxString& defaultKey,
                   std::vector<wxString> comments)
{
    Setting setting = TextSetting(group, caption, defaultKey, std::move(comments));
    setting.kind = Setting::key;
    return setting;
}

// ----------------------------------------------------------------------------
// controls and layout
// ----------------------------------------------------------------------------

SettingTable::SettingTable(std::vector<SettingGroup> groups, std::vector<Setting> settings)
    : groups(std::move(groups)), settings(std::move(settings)), rows(this->settings.size())
{
}

void SettingTable::CreateControls(wxWindow* page)
{
    for (size_t group = 0; group < groups.size(); ++group)
    {
        for (size_t i = 0; i < settings.size(); ++i)
            if (settings[i].group == static_cast<int>(group))
                rows[i].caption = new myLabel(page, settings[i].caption);
        for (size_t i = 0; i < settings.size(); ++i)
            if (settings[i].group == static_cast<int>(group))
                CreateControl(page, i);
    }
}

void SettingTable::CreateControl(wxWindow* page, size_t index)
{
    const Setting& setting = settings[index];
    Row& row = rows[index];
    switch (setting.kind)
    {
    case Setting::choice:
        row.choiceBox = new myCBox(page);
        for (const wxString& choice : setting.choices)
            row.choiceBox->Append(choice);
        row.choiceBox->FitChoices();
        break;
    case Setting::slider:
        row.slider = new mySlider(page, setting.min, setting.max, setting.step);
        break;
    case Setting::text:
        row.textField = new myInput(page);
        break;
    case Setting::key:
        row.textField = new myTCtrl(page);
        break;
    }
}

void SettingTable::LayoutControls(PageLayout& layout, std::vector<int> groupOrder) const
{
    if (groupOrder.empty())
        for (size_t group = 0; group < groups.size(); ++group)
            groupOrder.push_back(static_cast<int>(group));
    for (int group : groupOrder)
    {
        wxSizer* box = layout.AddGroup(groups.at(group).column, groups.at(group).title);
        for (size_t i = 0; i < settings.size(); ++i)
            if (settings[i].group == group)
                layout.AddRow(box, rows[i].caption, Control(i));
    }
}

// ----------------------------------------------------------------------------
// values
// ----------------------------------------------------------------------------

void SettingTable::SetDefaults()
{
    for (size_t i = 0; i < settings.size(); ++i)
    {
        if (settings[i].kind == Setting::choice || settings[i].kind == Setting::slider)
            SetNumber(i, settings[i].defaultNumber);
        else
            SetText(i, settings[i].defaultText);
    }
}

void SettingTable::WriteSection(wxTextOutputStream& out) const
{
    for (size_t i = 0; i < settings.size(); ++i)
    {
        const Setting& setting = settings[i];
        for (const wxString& comment : setting.comments)
            WriteLine(out, comment);
        if (setting.kind == Setting::text || setting.kind == Setting::key)
            WriteTextValue(out, GetText(i));
        else if (setting.indexToFile)
            WriteIntValue(out, setting.indexToFile(GetNumber(i)));
        else
            WriteIntValue(out, GetNumber(i));
    }
}

void SettingTable::ReadSection(wxTextInputStream& in)
{
    for (size_t i = 0; i < settings.size(); ++i)
    {
        const Setting& setting = settings[i];
        if (setting.kind == Setting::text || setting.kind == Setting::key)
            SetText(i, ReadTextValue(in));
        else if (setting.fileToIndex)
            SetNumber(i, setting.fileToIndex(ReadIntValue(in)));
        else
            SetNumber(i, ReadIntValue(in));
    }
}

int SettingTable::GetNumber(size_t index) const
{
    const Row& row = rows.at(index);
    if (row.choiceBox)
        return row.choiceBox->GetSelection();
    return row.slider ? row.slider->GetValue() : 0;
}

void SettingTable::SetNumber(size_t index, int value)
{
    Row& row = rows.at(index);
    if (row.choiceBox)
        row.choiceBox->SetSelection(value);
    else if (row.slider)
        row.slider->SetValue(value);
}

wxString SettingTable::GetText(size_t index) const
{
    const Row& row = rows.at(index);
    return row.textField ? row.textField->GetValue() : wxString();
}

void SettingTable::SetText(size_t index, const wxString& value)
{
    Row& row = rows.at(index);
    if (row.textField)
        row.textField->ChangeValue(value);
}

wxWindow* SettingTable::Control(size_t index) const
{
    const Row& row = rows.at(index);
    if (row.choiceBox)
        return row.choiceBox;
    if (row.slider)
        return row.slider;
    return row.textField;
}
