// The think page: the counted think list, how it is read, the defaults
// that read the default list, and the reload after a list file is chosen.
#include <gtest/gtest.h>

#include "pages/ThinkPage.h"
#include "support/ListPages.h"
#include "support/MemoryStreams.h"

namespace
{
class ThinkPageTest : public testing::Test
{
protected:
    ThinkPageTest()
    {
        MakeDir("Data");
        page->SetDefaults();
    }

    std::string Written()
    {
        EXPECT_TRUE(page->WriteListFile());
        return ReadFile("Data/thinkcf.txt");
    }

    PageInTempDir<ThinkPage> fixture;
    ThinkPage* page = fixture.page;
};

std::vector<std::string> Numbered(const char* stem, int count)
{
    std::vector<std::string> paths;
    for (int k = 1; k <= count; ++k)
        paths.push_back(stem + std::to_string(k) + ".thk");
    return paths;
}

std::string ValueLines(const std::vector<std::string>& lines)
{
    std::string joined;
    for (const std::string& line : lines)
        joined += line + "\n";
    return joined;
}
}

TEST_F(ThinkPageTest, ControlsAreCreatedInOrderAndStartUnfilled)
{
    std::vector<std::string> expected = {"ファイル名", "<file>"};
    for (int n = 1; n <= 15; ++n)
        expected.push_back("作戦 No." + std::to_string(n) + " ");
    expected.insert(expected.end(), 15, "<file>");
    EXPECT_EQ(ControlsInOrder(page), expected);

    PageInTempDir<ThinkPage> fresh;
    EXPECT_EQ(B(fresh.page->ListSelector()->GetPath()), ".\\");
    EXPECT_EQ(PathsOf(fresh.page->EntrySlots()), std::vector<std::string>(15, ".\\"));
    EXPECT_EQ(BrowseSettingsOf(fresh.page->ListSelector()),
              (BrowseSettings{"設定ファイル", "Text (*.txt)|*.txt", "./Data", true}));
    for (myFileSelect* slot : fresh.page->EntrySlots())
        EXPECT_EQ(BrowseSettingsOf(slot),
                  (BrowseSettings{"思考ファイル", "思考 (*.thk)|*.thk", "./Data", true}));
}

TEST_F(ThinkPageTest, ListFileByteForByte)
{
    EXPECT_EQ(B(page->ListSelector()->GetPath()), "./Data/thinkcf.txt");
    EXPECT_EQ(PathsOf(page->EntrySlots()), Padded({}, 15));
    EXPECT_EQ(Written(), Lines({"#Config File for Think Data", "", "#Think Number", "0", "", "",
                                "#End of File"}));

    FillSlots(page->EntrySlots(), {"./Data/a.thk", "Data/作戦 b.thk", "./Data/c.thk"});
    EXPECT_EQ(Written(), Lines({"#Config File for Think Data", "", "#Think Number", "3", "",
                                "#Think No. 1", "./Data/a.thk", "#Think No. 2", "Data/作戦 b.thk",
                                "#Think No. 3", "./Data/c.thk", "", "#End of File"}));
}

TEST_F(ThinkPageTest, TheCountSaysHowManyPathsAreRead)
{
    struct Case
    {
        const char* name;
        std::string file;
        std::vector<std::string> entries;
    };
    const Case cases[] = {
        {"count 0", Lines({"#Think Number", "0", "", "a.thk"}), {}},
        {"count 2 with three paths", Lines({"2", "a.thk", "b.thk", "c.thk"}), {"a.thk", "b.thk"}},
        {"count 5 with two paths", Lines({"5", "a.thk", "", "#Think No. 2", "b.thk"}),
         {"a.thk", "b.thk"}},
        {"a count with letters after it", Lines({"2 entries", "a.thk", "b.thk", "c.thk"}),
         {"a.thk", "b.thk"}},
        {"no digits", Lines({"two", "a.thk"}), {}},
        {"count 20 keeps 15", ValueLines({"20"}) + ValueLines(Numbered("t", 20)), Numbered("t", 15)},
        {"CR LF lines", "#Think Number\r\n1\r\n\r\na.thk\r\n", {"a.thk"}},
    };
    for (const Case& c : cases)
    {
        FillSlots(page->EntrySlots(), Numbered("old", 15));
        WriteFile("Data/thinkcf.txt", c.file);
        ASSERT_TRUE(page->ReadListFile()) << c.name;
        EXPECT_EQ(PathsOf(page->EntrySlots()), Padded(c.entries, 15)) << c.name;
    }
}

