#include "pages/MatchPage.h"

#include "settings/ReplayList.h"
#include "settings/Translated.h"

MatchPage::MatchPage(wxWindow* parent, SettingSection& match, ReplayList& replayList)
    : SettingsPage(parent),
      controls(match),
      replayListPath(replayList),
      replayControls(replayList.values),
      replaySlots(replayList.slots, replayFiles)
{
}

void MatchPage::CreateControls()
{
    controls.CreateControls(*this);
    replayListPath.Create(*this, replayFiles.startDir);
    replayControls.CreateControls(*this);
    replaySlots.Create(*this);
}

void MatchPage::LayOut(PageLayout& layout) const
{
    controls.LayoutControls(layout);
    // the right-hand column: the list file, its values, its slots
    replayListPath.LayoutGroup(layout, 1, _(L"リプレイ設定ファイル"));
    replayControls.LayoutControls(layout);
    replaySlots.LayoutRows(layout, layout.AddGroup(1, _(L"リプレイスロット")));
}
