// The fifth section of config.txt ("#Match Manipulation Config"): the
// handicap adjustments of the red corner, then of the blue corner. Each
// corner has a switch and twelve adjustments, shown in four boxes that
// make one column of the page.
#pragma once

#include "settings/SettingSection.h"

const int cornerCount = 2;
const int adjustmentCount = 12;

SettingSection ManipSection();

std::string SwitchSettingName(int corner);
std::string AdjustmentSettingName(int corner, int adjustment);
