// The five pages kept in config.txt (basic, network, control, match rules,
// manipulation): each section byte for byte, how its value lines are read,
// the machine-spec presets of the basic page, and the whole config.txt.
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <wx/combobox.h>

#include "app/MenuId.h"
#include "app/myFrame.h"
#include "app/myNotebook.h"
#include "pages/BasicPage.h"
#include "pages/ControlPage.h"
#include "pages/ManipPage.h"
#include "pages/MatchPage.h"
#include "pages/NetPage.h"
#include "support/GuiHelpers.h"
#include "support/MemoryStreams.h"

namespace
{
// rows of the basic page, in the order of its value lines
enum BasicRow
{
    resolution, mode, frequency, format, channels, buffer, bgmVolume, seVolume, language,
    alphabetFont, polygonFont, partitions, face, shadows, background, ringAds, magnification,
    minification, frameSkip, viewpoint, angle, brightness, skipOpening, skipReplay, skipDown,
    basicRows
};

// each section as SetDefaults leaves it
const std::string basicDefaults = Lines({
    "", "#Screen Config", "#Screeen Size  0 : 640x480  1 : 800x600  2 : 1024x768", "#Default 0", "0",
    "#Screen Mode  0 : Window Mode  1 : Full Screen Mode", "#Default 0", "0", "", "#Sound Config",
    "#Sound Frequency  0 : 44100  1 : 22050  2 : 11025  3 : 48000  4 : 32000", "#Default 0", "0",
    "#Sound Format  0 : 16bit  1 : 8bit", "#Default 0", "0",
    "#Sound Channel  0 : Stereo  1 : Mono", "#Default 0", "0",
    "#Sound Buffer Size  0 : 4096  1 : 2048  2 : 1024  3 : 512  4 : 8182", "#Default 0", "0",
    "", "#BGM Volume  -8-128", "#Default -8", "-8", "", "#Sound Effect  Volume -8-128", "#Default -8", "-8",
    "", "#Language  0 : Japanese Kanji  1 : Japanese Kana  2 : English", "#Default 0", "0",
    "", "#Make Alphabet Font from TTF  0 : No  1 : Yes", "#Default 1", "1",
    "#Use Polygon Font  0 : No  1 : Yes", "#Default 1", "1",
    "", "#Expression Accuracy Config", "#Partition Number  2-10", "#Default 9", "6",
    "#Face Style  0 : None  1 : Texture  2 : Polygon", "#Default 2", "2",
    "#Shadows  1 : ON  0 : OFF", "#Default 1", "1",
    "#BackGround  0 : OFF  1 : Gray  2 : Texture", "#Default 2", "2",
    "#Ring Ad's  1 : ON  0 : OFF", "#Default 1", "1",
    "#Texture Magnification Filter  0 : Nearest  1 : Linear", "#Default 0", "1",
    "#Texture Minification Filter  0 : Nearest  1 : Linear", "#Default 0", "0",
    "#Skip Frame  1-5", "#Default 1", "1", "", "#Camera Config",
    "#Default View  0 : SideView1  1 : SideView2  2 : BackView1  3 : BackView2",
    "#              4 : TopView1  5 : Top View 2  6 : BoxerView1  7 : BoxerView2", "#Default 0", "0",
    "#Angle  -90-90", "#Default 10", "10", "#Brightness  -100-100", "#Default 0", "0",
    "", "#Skip Opening  0 : No  1 : Yes", "#Default 0", "0",
    "#Skip Replay  0 : No  1 : Yes", "#Default 0", "0", "#Skip Down  0 : No  1 : Yes", "#Default 0", "0",
});

const std::string netDefaults = Lines({
    "", "#Network Config", "#User Name", "#Default user", "user",
    "#Host Name", "#Default localhost", "localhost",
    "#CGI Host Name", "#Default cgi.ringvald.example", "cgi.ringvald.example",
    "#Match Make CGI", "#Default /Korvane/matchmake.cgi", "/Korvane/matchmake.cgi",
    "#Lobby CGI", "#Default /Korvane/lobby.cgi", "/Korvane/lobby.cgi", "#Port(TCP)", "#Default 2000", "2000",
    "#Port(UDP)", "#Default 3000", "3000", "#Lobby Mode  0 : Local  1 : CGI", "#Default 1", "1",
});

// "#For 1P Player1", then each action's key: as a comment with the key in
// quotes, and as the value
std::string KeySet(const std::string& player, const std::vector<std::string>& keys)
{
    const char* actions[] = {"Left Offense", "Right Offense", "Defense", "Forward", "Back", "Right", "Left"};
    std::vector<std::string> lines = {"#For " + player};
    for (size_t i = 0; i < keys.size(); ++i)
        lines.insert(lines.end(), {"#" + player + " " + actions[i], "#Default \"" + keys[i] + "\"", keys[i]});
    return Lines(lines);
}

const std::string controlDefaults =
    Lines({"", "#Control Config", "#Player1 Mode  0 : Full Control  1 : Semi-Automatic  2 : Automatic",
           "#Default 0", "0", "#Player2 Mode  0 : Full Control  1 : Semi-Automatic  2 : Automatic",
           "#Default 0", "0", "#Use Mouse  1 : Player1  2 : Player2", "#Default 1", "1", "#For Go Next",
           "#Default \"space\"", "space"}) +
    KeySet("1P Player1", {"z", "x", "c", "right", "left", "down", "up"}) +
    KeySet("2P Player1", {"z", "x", "c", "m", "b", "n", "h"}) +
    KeySet("2P Player2", {".", "/", "\\", "[4]", "[6]", "[8]", "[2]"});

const std::string matchDefaults = Lines({
    "", "#Match Rules Config", "#Max Round", "#Default 6", "6", "#Round Time", "#Default 60", "60",
    "#TKO System", "#Default 3", "3", "#Judging System 0 : Round Must  1 : Not Round Must", "#Default 0", "0",
    "#Count System 0 : Last Round Stop  1 : Last Round Continue",
    "#             2 : All Round Stop   3 : All Round Continue", "#Default 0", "0",
    "#Extra Round 0 : OFF 1 : ON", "#Default 0", "0", "#KO Count", "#Default 10", "10",
    "#Judge Type 0 : Random  1 : Hit  2 : Critical  3 : Damage", "#Default 0", "0", "0", "0",
    "#Extra Information 0 : OFF 1 : ON", "#Default 0", "0", "##Replay Rate  1-10", "#Default 5", "5",
});

// for each corner a switch and twelve adjustments
std::string ManipDefaults()
{
    std::vector<std::string> lines = {"", "#Match Manipulation Config"};
    for (const std::string corner : {"Red", "Blue"})
    {
        lines.insert(lines.end(), {"#" + corner + " Corner Manipulation 0 : OFF 1 : ON", "#Default 0", "0"});
        for (const char* adjustment : {"Punch", "Speed", "Stamina", "Damage Restore", "Max Damage",
                                       "Cyanosis Restore", "Max Cyanosis", "Block Absorb", "Body Strength",
                                       "Liver Strength", "Face Strength", "Jaw Strength"})
            lines.insert(lines.end(), {"#" + corner + " " + adjustment + " Manipulation -50-50", "#Default 0", "0"});
    }
    return Lines(lines);
}
const std::string manipDefaults = ManipDefaults();

enum Which { basic, net, control, match, manip };

struct Section
{
    const char* name;
    const std::string& defaults;
    // a value line for every row, none of them the default: odd texts, keys
    // that are all different, the ends of the ranges
    std::vector<std::string> others;
};

const Section sections[] = {
    {"basic", basicDefaults, {"5", "1", "4", "1", "1", "4", "64", "120", "2", "0", "0", "3", "1",
                              "0", "1", "0", "0", "1", "5", "15", "-45", "35", "1", "1", "1"}},
    {"net", netDefaults, {"ボクサー太郎と次郎と三郎", "192.168.0.300", " spaced.example ", "matchmake",
                          "/a b/lobby.cgi", "20x0", "port", "0"}},
    {"control", controlDefaults,
     {"1", "2", "2", "left shift", "\\", "F1", "A", "[/]", "[0]", "1", "2", "q", "w", "e", "r",
      "t", "y", "u", "i", "o", "p", "[1]", "[3]", "[5]", "[7]"}},
    {"match", matchDefaults, {"12", "90", "2", "1", "2", "1", "5", "1", "2", "3", "1", "9"}},
    {"manip", manipDefaults,
     {"1", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12",
      "1", "-4", "-8", "-12", "-16", "-20", "-24", "-28", "-32", "-36", "-40", "-44", "-50"}},
};

std::string SectionWith(Which which, const std::vector<std::string>& values)
{
    return WithValues(sections[which].defaults, values);
}

const std::string header = Lines({"#Config File for Ringvald Ver 1.2.0 Release",
                                  "#made by Configure for Ringvald Ver 1.2.0 Release"});

// the list paths at their defaults; the comments above the second, fourth
// and fifth value name other files than the values do, as the game has them
const std::string configFiles = Lines({
    "", "#Config Files", "#Replay Config File", "#Default ./Replay/replaycf.txt", "./Replay/replaycf.txt",
    "#BGM Config File", "#Default ./BGM/bgmcf.txt", "./Font/fontcf.txt",
    "#Image Config File", "#Default ./Image/imagecf.txt", "./Image/imagecf.txt",
    "#Sound Effect Config File", "#Default ./SE/secf.txt", "./BGM/bgmcf.txt",
    "#Font Config File", "#Default ./Font/fontcf.txt", "./SE/secf.txt",
    "#Data Config File", "#Default ./Data/datacf.txt", "./Data/datacf.txt",
    "#Think Config File", "#Default ./Data/thinkcf.txt", "./Data/thinkcf.txt", "", "#End of File",
});

// a section read from bytes, and written
void Read(SettingTable& section, const std::string& bytes)
{
    ReadFrom(bytes, [&](wxTextInputStream& in) { section.ReadSection(in); });
}

std::string Written(const SettingTable& section)
{
    return WrittenBy([&](wxTextOutputStream& out) { section.WriteSection(out); });
}

class SectionPagesTest : public testing::Test
{
protected:
    SettingTable& Section(Which which)
    {
        myNotebook& p = *window.Frame().GetNotebook();
        SettingTable* tables[] = {&p.basicPage->Settings(), &p.netPage->Settings(), &p.controlPage->Settings(),
                                  &p.matchPage->Settings(), &p.manipPage->Settings()};
        return *tables[which];
    }

