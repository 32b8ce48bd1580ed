#include "pages/SectionPage.h"

SectionPage::SectionPage(wxWindow* parent, SettingSection& section, std::vector<int> groupOrder)
    : SettingsPage(parent), controls(section), groupOrder(std::move(groupOrder))
{
}

void SectionPage::CreateControls()
{
    controls.CreateControls(*this);
}

void SectionPage::LayOut(PageLayout& layout) const
{
    controls.LayoutControls(layout, groupOrder);
}
