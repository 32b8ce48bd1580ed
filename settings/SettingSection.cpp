#include "settings/SettingSection.h"

#include <stdexcept>

#include "settings/InterleavedRows.h"
#include "settings/ValueLine.h"

SettingSection::SettingSection(std::vector<SettingGroup> groups, std::vector<Setting> settings)
    : groups(std::move(groups)), settings(std::move(settings)), texts(this->settings.size())
{
    for (const Setting& setting : this->settings)
        numbers.push_back(setting.UnfilledNumber());
}

void SettingSection::SetDefaults()
{
    for (size_t row = 0; row < settings.size(); ++row)
    {
        if (settings[row].HoldsText())
            SetText(row, settings[row].defaultText);
        else
            SetNumber(row, settings[row].defaultNumber);
    }
}

void SettingSection::Write(wxTextOutputStream& out) const
{
    WriteInterleaved(out, Size(), *this);
}

void SettingSection::Read(wxTextInputStream& in)
{
    ReadInterleaved(in, Size(), *this);
}

void SettingSection::WriteRow(wxTextOutputStream& out, size_t row) const
{
    const Setting& setting = settings.at(row);
    for (const wxString& comment : setting.comments)
        WriteLine(out, comment);
    if (setting.HoldsText())
        WriteTextValue(out, texts[row]);
    else if (setting.indexToFile)
        WriteIntValue(out, setting.indexToFile(numbers[row]));
    else
        WriteIntValue(out, numbers[row]);
}

void SettingSection::ReadRow(wxTextInputStream& in, size_t row)
{
    const Setting& setting = settings.at(row);
    if (setting.HoldsText())
    {
        wxString text = ReadTextValue(in);
        texts.at(row).swap(text);    // a long text is not held twice
    }
    else if (setting.fileToIndex)
        SetNumber(row, setting.fileToIndex(ReadIntValue(in)));
    else
        SetNumber(row, ReadIntValue(in));
}

size_t SettingSection::Find(const std::string& name) const
{
    for (size_t row = 0; row < settings.size(); ++row)
        if (settings[row].name == name)
            return row;
    throw std::out_of_range("no setting named " + name);
}

void SettingSection::SetNumber(size_t row, int value)
{
    numbers.at(row) = settings.at(row).Accept(value);
}

void SettingSection::SetText(size_t row, const wxString& value)
{
    texts.at(row) = value;
}
