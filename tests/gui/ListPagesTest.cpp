// The list pages one by one, where a page reads more than the whole game
// directory shows (ListFilesTest): a fixed list shorter than its slots, the
// counted gym list with the sparring values after it, the font sizes, the
// system font's absolute path, and the replay counters.
#include <gtest/gtest.h>

#include "app/myFrame.h"
#include "app/myNotebook.h"
#include "controls/myCBox.h"
#include "controls/mySlider.h"
#include "pages/AudioPage.h"
#include "pages/BoxerPage.h"
#include "pages/MatchPage.h"
#include "pages/VisualPage.h"
#include "support/ListPages.h"
#include "support/MemoryStreams.h"

namespace
{
std::vector<int> SparringValues(const BoxerPage& page)
{
    std::vector<int> values;
    for (int partner = 0; partner < 2; ++partner)
        for (int i = 0; i < 9; ++i)
            values.push_back(page.Sparring(partner, i));
    return values;
}

std::vector<int> Range(int first, int count)
{
    std::vector<int> values;
    for (int v = first; v < first + count; ++v)
        values.push_back(v);
    return values;
}

// the numbers as value lines
std::string Values(const std::vector<int>& numbers)
{
    std::string lines;
    for (int number : numbers)
        lines += std::to_string(number) + "\n";
    return lines;
}
}

// comments and empty lines between the paths are skipped
TEST(ListPages, AFixedListReadsItsValueLinesInOrderAndEmptiesTheSlotsPastTheEnd)
{
    FrameInTempDir window(MakeGameFolders);
    AudioPage& page = *window.Frame().GetNotebook()->audioPage;
    page.SetDefaults();
    WriteFile("SE/secf.txt", Lines({"#Config File for SE's", "", "#Sound Effect No. 1", "a.wav", "", "#x", "b.wav"}));
    ASSERT_TRUE(page.ReadSeListFile());
    EXPECT_EQ(PathsOf(page.SeSlots()), Padded({"a.wav", "b.wav"}, 12));
    EXPECT_EQ(B(page.BgmSlots()[0]->GetPath()), "./BGM/selectgm.mid") << "the other list is not touched";
}

// Only the used slots are written, numbered from 1: a free slot closes up.
// The sparring values are the 18 value lines after the paths the count says.
TEST(ListPages, TheGymCountSaysWhereTheSparringValuesStart)
{
    FrameInTempDir window(MakeGameFolders);
    BoxerPage& page = *window.Frame().GetNotebook()->boxerPage;
    page.SetDefaults();
    FillSlots(page.MemberSlots(), {"", "./Data/a.box", "", "Data/ボクサー b.box"});
    page.MemberSlots()[29]->SetPath(wxString(L"./Data/c.box"));
    ASSERT_TRUE(page.WriteListFile());
    const std::vector<std::string> members = {"./Data/a.box", "Data/ボクサー b.box", "./Data/c.box"};
    EXPECT_EQ(ReadFile("Data/datacf.txt"),    // with the values the gym starts with
              BoxerList(members, {4, 4, 1, 0, 1, 1, 1, 1, 3, 4, 4, 1, 0, 1, 1, 1, 1, 3}));
    ASSERT_TRUE(page.ReadListFile());
    EXPECT_EQ(PathsOf(page.MemberSlots()), Padded(members, 30));

    struct Case
    {
        const char* name;
        std::string file;
        std::vector<std::string> members;
        std::vector<int> sparring;
    };
    const Case cases[] = {
        {"count 2 with three paths: the third is partner 1's height",
         Lines({"2", "./Data/a.box", "./Data/b.box", "./Data/c.box"}) + Values(Range(1, 18)),
         {"./Data/a.box", "./Data/b.box"}, Range(0, 18)},
        {"a path with leading digits reads as them",
         Lines({"1", "./Data/a.box", "7b.box"}) + Values(Range(1, 18)), {"./Data/a.box"},
         {7, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}},
        {"count 0 empties the members and still reads the values",
         Lines({"#Gym Member Number", "0", "", "#Sparring Custom Config"}) + Values(Range(11, 18)), {},
         Range(11, 18)},
        {"a negative count reads no paths", Lines({"-3"}) + Values(Range(11, 18)), {}, Range(11, 18)},
        {"count 35 keeps 30 members and skips the rest",
         Lines({"35"}) + Lines(Numbered("m", ".box", 35)) + Values(Range(21, 18)), Numbered("m", ".box", 30),
         Range(21, 18)},
        {"a count beyond 32 bits reads to the end of the file",
         Lines({"99999999999999999999", "a.box", "b.box"}), {"a.box", "b.box"}, std::vector<int>(18, 0)},
        {"a file that ends early", Lines({"3", "a.box", "#Data No. 2", "b.box"}), {"a.box", "b.box"},
         std::vector<int>(18, 0)},
        {"no count line", Lines({"#Config File for Boxer Data", "x.box"}), {}, std::vector<int>(18, 0)},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        FillSlots(page.MemberSlots(), Numbered("old", ".box", 30));
        WriteFile("Data/datacf.txt", c.file);
        ASSERT_TRUE(page.ReadListFile());
        EXPECT_EQ(PathsOf(page.MemberSlots()), Padded(c.members, 30));
        EXPECT_EQ(SparringValues(page), c.sparring);
    }
}

