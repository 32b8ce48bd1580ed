// The gym page: the boxer data list with its counted members and the
// sparring block carried without controls, the member buttons that open a
// boxer in the editor, and the reload after a list file is chosen.
#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

#include "pages/BoxerPage.h"
#include "support/ListPages.h"
#include "support/MemoryStreams.h"

namespace
{
class BoxerPageTest : public testing::Test
{
protected:
    BoxerPageTest()
    {
        MakeDir("Data");
        page->SetDefaults();
    }

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

    PageInTempDir<BoxerPage> fixture;
    BoxerPage* page = fixture.page;
};

const std::vector<int> defaultSparring = {4, 4, 1, 0, 1, 1, 1, 1, 3, 4, 4, 1, 0, 1, 1, 1, 1, 3};

std::string Head(const std::string& count, const std::vector<std::string>& paths)
{
    std::string head = Lines({"#Config File for Boxer Data", "", "#Gym Member Number", count, ""});
    for (size_t k = 0; k < paths.size(); ++k)
        head += Lines({"#Data No. " + std::to_string(k + 1), paths[k]});
    return head;
}

// the sparring block with its name and default lines, and the end
std::string Tail(const std::vector<int>& values)
{
    const char* names[] = {"Height 1-7",        "Reach 1-7",      "Style 1-7",
                           "Stance  0 : Orthodox  1 : Southpaw", "Combination 1-20",
                           "Think 1-14",        "Gloves 1-8",     "Trunks 1-64",
                           "Skin 1-10"};
    const char* defaults[] = {"4", "4", "1", "0", "1", "1", "1", "1", "3"};
    std::string tail = Lines({"", "#Sparring Custom Config"});
    for (int partner = 0; partner < 2; ++partner)
        for (int i = 0; i < 9; ++i)
            tail += Lines({"#No." + std::to_string(partner + 1) + " " + names[i],
                           std::string("#Default ") + defaults[i],
                           std::to_string(values.at(partner * 9 + i))});
    return tail + Lines({"", "#End of File"});
}

// the sparring value lines alone
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

std::vector<std::string> Numbered(const char* stem, int count)
{
    std::vector<std::string> paths;
    for (int k = 1; k <= count; ++k)
        paths.push_back(stem + std::to_string(k) + ".box");
    return paths;
}
}

TEST_F(BoxerPageTest, ControlsAreCreatedInOrderAndStartUnfilled)
{
    std::vector<std::string> expected = {"ファイル名", "<file>"};
    for (int n = 1; n <= 30; ++n)
        expected.push_back("ボクサー No." + std::to_string(n) + " ");
    expected.insert(expected.end(), 30, "<file>");
    EXPECT_EQ(ControlsInOrder(page), expected);

    PageInTempDir<BoxerPage> fresh;
    EXPECT_EQ(B(fresh.page->ListSelector()->GetPath()), ".\\");
    EXPECT_EQ(PathsOf(fresh.page->MemberSlots()), std::vector<std::string>(30, ".\\"));
    EXPECT_EQ(BrowseSettingsOf(fresh.page->ListSelector()),
              (BrowseSettings{"設定ファイル", "Text (*.txt)|*.txt", "./Data", true}));
    for (myFileSelect* slot : fresh.page->MemberSlots())
        EXPECT_EQ(BrowseSettingsOf(slot),
                  (BrowseSettings{"ボクサーファイル", "Boxer (*.box)|*.box", "./Data", true}));
}

