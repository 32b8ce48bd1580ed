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

const std::string controlDefaults = Lines({
    "", "#Control Config", "#Player1 Mode  0 : Full Control  1 : Semi-Automatic  2 : Automatic", "#Default 0",
    "0", "#Player2 Mode  0 : Full Control  1 : Semi-Automatic  2 : Automatic", "#Default 0", "0",
    "#Use Mouse  1 : Player1  2 : Player2", "#Default 1", "1", "#For Go Next", "#Default \"space\"", "space",
    "#For 1P Player1", "#1P Player1 Left Offense", "#Default \"z\"", "z",
    "#1P Player1 Right Offense", "#Default \"x\"", "x", "#1P Player1 Defense", "#Default \"c\"", "c",
    "#1P Player1 Forward", "#Default \"right\"", "right", "#1P Player1 Back", "#Default \"left\"", "left",
    "#1P Player1 Right", "#Default \"down\"", "down", "#1P Player1 Left", "#Default \"up\"", "up",
    "#For 2P Player1", "#2P Player1 Left Offense", "#Default \"z\"", "z",
    "#2P Player1 Right Offense", "#Default \"x\"", "x", "#2P Player1 Defense", "#Default \"c\"", "c",
    "#2P Player1 Forward", "#Default \"m\"", "m", "#2P Player1 Back", "#Default \"b\"", "b",
    "#2P Player1 Right", "#Default \"n\"", "n", "#2P Player1 Left", "#Default \"h\"", "h",
    "#For 2P Player2", "#2P Player2 Left Offense", "#Default \".\"", ".",
    "#2P Player2 Right Offense", "#Default \"/\"", "/", "#2P Player2 Defense", "#Default \"\\\"", "\\",
    "#2P Player2 Forward", "#Default \"[4]\"", "[4]", "#2P Player2 Back", "#Default \"[6]\"", "[6]",
    "#2P Player2 Right", "#Default \"[8]\"", "[8]", "#2P Player2 Left", "#Default \"[2]\"", "[2]",
});

const std::string matchDefaults = Lines({
    "", "#Match Rules Config", "#Max Round", "#Default 6", "6", "#Round Time", "#Default 60", "60",
    "#TKO System", "#Default 3", "3", "#Judging System 0 : Round Must  1 : Not Round Must", "#Default 0", "0",
    "#Count System 0 : Last Round Stop  1 : Last Round Continue",
    "#             2 : All Round Stop   3 : All Round Continue", "#Default 0", "0",
    "#Extra Round 0 : OFF 1 : ON", "#Default 0", "0", "#KO Count", "#Default 10", "10",
    "#Judge Type 0 : Random  1 : Hit  2 : Critical  3 : Damage", "#Default 0", "0", "0", "0",
    "#Extra Information 0 : OFF 1 : ON", "#Default 0", "0", "##Replay Rate  1-10", "#Default 5", "5",
});

