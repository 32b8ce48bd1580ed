// The basic page: its section of config.txt byte for byte, how it reads
// value lines back, and the choices its lists offer.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <wx/combobox.h>

#include "app/TextFileReader.h"
#include "app/TextFileWriter.h"
#include "app/myFrame.h"
#include "app/myNotebook.h"
#include "pages/BasicPage.h"
#include "support/GuiHelpers.h"

namespace
{
// rows of the page, in the order of their value lines
enum Row
{
    resolution,
    mode,
    frequency,
    format,
    channels,
    buffer,
    bgmVolume,
    seVolume,
    language,
    alphabetFont,
    polygonFont,
    partitions,
    face,
    shadows,
    background,
    ringAds,
    magnification,
    minification,
    frameSkip,
    viewpoint,
    angle,
    brightness,
    skipOpening,
    skipReplay,
    skipDown,
    rowCount
};

// the section as SetDefaults leaves it, line by line
const std::vector<std::string> defaultSection = {
    "",
    "#Screen Config",
    "#Screeen Size  0 : 640x480  1 : 800x600  2 : 1024x768",
    "#Default 0",
    "0",
    "#Screen Mode  0 : Window Mode  1 : Full Screen Mode",
    "#Default 0",
    "0",
    "",
    "#Sound Config",
    "#Sound Frequency  0 : 44100  1 : 22050  2 : 11025  3 : 48000  4 : 32000",
    "#Default 0",
    "0",
    "#Sound Format  0 : 16bit  1 : 8bit",
    "#Default 0",
    "0",
    "#Sound Channel  0 : Stereo  1 : Mono",
    "#Default 0",
    "0",
    "#Sound Buffer Size  0 : 4096  1 : 2048  2 : 1024  3 : 512  4 : 8182",
    "#Default 0",
    "0",
    "",
    "#BGM Volume  -8-128",
    "#Default -8",
    "-8",
    "",
    "#Sound Effect  Volume -8-128",
    "#Default -8",
    "-8",
    "",
    "#Language  0 : Japanese Kanji  1 : Japanese Kana  2 : English",
    "#Default 0",
    "0",
    "",
    "#Make Alphabet Font from TTF  0 : No  1 : Yes",
    "#Default 1",
    "1",
    "#Use Polygon Font  0 : No  1 : Yes",
    "#Default 1",
    "1",
    "",
    "#Expression Accuracy Config",
    "#Partition Number  2-10",
    "#Default 9",
    "6",
    "#Face Style  0 : None  1 : Texture  2 : Polygon",
    "#Default 2",
    "2",
    "#Shadows  1 : ON  0 : OFF",
    "#Default 1",
    "1",
    "#BackGround  0 : OFF  1 : Gray  2 : Texture",
    "#Default 2",
    "2",
    "#Ring Ad's  1 : ON  0 : OFF",
    "#Default 1",
    "1",
    "#Texture Magnification Filter  0 : Nearest  1 : Linear",
    "#Default 0",
    "1",
    "#Texture Minification Filter  0 : Nearest  1 : Linear",
    "#Default 0",
    "0",
    "#Skip Frame  1-5",
    "#Default 1",
    "1",
    "",
    "#Camera Config",
    "#Default View  0 : SideView1  1 : SideView2  2 : BackView1  3 : BackView2",
    "#              4 : TopView1  5 : Top View 2  6 : BoxerView1  7 : BoxerView2",
    "#Default 0",
    "0",
    "#Angle  -90-90",
    "#Default 10",
    "10",
    "#Brightness  -100-100",
    "#Default 0",
    "0",
    "",
    "#Skip Opening  0 : No  1 : Yes",
    "#Default 0",
    "0",
    "#Skip Replay  0 : No  1 : Yes",
    "#Default 0",
    "0",
    "#Skip Down  0 : No  1 : Yes",
    "#Default 0",
    "0",
};

std::string Join(const std::vector<std::string>& lines)
{
    std::string joined;
    for (const std::string& line : lines)
        joined += line + "\n";
    return joined;
}

bool IsValueLine(const std::string& line)
{
    return !line.empty() && line[0] != '#';
}

// the section with its value lines replaced, in order
std::vector<std::string> SectionWith(const std::vector<std::string>& values)
{
    std::vector<std::string> lines = defaultSection;
    size_t next = 0;
    for (std::string& line : lines)
        if (IsValueLine(line))
            line = values.at(next++);
    EXPECT_EQ(next, values.size());
    return lines;
}

// the value lines of a written section
std::vector<std::string> ValueLines(const std::string& bytes)
{
    std::vector<std::string> values;
    size_t start = 0;
    for (size_t end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1)
    {
        const std::string line = bytes.substr(start, end - start);
        if (IsValueLine(line))
            values.push_back(line);
    }
    return values;
}

// values that are in range and differ from the defaults in every row
const std::vector<std::string> otherValues = {
    "5", "1", "4", "1", "1", "4", "64", "120", "2", "0", "0", "3", "1",
    "0", "1", "0", "0", "1", "5", "15", "-45", "35", "1", "1", "1",
};

class BasicPageTest : public testing::Test
{
protected:
    BasicPage& Page() { return *window.Frame().GetNotebook()->basicPage; }
    SettingTable& Settings() { return Page().Settings(); }
    wxComboBox* Box(Row row) { return dynamic_cast<wxComboBox*>(Settings().Control(row)); }

