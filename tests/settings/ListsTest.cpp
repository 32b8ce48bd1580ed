// The list files one by one, where a list reads more than a whole game directory shows: counted lists, fixed
// lists shorter or longer than their slots, font sizes and replay numbers, and the lists without their
// default files.
#include <gtest/gtest.h>

#include "GameFiles.h"
#include "settings/ConfigDocument.h"
#include "settings/MachineSpec.h"

namespace
{
// value lines: the numbers from `first` on, `count` of them
std::string Values(int first, int count = 18)
{
    std::string lines;
    for (int v = first; v < first + count; ++v)
        lines += std::to_string(v) + "\n";
    return lines;
}

// the sparring values, as value lines
std::string Sparring(const BoxerList& list)
{
    const std::vector<std::string> values = ValueLinesOf(list.Bytes());
    return Lines({values.end() - 18, values.end()});
}
}

// Only the used slots are written, numbered from 1: a free slot closes up,
// and the file reads back into the same set of files.
TEST(Lists, ACountedListWritesItsUsedSlotsInOrder)
{
    TempDir dir;
    MakeGameFolders();
    BoxerList list;
    list.SetDefaults();    // free members (there is no list to read)
    const std::string boxer = "Data/\xe3\x83\x9c\xe3\x82\xaf\xe3\x82\xb5\xe3\x83\xbc b.box";
    list.members.SetPath(1, L"./Data/a.box");
    list.members.SetPath(3, L"Data/ボクサー b.box");
    list.members.SetPath(29, L"./Data/c.box");
    const std::string members = "./Data/a.box\n#Data No. 2\n" + boxer + "\n#Data No. 3\n./Data/c.box\n";
    EXPECT_EQ(list.Bytes(), Replaced(GoldenFile("Data/datacf.txt"), "2\n\n#Data No. 1\n./Data/rookie.box\n"
                                     "#Data No. 2\n./Data/veteran.box\n", "3\n\n#Data No. 1\n" + members));
    WriteFile("Data/datacf.txt", list.Bytes());
    ASSERT_TRUE(list.ReadFile());
    EXPECT_EQ(Lines(Paths(list.members)), "./Data/a.box\n" + boxer + "\n./Data/c.box\n");
}

// A counted list reads as many path lines as its count says; the sparring values of the gym list are the 18
// value lines after them, whatever those lines hold. A fixed list reads one value line per slot, empties
// those it lacks and leaves the rest. Comments and empty lines are skipped; a line of one blank is a path in
// a counted list and an empty path in a fixed one. (Lines in the table end at "|".)
TEST(Lists, AListReadsThePathsItsCountOrItsSlotsSay)
{
    enum { gym, think, replay, se, bgm, image };
    const std::string zeros = Lines(std::vector<std::string>(18, "0"));
    const struct { const char* what; int list; std::string file, paths, sparring; } cases[] = {
        {"count 2, three paths: the third is a height", gym, "2|a|b|c|" + Values(1), "a|b|", Values(0)},
        {"a path with leading digits reads as them", gym, "1|a|7b|" + Values(1), "a|", "7\n" + Values(1, 17)},
        {"count 0 still reads values", gym, "#Gym Member Number|0||#Sparring|" + Values(11), "", Values(11)},
        {"a negative count reads no paths", gym, "-3|" + Values(11), "", Values(11)},
        {"count 35: 30, 5 skipped", gym, "35|" + Values(101, 35) + Values(21), Values(101, 30), Values(21)},
        {"a count beyond 32 bits reads to the end", gym, "99999999999999999999|a|b|", "a|b|", zeros},
        {"a file that ends early", gym, "3|a|#Data No. 2|b|", "a|b|", zeros},
        {"no count line", gym, "#Config File for Boxer Data|x|", "", zeros},
        {"count 5, two paths", think, "5|a|b|", "a|b|"},
        {"count 2, three paths", think, "2|a|b|c|", "a|b|"},
        {"count 35 keeps 9", replay, "0|100|100|35|" + Values(101, 35), Values(101, 9)},
        {"count 3 with a blank path", think, "3|a| |c|", "a| |c|"},
        {"two of twelve", se, "#Config File for SE's||#Sound Effect No. 1|a||#x|b|", "a|b|"},
        {"four for three", bgm, "1|2|3|4|", "1|2|3|"},
        {"a line of one blank", image, "a|b|c|d| |f|", "a|b|c|d||f|"},
    };
    TempDir dir;
    GameSettings g;
    ListFile* lists[] = {&g.boxerList, &g.thinkList, &g.replayList, &g.seList, &g.bgmList, &g.imageList};
    SlotList* slotLists[] = {&g.boxerList.members, &g.thinkList.entries, &g.replayList.slots,
                             &g.seList.slots,      &g.bgmList.slots,     &g.imageList.slots};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        for (size_t i = 0; i < slotLists[c.list]->Size(); ++i)
            slotLists[c.list]->SetPath(i, L"old");
        lists[c.list]->path = L"list.txt";
        WriteFile("list.txt", ReplacedAll(c.file, '|', "\n"));
        ASSERT_TRUE(lists[c.list]->ReadFile());
        EXPECT_EQ(Lines(Paths(*slotLists[c.list])), ReplacedAll(c.paths, '|', "\n"));
        if (c.list == gym)
            EXPECT_EQ(Sparring(g.boxerList), c.sparring);
    }
}

