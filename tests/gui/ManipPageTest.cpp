// The manip page: the "#Match Manipulation Config" section of both corners.
#include <gtest/gtest.h>
#include <map>
#include <wx/frame.h>
#include <wx/statbox.h>

#include "app/ValueLine.h"
#include "pages/ManipPage.h"
#include "support/GuiHelpers.h"
#include "support/MemoryStreams.h"

namespace
{
enum Corner
{
    red,
    blue
};
const int jaw = 11;

class ManipPageTest : public testing::Test
{
protected:
    ManipPageTest()
        : frame(new wxFrame(nullptr, wxID_ANY, wxString(L"manip"))), page(new ManipPage(frame))
    {
        page->SetDefaults();
    }
    ~ManipPageTest() override
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
    int Number(int row) { return page->Settings().GetNumber(row); }

    wxFrame* frame;
    ManipPage* page;
};

const std::string defaultSection = Lines({
    "",
    "#Match Manipulation Config",
    "#Red Corner Manipulation 0 : OFF 1 : ON", "#Default 0", "0",
    "#Red Punch Manipulation -50-50", "#Default 0", "0",
    "#Red Speed Manipulation -50-50", "#Default 0", "0",
    "#Red Stamina Manipulation -50-50", "#Default 0", "0",
    "#Red Damage Restore Manipulation -50-50", "#Default 0", "0",
    "#Red Max Damage Manipulation -50-50", "#Default 0", "0",
    "#Red Cyanosis Restore Manipulation -50-50", "#Default 0", "0",
    "#Red Max Cyanosis Manipulation -50-50", "#Default 0", "0",
    "#Red Block Absorb Manipulation -50-50", "#Default 0", "0",
    "#Red Body Strength Manipulation -50-50", "#Default 0", "0",
    "#Red Liver Strength Manipulation -50-50", "#Default 0", "0",
    "#Red Face Strength Manipulation -50-50", "#Default 0", "0",
    "#Red Jaw Strength Manipulation -50-50", "#Default 0", "0",
    "#Blue Corner Manipulation 0 : OFF 1 : ON", "#Default 0", "0",
    "#Blue Punch Manipulation -50-50", "#Default 0", "0",
    "#Blue Speed Manipulation -50-50", "#Default 0", "0",
    "#Blue Stamina Manipulation -50-50", "#Default 0", "0",
    "#Blue Damage Restore Manipulation -50-50", "#Default 0", "0",
    "#Blue Max Damage Manipulation -50-50", "#Default 0", "0",
    "#Blue Cyanosis Restore Manipulation -50-50", "#Default 0", "0",
    "#Blue Max Cyanosis Manipulation -50-50", "#Default 0", "0",
    "#Blue Block Absorb Manipulation -50-50", "#Default 0", "0",
    "#Blue Body Strength Manipulation -50-50", "#Default 0", "0",
    "#Blue Liver Strength Manipulation -50-50", "#Default 0", "0",
    "#Blue Face Strength Manipulation -50-50", "#Default 0", "0",
    "#Blue Jaw Strength Manipulation -50-50", "#Default 0", "0",
});

// 26 value lines: the red switch, twelve red values, the blue switch, twelve blue values
std::vector<std::string> Values(const std::string& redSwitch, const std::string& blueSwitch,
                                const std::string& fill = "0")
{
    std::vector<std::string> values(26, fill);
    values[0] = redSwitch;
    values[13] = blueSwitch;
    return values;
}
}

TEST_F(ManipPageTest, DefaultsWriteTheWholeSection)
{
    page->Settings().SetNumber(ManipPage::SwitchRow(blue), 1);
    page->Settings().SetNumber(ManipPage::AdjustmentRow(red, 3), 20);
    page->SetDefaults();
    EXPECT_EQ(Section(), defaultSection);
}

