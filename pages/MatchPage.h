// The fourth tab: the match rules ("#Match Rules Config" section) and, in
// its right-hand column, the replay list file with its nine slots.
#pragma once


#include "app/ListFile.h"
#include "app/SettingTable.h"
#include "app/SlotTable.h"
#include "app/myPage.h"

class myCBox;
class myFileSelect;
class myLabel;
class mySlider;
class wxTextInputStream;
class wxTextOutputStream;

class MatchPage : public myPage
{
public:
    explicit MatchPage(wxWindow* parent);

    // rows of the settings table, in the order of the section's value lines
    enum Row
    {
        maxRoundsRow,
        roundTimeRow,
        tkoSystemRow,
        judgingSystemRow,
        countAfterGongRow,
        extraRoundRow,
        koCountRow,
        judge1Row,
        judge2Row,
        judge3Row,
        extraInformationRow,
        replayRateRow
    };

    void SetDefaults() override;
    void WriteSection(wxTextOutputStream& out);
    bool ReadSection(wxTextInputStream& in);

    // the replay list file: its path in config.txt, and the file itself
    void WriteReplayListPath(wxTextOutputStream& out);
    bool ReadReplayListPath(wxTextInputStream& in);
    bool WriteReplayListFile();
    bool ReadReplayListFile();

    SettingTable& Settings() { return settings; }
    myFileSelect* ReplayListSelector() const { return replayList; }
    myCBox* ReplaySaving() const { return replaySaving; }
    mySlider* MaxReplays() const { return maxReplays; }
    mySlider* CurrentReplay() const { return currentReplay; }
    const Slots& ReplaySlots() const { return replaySlots.Selectors(); }

private:
    void CreateReplayControls();
    void LayoutReplayControls(PageLayout& layout);

    void OnButtonClicked(wxCommandEvent& event);

    SettingTable settings;

    myLabel* replayListLabel;
    myFileSelect* replayList;
    myLabel* replaySavingLabel;
    myCBox* replaySaving;
    myLabel* maxReplaysLabel;
    myLabel* currentReplayLabel;
    mySlider* maxReplays;
    mySlider* currentReplay;
    SlotTable replaySlots;

    wxDECLARE_EVENT_TABLE();
};
