// A page that shows one section of config.txt and nothing else: its boxes
// in the columns the section gives them, a row per setting.
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
    SectionPage(wxWindow* parent, SettingSection& section, std::vector<int> groupOrder = {});

private:
    void CreateControls() override;
    void LayOut(PageLayout& layout) const override;

    SettingControls controls;
    const std::vector<int> groupOrder;
};