// A font size is its leading number held in 8 to 128; an empty size line is skipped like any, so the system
// font path then reads as the title size. The replay counters are held in 1 to 999; a saving choice that is
// none of the two is written as -1. (The lines: font path, size, path, size; or saving, two counters, count.)
TEST(Lists, NumbersInListFilesAreLeadingDecimalsTakenByTheirRules)
{
    GameSettings g;
    ListFile &fonts = g.fontList, &replays = g.replayList;
    const struct { ListFile& list; size_t line; const char *text, *values; } cases[] = {
        {fonts, 1, "24pt", "t 24 s 40"}, {fonts, 1, "x24", "t 8 s 40"}, {fonts, 1, "  +64", "t 64 s 40"},
        {fonts, 1, "-20", "t 8 s 40"}, {fonts, 1, "500", "t 128 s 40"}, {fonts, 1, "16.9", "t 16 s 40"},
        {fonts, 3, "9999", "t 40 s 128"}, {fonts, 1, "", "t 8 40 8"}, {replays, 0, "1 yes", "1 1 1 0"},
        {replays, 1, "250 replays", "0 250 1 0"}, {replays, 2, "1200", "0 1 999 0"},
        {replays, 0, "5", "-1 1 1 0"}, {replays, 1, "-3", "0 1 1 0"}, {replays, 2, "letters", "0 1 1 0"},
    };
    TempDir dir;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.text);
        std::vector<std::string> file = Split(&c.list == &fonts ? "t 40 s 40" : "0 0 0 0");
        file.at(c.line) = c.text;
        c.list.path = L"list.txt";
        WriteFile("list.txt", Lines(file));
        ASSERT_TRUE(c.list.ReadFile());
        EXPECT_EQ(ValueLinesOf(c.list.Bytes()), Split(c.values));
    }
}

// The initial settings read no file: with the default list files there, the fonts and the sparring values
// keep theirs and the gym and think lists are emptied. The reset reaches every value, reads those three files
// (and no other), and after the presets ultra-low then middle gives the golden files. Without the files it
// leaves what the initial settings leave.
TEST(Lists, InitialSettingsReadNoFileAndTheResetGivesTheGoldenFiles)
{
    TempDir dir;
    MakeGameFolders();
    GameSettings g;
    SetOthers(g);
    const std::string fonts = g.fontList.Bytes(), sparring = Sparring(g.boxerList);
    for (const char* file : {"Font/fontcf.txt", "Data/datacf.txt", "Data/thinkcf.txt"})
        WriteFile(file, GoldenFile(file));
    for (const char* file : {"Replay/replaycf.txt", "Image/imagecf.txt", "BGM/bgmcf.txt", "SE/secf.txt"})
        WriteFile(file, "9\nnot.read\nnot.read\n");
    const auto expectInitialWithoutTheFiles = [&] {
        EXPECT_TRUE(g.fontList.Bytes() == fonts && Sparring(g.boxerList) == sparring);
        EXPECT_TRUE(Paths(g.boxerList.members).empty() && Paths(g.thinkList.entries).empty());
    };
    g.SetDefaults();
    expectInitialWithoutTheFiles();
    SetOthers(g);
    ConfigDocument::Reset(g);
    ApplyMachineSpec(g.basic, MachineSpec::ultraLow);
    ApplyMachineSpec(g.basic, MachineSpec::middle);
    EXPECT_EQ(ConfigDocument::Bytes(g), GoldenFile("config.txt"));
    for (size_t list = 0; list < g.Lists().size(); ++list)
        EXPECT_EQ(g.Lists()[list]->Bytes(), GoldenFile(gameFiles[list + 1])) << gameFiles[list + 1];
    SetOthers(g);
    std::filesystem::remove_all("Font");
    std::filesystem::remove_all("Data");
    ConfigDocument::Reset(g);
    expectInitialWithoutTheFiles();
}
