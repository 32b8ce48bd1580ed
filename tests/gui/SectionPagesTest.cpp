// The five pages kept in config.txt (basic, network, control, match rules,
// manipulation): each section byte for byte, how its value lines are read,
// the machine-spec presets of the basic page, and the whole config.txt.
#include <filesystem>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>
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
#include "support/TempDir.h"

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

// the value lines of a file's bytes: neither empty nor comments
std::vector<std::string> ValueLinesOf(const std::string& bytes)
{
    std::istringstream in(bytes);
    std::vector<std::string> values;
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != '#')
            values.push_back(line);
    return values;
}

// the bytes with their value lines replaced, in order, by these values
std::string WithValues(const std::string& bytes, const std::vector<std::string>& values)
{
    std::istringstream in(bytes);
    std::string replaced;
    size_t next = 0;
    for (std::string line; std::getline(in, line);)
        replaced += (line.empty() || line[0] == '#' ? line : values.at(next++)) + "\n";
    return next == values.size() ? replaced : "<" + std::to_string(values.size()) + " values>";
}

// config.txt as the initial settings write it: the end-to-end test's golden
// file, with the two skip switches its key presses turn on put back off
std::string InitialConfig()
{
    const std::string golden = GoldenFile("config.txt");
    std::vector<std::string> values = ValueLinesOf(golden);
    values.at(skipOpening) = values.at(skipReplay) = "0";
    return WithValues(golden, values);
}

enum Which { basic, net, control, match, manip };

// a value line for every row of each section, none of them the default:
// odd texts, keys that are all different, the ends of the ranges
const struct
{
    const char* name;
    std::vector<std::string> others;
} sections[] = {
    {"basic", {"5", "1", "4", "1", "1", "4", "64", "120", "2", "0", "0", "3", "1",
               "0", "1", "0", "0", "1", "5", "15", "-45", "35", "1", "1", "1"}},
    {"net", {"ボクサー太郎と次郎と三郎", "192.168.0.300", " spaced.example ", "matchmake",
             "/a b/lobby.cgi", "20x0", "port", "0"}},
    {"control", {"1", "2", "2", "left shift", "\\", "F1", "A", "[/]", "[0]", "1", "2", "q", "w", "e", "r",
                 "t", "y", "u", "i", "o", "p", "[1]", "[3]", "[5]", "[7]"}},
    {"match", {"12", "90", "2", "1", "2", "1", "5", "1", "2", "3", "1", "9"}},
    {"manip", {"1", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12",
               "1", "-4", "-8", "-12", "-16", "-20", "-24", "-28", "-32", "-36", "-40", "-44", "-50"}},
};

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
        Read(section, Lines(others));

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
        Read(section, Lines(values));
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
        Read(Section(which), Lines(sections[which].others));
    SendMenu(window.Frame(), idInitialSettings);
    SendMenu(window.Frame(), idSave);
    EXPECT_EQ(ReadFile("config.txt"), InitialConfig());
}

// Every value goes to its own control and back to its own line, comments
// and empty lines between the values are skipped, and each section takes its
// own value lines and no more. The replay list path is a name in Shift-JIS
// from an older install: its bytes come back unchanged. (The load stops at
// that list, which is missing: the later paths stay at their defaults.)
TEST_F(SectionPagesTest, ADocumentLoadedAndSavedAgainKeepsItsBytes)
{
    std::vector<std::string> values;
    for (const auto& section : sections)
        values.insert(values.end(), section.others.begin(), section.others.end());
    const std::vector<std::string> initial = ValueLinesOf(InitialConfig());
    values.insert(values.end(), initial.begin() + values.size(), initial.end());    // the list paths
    std::string document = WithValues(InitialConfig(), values);
    const std::string replayPath = "\n./Replay/replaycf.txt\n";
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
// the rows a preset sets, and what each preset sets them to (-1: kept)
const BasicRow presetRows[] = {resolution, mode,      partitions,  face,        shadows,   background,
                               ringAds,    frameSkip, polygonFont, skipOpening, skipReplay};
const struct
{
    int menuId;
    int values[std::size(presetRows)];
} presets[] = {
    {idUltraHighSpec, {2, 0, 10, 2, 1, 2, 1, 1, 1, -1, -1}},
    {idHighSpec, {1, 0, 9, 2, 1, 2, 1, 1, 1, -1, -1}},
    {idMiddleSpec, {0, 0, 6, 2, 1, 2, 1, 1, 1, -1, -1}},
    {idLowSpec, {0, 0, 3, 1, 0, 1, 1, 1, 0, 1, -1}},
    {idUltraLowSpec, {0, 1, 2, 1, 0, 0, 0, 2, 0, 1, 1}},
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
    for (const auto& preset : presets)
        for (const std::vector<int>& start : startStates)
        {
            SCOPED_TRACE("menu id " + std::to_string(preset.menuId) + ", start " +
                         std::to_string(&start - startStates));
            for (int row = 0; row < basicRows; ++row)
                Section(basic).SetNumber(row, start[row]);
            window.Frame().SetStatusText(wxString(L"前のメッセージ"));
            SendMenu(window.Frame(), preset.menuId);

            std::vector<int> expected = start, held;
            for (size_t i = 0; i < std::size(presetRows); ++i)
                if (preset.values[i] != -1)
                    expected[presetRows[i]] = preset.values[i];
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
