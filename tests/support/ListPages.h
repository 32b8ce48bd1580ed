// What the tests of the list pages share: the folders of a game directory,
// the paths the slots hold, the browse button of a selector, and list files
// built from their values as the editor lays them out.
#pragma once

#include <string>
#include <vector>
#include <wx/button.h>

#include "app/ListFile.h"
#include "controls/myFileSelect.h"
#include "support/GuiHelpers.h"

inline void MakeGameFolders()
{
    for (const char* folder : {"BGM", "SE", "Image", "Font", "Data", "Replay"})
        MakeDir(folder);
}

inline std::vector<std::string> PathsOf(const Slots& slots)
{
    std::vector<std::string> paths;
    for (const myFileSelect* slot : slots)
        paths.push_back(B(slot->GetPath()));
    return paths;
}

inline void FillSlots(const Slots& slots, const std::vector<std::string>& paths)
{
    for (size_t i = 0; i < slots.size(); ++i)
        slots[i]->SetPath(U(i < paths.size() ? paths[i] : std::string()));
}

// the paths given first, then empty ones up to count
inline std::vector<std::string> Padded(std::vector<std::string> paths, size_t count)
{
    paths.resize(count);
    return paths;
}

// stem1.ext, stem2.ext and so on
inline std::vector<std::string> Numbered(const std::string& stem, const std::string& extension, int count)
{
    std::vector<std::string> paths;
    for (int k = 1; k <= count; ++k)
        paths.push_back(stem + std::to_string(k) + extension);
    return paths;
}

inline wxButton* BrowseButtonOf(myFileSelect* selector)
{
    for (wxWindow* child : selector->GetChildren())
        if (auto* button = dynamic_cast<wxButton*>(child))
            return button;
    return nullptr;
}

// ----------------------------------------------------------------------------
// list files from their values
// ----------------------------------------------------------------------------

// a numbered comment ("#BGM No. " and the number) above each path
inline std::string Entries(const std::string& comment, const std::vector<std::string>& paths)
{
    std::string lines;
    for (size_t k = 0; k < paths.size(); ++k)
        lines += Lines({comment + std::to_string(k + 1), paths[k]});
    return lines;
}

inline const std::string listEnd = Lines({"", "#End of File"});

inline std::string ReplayList(const std::string& saving, const std::string& maximum,
                              const std::string& current, const std::vector<std::string>& paths)
{
    return Lines({"#Config File for Replay", "", "##Choice Save Replay File  0 : DO 1 : NOT DO",
                  "#Default 0", saving, "", "#Maximum Replay Number", maximum,
                  "#Current Replay Number", current, "", "#Slot Replay Number",
                  std::to_string(paths.size()), ""}) +
           Entries("#Replay No. ", paths) + listEnd;
}

inline std::string FontList(const std::string& title, const std::string& titleSize, const std::string& system,
                            const std::string& systemSize)
{
    return Lines({"#Config File for Fonts", "", "#Title Font", title, "#Title Font Size", titleSize,
                  "#System Font", system, "#System Font Size", systemSize}) + listEnd;
}

// the members, then the 18 sparring values (partner 1's nine, then partner 2's)
inline std::string BoxerList(const std::vector<std::string>& paths, const std::vector<int>& sparring)
{
    const char* names[] = {"Height 1-7", "Reach 1-7",  "Style 1-7",   "Stance  0 : Orthodox  1 : Southpaw",
                           "Combination 1-20", "Think 1-14", "Gloves 1-8", "Trunks 1-64", "Skin 1-10"};
    const char* defaults[] = {"4", "4", "1", "0", "1", "1", "1", "1", "3"};
    std::string lines = Lines({"#Config File for Boxer Data", "", "#Gym Member Number",
                               std::to_string(paths.size()), ""}) +
                        Entries("#Data No. ", paths) + Lines({"", "#Sparring Custom Config"});
    for (size_t k = 0; k < 18; ++k)
        lines += Lines({"#No." + std::to_string(k / 9 + 1) + " " + names[k % 9],
                        std::string("#Default ") + defaults[k % 9], std::to_string(sparring.at(k))});
    return lines + listEnd;
}