    FrameInTempDir window;
};
}

// Past the end a number reads as 0 and a text as nothing: a list then selects
// its first choice (or none), a slider holds its lowest value if it cannot
// show 0, and an empty text is written as one blank so it keeps its place.
TEST_F(SectionPagesTest, ASectionEndingEarlyReadsTheRestAsZerosAndEmptyTexts)
{
    std::vector<std::string> controlRest(23, " ");
    controlRest[0] = "0";    // the mouse player stored as 1 or 2
    const struct
    {
        Which which;
        size_t given;    // value lines before the end
        std::vector<std::string> rest;
    } cases[] = {
        {basic, 10, {"0", "2", "0", "0", "0", "0", "0", "0", "1", "0", "0", "0", "0", "0", "0"}},
        {net, 2, {" ", " ", " ", " ", " ", "0"}},
        {control, 2, controlRest},
        {match, 0, {"1", "10", "255", "0", "0", "0", "3", "0", "0", "0", "0", "1"}},
        {manip, 0, std::vector<std::string>(26, "0")},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(sections[c.which].name);
        SettingTable& section = Section(c.which);
        const std::vector<std::string>& others = sections[c.which].others;
        Read(section, SectionWith(c.which, others));

        std::vector<std::string> expected(others.begin(), others.begin() + c.given);
        Read(section, Lines(expected));
        expected.insert(expected.end(), c.rest.begin(), c.rest.end());
        const std::string written = Written(section);
        EXPECT_EQ(ValueLinesOf(written), expected);

        section.SetDefaults();
        Read(section, written);
        EXPECT_EQ(Written(section), written);
    }
}

