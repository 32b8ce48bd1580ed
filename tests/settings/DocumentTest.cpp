// config.txt and the seven list files as a whole: the initial settings byte for byte, load and save giving
// back the same bytes, the load order and the step it tells, damaged files, files that cannot be written, and
// what --check reports on a game directory.
#include <algorithm>
#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "GameFiles.h"
#include "settings/ConfigDocument.h"
#include "settings/GameCheck.h"
#include "settings/GameFolderSigns.h"
#include "settings/GamePath.h"

namespace
{
auto Save(const GameSettings& settings) { return ConfigDocument::Save(settings, L"config.txt"); }
auto Load(GameSettings& settings) { return ConfigDocument::Load(settings, L"config.txt"); }

// config.txt and the list files the settings name, in the order of Lists(), with their bytes
using Files = std::vector<std::pair<std::string, std::string>>;
Files FilesOf(const GameSettings& settings)
{
    Files files = {{"config.txt", ReadFile("config.txt")}};
    for (const ListFile* list : settings.Lists())
        files.push_back({GamePath::ToBytes(list->path), ReadFile(GamePath::ToBytes(list->path))});
    return files;
}

// the sample game directory's layout, from the initial settings, with every file the lists name there
void MakeCleanGame()
{
    MakeGameFolders();
    GameSettings settings;
    settings.SetDefaults();
    settings.boxerList.members.SetPath(0, L"./Data/rookie.box");
    settings.fontList.paths.SetPath(0, L"./Font/title.ttf");    // no default font list to take them from
    settings.fontList.paths.SetPath(1, L"./Font/system.ttf");
    ASSERT_TRUE(Save(settings));
    for (const ListFile* list : settings.Lists())
        for (size_t slot = 0; slot < list->Files().Size(); ++slot)
            if (!list->Files().Path(slot).empty())
                WriteFile(list->Files().Path(slot).utf8_string(), "");
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

// Files changed in one way, some with CRLF endings: the save gives back what was read, with line feeds. The
// think list, named in Shift-JIS, is read and written by the bytes of its name.
TEST(Document, LoadingAndSavingGivesBackTheBytes)
{
    const std::string sjis = "\x83\x7b\x83\x4e\x83\x54\x81\x5b", longLine(5 << 20, 'L');
    // in config.txt the first text value, in a list file the first path
    const std::string text = wxString(L"テキスト").utf8_string(), path = wxString(L"ファイル").utf8_string();
    const struct { const char* what; std::string value; bool crlf; } cases[] = {
        {"as saved", "", false}, {"CRLF endings", "", true}, {"Shift-JIS names", sjis, false},
        {"5 MB lines, CRLF endings", longLine, true},
    };
    TempDir dir;
    GameSettings others;
    SetOthers(others);
    others.thinkList.path = GamePath::FromBytes("think-" + sjis + ".txt");
    ASSERT_TRUE(Save(others));
    const Files saved = FilesOf(others);
    ASSERT_EQ(saved.back().second, others.thinkList.Bytes());
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        Files expected = saved;
        for (auto& [name, bytes] : expected)
        {
            if (!c.value.empty())
                bytes = Replaced(bytes, name == "config.txt" ? text : path, c.value);
            WriteFile(name, c.crlf ? ReplacedAll(bytes, '\n', "\r\n") : bytes);
        }
        GameSettings settings;
        ASSERT_EQ(Load(settings), std::nullopt);
        for (const auto& file : saved)
            std::filesystem::remove(file.first);
        ASSERT_TRUE(Save(settings));
        EXPECT_EQ(FilesOf(settings), expected);
    }
}

// The twenty steps by their number: 1 config.txt; 2 to 6 the sections (they never fail); then the path and
// the file of each list, in the order of Lists(); the image list's file is read after the music list's. Only
// config.txt stops the load: a list that cannot be read gets its initial entries and keeps the path the
// document names, every other list is read, and the load tells the first step that failed.
TEST(Document, LoadTellsTheFirstStepThatFailedAndReadsEveryListItCan)
{
    const int fileSteps[] = {1, 8, 10, 14, 13, 16, 18, 20};    // by file, in the order of FilesOf
    TempDir dir;
    GameSettings loaded, before, initial;    // before: nothing put in yet
    SetOthers(loaded);
    initial.SetDefaults();    // there are no default list files here
    const Files files = FilesOf(loaded);
    for (size_t a = 0; a <= files.size(); ++a)    // config.txt, a list or none missing,
        for (size_t b = a; b <= files.size(); ++b)    // and a later one
        {
            SCOPED_TRACE("missing " + std::to_string(a) + " and " + std::to_string(b));
            ASSERT_TRUE(Save(loaded));
            std::set<size_t> missing;
            int first = 21;
            for (size_t file : {a, b})
                if (file < files.size() && missing.insert(file).second)
                {
                    first = std::min(first, fileSteps[file]);
                    std::filesystem::remove(files[file].first);
                    if ((a + b) % 2 && file == a)
                        MakeDir(files[file].first);    // a folder cannot be read either
                }
            GameSettings settings = before;
            const std::optional<LoadStep> step = Load(settings);
            EXPECT_EQ(step ? static_cast<int>(*step) : 21, first);
            const bool opened = missing.count(0) == 0;
            // the sections and the list paths
            EXPECT_EQ(ConfigDocument::Bytes(settings), ConfigDocument::Bytes(opened ? loaded : before));
            for (size_t i = 0; i < 7; ++i)
            {
                const GameSettings& contents = !opened ? before : missing.count(i + 1) ? initial : loaded;
                EXPECT_EQ(Bytes(*settings.Lists()[i]), Bytes(*contents.Lists()[i])) << "list " << i;
            }
            for (size_t file : missing)
                std::filesystem::remove_all(files[file].first);
        }
}

// Damaged config.txt: the sections take what they find and the load goes on to the replay list, whose path is
// then empty. Damaged list files: every list is read. Either way the save writes config.txt whole.
TEST(Document, DamagedFilesAreReadAsFarAsTheyGoAndSavedWhole)
{
    std::string binary;
    for (unsigned i = 0; i < 8192; ++i)
        binary += static_cast<char>(i * 2654435761u >> 24);
    const std::string nul("\0\n", 2);
    const std::string configs[] = {    // config.txt replaced by one of these
        "", binary, "#Config File for Ringvald Ver 1.2.0 Release\n\n#Screen Con", std::string(300000, '\n'),
        ReplacedAll(std::string(25, '\n'), '\n', nul) + "us" + nul + "er\n", std::string(5 << 20, '7'),
        "99999999999999999999\n-99999999999999999999\n"};
    const std::function<std::string(const std::string&)> damaged[] = {    // or every list file so
        [&](auto&) { return binary; }, [](auto& b) { return b.substr(0, 37); },
        [](auto& b) { return "./" + std::string(5 << 20, 'y') + "\n" + b; },
        [&](auto& b) { return ReplacedAll(b, '\n', nul); }};
    TempDir dir;
    GameSettings others;
    SetOthers(others);
    for (size_t k = 0; k < std::size(configs) + std::size(damaged); ++k)
    {
        SCOPED_TRACE("case " + std::to_string(k));
        const bool config = k < std::size(configs);
        ASSERT_TRUE(Save(others));
        const std::string before = ReadFile("config.txt");
        for (const auto& [name, bytes] : FilesOf(others))
            if (config == (name == "config.txt"))
                WriteFile(name, config ? configs[k] : damaged[k - std::size(configs)](bytes));
        GameSettings settings;
        settings.SetDefaults();
        EXPECT_EQ(Load(settings), config ? std::optional(LoadStep::replayListFile) : std::nullopt);
        EXPECT_EQ(settings.replayList.path, config ? wxString() : others.replayList.path);
        ASSERT_TRUE(Save(settings).documentOpened);
        const std::string saved = ReadFile("config.txt");
        EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 337) << "every line written";
        EXPECT_EQ(saved.substr(saved.size() - 14), "\n#End of File\n");
        if (!config)
            EXPECT_EQ(saved, before);
    }
}

