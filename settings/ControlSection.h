// The third section of config.txt ("#Control Config"): the players' control
// modes, the mouse player, the confirm key and three sets of seven keys.
#pragma once

#include "settings/SettingSection.h"

namespace ControlGroup
{
enum
{
    modes,
    devices,
    set1P1,
    set2P1,
    set2P2
};
}

// the key sets, in the order of the section: one player alone, then the
// two players of a two-player game
const int keySetCount = 3;
const int keysPerSet = 7;

SettingSection ControlSection();

// the name of the setting for key `role` (0 to 6) of set `set` (0 to 2)
std::string KeySettingName(int set, int role);
