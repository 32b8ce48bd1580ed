// The first tab: screen, sound device, volume, language and fonts, display
// accuracy, camera and skip settings (the first section of config.txt).
#pragma once

#include "pages/SectionPage.h"

class BasicPage : public SectionPage
{
public:
    BasicPage(wxWindow* parent, SettingSection& basic);
};