TEST_F(ManipPageTest, MinusFiftyRoundTrips)
{
    page->Settings().SetNumber(ManipPage::AdjustmentRow(red, jaw), -50);
    const std::string written = Section();
    EXPECT_NE(written.find(Lines({"#Red Jaw Strength Manipulation -50-50", "#Default 0", "-50",
                                  "#Blue Corner Manipulation 0 : OFF 1 : ON"})),
              std::string::npos);

    page->SetDefaults();
    Read(written);
    EXPECT_EQ(Number(ManipPage::AdjustmentRow(red, jaw)), -50);
}

TEST_F(ManipPageTest, SwitchAndSlidersAreStoredIndependently)
{
    page->Settings().SetNumber(ManipPage::SwitchRow(red), 1);
    EXPECT_EQ(ValueLinesOf(Section()), Values("1", "0"));

    page->SetDefaults();
    page->Settings().SetNumber(ManipPage::AdjustmentRow(blue, 0), 5);
    EXPECT_EQ(ValueLinesOf(Section()), [] {
        auto values = Values("0", "0");
        values[14] = "5";
        return values;
    }());
}

TEST_F(ManipPageTest, ReadsTwentySixValueLinesEachIntoItsControl)
{
    std::vector<std::string> values = Values("1", "0");
    for (int i = 0; i < 12; ++i)
    {
        values[1 + i] = std::to_string(i + 1);
        values[14 + i] = std::to_string(-(i + 1) * 4);
    }
    std::string edited;
    for (const std::string& value : values)
        edited += "#a comment of my own\n\n" + value + "\n";
    ReadFrom(edited + "./Replay/replaycf.txt\n", [this](wxTextInputStream& in) {
        EXPECT_TRUE(page->ReadSection(in));
        EXPECT_EQ(B(ReadValueLine(in)), "./Replay/replaycf.txt");    // left for the next reader
    });
    EXPECT_EQ(Number(ManipPage::AdjustmentRow(blue, jaw)), -48);
    EXPECT_EQ(ValueLinesOf(Section()), values);
}

TEST_F(ManipPageTest, ValuesAreHandedToTheControlsAsRead)
{
    const struct
    {
        int row;
        const char* line;
        int held;
    } cases[] = {
        {ManipPage::AdjustmentRow(red, 0), "-3", -3},
        {ManipPage::AdjustmentRow(red, 1), "7 words", 7},
        {ManipPage::AdjustmentRow(blue, 2), "letters", 0},
        {ManipPage::AdjustmentRow(blue, 3), "99", 50},      // held at the slider's ends
        {ManipPage::AdjustmentRow(red, 4), "-51", -50},
        {ManipPage::SwitchRow(blue), "2", -1},             // no choice shown
        {ManipPage::SwitchRow(red), "1", 1},
    };
    for (const auto& c : cases)
    {
        page->SetDefaults();
        std::vector<std::string> values = Values("0", "0", "9");
        values.at(c.row) = c.line;
        std::string bytes;
        for (const std::string& value : values)
            bytes += value + "\n";
        Read(bytes);
        EXPECT_EQ(Number(c.row), c.held) << c.line;
        values.at(c.row) = std::to_string(c.held);
        EXPECT_EQ(ValueLinesOf(Section()), values) << c.line;
    }
}

TEST_F(ManipPageTest, AnEmptyStreamReadsAsZeros)
{
    page->Settings().SetNumber(ManipPage::SwitchRow(red), 1);
    page->Settings().SetNumber(ManipPage::AdjustmentRow(blue, 6), -10);
    Read("");
    EXPECT_EQ(Section(), defaultSection);
}

TEST_F(ManipPageTest, BothCornersHaveTheSameFourBoxes)
{
    std::map<std::string, int> boxes;
    for (wxWindow* child : page->GetChildren())
        if (auto* box = dynamic_cast<wxStaticBox*>(child))
            ++boxes[B(box->GetLabel())];
    const std::map<std::string, int> expected = {
        {"補整切り替え", 2}, {"基本能力補整", 2}, {"ダメージ・酸欠補整", 2}, {"強度補整", 2}};
    EXPECT_EQ(boxes, expected);
}
