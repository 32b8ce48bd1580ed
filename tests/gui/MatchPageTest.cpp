// The match page: the "#Match Rules Config" section, the knockdown rule
// stored as 2, 3 or 255, and the whole document with the replay list.
#include <gtest/gtest.h>
#include <wx/frame.h>

#include "app/MenuId.h"
#include "app/ValueLine.h"
#include "app/myFrame.h"
#include "app/myNotebook.h"
#include "controls/myCBox.h"
#include "controls/myFileSelect.h"
#include "controls/myLabel.h"
#include "controls/mySlider.h"
#include "pages/ManipPage.h"
#include "pages/MatchPage.h"
#include "support/GuiHelpers.h"
#include "support/MemoryStreams.h"

namespace
{
class MatchPageTest : public testing::Test
{
protected:
    MatchPageTest()
        : frame(new wxFrame(nullptr, wxID_ANY, wxString(L"match"))), page(new MatchPage(frame))
    {
    }
    ~MatchPageTest() override
    {
        frame->Destroy();
        Pump(10);
    }

    std::string Section()
    {
        return WrittenBy([this](wxTextOutputStream& out) { page->WriteSection(out); });
    }
    void Read(const std::string& bytes)
    {
        ReadFrom(bytes, [this](wxTextInputStream& in) { EXPECT_TRUE(page->ReadSection(in)); });
    }

    TempDir dir;
    wxFrame* frame;
    MatchPage* page;
};

const std::string defaultSection = Lines({
    "",
    "#Match Rules Config",
    "#Max Round",
    "#Default 6",
    "6",
    "#Round Time",
    "#Default 60",
    "60",
    "#TKO System",
    "#Default 3",
    "3",
    "#Judging System 0 : Round Must  1 : Not Round Must",
    "#Default 0",
    "0",
    "#Count System 0 : Last Round Stop  1 : Last Round Continue",
    "#" + std::string(13, ' ') + "2 : All Round Stop   3 : All Round Continue",
    "#Default 0",
    "0",
    "#Extra Round 0 : OFF 1 : ON",
    "#Default 0",
    "0",
    "#KO Count",
    "#Default 10",
    "10",
    "#Judge Type 0 : Random  1 : Hit  2 : Critical  3 : Damage",
    "#Default 0",
    "0",
    "0",
    "0",
    "#Extra Information 0 : OFF 1 : ON",
    "#Default 0",
    "0",
    "##Replay Rate  1-10",
    "#Default 5",
    "5",
});

const std::vector<std::string> defaultValues = {"6", "60", "3", "0", "0", "0",
                                                "10", "0", "0", "0", "0", "5"};

// a section of twelve value lines, one of them replaced
std::string SectionWith(size_t row, const std::string& value)
{
    std::vector<std::string> values = defaultValues;
    values.at(row) = value;
    std::string bytes = "#Match Rules Config\n";
    for (const std::string& line : values)
        bytes += line + "\n";
    return bytes;
}
}

TEST_F(MatchPageTest, DefaultsWriteTheWholeSection)
{
    page->SetDefaults();
    EXPECT_EQ(Section(), defaultSection);
}

TEST_F(MatchPageTest, KnockdownRuleIsWrittenAsItsNumber)
{
    const struct
    {
        int index;
        const char* written;
    } cases[] = {{0, "2"}, {1, "3"}, {2, "255"}};
    page->SetDefaults();
    for (const auto& c : cases)
    {
        page->Settings().SetNumber(MatchPage::tkoSystemRow, c.index);
        EXPECT_EQ(ValueLinesOf(Section()).at(MatchPage::tkoSystemRow), c.written) << c.index;
    }
}

TEST_F(MatchPageTest, KnockdownNumberReadSelectsTheRule)
{
    const struct
    {
        const char* written;
        int index;
    } cases[] = {{"2", 0}, {"3", 1}, {"255", 2}, {"0", 2}, {"1", 2}, {"4", 2}, {"x", 2}};
    for (const auto& c : cases)
    {
        page->Settings().SetNumber(MatchPage::tkoSystemRow, 0);
        Read(SectionWith(MatchPage::tkoSystemRow, c.written));
        EXPECT_EQ(page->Settings().GetNumber(MatchPage::tkoSystemRow), c.index) << c.written;
    }
}