    std::string WriteSection()
    {
        TextFileWriter writer(wxString(L"section.txt"));
        EXPECT_TRUE(writer.IsOpened());
        EXPECT_TRUE(Page().WriteSection(writer.Stream()));
        EXPECT_TRUE(writer.Commit());
        return ReadFile("section.txt");
    }

    void ReadSection(const std::string& bytes)
    {
        WriteFile("read.txt", bytes);
        TextFileReader reader(wxString(L"read.txt"));
        ASSERT_TRUE(reader.IsOpened());
        EXPECT_TRUE(Page().ReadSection(reader.Stream()));
    }

    FrameInTempDir window;
};
}

TEST_F(BasicPageTest, DefaultsWriteTheWholeSection)
{
    // start from other values so that every default has to be set
    ReadSection(Join(SectionWith(otherValues)));
    Page().SetDefaults();
    EXPECT_EQ(defaultSection.size(), 89u);
    EXPECT_EQ(WriteSection(), Join(defaultSection));
}

TEST_F(BasicPageTest, ValuesReadAreWrittenBackOnTheirOwnLines)
{
    const std::string section = Join(SectionWith(otherValues));
    ReadSection(section);
    EXPECT_EQ(WriteSection(), section);
    EXPECT_EQ(Settings().GetNumber(bgmVolume), 64);
    EXPECT_EQ(Settings().GetNumber(angle), -45);
    EXPECT_EQ(B(Box(buffer)->GetStringSelection()), "8182");
    EXPECT_EQ(B(Box(resolution)->GetStringSelection()), " 512x384");
}

TEST_F(BasicPageTest, AnIndexReadSelectsItsChoice)
{
    std::vector<std::string> values = ValueLines(Join(defaultSection));
    values[resolution] = "3";
    values[viewpoint] = "14";
    values[format] = "1";
    ReadSection(Join(SectionWith(values)));

    EXPECT_EQ(B(Box(resolution)->GetStringSelection()), " 320x240");
    EXPECT_EQ(B(Box(resolution)->GetValue()), " 320x240");
    EXPECT_EQ(B(Box(viewpoint)->GetStringSelection()), "固定ビュー7");
    EXPECT_EQ(B(Box(format)->GetStringSelection()), " 8 bit");
}

TEST_F(BasicPageTest, ValueLinesReadAsDecimalNumbers)
{
    struct Case
    {
        Row row;
        const char* line;
        int read;
    };
    const Case cases[] = {
        {brightness, "12abc", 12}, {brightness, "abc", 0}, {brightness, "  -5", -5},
        {angle, "+15", 15},        {angle, "\t-20 deg", -20}, {resolution, "2 (1024)", 2},
        {language, "x1", 0},       {partitions, "7.9", 7},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.line);
        std::vector<std::string> values = otherValues;
        values[c.row] = c.line;
        ReadSection(Join(SectionWith(values)));
        EXPECT_EQ(Settings().GetNumber(c.row), c.read);

        values[c.row] = std::to_string(c.read);
        EXPECT_EQ(ValueLines(WriteSection()), values);
    }
}

TEST_F(BasicPageTest, ADocumentEndingAfterTenValuesGivesZeroToTheRest)
{
    ReadSection(Join(SectionWith(otherValues)));
    for (Row row : {polygonFont, shadows, ringAds, magnification})
        Settings().SetNumber(row, 1);    // so that every later row is not 0

    // the section up to the tenth value line, and nothing after it
    const std::vector<std::string> full = SectionWith(otherValues);
    std::vector<std::string> truncated;
    int valuesSeen = 0;
    for (const std::string& line : full)
    {
        truncated.push_back(line);
        if (IsValueLine(line) && ++valuesSeen == 10)
            break;
    }
    ReadSection(Join(truncated));

    // the lists select their first choice; the partition and frame-skip
    // sliders cannot show 0 and hold their lowest value instead
    const std::vector<std::string> expected = {
        "5", "1", "4", "1", "1", "4", "64", "120", "2", "0",    // read
        "0", "2", "0", "0", "0", "0", "0", "0", "1", "0", "0", "0", "0", "0", "0",
    };
    EXPECT_EQ(Settings().GetNumber(partitions), 2);
    EXPECT_EQ(Settings().GetNumber(frameSkip), 1);
    EXPECT_EQ(B(Box(face)->GetStringSelection()), "なし");
    EXPECT_EQ(B(Box(viewpoint)->GetStringSelection()), "サイドビュー1");
    EXPECT_EQ(ValueLines(WriteSection()), expected);
}

