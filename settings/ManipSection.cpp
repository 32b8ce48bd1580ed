#include "settings/ManipSection.h"

#include <iterator>

#include "settings/Translated.h"

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

const wchar_t* const boxTitles[boxesPerCorner] = {wxTRANSLATE(L"補整切り替え"), wxTRANSLATE(L"基本能力補整"),
                                                  wxTRANSLATE(L"ダメージ・酸欠補整"), wxTRANSLATE(L"強度補整")};

struct Adjustment
{
    const wchar_t* label;
    Box box;
    const wchar_t* name;    // in the comment line above the value
};

// by box, in the order of their value lines
const Adjustment adjustments[adjustmentCount] = {
    {wxTRANSLATE(L"パンチ力"), abilityBox, L"Punch"}, {wxTRANSLATE(L"スピード"), abilityBox, L"Speed"},
    {wxTRANSLATE(L"スタミナ"), abilityBox, L"Stamina"},
    {wxTRANSLATE(L"ダメージ回復"), damageBox, L"Damage Restore"}, {wxTRANSLATE(L"ダメージ限界"), damageBox, L"Max Damage"},
    {wxTRANSLATE(L"酸欠回復"), damageBox, L"Cyanosis Restore"}, {wxTRANSLATE(L"酸欠限界"), damageBox, L"Max Cyanosis"},
    {wxTRANSLATE(L"ブロック吸収"), toughnessBox, L"Block Absorb"}, {wxTRANSLATE(L"腹強度"), toughnessBox, L"Body Strength"},
    {wxTRANSLATE(L"肝臓強度"), toughnessBox, L"Liver Strength"}, {wxTRANSLATE(L"顔強度"), toughnessBox, L"Face Strength"},
    {wxTRANSLATE(L"あご強度"), toughnessBox, L"Jaw Strength"},
};

struct Corner
{
    const wchar_t* switchLabel;
    const wchar_t* name;    // in the comment lines
    const wchar_t* onPage;  // in the tooltips
};

const Corner corners[cornerCount] = {
    {wxTRANSLATE(L"赤コーナー補整"), L"Red", wxTRANSLATE(L"赤コーナー")},
    {wxTRANSLATE(L"青コーナー補整"), L"Blue", wxTRANSLATE(L"青コーナー")},
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
            groups.push_back({_(title), corner});
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
        const wxString corner = _(corners[c].onPage);
        settings.push_back(ChoiceSetting(SwitchSettingName(c), firstGroup + switchBox,
                                         _(corners[c].switchLabel),
                                         {L"OFF", L"ON"}, 0, switchComments)
                               .About(wxString::Format(_(L"%sのボクサーの能力を補整するか"), corner)));

        for (const Adjustment& adjustment : adjustments)
            settings.push_back(NumberSetting(
                AdjustmentSettingName(c, static_cast<int>(&adjustment - adjustments)), firstGroup + adjustment.box,
                _(adjustment.label), adjustmentMin, adjustmentMax,
                adjustmentStep, 0,
                {L"#" + name + L" " + adjustment.name + L" Manipulation -50-50", L"#Default 0"})
                    .About(wxString::Format(_(L"%sのボクサーの%sに足す値"), corner, _(adjustment.label))));
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