TEST_F(ThinkPageTest, AFreeSlotBetweenUsedOnesWritesOnlyTheUsedOnes)
{
    FillSlots(page->EntrySlots(), {"", "b.thk", "", "", "e.thk"});
    page->EntrySlots()[14]->SetPath(wxString(L"o.thk"));
    EXPECT_EQ(Written(), Lines({"#Config File for Think Data", "", "#Think Number", "3", "",
                                "#Think No. 1", "b.thk", "#Think No. 2", "e.thk", "#Think No. 3",
                                "o.thk", "", "#End of File"}));
    ASSERT_TRUE(page->ReadListFile());
    EXPECT_EQ(PathsOf(page->EntrySlots()), Padded({"b.thk", "e.thk", "o.thk"}, 15));
}

TEST_F(ThinkPageTest, DefaultsReadTheDefaultListAndWithoutItEmptyTheEntries)
{
    FillSlots(page->EntrySlots(), Numbered("old", 15));
    page->ListSelector()->SetPath(wxString(L"elsewhere.txt"));
    page->SetDefaults();    // no ./Data/thinkcf.txt
    EXPECT_EQ(B(page->ListSelector()->GetPath()), "./Data/thinkcf.txt");
    EXPECT_EQ(PathsOf(page->EntrySlots()), Padded({}, 15));

    WriteFile("Data/thinkcf.txt", Lines({"1", "d.thk"}));
    page->SetDefaults();
    EXPECT_EQ(PathsOf(page->EntrySlots()), Padded({"d.thk"}, 15));
}

TEST_F(ThinkPageTest, ListPathAndMissingFiles)
{
    EXPECT_EQ(WrittenBy([&](wxTextOutputStream& out) { page->WriteListPath(out); }),
              "./Data/thinkcf.txt\n");
    ReadFrom(Lines({"#Think Config File", "Data/mine.txt"}),
             [&](wxTextInputStream& in) { EXPECT_TRUE(page->ReadListPath(in)); });
    EXPECT_EQ(B(page->ListSelector()->GetPath()), "Data/mine.txt");

    FillSlots(page->EntrySlots(), {"kept.thk"});
    EXPECT_FALSE(page->ReadListFile());
    EXPECT_EQ(PathsOf(page->EntrySlots()), Padded({"kept.thk"}, 15));
    page->ListSelector()->SetPath(wxString(L"nodir/thinkcf.txt"));
    EXPECT_FALSE(page->WriteListFile());
}

TEST_F(ThinkPageTest, OnlyAListFileChosenInTheDialogIsReloaded)
{
    WriteFile("Data/mine.txt", Lines({"1", "new.thk"}));
    FillSlots(page->EntrySlots(), {"old.thk"});
    {
        DialogAnswer cancel{wxString()};
        ClickButton(BrowseButtonOf(page->ListSelector()));
        page->ListSelector()->SetPath(wxString(L"Data/mine.txt"));    // typed
        ClickButton(BrowseButtonOf(page->EntrySlots()[3]));
    }
    EXPECT_EQ(PathsOf(page->EntrySlots()), Padded({"old.thk"}, 15));

    {
        DialogAnswer answer(U(fixture.dir.Path() + "/Data/mine.txt"));
        ClickButton(BrowseButtonOf(page->ListSelector()));
    }
    EXPECT_EQ(B(page->ListSelector()->GetPath()), "Data/mine.txt");
    EXPECT_FALSE(page->ListSelector()->pathChosen);
    EXPECT_EQ(PathsOf(page->EntrySlots()), Padded({"new.thk"}, 15));
}
