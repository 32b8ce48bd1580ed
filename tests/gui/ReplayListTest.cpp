// The replay list file of the match page: its bytes, the counted slots, its
// path line in config.txt, and the reload after a list file is chosen.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/frame.h>

#include "controls/myCBox.h"
#include "controls/myFileSelect.h"
#include "controls/mySlider.h"
#include "pages/MatchPage.h"
#include "support/GuiHelpers.h"
#include "support/MemoryStreams.h"

namespace
{
class ReplayListTest : public testing::Test
{
protected:
    ReplayListTest()
        : frame(new wxFrame(nullptr, wxID_ANY, wxString(L"replays"))), page(new MatchPage(frame))
    {
        MakeDir("Replay");
        page->SetDefaults();
    }
    ~ReplayListTest() override
    {
        frame->Destroy();
        Pump(10);
    }

    std::vector<std::string> SlotPaths() const
    {
        std::vector<std::string> paths;
        for (myFileSelect* slot : page->ReplaySlots())
            paths.push_back(B(slot->GetPath()));
        return paths;
    }
    void FillSlots(const std::string& path)
    {
        for (myFileSelect* slot : page->ReplaySlots())
            slot->SetPath(U(path));
    }
    std::string Written()
    {
        EXPECT_TRUE(page->WriteReplayListFile());
        return ReadFile("Replay/replaycf.txt");
    }

    TempDir dir;
    wxFrame* frame;
    MatchPage* page;
};

// nine slot paths: the given ones first, the rest empty
std::vector<std::string> NineSlots(std::vector<std::string> used)
{
    used.resize(9);
    return used;
}

std::string ListHead(const std::string& saving, const std::string& maximum,
                     const std::string& current, const std::string& count)
{
    return Lines({"#Config File for Replay", "", "##Choice Save Replay File  0 : DO 1 : NOT DO",
                  "#Default 0", saving, "", "#Maximum Replay Number", maximum,
                  "#Current Replay Number", current, "", "#Slot Replay Number", count, ""});
}

wxButton* BrowseButtonOf(myFileSelect* selector)
{
    for (wxWindow* child : selector->GetChildren())
        if (auto* button = dynamic_cast<wxButton*>(child))
            return button;
    return nullptr;
}
}

TEST_F(ReplayListTest, DefaultsWriteSixteenLinesAndReadBack)
{
    const std::string expected = Lines({
        "#Config File for Replay",
        "",
        "##Choice Save Replay File  0 : DO 1 : NOT DO",
        "#Default 0",
        "0",
        "",
        "#Maximum Replay Number",
        "100",
        "#Current Replay Number",
        "100",
        "",
        "#Slot Replay Number",
        "0",
        "",
        "",
        "#End of File",
    });
    EXPECT_EQ(Written(), expected);

    page->ReplaySaving()->SetSelection(1);
    page->MaxReplays()->SetValue(11);
    page->CurrentReplay()->SetValue(21);
    FillSlots("old.rep");
    ASSERT_TRUE(page->ReadReplayListFile());
    EXPECT_EQ(page->ReplaySaving()->GetSelection(), 0);
    EXPECT_EQ(page->MaxReplays()->GetValue(), 100);
    EXPECT_EQ(page->CurrentReplay()->GetValue(), 100);
    EXPECT_EQ(SlotPaths(), NineSlots({}));
}

TEST_F(ReplayListTest, UsedSlotsAreNumberedEntriesAndCountersAreWrittenAsHeld)
{
    page->ReplaySaving()->SetSelection(1);
    page->MaxReplays()->SetValue(200);
    page->CurrentReplay()->SetValue(500);    // the page does not relate the two
    page->ReplaySlots()[0]->SetPath(wxString(L"Replay/a.rep"));
    page->ReplaySlots()[1]->SetPath(wxString(L"Replay/試合 b.rep"));
    EXPECT_EQ(Written(), ListHead("1", "200", "500", "2") +
                             Lines({"#Replay No. 1", "Replay/a.rep", "#Replay No. 2",
                                    "Replay/試合 b.rep", "", "#End of File"}));
}

TEST_F(ReplayListTest, AFreeSlotBetweenUsedOnesClosesUp)
{
    page->ReplaySlots()[0]->SetPath(wxString(L"one.rep"));
    page->ReplaySlots()[2]->SetPath(wxString(L"three.rep"));
    EXPECT_EQ(Written(), ListHead("0", "100", "100", "2") +
                             Lines({"#Replay No. 1", "one.rep", "#Replay No. 2", "three.rep", "",
                                    "#End of File"}));

    ASSERT_TRUE(page->ReadReplayListFile());
    EXPECT_EQ(SlotPaths(), NineSlots({"one.rep", "three.rep"}));
}