// Each value line is read the way strtol reads it and handed to the control
// unchecked; what is written afterwards is what the control then holds.
TEST_F(MatchPageTest, ValuesAreReadAsLeadingDecimalsAndWrittenAsTheControlHoldsThem)
{
    const struct
    {
        MatchPage::Row row;
        const char* line;
        int held;
    } cases[] = {
        {MatchPage::maxRoundsRow, "15 words", 15},
        {MatchPage::maxRoundsRow, "  +12", 12},
        {MatchPage::judgingSystemRow, "letters", 0},
        {MatchPage::countAfterGongRow, "3rd", 3},
        {MatchPage::maxRoundsRow, "-3", 1},           // the slider holds its lower end
        {MatchPage::roundTimeRow, "900", 600},        // and its upper end
        {MatchPage::judge2Row, "-3", -1},             // the box shows no choice
        {MatchPage::countAfterGongRow, "7", -1},
        {MatchPage::replayRateRow, "", 1},            // a missing value is 0
    };
    for (const auto& c : cases)
    {
        page->SetDefaults();
        page->Settings().SetNumber(MatchPage::judgingSystemRow, 1);
        Read(SectionWith(c.row, c.line));
        EXPECT_EQ(page->Settings().GetNumber(c.row), c.held) << c.line;
        EXPECT_EQ(ValueLinesOf(Section()).at(c.row), std::to_string(c.held)) << c.line;
    }
}

TEST_F(MatchPageTest, EveryValueGoesToItsOwnControl)
{
    const std::vector<std::string> values = {"12", "90", "2", "1", "2", "1",
                                             "5", "1", "2", "3", "1", "9"};
    std::string bytes;
    for (const std::string& value : values)
        bytes += value + "\n";
    page->SetDefaults();
    Read(bytes);
    EXPECT_EQ(ValueLinesOf(Section()), values);
}

TEST_F(MatchPageTest, CommentsAndEmptyLinesInsideTheSectionAreSkipped)
{
    page->SetDefaults();
    page->Settings().SetNumber(MatchPage::koCountRow, 7);
    page->Settings().SetNumber(MatchPage::judge3Row, 2);
    const std::string written = Section();

    std::string edited;
    for (const std::string& value : ValueLinesOf(written))
        edited += "\n#a comment of my own\n\n" + value + "\n";
    page->SetDefaults();
    Read(edited);
    EXPECT_EQ(Section(), written);
}

TEST_F(MatchPageTest, ReadsExactlyTwelveValueLines)
{
    ReadFrom(SectionWith(0, "6") + "the next section\n", [this](wxTextInputStream& in) {
        page->ReadSection(in);
        EXPECT_EQ(B(ReadValueLine(in)), "the next section");
    });
}

TEST_F(MatchPageTest, AnEmptyStreamReadsAsZeros)
{
    page->SetDefaults();
    Read("");
    // sliders at their lower ends, the free knockdown rule, first choices
    const std::vector<std::string> expected = {"1", "10", "255", "0", "0", "0",
                                               "3", "0", "0", "0", "0", "1"};
    EXPECT_EQ(ValueLinesOf(Section()), expected);
}

TEST_F(MatchPageTest, SelectorsShowTheUnfilledTextUntilDefaults)
{
    std::vector<myFileSelect*> selectors = page->ReplaySlots();
    selectors.insert(selectors.begin(), page->ReplayListSelector());
    for (myFileSelect* selector : selectors)
        EXPECT_EQ(B(selector->GetPath()), ".\\");

    page->SetDefaults();
    EXPECT_EQ(B(page->ReplayListSelector()->GetPath()), "./Replay/replaycf.txt");
    EXPECT_EQ(page->ReplaySaving()->GetSelection(), 0);
    EXPECT_EQ(page->MaxReplays()->GetValue(), 100);
    EXPECT_EQ(page->CurrentReplay()->GetValue(), 100);
    for (myFileSelect* slot : page->ReplaySlots())
        EXPECT_EQ(B(slot->GetPath()), "");
}

