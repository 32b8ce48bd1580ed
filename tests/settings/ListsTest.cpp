// The list files one by one, where a list reads more than a whole game
// directory shows: counted lists, fixed lists shorter or longer than their
// slots, font sizes and replay numbers, and the initial settings of the
// lists without their default files.
#include <gtest/gtest.h>

#include "GameFiles.h"

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

std::vector<std::string> Padded(std::vector<std::string> paths, size_t count)
{
    paths.resize(count);
    return paths;
}

std::string Sparring(const BoxerList& list)
{
    std::string lines;
    for (const auto& partner : list.sparring)
        for (int value : partner)
            lines += std::to_string(value) + "\n";
    return lines;
}
}

// Only the used slots are written, numbered from 1: a free slot closes up,
// and the file reads back into the same set of files.
TEST(Lists, ACountedListWritesItsUsedSlotsInOrder)
{
    TempDir dir;
    MakeGameFolders();
    GameSettings settings;
    settings.boxerList.SetDefaults();    // free members (there is no list to read)
    const std::string boxer = "Data/\xe3\x83\x9c\xe3\x82\xaf\xe3\x82\xb5\xe3\x83\xbc b.box";
    for (auto [slot, path] : {std::pair{1, L"./Data/a.box"}, {3, L"Data/ボクサー b.box"}, {29, L"./Data/c.box"}})
        settings.boxerList.members.SetPath(static_cast<size_t>(slot), path);
    std::string expected = GoldenFile("Data/datacf.txt");
    const std::string goldenMembers = "2\n\n#Data No. 1\n./Data/rookie.box\n#Data No. 2\n./Data/veteran.box\n";
    expected.replace(expected.find(goldenMembers), goldenMembers.size(),
                     "3\n\n#Data No. 1\n./Data/a.box\n#Data No. 2\n" + boxer + "\n#Data No. 3\n./Data/c.box\n");
    EXPECT_EQ(settings.boxerList.Bytes(), expected);
    WriteFile("Data/datacf.txt", settings.boxerList.Bytes());
    ASSERT_TRUE(settings.boxerList.ReadFile());
    EXPECT_EQ(Paths(settings.boxerList.members), Padded({"./Data/a.box", boxer, "./Data/c.box"}, 30));
}

// A counted list reads as many path lines as its count says; the sparring
// values of the gym list are the 18 value lines after them, whatever those
// lines hold. A fixed list reads one value line per slot, empties those it
// lacks and leaves the rest. Comments and empty lines are skipped; a line of
// one blank is a path in a counted list and an empty path in a fixed one.
TEST(Lists, AListReadsThePathsItsCountOrItsSlotsSay)
{
    enum { gym, think, replay, se, bgm, image };
    std::string m35;
    for (int k = 1; k <= 35; ++k)
        m35 += "m" + std::to_string(k) + "\n";
    const std::string zeros = Lines(std::vector<std::string>(18, "0"));
    const std::vector<std::string> m30 = ValueLinesOf(m35.substr(0, m35.find("m31")));
    const struct { const char* what; int list; std::string file; std::vector<std::string> paths; std::string sparring; } cases[] = {
        {"count 2, three paths: the third is a height", gym, "2\na\nb\nc\n" + Values(1), {"a", "b"}, Values(0)},
        {"a path with leading digits reads as them", gym, "1\na\n7b\n" + Values(1), {"a"}, "7\n" + Values(1, 17)},
        {"count 0 still reads the values", gym, "#Gym Member Number\n0\n\n#Sparring\n" + Values(11), {}, Values(11)},
        {"a negative count reads no paths", gym, "-3\n" + Values(11), {}, Values(11)},
        {"count 35 keeps 30 and skips 5", gym, "35\n" + m35 + Values(21), m30, Values(21)},
        {"a count beyond 32 bits reads to the end", gym, "99999999999999999999\na\nb\n", {"a", "b"}, zeros},
        {"a file that ends early", gym, "3\na\n#Data No. 2\nb\n", {"a", "b"}, zeros},
        {"no count line", gym, "#Config File for Boxer Data\nx\n", {}, zeros},
        {"count 5, two paths", think, "5\na\nb\n", {"a", "b"}, ""},
        {"count 2, three paths", think, "2\na\nb\nc\n", {"a", "b"}, ""},
        {"count 35 keeps 9", replay, "0\n100\n100\n35\n" + m35, std::vector<std::string>(m30.begin(), m30.begin() + 9), ""},
        {"count 3 with a blank path", think, "3\na\n \nc\n", {"a", " ", "c"}, ""},
        {"two of twelve", se, "#Config File for SE's\n\n#Sound Effect No. 1\na\n\n#x\nb\n", {"a", "b"}, ""},
        {"four for three", bgm, "1\n2\n3\n4\n", {"1", "2", "3"}, ""},
        {"a line of one blank", image, "a\nb\nc\nd\n \nf\n", {"a", "b", "c", "d", "", "f"}, ""},
    };
    TempDir dir;
    GameSettings g;
    ListFile* lists[] = {&g.boxerList, &g.thinkList, &g.replayList, &g.seList, &g.bgmList, &g.imageList};
    SlotList* slots[] = {&g.boxerList.members, &g.thinkList.entries, &g.replayList.slots,
                         &g.seList.slots,      &g.bgmList.slots,     &g.imageList.slots};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        for (size_t i = 0; i < slots[c.list]->Size(); ++i)
            slots[c.list]->SetPath(i, L"old");
        lists[c.list]->path = L"list.txt";
        WriteFile("list.txt", c.file);
        ASSERT_TRUE(lists[c.list]->ReadFile());
        EXPECT_EQ(Paths(*slots[c.list]), Padded(c.paths, slots[c.list]->Size()));
        if (c.list == gym)
            EXPECT_EQ(Sparring(g.boxerList), c.sparring);
    }
}

