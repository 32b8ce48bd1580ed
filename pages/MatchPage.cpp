#include "pages/MatchPage.h"

#include "settings/ReplayList.h"

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
    replaySlots.CreateLabels(this);
    replaySlots.CreateSelectors(*this);

    PageLayout layout(this, 2);
    controls.LayoutControls(layout);
    // the right-hand column: the list file, its values, its slots
    wxSizer* list = layout.AddGroup(1, L"リプレイ設定ファイル");
    layout.AddRow(list, replayListPath.Label(), replayListPath.Selector());
    replayControls.LayoutControls(layout);
    replaySlots.LayoutRows(layout, layout.AddGroup(1, L"リプレイスロット"),
                           PageLayout::leftAlignedRows);
    layout.Finish();
}
