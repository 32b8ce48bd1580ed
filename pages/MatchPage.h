// The fourth tab: the match rules ("#Match Rules Config" section) and, in
// its right-hand column, the replay list file with its nine slots.
#pragma once

#include "pages/ListPathField.h"
#include "pages/SettingControls.h"
#include "pages/SlotControls.h"
#include "pages/SettingsPage.h"

class ReplayList;
class SettingSection;

class MatchPage : public SettingsPage
{
public:
    MatchPage(wxWindow* parent, SettingSection& match, ReplayList& replayList);

    SettingControls& Controls() { return controls; }
    SettingControls& ReplayControls() { return replayControls; }
    PathField* ReplayListSelector() const { return replayListPath.Selector(); }
    const std::vector<PathField*>& ReplaySlots() const { return replaySlots.Selectors(); }

private:
    void CreateControls() override;
    void LayOut(PageLayout& layout) const override;

    SettingControls controls;
    ListPathField replayListPath;
    SettingControls replayControls;
    SlotControls replaySlots;
};