TEST_F(SectionPagesTest, AValueLineIsReadLikeStrtolAndWrittenAsTheControlHoldsIt)
{
    const struct
    {
        Which which;
        int row;
        const char* line;
        int held;
        const char* written;
    } cases[] = {
        // the leading decimal (see ParseDecimal), for a slider and a list
        {basic, brightness, "  -5abc", -5, "-5"}, {basic, resolution, "2 (1024)", 2, "2"},
        // a slider holds the nearer end of its range
        {basic, angle, "500", 90, "90"}, {basic, seVolume, "-9", -8, "-8"},
        {basic, partitions, "1", 2, "2"}, {match, MatchPage::roundTimeRow, "900", 600, "600"},
        {manip, ManipPage::AdjustmentRow(1, 3), "99", 50, "50"},
        // a list clears its selection and shows nothing
        {basic, resolution, "9", -1, "-1"}, {basic, mode, "-1", -1, "-1"},
        {match, MatchPage::countAfterGongRow, "7", -1, "-1"}, {manip, ManipPage::SwitchRow(1), "2", -1, "-1"},
        // lists stored as other numbers than their index
        {control, ControlPage::mousePlayerRow, "2nd", 1, "2"},
        {control, ControlPage::mousePlayerRow, "0", -1, "0"},
        {control, ControlPage::mousePlayerRow, "3", -1, "0"},
        {match, MatchPage::tkoSystemRow, "3", 1, "3"}, {match, MatchPage::tkoSystemRow, "255", 2, "255"},
        {match, MatchPage::tkoSystemRow, "0", 2, "255"}, {match, MatchPage::tkoSystemRow, "4", 2, "255"},
        {match, MatchPage::tkoSystemRow, "x", 2, "255"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(sections[c.which].name) + " row " + std::to_string(c.row) +
                     ": " + c.line);
        SettingTable& section = Section(c.which);
        std::vector<std::string> values = sections[c.which].others;
        values.at(c.row) = c.line;
        Read(section, SectionWith(c.which, values));
        EXPECT_EQ(section.GetNumber(c.row), c.held);
        if (c.held == -1)
            EXPECT_EQ(B(dynamic_cast<wxComboBox&>(*section.Control(c.row)).GetValue()), "");
        values.at(c.row) = c.written;
        EXPECT_EQ(ValueLinesOf(Written(section)), values);
    }
}

