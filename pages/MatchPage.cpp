#include "pages/MatchPage.h"

#include <wx/txtstrm.h>

#include "app/TextFileReader.h"
#include "app/TextFileWriter.h"
#include "app/ValueLine.h"
#include "controls/myCBox.h"
#include "controls/myFileSelect.h"
#include "controls/myLabel.h"
#include "controls/mySlider.h"

namespace
{
// ----------------------------------------------------------------------------
// the match rules, in the order of their value lines
// ----------------------------------------------------------------------------

enum Group
{
    matchLength,
    rules,
    judges,
    other
};

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
        SliderSetting(matchLength, L"最大ラウンド", 1, 15, 1, 6,
                      {L"", L"#Match Rules Config", L"#Max Round", L"#Default 6"}),
        SliderSetting(matchLength, L"ラウンドタイム", 10, 600, 30, 60,
                      {L"#Round Time", L"#Default 60"}),
        ChoiceSetting(rules, L"TKOシステム",
                      {L"2ノックダウン制", L"3ノックダウン制", L"フリーノックダウン制"}, 1,
                      {L"#TKO System", L"#Default 3"})
            .Stored(KnockdownToFile, KnockdownToIndex),
        ChoiceSetting(rules, L"ジャッジシステム", {L"ラウンドマスト制", L"非ラウンドマスト制"}, 0,
                      {L"#Judging System 0 : Round Must  1 : Not Round Must", L"#Default 0"}),
        ChoiceSetting(rules, L"ゴング後のカウント",
                      {L"最終ラウンドのみ中断", L"最終ラウンドのみ続行", L"全ラウンド中断",
                       L"全ラウンド続行"},
                      0,
                      {L"#Count System 0 : Last Round Stop  1 : Last Round Continue",
                       L"#             2 : All Round Stop   3 : All Round Continue",
                       L"#Default 0"}),
        ChoiceSetting(rules, L"エクストララウンド", {L"無", L"有"}, 0,
                      {L"#Extra Round 0 : OFF 1 : ON", L"#Default 0"}),
        SliderSetting(rules, L"KOカウント", 3, 10, 1, 10, {L"#KO Count", L"#Default 10"}),
        // the three judges share one comment block
        ChoiceSetting(judges, L"ジャッジ1", judgeTypes, 0,
                      {L"#Judge Type 0 : Random  1 : Hit  2 : Critical  3 : Damage",
                       L"#Default 0"}),
        ChoiceSetting(judges, L"ジャッジ2", judgeTypes, 0, {}),
        ChoiceSetting(judges, L"ジャッジ3", judgeTypes, 0, {}),
        ChoiceSetting(other, L"追加情報", {L"OFF", L"ON"}, 0,
                      {L"#Extra Information 0 : OFF 1 : ON", L"#Default 0"}),
        SliderSetting(other, L"リプレイレート", 1, 10, 1, 5,
                      {L"##Replay Rate  1-10", L"#Default 5"}),
    };
}

// ----------------------------------------------------------------------------
// the replay settings
// ----------------------------------------------------------------------------

const int replaySlotCount = 9;
const wchar_t replayDir[] = L"./Replay";
const wchar_t defaultReplayList[] = L"./Replay/replaycf.txt";
const int replayCounterMin = 1, replayCounterMax = 999, replayCounterStep = 10;
const int defaultReplayCounter = 100;
}

// ----------------------------------------------------------------------------
// event table
// ----------------------------------------------------------------------------

wxBEGIN_EVENT_TABLE(MatchPage, myPage)
    EVT_BUTTON(wxID_ANY, MatchPage::OnButtonClicked)
wxEND_EVENT_TABLE()

// ----------------------------------------------------------------------------
// construction
// ----------------------------------------------------------------------------

MatchPage::MatchPage(wxWindow* parent)
    : myPage(parent),
      settings(Groups(), ::Settings()),
      // the caption format ends in a blank, which the caption keeps
      replaySlots(NumberedRows(wxString(L"リプレイスロット No.%d "), replaySlotCount),
                  {wxString(L"リプレイファイル"), wxString(L"リプレイ (*.rep)|*.rep"),
                   wxString(replayDir)})
{
    settings.CreateControls(this);
    CreateReplayControls();

    PageLayout layout(this, 2);
    settings.LayoutControls(layout);
    LayoutReplayControls(layout);
    layout.Finish();
}

