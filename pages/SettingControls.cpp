#include "pages/SettingControls.h"

#include "controls/ChoiceField.h"
#include "controls/ControlSizes.h"
#include "controls/TextField.h"
#include "controls/Caption.h"
#include "controls/NumberField.h"
#include "controls/KeyField.h"
#include "pages/SettingsPage.h"
#include "settings/SettingSection.h"

namespace
{
wxWindow* CreateControl(SettingsPage& page, const Setting& setting)
{
    switch (setting.kind)
    {
    case Setting::choice:
        return new ChoiceField(&page, wxArrayString(setting.choices.size(), setting.choices.data()));
    case Setting::number:
        return new NumberField(&page, setting.min, setting.max, setting.step);
    case Setting::text:
        return new TextField(&page);
    case Setting::key:
    {
        // a key's name goes to the settings at once, so that the page can
        // show at once what follows from it (a key bound twice)
        auto* field = new KeyField(&page);
        field->SetNamedCallback([&page] { page.ChangeSettings(); });
        return field;
    }
    }
    return nullptr;
}

// on the slider and the spin control too, not only on the panel holding them
void SetToolTipDeep(wxWindow* window, const wxString& text)
{
    window->SetToolTip(text);
    for (wxWindow* child : window->GetChildren())
        child->SetToolTip(text);
}
}

SettingControls::SettingControls(SettingSection& section)
    : section(section), captions(section.Size()), controls(section.Size())
{
}

void SettingControls::CreateControls(SettingsPage& page)
{
    page.Register(*this);
    for (size_t group = 0; group < section.Groups().size(); ++group)
    {
        for (size_t row = 0; row < section.Size(); ++row)
            if (section.At(row).group == static_cast<int>(group))
                captions[row] = new Caption(&page, section.At(row).caption);
        for (size_t row = 0; row < section.Size(); ++row)
            if (section.At(row).group == static_cast<int>(group))
            {
                controls[row] = CreateControl(page, section.At(row));
                SetToolTipDeep(controls[row], section.At(row).Help());
            }
    }
}

void SettingControls::LayoutControls(PageLayout& layout, std::vector<int> groupOrder) const
{
    const std::vector<SettingGroup>& groups = section.Groups();
    if (groupOrder.empty())
        for (size_t group = 0; group < groups.size(); ++group)
            groupOrder.push_back(static_cast<int>(group));
    for (int group : groupOrder)
    {
        wxSizer* box = layout.AddGroup(groups.at(group).column, groups.at(group).title);
        for (size_t row = 0; row < section.Size(); ++row)
            if (section.At(row).group == group)
                LayoutRow(layout, box, row);
    }
}

void SettingControls::LayoutRow(PageLayout& layout, wxSizer* group, size_t row) const
{
    const Setting& setting = section.At(row);
    if (const ControlSizes* sizes = layout.Estimating())
        layout.AddRow(group, sizes->Caption(setting.caption), sizes->Of(setting));
    else
        layout.AddRow(group, captions.at(row), controls.at(row));
}

// Each control is of the kind its setting declares (CreateControl).
void SettingControls::ShowSettings()
{
    for (size_t row = 0; row < section.Size(); ++row)
        switch (section.At(row).kind)
        {
        case Setting::choice:
            static_cast<ChoiceField*>(controls[row])->SetSelection(section.Number(row));
            break;
        case Setting::number:
            static_cast<NumberField*>(controls[row])->SetValue(section.Number(row));
            break;
        case Setting::text:
        case Setting::key:
        {
            auto* field = static_cast<wxTextCtrl*>(controls[row]);
            field->ChangeValue(section.Text(row));
            field->DiscardEdits();    // GTK's ChangeValue keeps an earlier edit's mark
            break;
        }
        }
}

// A text goes back only when the user changed it: a field shows at most
// 65,535 characters (GTK's limit for an entry), and a longer text read from
// a file stays whole unless it is edited. A key field is edited by every
// name a key puts in.
void SettingControls::StoreEdits()
{
    for (size_t row = 0; row < section.Size(); ++row)
        switch (section.At(row).kind)
        {
        case Setting::choice:
            section.SetNumber(row, static_cast<ChoiceField*>(controls[row])->GetSelection());
            break;
        case Setting::number:
            section.SetNumber(row, static_cast<NumberField*>(controls[row])->GetValue());
            break;
        case Setting::text:
        case Setting::key:
            if (const auto* field = static_cast<wxTextCtrl*>(controls[row]); field->IsModified())
                section.SetText(row, field->GetValue());
            break;
        }
}
