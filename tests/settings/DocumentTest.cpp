// config.txt and the seven list files as a whole: the initial settings byte
// for byte, load and save giving back the same bytes, the load order and
// the step it tells, damaged files, and files that cannot be written.
#include <algorithm>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <set>

#include "GameFiles.h"
#include "settings/ConfigDocument.h"
#include "settings/GamePath.h"
#include "settings/MachineSpec.h"

namespace
{
std::optional<LoadStep> Load(GameSettings& settings) { return ConfigDocument::Load(settings, L"config.txt"); }

// config.txt and the list files the settings name, in the order of Lists(),
// with their bytes
using Files = std::vector<std::pair<std::string, std::string>>;
Files FilesOf(const GameSettings& settings)
{
    Files files = {{"config.txt", ReadFile("config.txt")}};
    for (const ListFile* list : settings.Lists())
        files.push_back({list->path.utf8_string(), ReadFile(list->path.utf8_string())});
    return files;
}

// the first value line after the line that starts with `comment`, replaced
std::string WithValueAfter(std::string bytes, const std::string& comment, const std::string& value)
{
    size_t start = bytes.find("\n" + comment);
    while ((start = bytes.find('\n', start + 1)) != std::string::npos && (bytes[start + 1] == '#' || bytes[start + 1] == '\n'))
        ;
    return bytes.replace(start + 1, bytes.find('\n', start + 1) - start - 1, value);
}
}

// Every value away from its default first: the initial settings reach all.
TEST(Document, InitialSettingsAfterThePresetsUltraLowThenMiddleWriteTheGoldenFiles)
{
    TempDir dir;
    MakeGameFolders();
    GameSettings settings;
    SetOthers(settings);
    for (const char* file : {"Font/fontcf.txt", "Data/datacf.txt", "Data/thinkcf.txt"})
        WriteFile(file, GoldenFile(file));    // read by the initial settings
    settings.SetDefaults();
    for (const char* file : gameFiles)
        std::filesystem::remove(file);
    ApplyMachineSpec(settings.basic, MachineSpec::ultraLow);
    ApplyMachineSpec(settings.basic, MachineSpec::middle);
    ASSERT_TRUE(ConfigDocument::Save(settings, L"./config.txt"));
    for (const char* file : gameFiles)
        EXPECT_EQ(ReadFile(file), GoldenFile(file)) << file;
}

// Files changed in one way (by their place in FilesOf); the save gives back
// what was read, with line feeds.
TEST(Document, LoadingAndSavingGivesBackTheBytes)
{
    const std::string sjis = "\x83\x7b\x83\x4e\x83\x54\x81\x5b", longLine(5 << 20, 'L');
    const struct { const char* what; std::function<std::string(size_t, const std::string&)> change; bool toLineFeeds; } cases[] = {
        {"as saved", [](size_t, const std::string& b) { return b; }, false},
        {"CRLF endings", [](size_t, const std::string& b) { return ReplacedAll(b, '\n', "\r\n"); }, true},
        {"Shift-JIS names", [&](size_t file, const std::string& b) {
             return file == 0 ? WithValueAfter(b, "#User Name", sjis) : file == 6 ? WithValueAfter(b, "#Data No. 2", sjis) : b;
         }, false},
        {"5 MB lines", [&](size_t file, const std::string& b) {
             return file == 0 ? WithValueAfter(b, "#Host Name", longLine) : file == 4 ? WithValueAfter(b, "#BGM No. 3", longLine) : b;
         }, false},
    };
    TempDir dir;
    GameSettings others;
    SetOthers(others);
    ASSERT_TRUE(ConfigDocument::Save(others, L"config.txt"));
    const Files saved = FilesOf(others);
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        Files expected = saved;
        for (size_t file = 0; file < saved.size(); ++file)
        {
            WriteFile(saved[file].first, c.change(file, saved[file].second));
            if (!c.toLineFeeds)
                expected[file].second = c.change(file, saved[file].second);
        }
        GameSettings settings;
        ASSERT_EQ(Load(settings), std::nullopt);
        for (const auto& file : saved)
            std::filesystem::remove(file.first);
        ASSERT_TRUE(ConfigDocument::Save(settings, L"config.txt"));
        EXPECT_EQ(FilesOf(settings), expected);
    }
}