// A list is written only where it belongs: outside the game only where the user browsed to, never on the
// document (here game.txt) or config.txt. One that is not written keeps its file and is named, and the
// document is saved all the same; a document in a folder not there is not saved. (Folders, NUL and shared
// files: the check's findings below.)
TEST(Document, AListIsWrittenOnlyInsideTheGameDirectoryAndNeverOverAnotherFile)
{
    const struct { std::string path; bool picked, written; } cases[] = {
        {"../victim.txt", false, false}, {"../victim.txt", true, true}, {"./config.txt", false, false},
        {"Data/../game.txt", true, false}, {"./Data/other.txt", false, true},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.path + (c.picked ? " picked" : ""));
        TempDir dir;
        MakeGameFolders();
        WriteFile("../victim.txt", "victim\n");
        GameSettings settings;
        settings.SetDefaults();
        settings.thinkList.path = GamePath::FromBytes(c.path);
        settings.thinkList.pickedPath = c.picked ? settings.thinkList.path : wxString();
        const ConfigDocument::SaveReport report = ConfigDocument::Save(settings, L"game.txt");
        EXPECT_EQ(report.notSaved, std::vector<wxString>(!c.written, settings.thinkList.path));
        EXPECT_EQ(ReadFile("game.txt"), ConfigDocument::Bytes(settings));
        EXPECT_EQ(ReadFile("../victim.txt") == "victim\n", !(c.written && c.picked));
        std::remove("../victim.txt");
    }
    TempDir dir;
    EXPECT_FALSE(ConfigDocument::Save(GameSettings(), L"missing/config.txt").documentSaved);
    EXPECT_FALSE(FileExists("missing"));
}