TEST_F(ReplayListTest, TheCountSaysHowManySlotsAreFilled)
{
    std::string twelvePaths;
    std::vector<std::string> firstNine;
    for (int i = 1; i <= 12; ++i)
    {
        twelvePaths += "#Replay No. " + std::to_string(i) + "\np" + std::to_string(i) + ".rep\n";
        if (i <= 9)
            firstNine.push_back("p" + std::to_string(i) + ".rep");
    }
    const struct
    {
        const char* what;
        std::string file;
        std::vector<std::string> slots;
    } cases[] = {
        {"count 3, one path", ListHead("0", "100", "100", "3") + Lines({"only.rep", "#End of File"}),
         NineSlots({"only.rep"})},
        {"count 0", ListHead("0", "100", "100", "0") + Lines({"#Replay No. 1", "kept.rep"}),
         NineSlots({})},
        {"count below 0", ListHead("0", "100", "100", "-2") + Lines({"kept.rep"}), NineSlots({})},
        {"count 12, twelve paths", ListHead("0", "100", "100", "12") + twelvePaths, firstNine},
        {"paths kept whole", ListHead("0", "100", "100", "2") + Lines({" a b.rep ", "c"}),
         NineSlots({" a b.rep ", "c"})},
    };
    for (const auto& c : cases)
    {
        FillSlots("old.rep");
        WriteFile("Replay/replaycf.txt", c.file);
        ASSERT_TRUE(page->ReadReplayListFile()) << c.what;
        EXPECT_EQ(SlotPaths(), c.slots) << c.what;
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
    EXPECT_EQ(Written(), ListHead("-1", "1", "999", "0") + Lines({"", "#End of File"}));
}

TEST_F(ReplayListTest, AListFileThatCannotBeOpenedChangesNothing)
{
    page->ReplaySlots()[3]->SetPath(wxString(L"kept.rep"));
    page->MaxReplays()->SetValue(33);
    page->ReplayListSelector()->SetPath(wxString(L"Replay/missing.txt"));
    EXPECT_FALSE(page->ReadReplayListFile());
    EXPECT_EQ(page->MaxReplays()->GetValue(), 33);
    EXPECT_EQ(SlotPaths()[3], "kept.rep");

    page->ReplayListSelector()->SetPath(wxString(L"no/such/dir/replaycf.txt"));
    EXPECT_FALSE(page->WriteReplayListFile());
    EXPECT_FALSE(FileExists("no/such/dir/replaycf.txt"));
}

TEST_F(ReplayListTest, PathLineInTheDocument)
{
    EXPECT_EQ(WrittenBy([this](wxTextOutputStream& out) { page->WriteReplayListPath(out); }),
              "./Replay/replaycf.txt\n");

    ReadFrom(Lines({"#Replay Config File", "", "Replay/other.txt", "next"}),
             [this](wxTextInputStream& in) { EXPECT_TRUE(page->ReadReplayListPath(in)); });
    EXPECT_EQ(B(page->ReplayListSelector()->GetPath()), "Replay/other.txt");

    // an exhausted document empties the path; the list read after it then fails
    ReadFrom("", [this](wxTextInputStream& in) { EXPECT_TRUE(page->ReadReplayListPath(in)); });
    EXPECT_EQ(B(page->ReplayListSelector()->GetPath()), "");
    EXPECT_FALSE(page->ReadReplayListFile());
}

TEST_F(ReplayListTest, ChoosingAListFileInTheDialogReloadsAtOnce)
{
    MakeDir("other");
    WriteFile("other/list.txt", ListHead("1", "7", "8", "1") + Lines({"x.rep", "", "#End of File"}));

    DialogAnswer answer(U(dir.Path() + "/other/list.txt"));
    ClickButton(BrowseButtonOf(page->ReplayListSelector()));

    EXPECT_EQ(answer.shown, 1);
    EXPECT_EQ(B(answer.message), "設定ファイル");
    EXPECT_EQ(B(answer.wildcard), "Text (*.txt)|*.txt");
    EXPECT_EQ(B(page->ReplayListSelector()->GetPath()), "other/list.txt");
    EXPECT_FALSE(page->ReplayListSelector()->pathChosen);
    EXPECT_EQ(page->ReplaySaving()->GetSelection(), 1);
    EXPECT_EQ(page->MaxReplays()->GetValue(), 7);
    EXPECT_EQ(page->CurrentReplay()->GetValue(), 8);
    EXPECT_EQ(SlotPaths(), NineSlots({"x.rep"}));
}

TEST_F(ReplayListTest, CancellingOrTypingAPathReloadsNothing)
{
    MakeDir("other");
    WriteFile("other/list.txt", ListHead("1", "7", "8", "1") + Lines({"x.rep", "", "#End of File"}));

    // typed by hand: no flag, so other buttons of the page do not reload it
    page->ReplayListSelector()->SetPath(wxString(L"other/list.txt"));
    {
        DialogAnswer answer(U(dir.Path() + "/Replay/picked.rep"));
        ClickButton(BrowseButtonOf(page->ReplaySlots()[4]));
        EXPECT_EQ(B(answer.message), "リプレイファイル");
        EXPECT_EQ(B(answer.wildcard), "リプレイ (*.rep)|*.rep");
    }
    EXPECT_EQ(SlotPaths(), NineSlots({"", "", "", "", "Replay/picked.rep"}));

    {
        DialogAnswer cancel{wxString()};
        ClickButton(BrowseButtonOf(page->ReplayListSelector()));
        EXPECT_EQ(cancel.shown, 1);
    }
    EXPECT_EQ(B(page->ReplayListSelector()->GetPath()), "other/list.txt");
    EXPECT_EQ(page->ReplaySaving()->GetSelection(), 0);
    EXPECT_EQ(page->MaxReplays()->GetValue(), 100);
    EXPECT_EQ(SlotPaths()[4], "Replay/picked.rep");
}
