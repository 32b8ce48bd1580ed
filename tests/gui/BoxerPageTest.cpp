// The gym page: the boxer data list with its counted members and the
// sparring block carried without controls.
#include <gtest/gtest.h>

#include "pages/BoxerPage.h"
#include "support/ListPages.h"

namespace
{
class BoxerPageTest : public testing::Test
{
protected:
    BoxerPageTest() { page->SetDefaults(); }

    std::vector<int> SparringValues() const
    {
        std::vector<int> values;
        for (int partner = 0; partner < 2; ++partner)
            for (int i = 0; i < 9; ++i)
                values.push_back(page->Sparring(partner, i));
        return values;
    }
    std::string Written()
    {
        EXPECT_TRUE(page->WriteListFile());
        return ReadFile("Data/datacf.txt");
    }

    PageInTempDir<BoxerPage> fixture{"Data"};
    BoxerPage* page = fixture.page;
};

const std::vector<int> defaultSparring = {4, 4, 1, 0, 1, 1, 1, 1, 3, 4, 4, 1, 0, 1, 1, 1, 1, 3};

// count numbers from first on: as value lines, and as numbers
std::string Values(int first, int count)
{
    std::string lines;
    for (int v = first; v < first + count; ++v)
        lines += std::to_string(v) + "\n";
    return lines;
}

std::vector<int> Range(int first, int count)
{
    std::vector<int> values;
    for (int v = first; v < first + count; ++v)
        values.push_back(v);
    return values;
}
}

// only the used slots are written, numbered from 1: a free slot closes up
TEST_F(BoxerPageTest, ListFileByteForByte)
{
    EXPECT_EQ(B(page->ListSelector()->GetPath()), "./Data/datacf.txt");
    EXPECT_EQ(PathsOf(page->MemberSlots()), Padded({}, 30));
    EXPECT_EQ(Written(), BoxerList({}, defaultSparring));

    FillSlots(page->MemberSlots(), {"", "./Data/a.box", "", "Data/ボクサー b.box"});
    page->MemberSlots()[29]->SetPath(wxString(L"./Data/c.box"));
    EXPECT_EQ(Written(),
              Lines({"#Config File for Boxer Data", "", "#Gym Member Number", "3", "",
                     "#Data No. 1", "./Data/a.box", "#Data No. 2", "Data/ボクサー b.box",
                     "#Data No. 3", "./Data/c.box", "", "#Sparring Custom Config",
                     "#No.1 Height 1-7", "#Default 4", "4", "#No.1 Reach 1-7", "#Default 4", "4",
                     "#No.1 Style 1-7", "#Default 1", "1",
                     "#No.1 Stance  0 : Orthodox  1 : Southpaw", "#Default 0", "0",
                     "#No.1 Combination 1-20", "#Default 1", "1", "#No.1 Think 1-14", "#Default 1", "1",
                     "#No.1 Gloves 1-8", "#Default 1", "1", "#No.1 Trunks 1-64", "#Default 1", "1",
                     "#No.1 Skin 1-10", "#Default 3", "3",
                     "#No.2 Height 1-7", "#Default 4", "4", "#No.2 Reach 1-7", "#Default 4", "4",
                     "#No.2 Style 1-7", "#Default 1", "1",
                     "#No.2 Stance  0 : Orthodox  1 : Southpaw", "#Default 0", "0",
                     "#No.2 Combination 1-20", "#Default 1", "1", "#No.2 Think 1-14", "#Default 1", "1",
                     "#No.2 Gloves 1-8", "#Default 1", "1", "#No.2 Trunks 1-64", "#Default 1", "1",
                     "#No.2 Skin 1-10", "#Default 3", "3", "", "#End of File"}));
    ASSERT_TRUE(page->ReadListFile());
    EXPECT_EQ(PathsOf(page->MemberSlots()), Padded({"./Data/a.box", "Data/ボクサー b.box", "./Data/c.box"}, 30));
}

// the values are carried as read, whatever else changes
TEST_F(BoxerPageTest, TheSparringValuesSurviveALoadSaveCycleUnchanged)
{
    const std::vector<int> custom = {7, 1, 5, 1, 20, 14, 8, 64, 10, 2, 6, 3, 1, 9, 4, 2, 33, -5};
    WriteFile("Data/datacf.txt", BoxerList({"./Data/x.box", "./Data/y.box"}, custom));
    ASSERT_TRUE(page->ReadListFile());
    EXPECT_EQ(SparringValues(), custom);
    page->MemberSlots()[2]->SetPath(wxString(L"./Data/z.box"));
    EXPECT_EQ(Written(), BoxerList({"./Data/x.box", "./Data/y.box", "./Data/z.box"}, custom));
}

TEST_F(BoxerPageTest, TheCountSaysWhereTheSparringValuesStart)
{
    struct Case
    {
        const char* name;
        std::string file;
        std::vector<std::string> members;
        std::vector<int> sparring;
    };
    const Case cases[] = {
        {"count 2 with three paths: the third is partner 1's height",
         Lines({"2", "./Data/a.box", "./Data/b.box", "./Data/c.box"}) + Values(1, 18),
         {"./Data/a.box", "./Data/b.box"}, Range(0, 18)},
        {"a path with leading digits reads as them",
         Lines({"1", "./Data/a.box", "7b.box"}) + Values(1, 18), {"./Data/a.box"},
         {7, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}},
        {"count 0 empties the members and still reads the values",
         Lines({"#Gym Member Number", "0", "", "#Sparring Custom Config"}) + Values(11, 18), {},
         Range(11, 18)},
        {"a negative count reads no paths", Lines({"-3"}) + Values(11, 18), {}, Range(11, 18)},
        {"count 35 keeps 30 members and skips the rest",
         Lines({"35"}) + Lines(Numbered("m", ".box", 35)) + Values(21, 18), Numbered("m", ".box", 30),
         Range(21, 18)},
        {"a file that ends early", Lines({"3", "a.box", "#Data No. 2", "b.box"}), {"a.box", "b.box"},
         std::vector<int>(18, 0)},
        {"no count line", Lines({"#Config File for Boxer Data", "x.box"}), {}, std::vector<int>(18, 0)},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        FillSlots(page->MemberSlots(), Numbered("old", ".box", 30));
        WriteFile("Data/datacf.txt", c.file);
        ASSERT_TRUE(page->ReadListFile());
        EXPECT_EQ(PathsOf(page->MemberSlots()), Padded(c.members, 30));
        EXPECT_EQ(SparringValues(), c.sparring);
    }
}

TEST_F(BoxerPageTest, DefaultsReadTheDefaultListAndWithoutItEmptyTheMembers)
{
    const std::vector<int> custom = Range(31, 18);
    WriteFile("other.txt", BoxerList({"o.box"}, custom));
    page->ListSelector()->SetPath(wxString(L"other.txt"));
    ASSERT_TRUE(page->ReadListFile());

    page->SetDefaults();    // no ./Data/datacf.txt
    EXPECT_EQ(B(page->ListSelector()->GetPath()), "./Data/datacf.txt");
    EXPECT_EQ(PathsOf(page->MemberSlots()), Padded({}, 30));
    EXPECT_EQ(SparringValues(), custom) << "kept when the default list is missing";

    WriteFile("Data/datacf.txt", BoxerList({"d1.box", "d2.box"}, defaultSparring));
    page->SetDefaults();
    EXPECT_EQ(PathsOf(page->MemberSlots()), Padded({"d1.box", "d2.box"}, 30));
    EXPECT_EQ(SparringValues(), defaultSparring);
}
