// What the settings tests share: the files of a game directory, settings
// put away from every default, the bytes of a section or a list, and the
// value lines of a file.
#pragma once

#include <sstream>

#include "settings/GameSettings.h"
#include "support/MemoryStreams.h"
#include "support/TempDir.h"

// config.txt, then the default paths of the lists in the order of Lists()
inline const char* const gameFiles[] = {"config.txt",        "Replay/replaycf.txt", "Font/fontcf.txt",
                                        "Image/imagecf.txt", "BGM/bgmcf.txt",       "SE/secf.txt",
                                        "Data/datacf.txt",   "Data/thinkcf.txt"};
inline const char* const gameFolders[] = {"Replay", "Font", "Image", "BGM", "SE", "Data"};

inline void MakeGameFolders()
{
    for (const char* folder : gameFolders)
        MakeDir(folder);
}

template <class T> std::string Bytes(const T& sectionOrList)
{
    return WrittenBy([&](wxTextOutputStream& out) { sectionOrList.Write(out); });
}

// the paths of the slots, up to the last one used
inline std::vector<std::string> Paths(const SlotList& slots)
{
    std::vector<std::string> paths;
    for (size_t i = 0; i < slots.Size(); ++i)
        paths.push_back(slots.Path(i).utf8_string());
    while (!paths.empty() && paths.back().empty())
        paths.pop_back();
    return paths;
}

// every setting away from its default: the next choice, the end of the range
// farther from it, a text with blanks and kana
inline void SetOthers(SettingSection& section)
{
    for (size_t row = 0; row < section.Size(); ++row)
    {
        const Setting& s = section.At(row);
        if (s.HoldsText())
            section.SetText(row, wxString::Format(L" テキスト %d ", static_cast<int>(row)));
        else if (s.kind == Setting::choice)
            section.SetNumber(row, (s.defaultNumber + 1) % static_cast<int>(s.choices.size()));
        else
            section.SetNumber(row, s.defaultNumber == s.max ? s.min : s.max);
    }
}

// and every list in the working directory, every slot used, other sparring
inline void SetOthers(GameSettings& s)
{
    for (SettingSection* section : {&s.basic, &s.net, &s.control, &s.match, &s.manip, &s.replayList.values,
                                    &s.fontList.sizes})
        SetOthers(*section);
    for (ListFile* list : s.Lists())    // "replay-other.txt" and so on
        list->path = list->defaultPath.AfterLast(L'/').BeforeFirst(L'c') + L"-other.txt";
    for (SlotList* slots : {&s.replayList.slots, &s.fontList.paths, &s.imageList.slots, &s.bgmList.slots,
                            &s.seList.slots, &s.boxerList.members, &s.thinkList.entries})
        for (size_t i = 0; i < slots->Size(); ++i)
            slots->SetPath(i, wxString::Format(L"./ファイル/%d.dat", static_cast<int>(i)));
    for (int i = 0; i < 18; ++i)
        s.boxerList.sparring[i / 9][i % 9] = 20 + i;
}

inline std::vector<std::string> ValueLinesOf(const std::string& bytes)
{
    std::istringstream in(bytes);
    std::vector<std::string> values;
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != '#')
            values.push_back(line);
    return values;
}

inline std::string ReplacedAll(const std::string& text, char from, const std::string& to)
{
    std::string replaced;
    for (char c : text)
        replaced += c == from ? to : std::string(1, c);
    return replaced;
}

// the fields between separators, none of them empty
inline std::vector<std::string> Split(const std::string& text, char separator = ' ')
{
    return ValueLinesOf(ReplacedAll(text, separator, "\n"));
}

// the first `from` in the text replaced
inline std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    return text.replace(text.find(from), from.size(), to);
}
