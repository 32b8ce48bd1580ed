#include "settings/MatchSection.h"

namespace
{
using namespace MatchGroup;

std::vector<SettingGroup> Groups()
{
    return {{_(L"試合の長さ"), 0}, {_(L"各種ルール"), 0}, {_(L"ジャッジ"), 0}, {_(L"その他"), 0}};
}

// The knockdown rule is stored as the number in its name, and the free
// rule as 255; any number but 2 and 3 reads as the free rule.
int KnockdownToFile(int index)
{
    switch (index)
    {
    case 0:
        return 2;
    case 1:
        return 3;
    default:
        return 255;
    }
}

int KnockdownToIndex(int number)
{
    switch (number)
    {
    case 2:
        return 0;
    case 3:
        return 1;
    default:
        return 2;
    }
}

std::vector<wxString> JudgeTypes()
{
    return {_(L"ランダム"), _(L"ヒット"), _(L"クリティカル"), _(L"ダメージ")};
}

std::vector<Setting> Settings()
{
    return {
        NumberSetting("maxRounds", matchLength, _(L"最大ラウンド"), 1, 15, 1, 6,
                      {L"", L"#Match Rules Config", L"#Max Round", L"#Default 6"})
            .About(_(L"試合の最大ラウンド数")),
        NumberSetting("roundTime", matchLength, _(L"ラウンドタイム"), 10, 600, 30, 60,
                      {L"#Round Time", L"#Default 60"})
            .About(_(L"1ラウンドの長さ（秒）")),
        ChoiceSetting("tkoSystem", rules, _(L"TKOシステム"),
                      {_(L"2ノックダウン制"), _(L"3ノックダウン制"), _(L"フリーノックダウン制")}, 1,
                      {L"#TKO System", L"#Default 3"})
            .About(_(L"何回のダウンでTKOになるか"))
            .Stored(KnockdownToFile, KnockdownToIndex),
        ChoiceSetting("judgingSystem", rules, _(L"ジャッジシステム"), {_(L"ラウンドマスト制"), _(L"非ラウンドマスト制")}, 0,
                      {L"#Judging System 0 : Round Must  1 : Not Round Must", L"#Default 0"})
            .About(_(L"ジャッジの採点のしかた")),
        ChoiceSetting("countAfterGong", rules, _(L"ゴング後のカウント"),
                      {_(L"最終ラウンドのみ中断"), _(L"最終ラウンドのみ続行"), _(L"全ラウンド中断"),
                       _(L"全ラウンド続行")},
                      0,
                      {L"#Count System 0 : Last Round Stop  1 : Last Round Continue",
                       L"#             2 : All Round Stop   3 : All Round Continue",
                       L"#Default 0"})
            .About(_(L"ゴングが鳴った後のダウンカウントの扱い")),
        ChoiceSetting("extraRound", rules, _(L"エクストララウンド"), {_(L"無"), _(L"有")}, 0,
                      {L"#Extra Round 0 : OFF 1 : ON", L"#Default 0"})
            .About(_(L"引き分けのときにエクストララウンドを行うか")),
        NumberSetting("koCount", rules, _(L"KOカウント"), 3, 10, 1, 10, {L"#KO Count", L"#Default 10"})
            .About(_(L"KOになるまでのカウント")),
        // the three judges share one comment block
        ChoiceSetting("judge1", judges, _(L"ジャッジ1"), JudgeTypes(), 0,
                      {L"#Judge Type 0 : Random  1 : Hit  2 : Critical  3 : Damage",
                       L"#Default 0"})
            .About(_(L"ジャッジ1が何を見て採点するか")),
        ChoiceSetting("judge2", judges, _(L"ジャッジ2"), JudgeTypes(), 0, {})
            .About(_(L"ジャッジ2が何を見て採点するか")),
        ChoiceSetting("judge3", judges, _(L"ジャッジ3"), JudgeTypes(), 0, {})
            .About(_(L"ジャッジ3が何を見て採点するか")),
        ChoiceSetting("extraInformation", other, _(L"追加情報"), {L"OFF", L"ON"}, 0,
                      {L"#Extra Information 0 : OFF 1 : ON", L"#Default 0"})
            .About(_(L"試合中に追加の情報を表示するか")),
        NumberSetting("replayRate", other, _(L"リプレイレート"), 1, 10, 1, 5,
                      {L"##Replay Rate  1-10", L"#Default 5"})
            .About(_(L"リプレイの再生の速さ")),
    };
}
}

SettingSection MatchSection()
{
    return SettingSection(Groups(), Settings());
}
