#include "settings/ManipSection.h"

#include <iterator>

namespace
{
enum Box
{
    switchBox,
    abilityBox,
    damageBox,
    toughnessBox,
    boxesPerCorner
};

const wchar_t* const boxTitles[boxesPerCorner] = {L"補整切り替え", L"基本能力補整",
                                                  L"ダメージ・酸欠補整", L"強度補整"};

struct Adjustment
{
    const wchar_t* label;
    Box box;
    const wchar_t* name;    // in the comment line above the value
};

// by box, in the order of their value lines
const Adjustment adjustments[adjustmentCount] = {
    {L"パンチ力", abilityBox, L"Punch"}, {L"スピード", abilityBox, L"Speed"},
    {L"スタミナ", abilityBox, L"Stamina"},
    {L"ダメージ回復", damageBox, L"Damage Restore"}, {L"ダメージ限界", damageBox, L"Max Damage"},
    {L"酸欠回復", damageBox, L"Cyanosis Restore"}, {L"酸欠限界", damageBox, L"Max Cyanosis"},
    {L"ブロック吸収", toughnessBox, L"Block Absorb"}, {L"腹強度", toughnessBox, L"Body Strength"},
    {L"肝臓強度", toughnessBox, L"Liver Strength"}, {L"顔強度", toughnessBox, L"Face Strength"},
    {L"あご強度", toughnessBox, L"Jaw Strength"},
};

struct Corner
{
    const wchar_t* switchLabel;
    const wchar_t* name;    // in the comment lines
    const wchar_t* onPage;  // in the tooltips
};

const Corner corners[cornerCount] = {
    {L"赤コーナー補整", L"Red", L"赤コーナー"},
    {L"青コーナー補整", L"Blue", L"青コーナー"},
};

const int adjustmentMin = -50, adjustmentMax = 50, adjustmentStep = 1;

// ----------------------------------------------------------------------------
// the settings, in the order of their value lines
// ----------------------------------------------------------------------------

// each corner is a column of the same four boxes
std::vector<SettingGroup> Groups()
{
    std::vector<SettingGroup> groups;
    for (int corner = 0; corner < cornerCount; ++corner)
        for (const wchar_t* title : boxTitles)
            groups.push_back({title, corner});
    return groups;
}

std::vector<Setting> Settings()
{
    std::vector<Setting> settings;
    for (int c = 0; c < cornerCount; ++c)
    {
        const wxString name(corners[c].name);
        const int firstGroup = c * boxesPerCorner;

        std::vector<wxString> switchComments;
        if (c == 0)
        {
            switchComments.push_back(wxString());    // the section opens with an empty line
            switchComments.push_back(L"#Match Manipulation Config");
        }
        switchComments.push_back(L"#" + name + L" Corner Manipulation 0 : OFF 1 : ON");
        switchComments.push_back(L"#Default 0");
        const wxString corner(corners[c].onPage);
        settings.push_back(ChoiceSetting(SwitchSettingName(c), firstGroup + switchBox, corners[c].switchLabel,
                                         {L"OFF", L"ON"}, 0, switchComments)
                               .About(corner + L"のボクサーの能力を補整するか"));

        for (const Adjustment& adjustment : adjustments)
            settings.push_back(NumberSetting(
                AdjustmentSettingName(c, static_cast<int>(&adjustment - adjustments)), firstGroup + adjustment.box, adjustment.label, adjustmentMin, adjustmentMax,
                adjustmentStep, 0,
                {L"#" + name + L" " + adjustment.name + L" Manipulation -50-50", L"#Default 0"})
                    .About(corner + L"のボクサーの" + adjustment.label + L"に足す値"));
    }
    return settings;
}
}

SettingSection ManipSection()
{
    return SettingSection(Groups(), Settings());
}

std::string SwitchSettingName(int corner)
{
    return "switch" + std::to_string(corner);
}

std::string AdjustmentSettingName(int corner, int adjustment)
{
    return "adjust" + std::to_string(corner) + "." + std::to_string(adjustment);
}
