#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <wx/combobox.h>
#include <wx/frame.h>
#include <wx/textctrl.h>

#include "app/MenuId.h"
#include "app/myFrame.h"
#include "app/myNotebook.h"
#include "pages/ControlPage.h"
#include "pages/NetPage.h"
#include "support/GuiHelpers.h"
#include "support/MemoryStreams.h"

namespace
{
// a page's section written to bytes, and read from them
template <class Page>
std::string WrittenSection(Page& page)
{
    return WrittenBy([&](wxTextOutputStream& out) { page.WriteSection(out); });
}

template <class Page>
bool ReadSectionFrom(Page& page, const std::string& bytes)
{
    bool result = false;
    ReadFrom(bytes, [&](wxTextInputStream& in) { result = page.ReadSection(in); });
    return result;
}

// the section as the defaults write it; the two mode lines, the mouse line
// and the confirm key can be replaced
std::string Section(const std::string& modeP1, const std::string& modeP2,
                    const std::string& mouse, const std::string& goNext)
{
    return Lines({
        "",
        "#Control Config",
        "#Player1 Mode  0 : Full Control  1 : Semi-Automatic  2 : Automatic",
        "#Default 0",
        modeP1,
        "#Player2 Mode  0 : Full Control  1 : Semi-Automatic  2 : Automatic",
        "#Default 0",
        modeP2,
        "#Use Mouse  1 : Player1  2 : Player2",
        "#Default 1",
        mouse,
        "#For Go Next",
        "#Default \"space\"",
        goNext,
        "#For 1P Player1",
        "#1P Player1 Left Offense",
        "#Default \"z\"",
        "z",
        "#1P Player1 Right Offense",
        "#Default \"x\"",
        "x",
        "#1P Player1 Defense",
        "#Default \"c\"",
        "c",
        "#1P Player1 Forward",
        "#Default \"right\"",
        "right",
        "#1P Player1 Back",
        "#Default \"left\"",
        "left",
        "#1P Player1 Right",
        "#Default \"down\"",
        "down",
        "#1P Player1 Left",
        "#Default \"up\"",
        "up",
        "#For 2P Player1",
        "#2P Player1 Left Offense",
        "#Default \"z\"",
        "z",
        "#2P Player1 Right Offense",
        "#Default \"x\"",
        "x",
        "#2P Player1 Defense",
        "#Default \"c\"",
        "c",
        "#2P Player1 Forward",
        "#Default \"m\"",
        "m",
        "#2P Player1 Back",
        "#Default \"b\"",
        "b",
        "#2P Player1 Right",
        "#Default \"n\"",
        "n",
        "#2P Player1 Left",
        "#Default \"h\"",
        "h",
        "#For 2P Player2",
        "#2P Player2 Left Offense",
        "#Default \".\"",
        ".",
        "#2P Player2 Right Offense",
        "#Default \"/\"",
        "/",
        "#2P Player2 Defense",
        "#Default \"\\\"",
        "\\",
        "#2P Player2 Forward",
        "#Default \"[4]\"",
        "[4]",
        "#2P Player2 Back",
        "#Default \"[6]\"",
        "[6]",
        "#2P Player2 Right",
        "#Default \"[8]\"",
        "[8]",
        "#2P Player2 Left",
        "#Default \"[2]\"",
        "[2]",
    });
}

const std::string defaultSection = Section("0", "0", "1", "space");

class ControlPageTest : public testing::Test
{
protected:
    void SetUp() override
    {
        frame = new wxFrame(nullptr, wxID_ANY, wxString(L"control"));
        page = new ControlPage(frame);
    }
    void TearDown() override
    {
        frame->Destroy();
        Pump(10);
    }

    int Selection(int row) { return page->Settings().GetNumber(row); }
    std::string Shown(int row)
    {
        return B(static_cast<wxComboBox*>(page->Settings().Control(row))->GetStringSelection());
    }
    std::string Key(int row) { return B(page->Settings().GetText(row)); }

    wxFrame* frame = nullptr;
    ControlPage* page = nullptr;
};
}

TEST_F(ControlPageTest, DefaultsAreWrittenAsEightyLines)
{
    page->SetDefaults();
    const std::string written = WrittenSection(*page);
    EXPECT_EQ(written, defaultSection);
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 80);
}

TEST_F(ControlPageTest, DefaultsReadBackIntoAFreshPage)
{
    EXPECT_TRUE(ReadSectionFrom(*page, defaultSection));
    EXPECT_EQ(Shown(ControlPage::modeP1Row), "フルコントロール");
    EXPECT_EQ(Shown(ControlPage::mousePlayerRow), "Player1");
    EXPECT_EQ(Key(ControlPage::goNextKeyRow), "space");
    EXPECT_EQ(Key(ControlPage::keys2P2Row + 2), "\\");
    EXPECT_EQ(WrittenSection(*page), defaultSection);
}

