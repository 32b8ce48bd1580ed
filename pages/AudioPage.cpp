#include "pages/AudioPage.h"

#include "settings/FixedList.h"

namespace
{
const wchar_t bgmDir[] = L"./BGM";
const wchar_t seDir[] = L"./SE";

SlotFiles BgmFiles()
{
    return {L"BGMファイル",
            L"BGM (*.mid;*.ogg;*.wav;*.mod;*.s3m;*.it;*.xm;*.mp3)|"
            L"*.mid;*.ogg;*.wav;*.mod;*.s3m;*.it;*.xm;*.mp3",
            bgmDir};
}

SlotFiles SeFiles()
{
    return {L"効果音ファイル", L"SE(*.wav;*.ogg;*.aif)|*.wav;*.ogg;*.aif", seDir};
}
}

AudioPage::AudioPage(wxWindow* parent, FixedList& bgmList, FixedList& seList)
    : SettingsPage(parent),
      bgmPath(bgmList),
      sePath(seList),
      bgm(bgmList.slots, BgmFiles()),
      se(seList.slots, SeFiles())
{
}

void AudioPage::CreateControls()
{
    bgmPath.Create(*this, bgmDir);
    sePath.Create(*this, seDir);
    bgm.CreateLabels(this);
    bgm.CreateSelectors(*this);
    se.CreateLabels(this);
    se.CreateSelectors(*this);

    PageLayout layout(this, 2);
    wxSizer* bgmListGroup = layout.AddGroup(0, L"BGM設定ファイル", wxHORIZONTAL);
    layout.AddRow(bgmListGroup, bgmPath.Label(), bgmPath.Selector());
    bgm.LayoutRows(layout, layout.AddGroup(0, L"BGM"));

    wxSizer* seListGroup = layout.AddGroup(1, L"効果設定ファイル", wxHORIZONTAL);
    layout.AddRow(seListGroup, sePath.Label(), sePath.Selector());
    se.LayoutRows(layout, layout.AddGroup(1, L"効果音"));
    layout.Finish();
}