// ----------------------------------------------------------------------------
// the whole config.txt
// ----------------------------------------------------------------------------

// every row of every page away from its default first
TEST_F(SectionPagesTest, InitialSettingsWriteTheWholeConfigTxt)
{
    for (Which which : {basic, net, control, match, manip})
        Read(Section(which), SectionWith(which, sections[which].others));
    SendMenu(window.Frame(), idInitialSettings);
    SendMenu(window.Frame(), idSave);
    EXPECT_EQ(ReadFile("config.txt"), header + basicDefaults + netDefaults + controlDefaults +
                                          matchDefaults + manipDefaults + configFiles);
}

// Every value goes to its own control and back to its own line, comments
// and empty lines between the values are skipped, and each section takes its
// own value lines and no more. The replay list path is a name in Shift-JIS
// from an older install: its bytes come back unchanged. (The load stops at
// that list, which is missing: the later paths stay at their defaults.)
TEST_F(SectionPagesTest, ADocumentLoadedAndSavedAgainKeepsItsBytes)
{
    std::string document = header;
    for (Which which : {basic, net, control, match, manip})
        document += SectionWith(which, sections[which].others);
    const std::string replayPath = "\n./Replay/replaycf.txt\n";
    document += configFiles;
    document.replace(document.find(replayPath), replayPath.size(),
                     "\n./Replay/\x83\x7b\x83\x4e\x83\x54\x81\x5b.txt\n");
    WriteFile("config.txt", document);
    SendMenu(window.Frame(), idInitialSettings);
    {
        DialogAnswer answer(U(window.Dir().Path() + "/config.txt"));
        SendMenu(window.Frame(), idLoad);
    }
    SendMenu(window.Frame(), idSave);
    EXPECT_EQ(ReadFile("config.txt"), document);
}

