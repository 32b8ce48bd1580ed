// The five sections of config.txt: the rules a value is taken by, a section
// that ends early, and the machine-spec presets of the basic section.
#include <gtest/gtest.h>
#include <iterator>
#include <map>

#include "GameFiles.h"
#include "settings/MachineSpec.h"

namespace
{
void Read(SettingSection& section, const std::string& bytes)
{
    ReadFrom(bytes, [&](wxTextInputStream& in) { section.Read(in); });
}
}

// One value line changed in the defaults of its section: what the setting
// holds then, and what the section writes for it; the others stay.
TEST(Sections, AValueIsTakenByTheRuleOfItsSetting)
{
    GameSettings g;
    SettingSection &basic = g.basic, &net = g.net, &control = g.control, &match = g.match, &manip = g.manip;
    const struct { SettingSection& section; const char *name, *line, *held, *written = nullptr; } cases[] = {
        // the leading decimal, for a slider and a list
        {basic, "brightness", "  -5abc", "-5"}, {basic, "resolution", "2 (1024)", "2"},
        // a slider holds the nearer end of its range
        {basic, "angle", "500", "90"}, {basic, "seVolume", "-9", "-8"}, {basic, "partitions", "1", "2"},
        {basic, "skipFrame", "6", "5"}, {match, "roundTime", "900", "600"}, {manip, "adjust1.3", "99", "50"},
        {manip, "adjust0.0", "-51", "-50"},
        // a list outside its choices selects nothing, written as -1
        {basic, "resolution", "6", "-1"}, {basic, "screenMode", "-1", "-1"}, {manip, "switch1", "2", "-1"},
        {match, "countAfterGong", "7", "-1"}, {net, "lobbyMode", "2", "-1"},
        // lists stored as other numbers than their index
        {control, "mousePlayer", "2nd", "1", "2"}, {control, "mousePlayer", "1", "0", "1"},
        {control, "mousePlayer", "0", "-1", "0"}, {control, "mousePlayer", "3", "-1", "0"},
        {match, "tkoSystem", "2", "0", "2"}, {match, "tkoSystem", "3", "1", "3"},
        {match, "tkoSystem", "255", "2", "255"}, {match, "tkoSystem", "0", "2", "255"},
        {match, "tkoSystem", "4", "2", "255"}, {match, "tkoSystem", "x", "2", "255"},
        // texts as they stand; a single blank is the empty text, written so
        {net, "userName", "  two  blanks ", "  two  blanks "}, {net, "tcpPort", "20x0", "20x0"},
        {control, "key2.2", "\\", "\\"}, {control, "key0.0", "left shift", "left shift"},
        {control, "goNextKey", " ", "", " "}, {control, "key1.1", "   ", "   "}, {net, "cgiHost", "\t", "\t"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.name) + ": " + c.line);
        c.section.SetDefaults();
        const size_t row = c.section.Find(c.name);
        std::vector<std::string> values = ValueLinesOf(Bytes(c.section));
        values.at(row) = c.line;
        Read(c.section, Lines(values));
        const bool text = c.section.At(row).HoldsText();
        EXPECT_EQ(text ? c.section.Text(row).utf8_string() : std::to_string(c.section.Number(row)), c.held);
        values.at(row) = c.written ? c.written : c.held;
        EXPECT_EQ(ValueLinesOf(Bytes(c.section)), values);
    }
}

// Past the end a number reads as 0 and a text as nothing; an empty text is
// written as one blank, so that the section reads back line for line.
TEST(Sections, ASectionEndingEarlyReadsTheRestAsZerosAndEmptyTexts)
{
    GameSettings g;
    const struct { SettingSection& section; size_t given; std::string rest; } cases[] = {
        {g.basic, 10, "0|2|0|0|0|0|0|0|1|0|0|0|0|0|0"}, {g.net, 2, " | | | | |0"},
        {g.control, 2, "0" + ReplacedAll(std::string(22, '|'), '|', "| ")}, {g.match, 0, "1|10|255|0|0|0|3|0|0|0|0|1"},
        {g.manip, 0, "0" + ReplacedAll(std::string(25, '|'), '|', "|0")},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.section.At(0).name);
        SetOthers(c.section);
        std::vector<std::string> expected = ValueLinesOf(Bytes(c.section));
        expected.resize(c.given);
        Read(c.section, Lines(expected));
        for (const std::string& value : Split(c.rest, '|'))
            expected.push_back(value);
        const std::string written = Bytes(c.section);
        EXPECT_EQ(ValueLinesOf(written), expected);

        c.section.SetDefaults();
        Read(c.section, written);
        EXPECT_EQ(Bytes(c.section), written);
    }
}