TEST_F(ControlPageTest, NumberLinesSelectChoices)
{
    const struct
    {
        const char *modeP1, *modeP2, *mouse;
        const char *shownP1, *shownP2, *shownMouse;
        const char *writtenP1, *writtenP2, *writtenMouse;
    } cases[] = {
        {"0", "2", "2", "フルコントロール", "オート", "Player2", "0", "2", "2"},
        {"1", " 1", "1", "セミオート", "セミオート", "Player1", "1", "1", "1"},
        {"+2x", "\t1", "2nd", "オート", "セミオート", "Player2", "2", "1", "2"},
    };
    for (const auto& c : cases)
    {
        const std::string read = Section(c.modeP1, c.modeP2, c.mouse, "space");
        ASSERT_TRUE(ReadSectionFrom(*page, read));
        EXPECT_EQ(Shown(ControlPage::modeP1Row), c.shownP1) << c.modeP1;
        EXPECT_EQ(Shown(ControlPage::modeP2Row), c.shownP2) << c.modeP2;
        EXPECT_EQ(Shown(ControlPage::mousePlayerRow), c.shownMouse) << c.mouse;
        EXPECT_EQ(WrittenSection(*page), Section(c.writtenP1, c.writtenP2, c.writtenMouse, "space"));
    }
}

TEST_F(ControlPageTest, MouseLineOutsideTheChoicesSelectsNothing)
{
    for (const char* mouse : {"0", "3", "-1", "none"})
    {
        ASSERT_TRUE(ReadSectionFrom(*page, Section("0", "0", mouse, "space")));
        EXPECT_EQ(Selection(ControlPage::mousePlayerRow), -1) << mouse;
        EXPECT_EQ(WrittenSection(*page), Section("0", "0", "0", "space")) << mouse;
    }
}

TEST_F(ControlPageTest, KeyLinesAreTakenAsTheyStand)
{
    for (const char* key : {"left shift", "F1", "A", "[/]", "\\"})
    {
        const std::string read = Section("0", "0", "1", key);
        ASSERT_TRUE(ReadSectionFrom(*page, read));
        EXPECT_EQ(Key(ControlPage::goNextKeyRow), key);
        EXPECT_EQ(WrittenSection(*page), read) << key;
    }
}

TEST_F(ControlPageTest, DocumentEndingAfterTheModesLeavesKeysEmpty)
{
    page->SetDefaults();
    EXPECT_TRUE(ReadSectionFrom(*page, Lines({"#Control Config", "2", "1"})));
    EXPECT_EQ(Selection(ControlPage::modeP1Row), 2);
    EXPECT_EQ(Selection(ControlPage::modeP2Row), 1);
    EXPECT_EQ(Selection(ControlPage::mousePlayerRow), -1);
    for (int row = ControlPage::goNextKeyRow; row < ControlPage::rowCount; ++row)
        EXPECT_EQ(Key(row), "") << row;

    // empty keys are written as a blank each, so they keep their places
    const std::string written = WrittenSection(*page);
    EXPECT_NE(written.find("#Use Mouse  1 : Player1  2 : Player2\n#Default 1\n0\n"
                           "#For Go Next\n#Default \"space\"\n \n"),
              std::string::npos);
    page->SetDefaults();
    ASSERT_TRUE(ReadSectionFrom(*page, written));
    EXPECT_EQ(Key(ControlPage::goNextKeyRow), "");
    EXPECT_EQ(Key(ControlPage::keys2P2Row + 6), "");
    EXPECT_EQ(WrittenSection(*page), written);
}

TEST_F(ControlPageTest, KeysComeInTheirOrder)
{
    // every key a different name, so a key read into the wrong field shows
    std::vector<std::string> names;
    std::string document = Lines({"1", "2", "2"});
    for (int row = ControlPage::goNextKeyRow; row < ControlPage::rowCount; ++row)
    {
        names.push_back("k" + std::to_string(row));
        document += names.back() + "\n";
    }
    ASSERT_TRUE(ReadSectionFrom(*page, document));
    for (int row = ControlPage::goNextKeyRow; row < ControlPage::rowCount; ++row)
        EXPECT_EQ(Key(row), names[row - ControlPage::goNextKeyRow]);
}

// ----------------------------------------------------------------------------
// in the whole document
// ----------------------------------------------------------------------------

TEST(ControlAndNetSections, FollowTheBasicSectionInConfigTxt)
{
    FrameInTempDir window;
    SendMenu(window.Frame(), idInitialSettings);
    SendMenu(window.Frame(), idSave);
    const std::string document = ReadFile("config.txt");

    myNotebook* notebook = window.Frame().GetNotebook();
    const std::string net = WrittenSection(*notebook->netPage);
    ASSERT_EQ(WrittenSection(*notebook->controlPage), defaultSection);
    ASSERT_EQ(net.substr(0, 17), "\n#Network Config\n");

    const std::string basicEnd = Lines({"#Skip Down  0 : No  1 : Yes", "#Default 0", "0"});
    const size_t at = document.find(basicEnd + net + defaultSection);
    ASSERT_NE(at, std::string::npos) << document;
    EXPECT_EQ(document.find("#Network Config"), document.find(basicEnd) + basicEnd.size() + 1);
}