void MatchPage::CreateReplayControls()
{
    replayListLabel = new myLabel(this, listFileCaption);
    replayList = new myFileSelect(this, unfilledPathText);
    replayList->startDir = replayDir;

    replaySavingLabel = new myLabel(this, wxString(L"リプレイ保存選択"));
    replaySaving = new myCBox(this);
    replaySaving->Append(wxString(L"しない"));
    replaySaving->Append(wxString(L"する"));

    maxReplaysLabel = new myLabel(this, wxString(L"最大リプレイ数"));
    currentReplayLabel = new myLabel(this, wxString(L"現在のリプレイ"));
    maxReplays = new mySlider(this, replayCounterMin, replayCounterMax, replayCounterStep);
    currentReplay = new mySlider(this, replayCounterMin, replayCounterMax, replayCounterStep);

    replaySlots.CreateLabels(this);
    replaySlots.CreateSelectors(this);
}

void MatchPage::LayoutReplayControls(PageLayout& layout)
{
    const int column = 1;
    wxSizer* list = layout.AddGroup(column, wxString(L"リプレイ設定ファイル"));
    layout.AddRow(list, replayListLabel, replayList);

    wxSizer* saving = layout.AddGroup(column, wxString(L"リプレイの保存選択"));
    layout.AddRow(saving, replaySavingLabel, replaySaving);

    wxSizer* cycle = layout.AddGroup(column, wxString(L"サイクルリプレイ数"));
    layout.AddRow(cycle, maxReplaysLabel, maxReplays);
    layout.AddRow(cycle, currentReplayLabel, currentReplay);

    wxSizer* slots = layout.AddGroup(column, wxString(L"リプレイスロット"));
    replaySlots.LayoutRows(layout, slots, PageLayout::leftAlignedRows);
}

// ----------------------------------------------------------------------------
// page contract: the match rules section
// ----------------------------------------------------------------------------

void MatchPage::SetDefaults()
{
    settings.SetDefaults();
    replayList->SetPath(defaultReplayList);
    replaySaving->SetSelection(0);
    maxReplays->SetValue(defaultReplayCounter);
    currentReplay->SetValue(defaultReplayCounter);
    replaySlots.SetDefaults();
}

void MatchPage::WriteSection(wxTextOutputStream& out)
{
    settings.WriteSection(out);
}

bool MatchPage::ReadSection(wxTextInputStream& in)
{
    settings.ReadSection(in);
    return true;    // every value is accepted
}

// ----------------------------------------------------------------------------
// the replay list file
// ----------------------------------------------------------------------------

void MatchPage::WriteReplayListPath(wxTextOutputStream& out)
{
    WriteListPathLine(out, *replayList);
}

bool MatchPage::ReadReplayListPath(wxTextInputStream& in)
{
    ReadListPathLine(in, *replayList);
    return true;    // an unusable path fails when the list is read
}

bool MatchPage::WriteReplayListFile()
{
    TextFileWriter file(replayList->GetPath());
    if (!file.IsOpened())
        return false;
    wxTextOutputStream& out = file.Stream();

    WriteLine(out, wxString(L"#Config File for Replay"));
    WriteLine(out, wxString());
    // the comment has the two choices the wrong way round; the value is
    // the index, 0 for "しない"
    WriteLine(out, wxString(L"##Choice Save Replay File  0 : DO 1 : NOT DO"));
    WriteLine(out, wxString(L"#Default 0"));
    WriteIntValue(out, replaySaving->GetSelection());
    WriteLine(out, wxString());
    WriteLine(out, wxString(L"#Maximum Replay Number"));
    WriteIntValue(out, maxReplays->GetValue());
    WriteLine(out, wxString(L"#Current Replay Number"));
    WriteIntValue(out, currentReplay->GetValue());
    WriteLine(out, wxString());
    WriteCountedSlots(out, wxString(L"#Slot Replay Number"), wxString(L"#Replay No. %d"),
                      replaySlots.Selectors());
    WriteEndOfFile(out);
    return file.Commit();
}

bool MatchPage::ReadReplayListFile()
{
    TextFileReader file(replayList->GetPath());
    if (!file.IsOpened())
        return false;
    wxTextInputStream& in = file.Stream();

    replaySaving->SetSelection(ReadIntValue(in));
    maxReplays->SetValue(ReadIntValue(in));
    currentReplay->SetValue(ReadIntValue(in));
    ReadCountedSlots(in, replaySlots.Selectors());
    return true;
}

// ----------------------------------------------------------------------------
// handlers
// ----------------------------------------------------------------------------

// Runs after a selector's browse button did its work. Only a list file
// newly chosen in the dialog is read at once; the result is not shown, and
// a file that cannot be read leaves the replay controls as they were.
void MatchPage::OnButtonClicked(wxCommandEvent&)
{
    if (TakePathChosen(*replayList))
        ReadReplayListFile();
}
