// The third tab: player control modes, the mouse player, the confirm key
// and three sets of seven keys (the "#Control Config" section). Keys bound
// twice (two actions of one set, or a key both players of the two-player
// sets use) are marked; nothing is refused.
#pragma once

#include "pages/SectionPage.h"

class ControlPage : public SectionPage
{
public:
    ControlPage(wxWindow* parent, SettingSection& control);

    // whether the key field of that row is marked as bound twice
    bool IsMarkedTwice(size_t row) const;

private:
    // after the keys are shown, and after every key pressed in a key field
    void SettingsShown() override;

    void MarkKeysBoundTwice();

    std::vector<size_t> markedRows;
};
