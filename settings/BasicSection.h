// The first section of config.txt ("#Screen Config"): screen, sound device,
// volume, language and fonts, display accuracy, camera and skip settings.
// The machine-spec presets act on it (MachineSpec).
#pragma once

#include "settings/SettingSection.h"

namespace BasicGroup
{
enum
{
    screen,
    sound,
    volume,
    language,
    accuracy,
    camera,
    other
};
}

SettingSection BasicSection();