// An empty size line is skipped like any: the system font path then reads
// as the title size and the rest moves up.
TEST(ListPages, FontSizesReadTheirLeadingNumberAndTheSliderHoldsItInRange)
{
    FrameInTempDir window(MakeGameFolders);
    VisualPage& page = *window.Frame().GetNotebook()->visualPage;
    page.SetDefaults();
    const struct
    {
        const char* line;
        int held;    // what the slider holds, and what is written back
    } cases[] = {
        {"24pt", 24}, {"x24", 8}, {"  +64", 64}, {"-20", 8}, {"500", 128}, {"16.9", 16}, {"", 8},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.line);
        page.FontSize(VisualPage::titleFont)->SetValue(100);
        WriteFile("Font/fontcf.txt", Lines({"t.ttf", c.line, "s.ttf", "40"}));
        ASSERT_TRUE(page.ReadFontListFile());
        EXPECT_EQ(page.FontSize(VisualPage::titleFont)->GetValue(), c.held);
        ASSERT_TRUE(page.WriteFontListFile());
        EXPECT_EQ(ReadFile("Font/fontcf.txt"), *c.line ? FontList("t.ttf", std::to_string(c.held), "s.ttf", "40")
                                                       : FontList("t.ttf", "8", "40", "8"));
    }
}

TEST(ListPages, ASystemFontStaysAbsoluteAndATitleFontBecomesRelative)
{
    FrameInTempDir window(MakeGameFolders);
    VisualPage& page = *window.Frame().GetNotebook()->visualPage;
    const std::string chosen = window.Dir().Path() + "/Font/b.ttf";
    DialogAnswer answer(U(chosen));
    ClickButton(BrowseButtonOf(page.FontPath(VisualPage::titleFont)));
    ClickButton(BrowseButtonOf(page.FontPath(VisualPage::systemFont)));
    EXPECT_EQ(B(page.FontPath(VisualPage::titleFont)->GetPath()), "Font/b.ttf");
    EXPECT_EQ(B(page.FontPath(VisualPage::systemFont)->GetPath()), chosen);
}

// The counters are held between 1 and 999; a saving choice that is none of
// the two is written as -1. A document read to its end leaves the replay
// list path empty, and that list then cannot be read.
TEST(ListPages, ReplayNumbersAreReadAsLeadingDecimalsAndHandedToTheControls)
{
    FrameInTempDir window(MakeGameFolders);
    MatchPage& page = *window.Frame().GetNotebook()->matchPage;
    page.SetDefaults();
    WriteFile("Replay/replaycf.txt", Lines({"1 yes", "250 replays", "letters", "0"}));
    ASSERT_TRUE(page.ReadReplayListFile());
    EXPECT_EQ(page.ReplaySaving()->GetSelection(), 1);
    EXPECT_EQ(page.MaxReplays()->GetValue(), 250);
    EXPECT_EQ(page.CurrentReplay()->GetValue(), 1);

    WriteFile("Replay/replaycf.txt", Lines({"5", "-3", "1200", "0"}));
    ASSERT_TRUE(page.ReadReplayListFile());
    ASSERT_TRUE(page.WriteReplayListFile());
    EXPECT_EQ(ReadFile("Replay/replaycf.txt"), ReplayList("-1", "1", "999", {}));

    ReadFrom("", [&](wxTextInputStream& in) { EXPECT_TRUE(page.ReadReplayListPath(in)); });
    EXPECT_EQ(B(page.ReplayListSelector()->GetPath()), "");
    EXPECT_FALSE(page.ReadReplayListFile());
}