TEST_F(BoxerPageTest, ListFileByteForByte)
{
    EXPECT_EQ(B(page->ListSelector()->GetPath()), "./Data/datacf.txt");
    EXPECT_EQ(PathsOf(page->MemberSlots()), Padded({}, 30));
    EXPECT_EQ(SparringValues(), defaultSparring);
    EXPECT_EQ(Written(), Head("0", {}) + Tail(defaultSparring));

    FillSlots(page->MemberSlots(), {"./Data/a.box", "Data/ボクサー b.box", "./Data/c.box"});
    const std::string expected =
        Lines({"#Config File for Boxer Data", "", "#Gym Member Number", "3", "",
               "#Data No. 1", "./Data/a.box", "#Data No. 2", "Data/ボクサー b.box",
               "#Data No. 3", "./Data/c.box", "", "#Sparring Custom Config",
               "#No.1 Height 1-7", "#Default 4", "4",
               "#No.1 Reach 1-7", "#Default 4", "4",
               "#No.1 Style 1-7", "#Default 1", "1",
               "#No.1 Stance  0 : Orthodox  1 : Southpaw", "#Default 0", "0",
               "#No.1 Combination 1-20", "#Default 1", "1",
               "#No.1 Think 1-14", "#Default 1", "1",
               "#No.1 Gloves 1-8", "#Default 1", "1",
               "#No.1 Trunks 1-64", "#Default 1", "1",
               "#No.1 Skin 1-10", "#Default 3", "3",
               "#No.2 Height 1-7", "#Default 4", "4",
               "#No.2 Reach 1-7", "#Default 4", "4",
               "#No.2 Style 1-7", "#Default 1", "1",
               "#No.2 Stance  0 : Orthodox  1 : Southpaw", "#Default 0", "0",
               "#No.2 Combination 1-20", "#Default 1", "1",
               "#No.2 Think 1-14", "#Default 1", "1",
               "#No.2 Gloves 1-8", "#Default 1", "1",
               "#No.2 Trunks 1-64", "#Default 1", "1",
               "#No.2 Skin 1-10", "#Default 3", "3",
               "", "#End of File"});
    EXPECT_EQ(Written(), expected);
}

TEST_F(BoxerPageTest, TheSparringValuesSurviveALoadSaveCycleUnchanged)
{
    const std::vector<int> custom = {7, 1, 5, 1, 20, 14, 8, 64, 10, 2, 6, 3, 1, 9, 4, 2, 33, -5};
    const std::string file = Head("2", {"./Data/x.box", "./Data/y.box"}) + Tail(custom);
    WriteFile("Data/datacf.txt", file);
    ASSERT_TRUE(page->ReadListFile());
    EXPECT_EQ(SparringValues(), custom);
    EXPECT_EQ(Written(), file);

    // an edit of the members leaves them as they are
    page->MemberSlots()[2]->SetPath(wxString(L"./Data/z.box"));
    EXPECT_EQ(Written(), Head("3", {"./Data/x.box", "./Data/y.box", "./Data/z.box"}) + Tail(custom));
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
         Lines({"35"}) + [] {
             std::string paths;
             for (const std::string& p : Numbered("m", 35))
                 paths += p + "\n";
             return paths;
         }() + Values(21, 18),
         Numbered("m", 30), Range(21, 18)},
        {"a file that ends early", Lines({"3", "a.box", "#Data No. 2", "b.box"}), {"a.box", "b.box"},
         std::vector<int>(18, 0)},
        {"no count line", Lines({"#Config File for Boxer Data", "x.box"}), {}, std::vector<int>(18, 0)},
    };
    for (const Case& c : cases)
    {
        FillSlots(page->MemberSlots(), Numbered("old", 30));
        WriteFile("Data/datacf.txt", c.file);
        ASSERT_TRUE(page->ReadListFile()) << c.name;
        EXPECT_EQ(PathsOf(page->MemberSlots()), Padded(c.members, 30)) << c.name;
        EXPECT_EQ(SparringValues(), c.sparring) << c.name;
    }
}

TEST_F(BoxerPageTest, AFreeSlotBetweenUsedOnesWritesOnlyTheUsedOnes)
{
    FillSlots(page->MemberSlots(), {"", "./Data/b.box", "", "./Data/d.box"});
    page->MemberSlots()[29]->SetPath(wxString(L"./Data/last.box"));
    EXPECT_EQ(Written(), Head("3", {"./Data/b.box", "./Data/d.box", "./Data/last.box"}) +
                             Tail(defaultSparring));
    ASSERT_TRUE(page->ReadListFile());
    EXPECT_EQ(PathsOf(page->MemberSlots()),
              Padded({"./Data/b.box", "./Data/d.box", "./Data/last.box"}, 30));
}

