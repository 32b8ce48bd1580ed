// A page that shows one section of config.txt and nothing else: its boxes
// in columns, a row per setting.
#pragma once

#include <vector>

#include "pages/SettingControls.h"
#include "pages/SettingsPage.h"

class SectionPage : public SettingsPage
{
public:
    SettingControls& Controls() { return controls; }

protected:
    // the boxes in the section's order unless an order is given
    SectionPage(wxWindow* parent, SettingSection& section, int columns,
                PageLayout::RowAlignment alignment = PageLayout::centredRows,
                std::vector<int> groupOrder = {});

private:
    void CreateControls() override;

    SettingControls controls;
    const int columns;
    const PageLayout::RowAlignment alignment;
    const std::vector<int> groupOrder;
};
