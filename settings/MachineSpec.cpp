#include "settings/MachineSpec.h"

#include "settings/SettingSection.h"

namespace
{
const int keep = -1;    // the preset leaves this setting as it is

struct PresetRow
{
    const char* setting;
    int values[5];    // ultra-high, high, middle, low, ultra-low
};

const PresetRow presets[] = {
    {"resolution", {2, 1, 0, 0, 0}},
    {"screenMode", {0, 0, 0, 0, 1}},
    {"partitions", {10, 9, 6, 3, 2}},
    {"face", {2, 2, 2, 1, 1}},
    {"shadows", {1, 1, 1, 0, 0}},
    {"background", {2, 2, 2, 1, 0}},
    {"ringAds", {1, 1, 1, 1, 0}},
    {"skipFrame", {1, 1, 1, 1, 2}},
    {"polygonFont", {1, 1, 1, 0, 0}},
    {"skipOpening", {keep, keep, keep, 1, 1}},
    {"skipReplay", {keep, keep, keep, keep, 1}},
};
}

void ApplyMachineSpec(SettingSection& basic, MachineSpec spec)
{
    const int level = static_cast<int>(spec);
    for (const PresetRow& preset : presets)
        if (preset.values[level] != keep)
            basic.SetNumber(preset.setting, preset.values[level]);
}