// The twenty steps by their number: 1 config.txt; 2 to 6 the sections (they
// never fail); then the path and the file of each list, in the order of
// Lists(); the image list's file is read after the music list's. Only
// config.txt stops the load: a list that cannot be read gets its initial
// entries and keeps the path the document names, every other list is read,
// and the load tells the first step that failed.
TEST(Document, LoadTellsTheFirstStepThatFailedAndReadsEveryListItCan)
{
    const int fileSteps[] = {8, 10, 14, 13, 16, 18, 20};
    TempDir dir;
    GameSettings loaded, before, initial;    // before: nothing put in yet
    SetOthers(loaded);
    initial.SetDefaults();    // there are no default list files here
    const Files files = FilesOf(loaded);
    for (size_t a = 0; a <= files.size(); ++a)    // config.txt, a list or none missing,
        for (size_t b = a; b <= files.size(); ++b)    // and a later one
        {
            std::set<size_t> missing;
            for (size_t file : {a, b})
                if (file < files.size())
                    missing.insert(file);
            SCOPED_TRACE("missing " + std::to_string(a) + " and " + std::to_string(b));
            ASSERT_TRUE(ConfigDocument::Save(loaded, L"config.txt"));
            for (size_t file : missing)
            {
                std::filesystem::remove(files[file].first);
                if ((a + b) % 2 && file == a)
                    MakeDir(files[file].first);    // a folder cannot be read either
            }
            GameSettings settings = before;
            const std::optional<LoadStep> step = Load(settings);
            const bool opened = missing.count(0) == 0;
            int first = missing.empty() ? 21 : opened ? 20 : 1;
            for (size_t file : missing)
                first = std::min(first, file > 0 ? fileSteps[file - 1] : 1);
            EXPECT_EQ(step ? static_cast<int>(*step) : 21, first);
            const GameSettings& sections = opened ? loaded : before;
            for (const auto part : {&GameSettings::basic, &GameSettings::net, &GameSettings::control,
                                    &GameSettings::match, &GameSettings::manip})
                EXPECT_EQ(Bytes(settings.*part), Bytes(sections.*part));
            for (size_t i = 0; i < std::size(fileSteps); ++i)
            {
                const GameSettings& contents = !opened ? before : missing.count(i + 1) ? initial : loaded;
                EXPECT_EQ(settings.Lists()[i]->path, sections.Lists()[i]->path) << "list " << i;
                EXPECT_EQ(Bytes(*settings.Lists()[i]), Bytes(*contents.Lists()[i])) << "list " << i;
            }
            for (size_t file : missing)
                std::filesystem::remove_all(files[file].first);
        }
}