TEST_F(MatchPageTest, SlotLabelsKeepTheirTrailingBlank)
{
    std::vector<std::string> labels;
    for (wxWindow* child : page->GetChildren())
        if (auto* label = dynamic_cast<myLabel*>(child))
            if (B(label->GetLabel()).rfind("リプレイスロット", 0) == 0)
                labels.push_back(B(label->GetLabel()));
    ASSERT_EQ(labels.size(), 9u);
    for (size_t i = 0; i < labels.size(); ++i)
        EXPECT_EQ(labels[i], "リプレイスロット No." + std::to_string(i + 1) + " ");
}

// ----------------------------------------------------------------------------
// the whole document
// ----------------------------------------------------------------------------

namespace
{
// the value lines from the match rules section up to the "#Config Files" block
std::vector<std::string> MatchAndManipValues(const std::string& config)
{
    const size_t from = config.find("\n#Match Rules Config\n");
    const size_t to = config.find("\n#Config Files\n");
    if (from == std::string::npos || to == std::string::npos || to < from)
        return {};
    return ValueLinesOf(config.substr(from, to - from));
}
}

TEST(MatchPageDocument, InitialSettingsAreSavedWithTheReplayList)
{
    FrameInTempDir window([] { MakeDir("Replay"); });
    SendMenu(window.Frame(), idInitialSettings);
    SendMenu(window.Frame(), idSave);

    const std::string config = ReadFile("config.txt");
    std::vector<std::string> expected = defaultValues;
    expected.insert(expected.end(), 26, "0");
    EXPECT_EQ(MatchAndManipValues(config), expected);
    EXPECT_NE(config.find(Lines({"#Config Files", "#Replay Config File",
                                 "#Default ./Replay/replaycf.txt", "./Replay/replaycf.txt"})),
              std::string::npos);

    EXPECT_EQ(ReadFile("Replay/replaycf.txt"),
              Lines({"#Config File for Replay", "", "##Choice Save Replay File  0 : DO 1 : NOT DO",
                     "#Default 0", "0", "", "#Maximum Replay Number", "100",
                     "#Current Replay Number", "100", "", "#Slot Replay Number", "0", "", "",
                     "#End of File"}));
}

TEST(MatchPageDocument, SavedLoadedAndSavedAgainGivesTheSameBytes)
{
    FrameInTempDir window([] { MakeDir("Replay"); });
    myFrame& frame = window.Frame();
    MatchPage& match = *frame.GetNotebook()->matchPage;
    ManipPage& manip = *frame.GetNotebook()->manipPage;

    SendMenu(frame, idInitialSettings);
    match.Settings().SetNumber(MatchPage::maxRoundsRow, 12);
    match.Settings().SetNumber(MatchPage::tkoSystemRow, 2);
    match.Settings().SetNumber(MatchPage::judge2Row, 3);
    manip.Settings().SetNumber(ManipPage::SwitchRow(1), 1);
    manip.Settings().SetNumber(ManipPage::AdjustmentRow(0, 4), -50);
    match.ReplaySaving()->SetSelection(1);
    match.MaxReplays()->SetValue(300);
    match.CurrentReplay()->SetValue(41);
    match.ReplaySlots()[0]->SetPath(wxString(L"Replay/first.rep"));
    match.ReplaySlots()[1]->SetPath(wxString(L"Replay/second.rep"));
    SendMenu(frame, idSave);
    const std::string config = ReadFile("config.txt");
    const std::string replays = ReadFile("Replay/replaycf.txt");
    ASSERT_NE(replays.find("Replay/second.rep"), std::string::npos);

    SendMenu(frame, idInitialSettings);
    {
        DialogAnswer answer(U(window.Dir().Path() + "/config.txt"));
        SendMenu(frame, idLoad);
    }
    EXPECT_EQ(match.Settings().GetNumber(MatchPage::tkoSystemRow), 2);
    EXPECT_EQ(B(match.ReplaySlots()[1]->GetPath()), "Replay/second.rep");

    SendMenu(frame, idSave);
    EXPECT_EQ(ReadFile("config.txt"), config);
    EXPECT_EQ(ReadFile("Replay/replaycf.txt"), replays);
}
