// What the settings tests share: the files of a game directory, settings put away from every default, the
// bytes of a section or a list, and the value lines of a file.
#pragma once

#include "settings/GameSettings.h"
#include "settings/ValueLine.h"
#include "support/MemoryStreams.h"
#include "support/OtherSettings.h"
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

// the value lines of the bytes, as the program takes them
inline std::vector<std::string> ValueLinesOf(const std::string& bytes)
{
    std::vector<std::string> values;
    for (const NumberedBytes& line : ValueLinesOfBytes(bytes))
        values.emplace_back(line.text);
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
