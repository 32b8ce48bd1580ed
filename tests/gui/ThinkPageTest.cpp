// The think page: the counted think list, how it is read, and the defaults
// that read the default list.
#include <gtest/gtest.h>

#include "pages/ThinkPage.h"
#include "support/ListPages.h"

namespace
{
class ThinkPageTest : public testing::Test
{
protected:
    ThinkPageTest() { page->SetDefaults(); }

    std::string Written()
    {
        EXPECT_TRUE(page->WriteListFile());
        return ReadFile("Data/thinkcf.txt");
    }

    PageInTempDir<ThinkPage> fixture{"Data"};
    ThinkPage* page = fixture.page;
};
}

// only the used slots are written, numbered from 1: a free slot closes up
TEST_F(ThinkPageTest, ListFileByteForByte)
{
    EXPECT_EQ(B(page->ListSelector()->GetPath()), "./Data/thinkcf.txt");
    EXPECT_EQ(Written(), Lines({"#Config File for Think Data", "", "#Think Number", "0", "", "",
                                "#End of File"}));

    FillSlots(page->EntrySlots(), {"", "./Data/a.thk", "", "", "Data/作戦 b.thk"});
    page->EntrySlots()[14]->SetPath(wxString(L"./Data/c.thk"));
    EXPECT_EQ(Written(), Lines({"#Config File for Think Data", "", "#Think Number", "3", "",
                                "#Think No. 1", "./Data/a.thk", "#Think No. 2", "Data/作戦 b.thk",
                                "#Think No. 3", "./Data/c.thk", "", "#End of File"}));
    ASSERT_TRUE(page->ReadListFile());
    EXPECT_EQ(PathsOf(page->EntrySlots()), Padded({"./Data/a.thk", "Data/作戦 b.thk", "./Data/c.thk"}, 15));
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
        {"count 20 keeps 15", Lines({"20"}) + Lines(Numbered("t", ".thk", 20)), Numbered("t", ".thk", 15)},
        {"CR LF lines", "#Think Number\r\n1\r\n\r\na.thk\r\n", {"a.thk"}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        FillSlots(page->EntrySlots(), Numbered("old", ".thk", 15));
        WriteFile("Data/thinkcf.txt", c.file);
        ASSERT_TRUE(page->ReadListFile());
        EXPECT_EQ(PathsOf(page->EntrySlots()), Padded(c.entries, 15));
    }
}

TEST_F(ThinkPageTest, DefaultsReadTheDefaultListAndWithoutItEmptyTheEntries)
{
    FillSlots(page->EntrySlots(), Numbered("old", ".thk", 15));
    page->ListSelector()->SetPath(wxString(L"elsewhere.txt"));
    page->SetDefaults();    // no ./Data/thinkcf.txt
    EXPECT_EQ(B(page->ListSelector()->GetPath()), "./Data/thinkcf.txt");
    EXPECT_EQ(PathsOf(page->EntrySlots()), Padded({}, 15));

    WriteFile("Data/thinkcf.txt", Lines({"1", "d.thk"}));
    page->SetDefaults();
    EXPECT_EQ(PathsOf(page->EntrySlots()), Padded({"d.thk"}, 15));
}