const std::string manipDefaults = Lines({
    "", "#Match Manipulation Config", "#Red Corner Manipulation 0 : OFF 1 : ON", "#Default 0", "0",
    "#Red Punch Manipulation -50-50", "#Default 0", "0", "#Red Speed Manipulation -50-50", "#Default 0", "0",
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

// a section page through the calls they all have
struct SectionPage
{
    SettingTable& settings;
    std::function<std::string()> write;
    std::function<bool(wxTextInputStream&)> read;

    bool Read(const std::string& bytes)
    {
        bool result = false;
        ReadFrom(bytes, [&](wxTextInputStream& in) { result = read(in); });
        return result;
    }
};

template <class Page>
SectionPage Of(Page* page)
{
    return {page->Settings(), [page] { return WrittenSection(*page); },
            [page](wxTextInputStream& in) { return page->ReadSection(in); }};
}

class SectionPagesTest : public testing::Test
{
protected:
    myNotebook& Pages() { return *window.Frame().GetNotebook(); }
    SettingTable& Basic() { return Pages().basicPage->Settings(); }
    SectionPage Page(Which which)
    {
        myNotebook& p = Pages();
        SectionPage pages[] = {Of(p.basicPage), Of(p.netPage), Of(p.controlPage), Of(p.matchPage),
                               Of(p.manipPage)};
        return pages[which];
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
        SectionPage page = Page(c.which);
        const std::vector<std::string>& others = sections[c.which].others;
        ASSERT_TRUE(page.Read(SectionWith(c.which, others)));

        std::vector<std::string> expected(others.begin(), others.begin() + c.given);
        EXPECT_TRUE(page.Read(Lines(expected)));
        expected.insert(expected.end(), c.rest.begin(), c.rest.end());
        const std::string written = page.write();
        EXPECT_EQ(ValueLinesOf(written), expected);

        page.settings.SetDefaults();
        EXPECT_TRUE(page.Read(written));
        EXPECT_EQ(page.write(), written);
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
        // blanks and a sign first, then the digits up to the first other character
        {basic, brightness, "12abc", 12, "12"}, {basic, brightness, "abc", 0, "0"},
        {basic, brightness, "  -5", -5, "-5"}, {basic, angle, "+15", 15, "15"},
        {basic, angle, "\t-20 deg", -20, "-20"}, {basic, resolution, "2 (1024)", 2, "2"},
        {basic, language, "x1", 0, "0"}, {basic, partitions, "7.9", 7, "7"},
        {control, ControlPage::modeP1Row, "+2x", 2, "2"}, {net, NetPage::lobbyModeRow, "CGI", 0, "0"},
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
        SectionPage page = Page(c.which);
        std::vector<std::string> values = sections[c.which].others;
        values.at(c.row) = c.line;
        ASSERT_TRUE(page.Read(SectionWith(c.which, values)));
        EXPECT_EQ(page.settings.GetNumber(c.row), c.held);
        if (c.held == -1)
            EXPECT_EQ(B(dynamic_cast<wxComboBox&>(*page.settings.Control(c.row)).GetValue()), "");
        values.at(c.row) = c.written;
        EXPECT_EQ(ValueLinesOf(page.write()), values);
    }
}

// ----------------------------------------------------------------------------
// the whole config.txt
// ----------------------------------------------------------------------------

// every row of every page away from its default first
TEST_F(SectionPagesTest, InitialSettingsWriteTheWholeConfigTxt)
{
    for (Which which : {basic, net, control, match, manip})
        ASSERT_TRUE(Page(which).Read(SectionWith(which, sections[which].others)));
    SendMenu(window.Frame(), idInitialSettings);
    SendMenu(window.Frame(), idSave);
    EXPECT_EQ(ReadFile("config.txt"), header + basicDefaults + netDefaults + controlDefaults +
                                          matchDefaults + manipDefaults + configFiles);
}

// Every value goes to its own control and back to its own line, comments
// and empty lines between the values are skipped, and each section takes its
// own value lines and no more.
TEST_F(SectionPagesTest, ADocumentLoadedAndSavedAgainKeepsItsBytes)
{
    std::string document = header;
    for (Which which : {basic, net, control, match, manip})
        document += SectionWith(which, sections[which].others);
    document += configFiles;
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
    void (BasicPage::*apply)();
    std::map<BasicRow, int> sets;    // every other row keeps its value
};

const Preset presets[] = {
    {idUltraHighSpec, &BasicPage::SetUltraHighSpec,
     {{resolution, 2}, {mode, 0}, {partitions, 10}, {face, 2}, {shadows, 1}, {background, 2},
      {ringAds, 1}, {frameSkip, 1}, {polygonFont, 1}}},
    {idHighSpec, &BasicPage::SetHighSpec,
     {{resolution, 1}, {mode, 0}, {partitions, 9}, {face, 2}, {shadows, 1}, {background, 2},
      {ringAds, 1}, {frameSkip, 1}, {polygonFont, 1}}},
    {idMiddleSpec, &BasicPage::SetMiddleSpec,
     {{resolution, 0}, {mode, 0}, {partitions, 6}, {face, 2}, {shadows, 1}, {background, 2},
      {ringAds, 1}, {frameSkip, 1}, {polygonFont, 1}}},
    {idLowSpec, &BasicPage::SetLowSpec,
     {{resolution, 0}, {mode, 0}, {partitions, 3}, {face, 1}, {shadows, 0}, {background, 1},
      {ringAds, 1}, {frameSkip, 1}, {polygonFont, 0}, {skipOpening, 1}}},
    {idUltraLowSpec, &BasicPage::SetUltraLowSpec,
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

TEST_F(SectionPagesTest, EachPresetSetsItsRowsAndKeepsTheOthers)
{
    for (const Preset& preset : presets)
        for (const std::vector<int>& start : startStates)
            for (bool fromMenu : {false, true})
            {
                SCOPED_TRACE("menu id " + std::to_string(preset.menuId) + ", start " +
                             std::to_string(&start - startStates) + (fromMenu ? ", menu" : ""));
                for (int row = 0; row < basicRows; ++row)
                    Basic().SetNumber(row, start[row]);
                if (fromMenu)
                    SendMenu(window.Frame(), preset.menuId);
                else
                    (Pages().basicPage->*preset.apply)();

                std::vector<int> expected = start, held;
                for (const auto& [row, value] : preset.sets)
                    expected[row] = value;
                for (int row = 0; row < basicRows; ++row)
                    held.push_back(Basic().GetNumber(row));
                EXPECT_EQ(held, expected);
            }
}

TEST_F(SectionPagesTest, PresetsWriteNothingAndSayNothing)
{
    SendMenu(window.Frame(), idInitialSettings);
    SendMenu(window.Frame(), idSave);
    const std::string saved = ReadFile("config.txt");
    const auto afterBasic = [](const std::string& document) {
        return document.substr(document.find("\n#Network Config\n"));
    };
    for (const Preset& preset : presets)
    {
        window.Frame().SetStatusText(wxString(L"前のメッセージ"));
        SendMenu(window.Frame(), preset.menuId);
        EXPECT_EQ(ReadFile("config.txt"), saved);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1);
        EXPECT_EQ(B(StatusOf(window.Frame())), "前のメッセージ");
        EXPECT_EQ(B(window.Frame().GetConfigPath().GetFullPath()), "./config.txt");
    }
    // every other page and the list paths are as they were
    ASSERT_TRUE(window.Frame().SaveConfig());
    EXPECT_EQ(afterBasic(ReadFile("config.txt")), afterBasic(saved));
}
