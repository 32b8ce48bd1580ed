#include "pages/AudioPage.h"

#include "settings/FixedList.h"
#include "settings/Translated.h"

AudioPage::AudioPage(wxWindow* parent, FixedList& bgmList, FixedList& seList)
    : SettingsPage(parent),
      bgmPath(bgmList),
      sePath(seList),
      bgm(bgmList.slots, musicFiles),
      se(seList.slots, soundEffectFiles)
{
}

void AudioPage::CreateControls()
{
    bgmPath.Create(*this, musicFiles.startDir);
    sePath.Create(*this, soundEffectFiles.startDir);
    bgm.Create(*this);
    se.Create(*this);
}

void AudioPage::LayOut(PageLayout& layout) const
{
    bgmPath.LayoutGroup(layout, 0, _(L"BGM設定ファイル"));
    bgm.LayoutRows(layout, layout.AddGroup(0, _(L"BGM")));
    sePath.LayoutGroup(layout, 1, _(L"効果設定ファイル"));
    se.LayoutRows(layout, layout.AddGroup(1, _(L"効果音")));
}
