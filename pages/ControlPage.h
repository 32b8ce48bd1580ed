// The third tab: player control modes, the mouse player, the confirm key
// and three sets of seven keys (the "#Control Config" section).
#pragma once

#include "pages/SectionPage.h"

class ControlPage : public SectionPage
{
public:
    ControlPage(wxWindow* parent, SettingSection& control);
};
