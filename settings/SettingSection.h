// One section of config.txt as data: the declarations of its settings, in
// the order of their value lines, the titled boxes its page shows them in,
// and the values they hold now.
//
// Every value goes in through the rules of its setting (Setting::Accept),
// so what the section holds is what its control would show and what the
// next save writes, whether or not the page was ever built.
#pragma once

#include <string>
#include <vector>
#include <wx/string.h>

#include "settings/Setting.h"

class wxTextInputStream;
class wxTextOutputStream;

struct SettingGroup
{
    wxString title;
    int column;
};

class SettingSection
{
public:
    SettingSection(std::vector<SettingGroup> groups, std::vector<Setting> settings);

    void SetDefaults();
    // the comment lines and the value line of each setting, in order
    void Write(wxTextOutputStream& out) const;
    // one value line per setting, in order; every value is accepted
    void Read(wxTextInputStream& in);
    // one setting: its comment lines and its value line
    void WriteRow(wxTextOutputStream& out, size_t row) const;
    void ReadRow(wxTextInputStream& in, size_t row);

    size_t Size() const { return settings.size(); }
    const Setting& At(size_t row) const { return settings.at(row); }
    const std::vector<SettingGroup>& Groups() const { return groups; }

    // the row of the setting with this name; throws when there is none
    size_t Find(const std::string& name) const;

    int Number(size_t row) const { return numbers.at(row); }    // choice index or number
    void SetNumber(size_t row, int value);
    const wxString& Text(size_t row) const { return texts.at(row); }    // text or key name
    void SetText(size_t row, const wxString& value);

    int Number(const std::string& name) const { return Number(Find(name)); }
    void SetNumber(const std::string& name, int value) { SetNumber(Find(name), value); }

private:
    std::vector<SettingGroup> groups;
    std::vector<Setting> settings;
    std::vector<int> numbers;
    std::vector<wxString> texts;
};