TEST_F(BoxerPageTest, DefaultsReadTheDefaultListAndWithoutItEmptyTheMembers)
{
    const std::vector<int> custom = Range(31, 18);
    WriteFile("other.txt", Head("1", {"o.box"}) + Tail(custom));
    page->ListSelector()->SetPath(wxString(L"other.txt"));
    ASSERT_TRUE(page->ReadListFile());

    page->SetDefaults();    // no ./Data/datacf.txt
    EXPECT_EQ(B(page->ListSelector()->GetPath()), "./Data/datacf.txt");
    EXPECT_EQ(PathsOf(page->MemberSlots()), Padded({}, 30));
    EXPECT_EQ(SparringValues(), custom) << "kept when the default list is missing";

    WriteFile("Data/datacf.txt", Head("2", {"d1.box", "d2.box"}) + Tail(defaultSparring));
    page->SetDefaults();
    EXPECT_EQ(PathsOf(page->MemberSlots()), Padded({"d1.box", "d2.box"}, 30));
    EXPECT_EQ(SparringValues(), defaultSparring);
}

TEST_F(BoxerPageTest, ListPathAndMissingFiles)
{
    EXPECT_EQ(WrittenBy([&](wxTextOutputStream& out) { page->WriteListPath(out); }),
              "./Data/datacf.txt\n");
    ReadFrom(Lines({"#Data Config File", "#Default ./Data/datacf.txt", "", "Data/gym.txt"}),
             [&](wxTextInputStream& in) { EXPECT_TRUE(page->ReadListPath(in)); });
    EXPECT_EQ(B(page->ListSelector()->GetPath()), "Data/gym.txt");

    FillSlots(page->MemberSlots(), {"kept.box"});
    EXPECT_FALSE(page->ReadListFile());
    EXPECT_EQ(PathsOf(page->MemberSlots()), Padded({"kept.box"}, 30));
    page->ListSelector()->SetPath(wxString(L"nodir/datacf.txt"));
    EXPECT_FALSE(page->WriteListFile());
}

TEST_F(BoxerPageTest, OnlyAListFileChosenInTheDialogIsReloaded)
{
    WriteFile("Data/gym.txt", Head("1", {"new.box"}) + Tail(Range(1, 18)));
    FillSlots(page->MemberSlots(), {"old.box"});
    {
        DialogAnswer cancel{wxString()};
        ClickButton(BrowseButtonOf(page->ListSelector()));
        page->ListSelector()->SetPath(wxString(L"Data/gym.txt"));    // typed
        ClickButton(BrowseButtonOf(page->MemberSlots()[5]));
    }
    EXPECT_EQ(PathsOf(page->MemberSlots()), Padded({"old.box"}, 30));
    EXPECT_EQ(SparringValues(), defaultSparring);

    page->ListSelector()->SetPath(wxString(L"./Data/datacf.txt"));
    {
        DialogAnswer answer(U(fixture.dir.Path() + "/Data/gym.txt"));
        ClickButton(BrowseButtonOf(page->ListSelector()));
    }
    EXPECT_EQ(B(page->ListSelector()->GetPath()), "Data/gym.txt");
    EXPECT_FALSE(page->ListSelector()->pathChosen);
    EXPECT_EQ(PathsOf(page->MemberSlots()), Padded({"new.box"}, 30));
    EXPECT_EQ(SparringValues(), Range(1, 18));
}

TEST_F(BoxerPageTest, AMemberButtonOpensItsBoxerInTheEditor)
{
    // a stand-in editor that notes each start and its arguments
    const std::string record = fixture.dir.Path() + "/started.txt";
    WriteFile("Data/Brawnsmith.exe",
              "#!/bin/sh\necho \"start $#\" >> '" + record + "'\n"
              "for a in \"$@\"; do printf '%s\\n' \"$a\" >> '" + record + "'; done\n");
    std::filesystem::permissions("Data/Brawnsmith.exe", std::filesystem::perms::owner_all);

    FillSlots(page->MemberSlots(), {"./Data/a.box"});
    page->MemberSlots()[4]->SetPath(wxString(L"Data/with blank.box"));
    ClickButton(page->MemberButtons()[1]);    // an empty row: nothing starts
    ClickButton(page->MemberButtons()[4]);

    const std::string expected = Lines({"start 1", "Data/with blank.box"});
    for (int i = 0; i < 200 && ReadFile(record) != expected; ++i)
        Pump(20);
    Pump(200);    // a start from the empty row would have shown up by now
    EXPECT_EQ(ReadFile(record), expected);
}
