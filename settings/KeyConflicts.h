// Keys bound twice on the control page: two actions of one player's set
// on the same key, and a key shared by the two players of a two-player
// game. Nothing is refused; the page marks them and the check reports them.
#pragma once

#include <cstddef>
#include <vector>

class SettingSection;

struct KeyConflict
{
    std::size_t first, second;   // rows of the control section, first < second
    bool betweenPlayers;     // the two players of the two-player sets
};

std::vector<KeyConflict> FindKeyConflicts(const SettingSection& control);
