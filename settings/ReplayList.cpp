#include "settings/ReplayList.h"

#include "settings/ValueLine.h"

namespace
{
const int slotCount = 9;

enum Group
{
    saving,
    cycle
};

const int counterMin = 1, counterMax = 999, counterStep = 10, defaultCounter = 100;

SettingSection Values()
{
    return SettingSection(
        {{_(L"リプレイの保存選択"), 1}, {_(L"サイクルリプレイ数"), 1}},
        {
            // the comment has the two choices the wrong way round; the value
            // is the index, 0 for "しない"
            ChoiceSetting("saving", saving, _(L"リプレイ保存選択"), {_(L"しない"), _(L"する")}, 0,
                          {L"##Choice Save Replay File  0 : DO 1 : NOT DO", L"#Default 0"})
            .About(_(L"試合のリプレイをファイルに保存するか")),
            NumberSetting("maxReplays", cycle, _(L"最大リプレイ数"), counterMin, counterMax,
                          counterStep, defaultCounter, {L"", L"#Maximum Replay Number"})
            .About(_(L"保存しておくリプレイの最大数")),
            NumberSetting("currentReplay", cycle, _(L"現在のリプレイ"), counterMin, counterMax,
                          counterStep, defaultCounter, {L"#Current Replay Number"})
            .About(_(L"次に保存するリプレイの番号")),
        });
}
}

ReplayList::ReplayList()
    : ListFile(L"./Replay/replaycf.txt", L"#Config File for Replay"),
      values(Values()),
      // the caption format ends in a blank, which the caption keeps
      slots(NumberedRows(_(L"リプレイスロット No.%d "), slotCount))
{
}

void ReplayList::SetContentsToDefaults()
{
    values.SetDefaults();
    slots.SetDefaults();
}

void ReplayList::WriteContents(wxTextOutputStream& out) const
{
    values.Write(out);
    WriteLine(out, wxString());
    slots.WriteCounted(out, L"#Slot Replay Number", L"#Replay No. %d");
}

void ReplayList::Read(wxTextInputStream& in)
{
    values.Read(in);
    slots.ReadCounted(in);
}
