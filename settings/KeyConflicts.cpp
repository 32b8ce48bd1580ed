#include "settings/KeyConflicts.h"

#include <algorithm>

#include "settings/ControlSection.h"
#include "settings/SettingSection.h"

namespace
{
// the sets of one two-player game
const int twoPlayerSets[] = {1, 2};

size_t KeyRow(const SettingSection& control, int set, int role)
{
    return control.Find(KeySettingName(set, role));
}

void AddIfSame(const SettingSection& control, size_t a, size_t b, bool betweenPlayers,
               std::vector<KeyConflict>& conflicts)
{
    if (!control.Text(a).empty() && control.Text(a) == control.Text(b))
        conflicts.push_back({std::min(a, b), std::max(a, b), betweenPlayers});
}
}

std::vector<KeyConflict> FindKeyConflicts(const SettingSection& control)
{
    std::vector<KeyConflict> conflicts;
    for (int set = 0; set < keySetCount; ++set)
        for (int role = 0; role < keysPerSet; ++role)
            for (int other = role + 1; other < keysPerSet; ++other)
                AddIfSame(control, KeyRow(control, set, role), KeyRow(control, set, other), false,
                          conflicts);
    for (int role = 0; role < keysPerSet; ++role)
        for (int other = 0; other < keysPerSet; ++other)
            AddIfSame(control, KeyRow(control, twoPlayerSets[0], role),
                      KeyRow(control, twoPlayerSets[1], other), true, conflicts);
    return conflicts;
}