// ----------------------------------------------------------------------------
// the machine-spec presets of the basic page
// ----------------------------------------------------------------------------

namespace
{
struct Preset
{
    int menuId;
    std::map<BasicRow, int> sets;    // every other row keeps its value
};

const Preset presets[] = {
    {idUltraHighSpec,
     {{resolution, 2}, {mode, 0}, {partitions, 10}, {face, 2}, {shadows, 1}, {background, 2},
      {ringAds, 1}, {frameSkip, 1}, {polygonFont, 1}}},
    {idHighSpec,
     {{resolution, 1}, {mode, 0}, {partitions, 9}, {face, 2}, {shadows, 1}, {background, 2},
      {ringAds, 1}, {frameSkip, 1}, {polygonFont, 1}}},
    {idMiddleSpec,
     {{resolution, 0}, {mode, 0}, {partitions, 6}, {face, 2}, {shadows, 1}, {background, 2},
      {ringAds, 1}, {frameSkip, 1}, {polygonFont, 1}}},
    {idLowSpec,
     {{resolution, 0}, {mode, 0}, {partitions, 3}, {face, 1}, {shadows, 0}, {background, 1},
      {ringAds, 1}, {frameSkip, 1}, {polygonFont, 0}, {skipOpening, 1}}},
    {idUltraLowSpec,
     {{resolution, 0}, {mode, 1}, {partitions, 2}, {face, 1}, {shadows, 0}, {background, 0},
      {ringAds, 0}, {frameSkip, 2}, {polygonFont, 0}, {skipOpening, 1}, {skipReplay, 1}}},
};

// Two starting states that differ in every row: a preset that sets a row
// is seen to set it from at least one of them, and a row it should keep
// but overwrites differs from at least one of them afterwards.
const std::vector<int> startStates[] = {
    {3, 1, 4, 1, 1, 4, 64, 32, 2, 0, 0, 4, 0, 0, 0, 0, 0, 1, 5, 15, -45, 35, 0, 0, 1},
    {5, 0, 2, 0, 0, 3, 16, 120, 1, 1, 1, 8, 1, 1, 1, 1, 1, 0, 3, 7, 30, -60, 1, 1, 0},
};
}

// A preset writes nothing, says nothing and changes no other page.
TEST_F(SectionPagesTest, EachPresetSetsItsRowsAndKeepsEverythingElse)
{
    SendMenu(window.Frame(), idInitialSettings);
    ASSERT_TRUE(window.Frame().SaveConfig());
    const std::string saved = ReadFile("config.txt");
    for (const Preset& preset : presets)
        for (const std::vector<int>& start : startStates)
        {
            SCOPED_TRACE("menu id " + std::to_string(preset.menuId) + ", start " +
                         std::to_string(&start - startStates));
            for (int row = 0; row < basicRows; ++row)
                Section(basic).SetNumber(row, start[row]);
            window.Frame().SetStatusText(wxString(L"前のメッセージ"));
            SendMenu(window.Frame(), preset.menuId);

            std::vector<int> expected = start, held;
            for (const auto& [row, value] : preset.sets)
                expected[row] = value;
            for (int row = 0; row < basicRows; ++row)
                held.push_back(Section(basic).GetNumber(row));
            EXPECT_EQ(held, expected);
            EXPECT_EQ(B(StatusOf(window.Frame())), "前のメッセージ");
        }
    EXPECT_EQ(ReadFile("config.txt"), saved);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1);
    EXPECT_EQ(B(window.Frame().GetConfigPath().GetFullPath()), "./config.txt");
    const auto afterBasic = [](const std::string& document) {
        return document.substr(document.find("\n#Network Config\n"));
    };
    ASSERT_TRUE(window.Frame().SaveConfig());
    EXPECT_EQ(afterBasic(ReadFile("config.txt")), afterBasic(saved));
}
