// Every setting of the game, as data: the five sections of config.txt and
// the seven list files it names. The pages show it and hand their edits
// back; ConfigDocument reads and writes it.
#pragma once

#include <vector>

#include "settings/BoxerList.h"
#include "settings/FixedList.h"
#include "settings/FontList.h"
#include "settings/ReplayList.h"
#include "settings/SettingSection.h"
#include "settings/ThinkList.h"

struct GameSettings
{
    // every value as its control holds it before anything is put in: no
    // choice, sliders at the end of their range nearest 0, empty texts and
    // key names, paths ".\"
    GameSettings();

    // the initial settings that the declarations hold; no file is read
    // (ConfigDocument::Reset adds what the default list files hold)
    void SetDefaults();

    // the five sections of config.txt, in the order of the document
    std::vector<SettingSection*> Sections();
    std::vector<const SettingSection*> Sections() const;

    // the order of their paths in config.txt, and of saving them: replay,
    // font, image, music, sound effect, boxer data, think
    std::vector<ListFile*> Lists();
    std::vector<const ListFile*> Lists() const;

    SettingSection basic;
    SettingSection net;
    SettingSection control;
    SettingSection match;
    SettingSection manip;

    ReplayList replayList;
    FontList fontList;
    FixedList imageList;
    FixedList bgmList;
    FixedList seList;
    BoxerList boxerList;
    ThinkList thinkList;
};