// A font size is its leading number held in 8 to 128; an empty size line is
// skipped like any, so the system font path then reads as the title size.
// The replay counters are held in 1 to 999; a saving choice that is none of
// the two is written as -1.
TEST(Lists, NumbersInListFilesAreLeadingDecimalsTakenByTheirRules)
{
    GameSettings g;
    const std::pair<ListFile&, std::vector<std::string>> lists[] = {{g.fontList, {"t.ttf", "40", "s.ttf", "40"}},
                                                                    {g.replayList, {"0", "0", "0", "0"}}};
    const struct { int list; size_t line; const char *text, *values; } cases[] = {
        {0, 1, "24pt", "t.ttf 24 s.ttf 40"}, {0, 1, "x24", "t.ttf 8 s.ttf 40"}, {0, 1, "  +64", "t.ttf 64 s.ttf 40"},
        {0, 1, "-20", "t.ttf 8 s.ttf 40"},   {0, 1, "500", "t.ttf 128 s.ttf 40"}, {0, 1, "16.9", "t.ttf 16 s.ttf 40"},
        {0, 3, "9999", "t.ttf 40 s.ttf 128"}, {0, 1, "", "t.ttf 8 40 8"},
        {1, 0, "1 yes", "1 1 1 0"},          {1, 1, "250 replays", "0 250 1 0"}, {1, 2, "1200", "0 1 999 0"},
        {1, 0, "5", "-1 1 1 0"},             {1, 1, "-3", "0 1 1 0"},          {1, 2, "letters", "0 1 1 0"},
    };
    TempDir dir;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.text);
        auto& [list, lines] = lists[c.list];
        std::vector<std::string> file = lines;
        file.at(c.line) = c.text;
        list.path = L"list.txt";
        WriteFile("list.txt", Lines(file));
        ASSERT_TRUE(list.ReadFile());
        EXPECT_EQ(ValueLinesOf(Bytes(list)), Split(c.values));
    }
}

// Without their default files the gym and think lists are emptied, but the
// fonts and the sparring values keep theirs; the fixed lists never read one.
TEST(Lists, InitialSettingsWithoutTheDefaultListFiles)
{
    TempDir dir;
    MakeGameFolders();
    for (const char* file : {"BGM/bgmcf.txt", "SE/secf.txt", "Image/imagecf.txt", "Replay/replaycf.txt"})
        WriteFile(file, "9\nnot.read\nnot.read\nnot.read\n");
    GameSettings g;
    SetOthers(g);
    const std::string fonts = Bytes(g.fontList), sparring = Sparring(g.boxerList);
    g.SetDefaults();
    for (const ListFile* list : g.Lists())
        EXPECT_EQ(list->path, list->defaultPath);
    EXPECT_EQ(Bytes(g.fontList), fonts);
    EXPECT_EQ(Sparring(g.boxerList), sparring);
    EXPECT_EQ(Paths(g.boxerList.members), Padded({}, 30));
    EXPECT_EQ(Paths(g.thinkList.entries), Padded({}, 15));
    for (size_t list : {0, 2, 3, 4})    // replay, image, music, sound effects
        EXPECT_EQ(Bytes(*g.Lists()[list]), GoldenFile(gameFiles[list + 1])) << gameFiles[list + 1];
}
