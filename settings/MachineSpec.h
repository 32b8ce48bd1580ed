// The machine-spec presets: display settings of the first section for five
// classes of machine, from the most powerful to the least.
#pragma once

class SettingSection;

enum class MachineSpec
{
    ultraHigh,
    high,
    middle,
    low,
    ultraLow
};

// sets the settings the preset names in the basic section; the others keep
// their values
void ApplyMachineSpec(SettingSection& basic, MachineSpec spec);
