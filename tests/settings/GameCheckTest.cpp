// What --check reports on a game directory: one table of small faults, each
// with the findings it must give, the sample's directory giving none.
#include <gtest/gtest.h>

#include "GameFiles.h"
#include "settings/ConfigDocument.h"
#include "settings/GameCheck.h"

namespace
{
// the sample game directory's layout, from the initial settings, with every
// file the lists name there
void MakeCleanGame()
{
    MakeGameFolders();
    GameSettings settings;
    settings.SetDefaults();
    settings.boxerList.members.SetPath(0, L"./Data/rookie.box");
    settings.fontList.paths.SetPath(0, L"./Font/title.ttf");    // no default font list to take them from
    settings.fontList.paths.SetPath(1, L"./Font/system.ttf");
    ASSERT_TRUE(ConfigDocument::Save(settings, L"config.txt"));
    for (const ListFile* list : settings.Lists())
        for (size_t slot = 0; slot < list->Files().Size(); ++slot)
            if (!list->Files().Path(slot).empty())
                WriteFile(list->Files().Path(slot).utf8_string(), "");
}

std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    return text.replace(text.find(from), from.size(), to);
}

std::vector<std::string> Findings()
{
    GameSettings settings;
    std::vector<std::string> lines;
    for (const Finding& finding : CheckGameDirectory(settings))
        lines.push_back((finding.file + L": " + finding.text).utf8_string());
    return lines;
}
}

TEST(GameCheck, ReportsEachFaultOfTheGameDirectoryAndNothingElse)
{
    const struct
    {
        const char* fault;
        std::function<void()> make;
        std::vector<std::string> findings;
    } cases[] = {
        {"none", [] {}, {}},
        {"a listed file missing, one written with \\",
         [] {
             std::remove("BGM/kokorogm.mid");
             WriteFile("BGM/bgmcf.txt", Replaced(ReadFile("BGM/bgmcf.txt"), "./BGM/cumugm.mid", ".\\BGM\\cumugm.mid"));
         },
         {"./BGM/bgmcf.txt: slot 2: ./BGM/kokorogm.mid not found"}},
        {"values written otherwise",
         [] {
             WriteFile("config.txt", Replaced(ReadFile("config.txt"), "#Default 0\n0\n", "#Default 0\n9\n"));
             WriteFile("Font/fontcf.txt", Replaced(ReadFile("Font/fontcf.txt"), "#Title Font Size\n", "#Title Font Size\n 24pt\n#"));
         },
         {"config.txt: line 7: read \"9\", will be written as \"-1\"",
          "./Font/fontcf.txt: line 6: read \" 24pt\", will be written as \"24\""}},
        {"a key twice, and a key of both players",
         [] {
             WriteFile("config.txt", Replaced(Replaced(ReadFile("config.txt"), "#Default \"x\"\nx\n", "#Default \"x\"\nz\n"),
                                              "#Default \".\"\n.\n", "#Default \".\"\nm\n"));
         },
         {"config.txt: key \"z\" is bound to both 1P Player1 Left Offense and 1P Player1 Right Offense",
          "config.txt: key \"m\" is bound to both 2P Player1 Forward and 2P Player2 Left Offense"}},
        {"lists a save refuses, and one not there",
         [] {
             const std::string config = ReadFile("config.txt");
             WriteFile("config.txt", Replaced(Replaced(Replaced(config, "\n./Data/thinkcf.txt\n", "\n../victim.txt\n"),
                                                       "\n./SE/secf.txt\n", "\n./BGM/bgmcf.txt\n"),
                                              "\n./Replay/replaycf.txt\n", "\n./Replay/\n"));
         },
         {"./Replay/: the editor stops loading at step 8: リプレイ設定ファイルが異常です (replay settings file is invalid)",
          "./Replay/: names a folder: the list will not be written",
          "./BGM/bgmcf.txt: is written by another list: this list will not be written",
          "../victim.txt: lies outside the game directory: the list will not be written"}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.fault);
        TempDir dir;
        MakeCleanGame();
        c.make();
        const std::string config = ReadFile("config.txt");
        EXPECT_EQ(Findings(), c.findings);
        EXPECT_EQ(ReadFile("config.txt"), config) << "the check changes no file";
    }
}