// Damaged config.txt: the sections take what they find and the load goes on
// to the replay list, whose path is then empty. Damaged list files: every list
// is read. Either way the save writes config.txt whole.
TEST(Document, DamagedFilesAreReadAsFarAsTheyGoAndSavedWhole)
{
    std::string binary;
    for (unsigned i = 0; i < 8192; ++i)
        binary += static_cast<char>(i * 2654435761u >> 24);
    const std::string nul("\0\n", 2);
    const struct { bool config; std::function<std::string(const std::string&)> damage; } cases[] = {    // or the lists
        {true, [](auto&) { return ""; }}, {true, [&](auto&) { return binary; }},
        {true, [&](auto&) { return ReplacedAll(std::string(25, '\n'), '\n', nul) + "us" + nul + "er\n"; }},
        {true, [](auto&) { return "#Config File for Ringvald Ver 1.2.0 Release\n\n#Screen Con"; }},
        {true, [](auto&) { return std::string(300000, '\n'); }}, {true, [](auto&) { return std::string(5 << 20, '7'); }},
        {true, [](auto&) { return "99999999999999999999\n-99999999999999999999\n"; }},
        {false, [&](auto&) { return binary; }}, {false, [](const std::string& b) { return b.substr(0, 37); }},
        {false, [](const std::string& b) { return "./" + std::string(5 << 20, 'y') + "\n" + b; }},
        {false, [&](const std::string& b) { return ReplacedAll(b, '\n', nul); }},
    };
    TempDir dir;
    GameSettings others;
    SetOthers(others);
    for (const auto& c : cases)
    {
        SCOPED_TRACE("case " + std::to_string(&c - cases));
        ASSERT_TRUE(ConfigDocument::Save(others, L"config.txt"));
        const std::string config = ReadFile("config.txt");
        for (const auto& [name, bytes] : FilesOf(others))
            if (c.config == (name == "config.txt"))
                WriteFile(name, c.damage(bytes));
        GameSettings settings;
        settings.SetDefaults();
        EXPECT_EQ(Load(settings), c.config ? std::optional(LoadStep::replayListFile) : std::nullopt);
        EXPECT_EQ(settings.replayList.path, c.config ? wxString() : others.replayList.path);
        ASSERT_TRUE(ConfigDocument::Save(settings, L"config.txt").documentOpened);
        const std::string saved = ReadFile("config.txt");
        EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 337) << "every line written";
        EXPECT_EQ(saved.substr(saved.size() - 14), "\n#End of File\n");
        if (!c.config)
            EXPECT_EQ(saved, config);
    }
}

// A list is written only where it belongs; one that is not keeps its file
// and is named in the report, and config.txt is saved all the same.
TEST(Document, AListIsWrittenOnlyInsideTheGameDirectoryAndNeverOverAnotherFile)
{
    const struct
    {
        const wchar_t* path;
        bool picked;
        bool written;
    } cases[] = {
        {L"../victim.txt", false, false},   {L"../victim.txt", true, true},
        {L"./config.txt", false, false},    {L"Data/../config.txt", true, false},
        {L"./Data/datacf.txt", false, false},    // the boxer data list writes it
        {L".\\", false, false},            {L"Data/", false, false},
        {L"nodir/list.txt", false, false},  {L"./Data/other.txt", false, true},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(wxString(c.path).utf8_string() + (c.picked ? " picked" : ""));
        TempDir dir;
        MakeGameFolders();
        WriteFile("../victim.txt", "victim\n");
        GameSettings settings;
        settings.SetDefaults();
        settings.thinkList.path = c.path;
        if (c.picked)
            settings.thinkList.pickedPath = c.path;
        const ConfigDocument::SaveReport report = ConfigDocument::Save(settings, L"config.txt");
        EXPECT_TRUE(report.documentOpened);
        EXPECT_EQ(report.notSaved, c.written ? std::vector<wxString>{} : std::vector<wxString>{c.path});
        EXPECT_EQ(ReadFile("config.txt"), ConfigDocument::Bytes(settings));
        EXPECT_EQ(ReadFile("Data/datacf.txt"), settings.boxerList.Bytes());
        EXPECT_EQ(ReadFile("../victim.txt") == "victim\n", !(c.written && c.picked));
        std::remove("../victim.txt");
    }
    TempDir dir;
    EXPECT_FALSE(ConfigDocument::Save(GameSettings(), L"missing/config.txt").documentOpened);
    EXPECT_FALSE(FileExists("missing"));
}

// A list named in Shift-JIS is saved by the bytes of its name and read back
// from the same file.
TEST(Document, AListFileNamedInShiftJisIsReadWhereItWasSaved)
{
    TempDir dir;
    GameSettings settings;
    SetOthers(settings);
    settings.thinkList.path = GamePath::FromBytes("think-\x83\x7b.txt");
    ASSERT_TRUE(ConfigDocument::Save(settings, L"config.txt"));
    EXPECT_TRUE(FileExists("think-\x83\x7b.txt"));
    GameSettings loaded;
    EXPECT_EQ(Load(loaded), std::nullopt);
    EXPECT_EQ(loaded.thinkList.Bytes(), settings.thinkList.Bytes());
}
