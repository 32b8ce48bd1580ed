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
    basic.SetDefaults();
    net.SetDefaults();
    control.SetDefaults();
    match.SetDefaults();
    replayList.SetDefaults();
    manip.SetDefaults();
    bgmList.SetDefaults();
    seList.SetDefaults();
    imageList.SetDefaults();
    fontList.SetDefaults();
    boxerList.SetDefaults();
    thinkList.SetDefaults();
}

std::vector<ListFile*> GameSettings::Lists()
{
    return {&replayList, &fontList, &imageList, &bgmList, &seList, &boxerList, &thinkList};
}

std::vector<const ListFile*> GameSettings::Lists() const
{
    return {&replayList, &fontList, &imageList, &bgmList, &seList, &boxerList, &thinkList};
}