// One table of small faults, each with the findings it must give, the sample's directory giving none.
TEST(GameCheck, ReportsEachFaultOfTheGameDirectoryAndNothingElse)
{
    const struct
    {
        const char* fault;
        std::vector<std::array<std::string, 3>> edits;    // the file, and a text in it replaced
        std::vector<std::string> findings;
    } cases[] = {
        {"none", {}, {}}, {"a listed file missing, one written with \\",
         {{"BGM/bgmcf.txt", "/kokorogm.mid", "/missing.mid"},
          {"BGM/bgmcf.txt", "./BGM/cumugm.mid", ".\\BGM\\cumugm.mid"}},
         {"./BGM/bgmcf.txt: slot 2: ./BGM/missing.mid not found"}},
        {"values written otherwise",
         {{"config.txt", "t 0\n0\n", "t 0\n9\n"}, {"Font/fontcf.txt", "Size\n", "Size\n 24pt\n#"}},
         {"config.txt: line 7: read \"9\", will be written as \"-1\"",
          "./Font/fontcf.txt: line 6: read \" 24pt\", will be written as \"24\""}},
        {"a key twice, and a key of both players",
         {{"config.txt", "\"x\"\nx\n", "\"x\"\nz\n"}, {"config.txt", "\".\"\n.\n", "\".\"\nm\n"}},
         {"config.txt: key \"z\" is bound to both 1P Player1 Left Offense and 1P Player1 Right Offense",
          "config.txt: key \"m\" is bound to both 2P Player1 Forward and 2P Player2 Left Offense"}},
        {"lists a save refuses, and one not there",
         {{"config.txt", "\n./Data/thinkcf.txt\n", "\n../victim.txt\n"},
          {"config.txt", "\n./SE/secf.txt\n", "\n./BGM/bgmcf.txt\n"},
          {"config.txt", "\n./Replay/replaycf.txt\n", "\n./Replay/\n"}},
         {"./Replay/: the editor stops loading at step 8: "
          "リプレイ設定ファイルが異常です (replay settings file is invalid)",
          "./Replay/: names a folder: the list will not be written",
          "./BGM/bgmcf.txt: is the file of both the music list and the sound-effect list: neither will be written",
          "./BGM/bgmcf.txt: is the file of both the sound-effect list and the music list: neither will be written",
          "../victim.txt: lies outside the game directory: the list will not be written"}},
        {"a NUL and a control character in a path, a FIFO as a list",
         {{"config.txt", "\n./Data/thinkcf.txt\n", std::string("\n./Data/a\0b\x01.txt\n", 17)},
          {"config.txt", "\n./Image/imagecf.txt\n", "\nImage/fifo\n"}},
         {"Image/fifo: the editor stops loading at step 14: 画像設定ファイルが異常です (image settings file is invalid)",
          "Image/fifo: is not a regular file (a FIFO, a socket or a device): the list will not be written",
          "./Data/a\\x00b\\x01.txt: holds a NUL character, which no file name can: the list will not be written"}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.fault);
        TempDir dir;
        MakeCleanGame();
        for (const auto& [file, from, to] : c.edits)
            WriteFile(file, Replaced(ReadFile(file), from, to));
        mkfifo("Image/fifo", 0600);
        const std::string config = ReadFile("config.txt");
        EXPECT_EQ(Findings(), c.findings);
        EXPECT_EQ(ReadFile("config.txt"), config) << "the check changes no file";
    }
}

namespace
{
// every regular file below the folder with its bytes (a FIFO is not read)
std::map<std::string, std::string> FilesBelow(const std::string& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (entry.symlink_status().type() == std::filesystem::file_type::regular)
            files[entry.path().string()] = ReadFile(entry.path().string());
    return files;
}

void ListPath(size_t list, const std::string& path)
{
    const std::string old = GameSettings().Lists()[list]->defaultPath.utf8_string();
    WriteFile("config.txt", Replaced(ReadFile("config.txt"), "\n" + old + "\n", "\n" + path + "\n"));
}
}

