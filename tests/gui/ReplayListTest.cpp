// The replay list file of the match page: its bytes, the counters, the
// counted slots, and the path line read from an exhausted document.
#include <gtest/gtest.h>

#include "controls/myCBox.h"
#include "controls/mySlider.h"
#include "pages/MatchPage.h"
#include "support/ListPages.h"
#include "support/MemoryStreams.h"

namespace
{
class ReplayListTest : public testing::Test
{
protected:
    ReplayListTest() { page->SetDefaults(); }

    std::string Written()
    {
        EXPECT_TRUE(page->WriteReplayListFile());
        return ReadFile("Replay/replaycf.txt");
    }

    PageInTempDir<MatchPage> fixture{"Replay"};
    MatchPage* page = fixture.page;
};
}

TEST_F(ReplayListTest, DefaultsWriteSixteenLines)
{
    EXPECT_EQ(Written(), Lines({"#Config File for Replay", "",
                                "##Choice Save Replay File  0 : DO 1 : NOT DO", "#Default 0", "0", "",
                                "#Maximum Replay Number", "100", "#Current Replay Number", "100", "",
                                "#Slot Replay Number", "0", "", "", "#End of File"}));
}

// only the used slots are written, numbered from 1: a free slot closes up
TEST_F(ReplayListTest, UsedSlotsAreNumberedEntriesAndCountersAreWrittenAsHeld)
{
    page->ReplaySaving()->SetSelection(1);
    page->MaxReplays()->SetValue(200);
    page->CurrentReplay()->SetValue(500);    // the page does not relate the two
    FillSlots(page->ReplaySlots(), {"", "Replay/a.rep", "", "Replay/試合 b.rep"});
    EXPECT_EQ(Written(), Lines({"#Config File for Replay", "",
                                "##Choice Save Replay File  0 : DO 1 : NOT DO", "#Default 0", "1", "",
                                "#Maximum Replay Number", "200", "#Current Replay Number", "500", "",
                                "#Slot Replay Number", "2", "", "#Replay No. 1", "Replay/a.rep",
                                "#Replay No. 2", "Replay/試合 b.rep", "", "#End of File"}));
    ASSERT_TRUE(page->ReadReplayListFile());
    EXPECT_EQ(PathsOf(page->ReplaySlots()), Padded({"Replay/a.rep", "Replay/試合 b.rep"}, 9));
}

TEST_F(ReplayListTest, TheCountSaysHowManySlotsAreFilled)
{
    const std::vector<std::string> twelve = Numbered("p", ".rep", 12);
    const std::string head = Lines({"0", "100", "100"});
    const struct
    {
        const char* what;
        std::string file;
        std::vector<std::string> slots;
    } cases[] = {
        {"count 3, one path", head + Lines({"3", "only.rep", "#End of File"}), {"only.rep"}},
        {"count 0", head + Lines({"0", "#Replay No. 1", "kept.rep"}), {}},
        {"count below 0", head + Lines({"-2", "kept.rep"}), {}},
        {"count 12, twelve paths", ReplayList("0", "100", "100", twelve), twelve},
        {"paths kept whole", head + Lines({"2", " a b.rep ", "c"}), {" a b.rep ", "c"}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        FillSlots(page->ReplaySlots(), std::vector<std::string>(9, "old.rep"));
        WriteFile("Replay/replaycf.txt", c.file);
        ASSERT_TRUE(page->ReadReplayListFile());
        EXPECT_EQ(PathsOf(page->ReplaySlots()), Padded(c.slots, 9));
    }
}

TEST_F(ReplayListTest, NumbersAreReadAsLeadingDecimalsAndHandedToTheControls)
{
    WriteFile("Replay/replaycf.txt", Lines({"1 yes", "250 replays", "letters", "0"}));
    ASSERT_TRUE(page->ReadReplayListFile());
    EXPECT_EQ(page->ReplaySaving()->GetSelection(), 1);
    EXPECT_EQ(page->MaxReplays()->GetValue(), 250);
    EXPECT_EQ(page->CurrentReplay()->GetValue(), 1);    // 0 held at the slider's lower end

    WriteFile("Replay/replaycf.txt", Lines({"5", "-3", "1200", "0"}));
    ASSERT_TRUE(page->ReadReplayListFile());
    EXPECT_EQ(Written(), ReplayList("-1", "1", "999", {}));
}

TEST_F(ReplayListTest, AnExhaustedDocumentEmptiesThePathAndTheListThenFails)
{
    ReadFrom("", [this](wxTextInputStream& in) { EXPECT_TRUE(page->ReadReplayListPath(in)); });
    EXPECT_EQ(B(page->ReplayListSelector()->GetPath()), "");
    EXPECT_FALSE(page->ReadReplayListFile());
}