// What the basic page shows after each preset, applied to the defaults and to other values in every row: the
// preset's values where it sets them ("-": it does not), what was there everywhere else.
TEST(Sections, EachPresetShowsItsDisplaySettingsAndKeepsTheRest)
{
    const char* const captions[] = {"解像度", "モード", "分割数", "顔表示", "影", "背景", "リング広告",
                                    "スキップフレーム", "ポリゴンフォント", "スキップオープニング", "スキップリプレイ"};
    const std::pair<MachineSpec, std::vector<const char*>> presets[] = {
        {MachineSpec::ultraHigh, {"1024x768", "ウィンドウ", "10", "ポリゴン", "ON", "テクスチャ", "ON", "1", "使用する", "-", "-"}},
        {MachineSpec::high, {" 800x600", "ウィンドウ", "9", "ポリゴン", "ON", "テクスチャ", "ON", "1", "使用する", "-", "-"}},
        {MachineSpec::middle, {" 640x480", "ウィンドウ", "6", "ポリゴン", "ON", "テクスチャ", "ON", "1", "使用する", "-", "-"}},
        {MachineSpec::low, {" 640x480", "ウィンドウ", "3", "テクスチャ", "OFF", "グレー", "ON", "1", "使用しない", "ON", "-"}},
        {MachineSpec::ultraLow, {" 640x480", "フルスクリーン", "2", "テクスチャ", "OFF", "OFF", "OFF", "2", "使用しない", "ON", "ON"}},
    };
    const auto shownOn = [](const SettingSection& basic) {    // caption: what its control shows
        std::map<std::string, std::string> shown;
        for (size_t row = 0; row < basic.Size(); ++row)
        {
            const Setting& setting = basic.At(row);
            const int n = basic.Number(row);
            shown[setting.caption.utf8_string()] =
                setting.kind == Setting::choice ? setting.choices.at(n).utf8_string() : std::to_string(n);
        }
        return shown;
    };
    GameSettings g;
    for (const auto& [spec, set] : presets)
        for (bool others : {false, true})
        {
            SCOPED_TRACE(std::to_string(static_cast<int>(spec)) + (others ? ", others" : ""));
            g.basic.SetDefaults();
            if (others)
                SetOthers(g.basic);
            auto expected = shownOn(g.basic);
            for (size_t i = 0; i < std::size(captions); ++i)
                if (std::string(set.at(i)) != "-")
                    expected.at(captions[i]) = set[i];
            ApplyMachineSpec(g.basic, spec);
            EXPECT_EQ(shownOn(g.basic), expected);
        }
}

// A tooltip is made from the declaration alone (what it does, the choices or the range, the default), so a
// changed range or default changes it; the comment lines play no part. Every setting says what it does.
TEST(Sections, ATooltipFollowsTheDeclaration)
{
    GameSettings g;
    Setting view = g.basic.At(g.basic.Find("resolution")), keyed = g.control.At(g.control.Find("key2.3")),
            slider = g.match.At(g.match.Find("roundTime"));
    EXPECT_EQ(view.Help().utf8_string(), "ゲーム画面の大きさ\n選択肢: 640x480 / 800x600 / 1024x768 / 320x240\n"
                                         "400x300 / 512x384\n初期値: 640x480");
    EXPECT_EQ(keyed.Help().utf8_string(), "2P Player2の前移動に使うキー\nキーを押すと、そのキーの名前が入ります\n初期値: [4]");
    EXPECT_EQ(slider.Help().utf8_string(), "1ラウンドの長さ（秒）\n範囲: 10 〜 600（矢印で 30 ずつ）\n初期値: 60");
    view.defaultNumber = 5, slider.max = 900, slider.step = 1, slider.defaultNumber = 90;
    EXPECT_TRUE(view.Help().EndsWith(L"400x300 / 512x384\n初期値: 512x384"));
    EXPECT_EQ(slider.Help().utf8_string(), "1ラウンドの長さ（秒）\n範囲: 10 〜 900\n初期値: 90");
    std::vector<SettingSection*> sections = g.Sections();
    sections.insert(sections.end(), {&g.replayList.values, &g.fontList.sizes});
    for (const SettingSection* section : sections)
        for (size_t row = 0; row < section->Size(); ++row)
            EXPECT_FALSE(section->At(row).about.empty() || section->At(row).Help().Contains(L"#"))
                << section->At(row).name;
}
