#include "pages/SectionPage.h"

SectionPage::SectionPage(wxWindow* parent, SettingSection& section, int columns,
                         PageLayout::RowAlignment alignment, std::vector<int> groupOrder)
    : SettingsPage(parent),
      controls(section),
      columns(columns),
      alignment(alignment),
      groupOrder(std::move(groupOrder))
{
}

void SectionPage::CreateControls()
{
    controls.CreateControls(*this);
    PageLayout layout(this, columns, alignment);
    controls.LayoutControls(layout, groupOrder);
    layout.Finish();
}