// A game directory as a careless user or a hostile folder leaves it, started and closed (a load and a save):
// the game's own paths reach the game's files, no file changes (the editor's files load and save to the same
// bytes) or appears, inside the game or beside it, and the lists that are not written are the ones named.
TEST(Document, OnAGameAsUsersAndHostileFoldersLeaveItNoFileChangesAndRefusalsAreNamed)
{
    const std::vector<std::string> all = {"./config.txt", "./Replay/replaycf.txt", "./Font/fontcf.txt",
        "./Image/imagecf.txt", "./BGM/bgmcf.txt", "./SE/secf.txt", "./Data/datacf.txt", "./Data/thinkcf.txt"};
    const struct { const char* what; std::function<void()> make; int step; std::vector<std::string> notSaved; }
    cases[] = {
        {"a link out after a folder not there", [] {
             ASSERT_EQ(symlink("../outside", "Ext"), 0);
             ListPath(0, "./nothere/../Ext/replaycf.txt"); }, 8, {"./nothere/../Ext/replaycf.txt"}},
        {"41 links, the last one to the folder beside", [] {
             for (int i = 1; i <= 41; ++i)
                 ASSERT_EQ(symlink(i < 41 ? ("l" + std::to_string(i + 1)).c_str() : "../outside",
                                   ("l" + std::to_string(i)).c_str()), 0);
             ListPath(0, "l1/replaycf.txt"); }, 8, {"l1/replaycf.txt"}},
        {"a folder not there, taken away by ..", [] { ListPath(0, "./x/../Replay/replaycf.txt"); }, 0, {}},
        {"the font list on the music list", [] { ListPath(1, "./BGM/bgmcf.txt"); }, 0,
         {"./BGM/bgmcf.txt", "./BGM/bgmcf.txt"}},
        {"a list named like a temporary file", [] {
             WriteFile("Data/.datacf.txt.ringvald-save", ReadFile("Data/thinkcf.txt"));
             ListPath(6, "Data/.datacf.txt.ringvald-save"); }, 0, {}},
        {"a FIFO", [] { ASSERT_EQ(mkfifo("Replay/fifo", 0600), 0); ListPath(0, "Replay/fifo"); }, 8,
         {"Replay/fifo"}},
        {"a list without write permission", [] { chmod("BGM/bgmcf.txt", 0444); }, 0, {"./BGM/bgmcf.txt"}},
        {"config.txt without write permission", [] { chmod("config.txt", 0444); }, 0, all},
        {"Windows separators", [] { ListPath(3, ".\\BGM\\bgmcf.txt"); }, 0, {}},
        {"another letter case", [] { ListPath(3, "./bgm/BGMCF.TXT"); }, 0, {}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        TempDir dir;
        MakeDir("outside");
        MakeDir("game");
        ASSERT_EQ(chdir("game"), 0);
        WriteFile("../outside/replaycf.txt", "outside\n");
        MakeCleanGame();
        c.make();
        const auto before = FilesBelow(dir.Path());
        GameSettings settings;
        const std::optional<LoadStep> step = Load(settings);
        EXPECT_EQ(step ? static_cast<int>(*step) : 0, c.step);
        std::vector<std::string> notSaved;
        for (const wxString& file : ConfigDocument::Save(settings, ConfigDocument::defaultPath).notSaved)
            notSaved.push_back(file.utf8_string());
        EXPECT_EQ(notSaved, c.notSaved);
        EXPECT_EQ(FilesBelow(dir.Path()), before);
    }
}

// Two editors on one game: each save waits for the other's (a lock on the game folder), so every save tells
// the truth and the files on the disk come from one save; and a save that finds config.txt changed since it
// was read leaves it alone and says so, until told to overwrite it.
TEST(Document, TwoEditorsSaveInTurnAndAChangedConfigIsNotOverwrittenUnasked)
{
    TempDir dir;
    MakeCleanGame();
    const auto editor = [](const wchar_t* user) {
        return [user] {
            GameSettings settings;
            Load(settings);
            settings.net.SetText(settings.net.Find("userName"), user);
            settings.thinkList.entries.SetPath(0, user);
            bool saved = true;
            for (int save = 0; save < 15; ++save)
                saved = Save(settings) && saved;
            return saved;
        };
    };
    EXPECT_EQ(InChildren({editor(L"one"), editor(L"two")}), std::vector<int>(2, 0)) << "an editor's save failed";
    GameSettings last;
    ASSERT_FALSE(Load(last));
    const wxString user = last.net.Text(last.net.Find("userName"));
    EXPECT_TRUE((user == L"one" || user == L"two") && last.thinkList.entries.Path(0) == user) << "one save's";
    for (const auto& entry : std::filesystem::recursive_directory_iterator("."))
        EXPECT_EQ(entry.path().string().find(".ringvald-save"), std::string::npos) << entry.path();

    GameSettings first, second;
    FileStamp firstRead, secondRead;
    ASSERT_FALSE(ConfigDocument::Load(first, L"./config.txt", &firstRead) ||
                 ConfigDocument::Load(second, L"./config.txt", &secondRead));
    second.net.SetText(second.net.Find("userName"), L"second");
    EXPECT_TRUE(ConfigDocument::Save(first, L"./config.txt", &firstRead));
    const ConfigDocument::SaveReport report = ConfigDocument::Save(second, L"./config.txt", &secondRead);
    EXPECT_TRUE(report.documentChanged && report.notSaved.empty());
    EXPECT_EQ(ReadFile("config.txt"), ConfigDocument::Bytes(first));
    EXPECT_TRUE(ConfigDocument::Save(second, L"./config.txt", &secondRead, true));
    EXPECT_TRUE(ConfigDocument::Save(second, L"./config.txt", &secondRead)) << "the stamp renewed by the save";
    EXPECT_EQ(ReadFile("config.txt"), ConfigDocument::Bytes(second));
}

// A list the user cannot read (0200) is not replaced by its initial entries on closing, until the user gives
// it new contents. Root reads every file, so as root the editor runs in a child process as nobody.
TEST(Document, AListTheUserCannotReadIsNotReplacedUntilGivenNewContents)
{
    TempDir dir;
    MakeCleanGame();
    WriteFile("BGM/bgmcf.txt", ReadFile("BGM/bgmcf.txt") + "#kept\n");
    chmod(dir.Path().c_str(), 0755);
    for (const auto& entry : std::filesystem::recursive_directory_iterator("."))    // nobody's, as root
        ASSERT_TRUE(geteuid() != 0 || lchown(entry.path().c_str(), 65534, 65534) == 0);
    ASSERT_TRUE((geteuid() != 0 || lchown(".", 65534, 65534) == 0) && chmod("BGM/bgmcf.txt", 0200) == 0);
    struct stat before = {}, after = {};
    stat("BGM/bgmcf.txt", &before);
    EXPECT_EQ(InChildren({[] {
        GameSettings settings;
        const auto report = ConfigDocument::Save((Load(settings), settings), ConfigDocument::defaultPath);
        return report.notSaved == std::vector<wxString>{L"./BGM/bgmcf.txt"} &&
               ConfigDocument::TargetsOf(settings, L"config.txt")[3].place == ConfigDocument::ListPlace::unread;
    }}, true), std::vector<int>{0}) << "the unread list named, and only it";
    EXPECT_TRUE(stat("BGM/bgmcf.txt", &after) == 0 && after.st_ino == before.st_ino && after.st_size == before.st_size) << "the file was replaced";
    EXPECT_EQ(InChildren({[] {
        GameSettings settings;
        Load(settings);
        settings.bgmList.slots.SetPath(0, L"./BGM/new.mid");    // an edit
        return Save(settings).AllSaved() && chmod("BGM/bgmcf.txt", 0600) == 0;
    }}, true), std::vector<int>{0});
    EXPECT_EQ(ReadFile("BGM/bgmcf.txt").find("#kept"), std::string::npos) << "the edited list was not saved";
}

// Started with no GAME_DIR, only a folder holding config.txt, the game or a Data folder, in any letter case as the
// game finds them, is taken for a game folder; anything else (the home folder) is asked about first.
TEST(GameFolderSigns, AGameFolderHoldsConfigTheGameOrADataFolder)
{
    const std::pair<std::vector<std::string>, bool> cases[] = {
        {{}, false}, {{"config.txt"}, true}, {{"CONFIG.TXT"}, true}, {{"Ringvald.exe"}, true}, {{"ringvald.EXE"}, true},
        {{"Data/"}, true}, {{"data/"}, true}, {{"Data"}, false}, {{"BGM/", "readme.txt", "config.txt.bak"}, false}};
    for (const auto& [entries, gameFolder] : cases)
    {
        TempDir dir;
        for (const std::string& entry : entries)
            entry.back() == '/' ? MakeDir(entry) : WriteFile(entry, "");
        EXPECT_EQ(LooksLikeGameFolder(), gameFolder) << testing::PrintToString(entries);
    }
}
