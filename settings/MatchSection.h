// The fourth section of config.txt ("#Match Rules Config"): the length of a
// match, its rules, the judges.
#pragma once

#include "settings/SettingSection.h"

namespace MatchGroup
{
enum
{
    matchLength,
    rules,
    judges,
    other
};
}

SettingSection MatchSection();
