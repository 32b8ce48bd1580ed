// The fifth tab: the handicap adjustments of the red and blue corners, a
// column each (the "#Match Manipulation Config" section).
#pragma once

#include "pages/SectionPage.h"

class ManipPage : public SectionPage
{
public:
    ManipPage(wxWindow* parent, SettingSection& manip);
};
