#include "settings/MatchSection.h"

namespace
{
using namespace MatchGroup;

std::vector<SettingGroup> Groups()
{
    return {{L"試合の長さ", 0}, {L"各種ルール", 0}, {L"ジャッジ", 0}, {L"その他", 0}};
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

const std::vector<wxString> judgeTypes = {L"ランダム", L"ヒット", L"クリティカル", L"ダメージ"};

std::vector<Setting> Settings()
{
    return {
        NumberSetting("maxRounds", matchLength, L"最大ラウンド", 1, 15, 1, 6,
                      {L"", L"#Match Rules Config", L"#Max Round", L"#Default 6"})
            .About(L"試合の最大ラウンド数"),
        NumberSetting("roundTime", matchLength, L"ラウンドタイム", 10, 600, 30, 60,
                      {L"#Round Time", L"#Default 60"})
            .About(L"1ラウンドの長さ（秒）"),
        ChoiceSetting("tkoSystem", rules, L"TKOシステム",
                      {L"2ノックダウン制", L"3ノックダウン制", L"フリーノックダウン制"}, 1,
                      {L"#TKO System", L"#Default 3"})
            .About(L"何回のダウンでTKOになるか")
            .Stored(KnockdownToFile, KnockdownToIndex),
        ChoiceSetting("judgingSystem", rules, L"ジャッジシステム", {L"ラウンドマスト制", L"非ラウンドマスト制"}, 0,
                      {L"#Judging System 0 : Round Must  1 : Not Round Must", L"#Default 0"})
            .About(L"ジャッジの採点のしかた"),
        ChoiceSetting("countAfterGong", rules, L"ゴング後のカウント",
                      {L"最終ラウンドのみ中断", L"最終ラウンドのみ続行", L"全ラウンド中断",
                       L"全ラウンド続行"},
                      0,
                      {L"#Count System 0 : Last Round Stop  1 : Last Round Continue",
                       L"#             2 : All Round Stop   3 : All Round Continue",
                       L"#Default 0"})
            .About(L"ゴングが鳴った後のダウンカウントの扱い"),
        ChoiceSetting("extraRound", rules, L"エクストララウンド", {L"無", L"有"}, 0,
                      {L"#Extra Round 0 : OFF 1 : ON", L"#Default 0"})
            .About(L"引き分けのときにエクストララウンドを行うか"),
        NumberSetting("koCount", rules, L"KOカウント", 3, 10, 1, 10, {L"#KO Count", L"#Default 10"})
            .About(L"KOになるまでのカウント"),
        // the three judges share one comment block
        ChoiceSetting("judge1", judges, L"ジャッジ1", judgeTypes, 0,
                      {L"#Judge Type 0 : Random  1 : Hit  2 : Critical  3 : Damage",
                       L"#Default 0"})
            .About(L"ジャッジ1が何を見て採点するか"),
        ChoiceSetting("judge2", judges, L"ジャッジ2", judgeTypes, 0, {})
            .About(L"ジャッジ2が何を見て採点するか"),
        ChoiceSetting("judge3", judges, L"ジャッジ3", judgeTypes, 0, {})
            .About(L"ジャッジ3が何を見て採点するか"),
        ChoiceSetting("extraInformation", other, L"追加情報", {L"OFF", L"ON"}, 0,
                      {L"#Extra Information 0 : OFF 1 : ON", L"#Default 0"})
            .About(L"試合中に追加の情報を表示するか"),
        NumberSetting("replayRate", other, L"リプレイレート", 1, 10, 1, 5,
                      {L"##Replay Rate  1-10", L"#Default 5"})
            .About(L"リプレイの再生の速さ"),
    };
}
}

SettingSection MatchSection()
{
    return SettingSection(Groups(), Settings());
}
