// The five machine-spec presets: which controls of the basic page each one
// sets, that nothing else changes, and the menu that reaches them.
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>
#include <vector>
#include <wx/accel.h>
#include <wx/combobox.h>
#include <wx/menu.h>

#include "app/MenuId.h"
#include "app/myFrame.h"
#include "app/myNotebook.h"
#include "pages/BasicPage.h"
#include "support/GuiHelpers.h"

namespace
{
// rows of the basic page, in the order of their value lines
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

struct Preset
{
    int menuId;
    void (BasicPage::*apply)();
    const char* label;
    const char* help;
    char key;    // with Ctrl
    std::map<Row, int> sets;    // every other row keeps its value
};

const Preset presets[] = {
    {idUltraHighSpec, &BasicPage::SetUltraHighSpec, "更に高スペック(&1)\tCtrl-1",
     "超高スペック用設定", '1',
     {{resolution, 2}, {mode, 0}, {partitions, 10}, {face, 2}, {shadows, 1}, {background, 2},
      {ringAds, 1}, {frameSkip, 1}, {polygonFont, 1}}},
    {idHighSpec, &BasicPage::SetHighSpec, "高スペック(&2)\tCtrl-2", "高スペック用設定", '2',
     {{resolution, 1}, {mode, 0}, {partitions, 9}, {face, 2}, {shadows, 1}, {background, 2},
      {ringAds, 1}, {frameSkip, 1}, {polygonFont, 1}}},
    // the medium-spec item has the mnemonic 4, like the low-spec one
    {idMiddleSpec, &BasicPage::SetMiddleSpec, "中スペック(&4)\tCtrl-3", "中スペック用設定", '3',
     {{resolution, 0}, {mode, 0}, {partitions, 6}, {face, 2}, {shadows, 1}, {background, 2},
      {ringAds, 1}, {frameSkip, 1}, {polygonFont, 1}}},
    {idLowSpec, &BasicPage::SetLowSpec, "低スペック(&4)\tCtrl-4", "低スペック用設定", '4',
     {{resolution, 0}, {mode, 0}, {partitions, 3}, {face, 1}, {shadows, 0}, {background, 1},
      {ringAds, 1}, {frameSkip, 1}, {polygonFont, 0}, {skipOpening, 1}}},
    {idUltraLowSpec, &BasicPage::SetUltraLowSpec, "更に低スペック(&5)\tCtrl-5",
     "超低スペック用設定", '5',
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

enum class Way
{
    method,
    menu
};

class PresetTest : public testing::Test
{
protected:
    myFrame& Frame() { return window.Frame(); }
    BasicPage& Page() { return *Frame().GetNotebook()->basicPage; }
    SettingTable& Settings() { return Page().Settings(); }

    void SetAll(const std::vector<int>& values)
    {
        for (int row = 0; row < rowCount; ++row)
            Settings().SetNumber(row, values[row]);
        ASSERT_EQ(GetAll(), values);
    }
    std::vector<int> GetAll()
    {
        std::vector<int> values;
        for (int row = 0; row < rowCount; ++row)
            values.push_back(Settings().GetNumber(row));
        return values;
    }
    void Apply(const Preset& preset, Way way)
    {
        if (way == Way::method)
            (Page().*preset.apply)();
        else
            SendMenu(Frame(), preset.menuId);
    }

    FrameInTempDir window;
};

// every file under the working directory with its bytes
std::map<std::string, std::string> Snapshot()
{
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator("."))
        if (entry.is_regular_file())
            files[entry.path().string()] = ReadFile(entry.path().string());
    return files;
}

// a saved document without the header and the basic page's 89 lines
std::string WithoutBasicSection(const std::string& document)
{
    size_t start = 0;
    for (int line = 0; line < 2 + 89; ++line)
    {
        start = document.find('\n', start);
        if (start == std::string::npos)
            return "<document too short>";
        ++start;
    }
    return document.substr(start);
}
}

TEST_F(PresetTest, EachPresetSetsItsControlsAndKeepsTheOthers)
{
    for (const Preset& preset : presets)
        for (const std::vector<int>& start : startStates)
            for (Way way : {Way::method, Way::menu})
            {
                SCOPED_TRACE(std::string(preset.label) +
                             (way == Way::menu ? " from the menu" : " called") + ", start " +
                             std::to_string(&start - startStates));
                SetAll(start);
                Apply(preset, way);
                std::vector<int> expected = start;
                for (const auto& [row, value] : preset.sets)
                    expected[row] = value;
                EXPECT_EQ(GetAll(), expected);
            }
}

TEST_F(PresetTest, OnlyTheLowestPresetSelectsFullScreen)
{
    auto* modeBox = dynamic_cast<wxComboBox*>(Settings().Control(mode));
    ASSERT_NE(modeBox, nullptr);
    for (const Preset& preset : presets)
    {
        SCOPED_TRACE(preset.label);
        SetAll(startStates[preset.menuId == idUltraLowSpec ? 1 : 0]);    // the other mode
        Apply(preset, Way::menu);
        EXPECT_EQ(B(modeBox->GetStringSelection()),
                  preset.menuId == idUltraLowSpec ? "フルスクリーン" : "ウィンドウ");
    }
}

TEST_F(PresetTest, SkipSettingsTurnedOnStayOnUnderLaterPresets)
{
    SetAll(startStates[0]);    // both skips OFF
    SendMenu(Frame(), idUltraLowSpec);
    SendMenu(Frame(), idLowSpec);
    EXPECT_EQ(Settings().GetNumber(skipReplay), 1);
    EXPECT_EQ(Settings().GetNumber(skipOpening), 1);

    SetAll(startStates[0]);
    SendMenu(Frame(), idLowSpec);
    EXPECT_EQ(Settings().GetNumber(skipReplay), 0);
    SendMenu(Frame(), idUltraHighSpec);
    EXPECT_EQ(Settings().GetNumber(skipOpening), 1);
    EXPECT_EQ(Settings().GetNumber(skipReplay), 0);
    EXPECT_EQ(Settings().GetNumber(resolution), 2);
}

TEST_F(PresetTest, MiddleSpecGivesTheDefaultPartitions)
{
    SetAll(startStates[0]);
    SendMenu(Frame(), idMiddleSpec);
    const int afterPreset = Settings().GetNumber(partitions);
    Page().SetDefaults();
    EXPECT_EQ(afterPreset, 6);
    EXPECT_EQ(Settings().GetNumber(partitions), afterPreset);
}

TEST_F(PresetTest, PresetsWriteNothingAndSayNothing)
{
    SendMenu(Frame(), idInitialSettings);
    SendMenu(Frame(), idSave);
    ASSERT_EQ(B(StatusOf(Frame())), "保存しました");
    const std::string before = WithoutBasicSection(ReadFile("config.txt"));

    for (const Preset& preset : presets)
    {
        SCOPED_TRACE(preset.label);
        Frame().SetStatusText(wxString(L"前のメッセージ"));
        const auto files = Snapshot();
        SendMenu(Frame(), preset.menuId);
        EXPECT_EQ(Snapshot(), files);
        EXPECT_EQ(B(StatusOf(Frame())), "前のメッセージ");
        EXPECT_EQ(B(Frame().GetConfigPath().GetFullPath()), "./config.txt");
    }

    // every other page and the list paths are as they were
    ASSERT_TRUE(Frame().SaveConfig());
    EXPECT_EQ(WithoutBasicSection(ReadFile("config.txt")), before);
}

TEST_F(PresetTest, TheMenuOffersThePresetsWithCtrlDigits)
{
    wxMenuBar* bar = Frame().GetMenuBar();
    ASSERT_NE(bar, nullptr);
    const int menuIndex = bar->FindMenu(wxString(L"マシンスペック(&S)"));
    ASSERT_NE(menuIndex, wxNOT_FOUND);
    EXPECT_EQ(B(bar->GetMenuLabel(menuIndex)), "マシンスペック(&S)");
    wxMenu* menu = bar->GetMenu(menuIndex);
    ASSERT_EQ(menu->GetMenuItemCount(), 5u);

    size_t position = 0;
    for (const Preset& preset : presets)
    {
        SCOPED_TRACE(preset.label);
        wxMenuItem* item = bar->FindItem(preset.menuId);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(menu->FindItemByPosition(position++), item);
        EXPECT_EQ(B(item->GetItemLabel()), preset.label);
        EXPECT_EQ(B(item->GetHelp()), preset.help);
        std::unique_ptr<wxAcceleratorEntry> accel(item->GetAccel());
        ASSERT_NE(accel, nullptr);
        EXPECT_EQ(accel->GetFlags(), wxACCEL_CTRL);
        EXPECT_EQ(accel->GetKeyCode(), preset.key);
    }
}