TEST_F(BasicPageTest, OutOfRangeValuesAreWrittenAsTheControlHoldsThem)
{
    struct Case
    {
        Row row;
        const char* line;
        int held;    // and written
    };
    const Case cases[] = {
        // a list clears its selection and shows nothing
        {resolution, "9", -1},
        {viewpoint, "16", -1},
        {mode, "-1", -1},
        // a slider holds the nearer end of its range
        {angle, "500", 90},
        {angle, "-500", -90},
        {bgmVolume, "129", 128},
        {seVolume, "-9", -8},
        {partitions, "1", 2},
        {frameSkip, "6", 5},
        {brightness, "-101", -100},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.row) + ": " + c.line);
        std::vector<std::string> values = otherValues;
        values[c.row] = c.line;
        ReadSection(Join(SectionWith(values)));
        EXPECT_EQ(Settings().GetNumber(c.row), c.held);
        if (c.held == -1)
            EXPECT_EQ(B(Box(c.row)->GetValue()), "");

        values[c.row] = std::to_string(c.held);
        EXPECT_EQ(ValueLines(WriteSection()), values);
    }
}

TEST_F(BasicPageTest, EveryListOffersItsChoicesInOrder)
{
    const std::vector<std::string> offOn = {"OFF", "ON"};
    const std::vector<std::string> filters = {"ニアレスト", "リニアー"};
    const struct
    {
        Row row;
        std::vector<std::string> choices;
    } lists[] = {
        {resolution, {" 640x480", " 800x600", "1024x768", " 320x240", " 400x300", " 512x384"}},
        {mode, {"ウィンドウ", "フルスクリーン"}},
        {frequency, {"44100", "22050", "11025", "48000", "32000"}},
        {format, {"16 bit", " 8 bit"}},
        {channels, {"ステレオ", "モノラル"}},
        {buffer, {"4096", "2048", "1024", " 512", "8182"}},
        {language, {"日本語(漢字)", "日本語(かな)", "英語"}},
        {alphabetFont, {"ビットマップ", "トゥルータイプ"}},
        {polygonFont, {"使用しない", "使用する"}},
        {face, {"なし", "テクスチャ", "ポリゴン"}},
        {shadows, offOn},
        {background, {"OFF", "グレー", "テクスチャ"}},
        {ringAds, offOn},
        {magnification, filters},
        {minification, filters},
        {viewpoint,
         {"サイドビュー1", "サイドビュー2", "バックビュー1", "バックビュー2", "トップビュー1",
          "トップビュー2", "ボクサービュー1", "ボクサービュー2", "固定ビュー1", "固定ビュー2",
          "固定ビュー3", "固定ビュー4", "固定ビュー5", "固定ビュー6", "固定ビュー7", "固定ビュー8"}},
        {skipOpening, offOn},
        {skipReplay, offOn},
        {skipDown, offOn},
    };
    int listCount = 0;
    for (const auto& list : lists)
    {
        SCOPED_TRACE(list.row);
        wxComboBox* box = Box(list.row);
        ASSERT_NE(box, nullptr);
        ++listCount;
        std::vector<std::string> shown;
        for (unsigned i = 0; i < box->GetCount(); ++i)
            shown.push_back(B(box->GetString(i)));
        EXPECT_EQ(shown, list.choices);
    }
    EXPECT_EQ(listCount, 19);
    EXPECT_EQ(Settings().Size(), static_cast<size_t>(rowCount));
}

TEST_F(BasicPageTest, EverySliderHasItsRange)
{
    const struct
    {
        Row row;
        int min, max;
    } sliders[] = {
        {bgmVolume, -8, 128}, {seVolume, -8, 128}, {partitions, 2, 10},
        {frameSkip, 1, 5},    {angle, -90, 90},    {brightness, -100, 100},
    };
    for (const auto& s : sliders)
    {
        SCOPED_TRACE(s.row);
        EXPECT_EQ(Box(s.row), nullptr);    // a slider, not a list
        Settings().SetNumber(s.row, -100000);
        EXPECT_EQ(Settings().GetNumber(s.row), s.min);
        Settings().SetNumber(s.row, 100000);
        EXPECT_EQ(Settings().GetNumber(s.row), s.max);
    }
}
