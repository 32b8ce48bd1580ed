#include "settings/GameSettings.h"

#include "settings/BasicSection.h"
#include "settings/ControlSection.h"
#include "settings/ManipSection.h"
#include "settings/MatchSection.h"
#include "settings/NetSection.h"

GameSettings::GameSettings()
    : basic(BasicSection()),
      net(NetSection()),
      control(ControlSection()),
      match(MatchSection()),
      manip(ManipSection()),
      imageList(ImageList()),
      bgmList(BgmList()),
      seList(SeList())
{
}

void GameSettings::SetDefaults()
{
    for (SettingSection* section : Sections())
        section->SetDefaults();
    for (ListFile* list : Lists())
        list->SetDefaults();
}

std::vector<SettingSection*> GameSettings::Sections()
{
    return {&basic, &net, &control, &match, &manip};
}

std::vector<const SettingSection*> GameSettings::Sections() const
{
    return {&basic, &net, &control, &match, &manip};
}

std::vector<ListFile*> GameSettings::Lists()
{
    return {&replayList, &fontList, &imageList, &bgmList, &seList, &boxerList, &thinkList};
}

std::vector<const ListFile*> GameSettings::Lists() const
{
    return {&replayList, &fontList, &imageList, &bgmList, &seList, &boxerList, &thinkList};
}
