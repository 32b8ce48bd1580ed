// The seven list files through the whole window: a game directory loaded
// and saved again, a missing list file that stops the load, damaged list
// files, a list file chosen in its selector's dialog, and the initial
// settings of the list pages with and without their default lists.
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <random>

#include "app/MenuId.h"
#include "app/myFrame.h"
#include "app/myNotebook.h"
#include "controls/mySlider.h"
#include "pages/AudioPage.h"
#include "pages/BoxerPage.h"
#include "pages/MatchPage.h"
#include "pages/ThinkPage.h"
#include "pages/VisualPage.h"
#include "support/ListPages.h"

namespace
{
using Selector = std::function<myFileSelect*(myNotebook&)>;

// One list file, in the order the load reads them: where the game directory
// keeps it, laid out exactly as the editor writes it and none of it at the
// defaults, and a selector that the list fills.
struct ListFile
{
    const char* file;
    std::string bytes;
    const char* message;    // when the load stops at this list
    Selector selector;      // the list's own
    Selector probe;
    const char* loaded;     // what the probe holds after the list is read
};

const std::vector<ListFile>& Lists()
{
    static const std::vector<ListFile> lists = {
        {"Replay/replays.txt", ReplayList("1", "300", "410", {"Replay/first.rep", "Replay/second.rep"}),
         "リプレイ設定ファイルが異常です", [](myNotebook& p) { return p.matchPage->ReplayListSelector(); },
         [](myNotebook& p) { return p.matchPage->ReplaySlots()[0]; }, "Replay/first.rep"},
        {"Font/fonts.txt", FontList("./Font/title.ttf", "44", "/usr/share/fonts/system.ttc", "20"),
         "フォント設定ファイルが異常です", [](myNotebook& p) { return p.visualPage->FontListSelector(); },
         [](myNotebook& p) { return p.visualPage->FontPath(VisualPage::titleFont); }, "./Font/title.ttf"},
        {"BGM/music.txt",
         Lines({"#Config File for BGM's", ""}) +
             Entries("#BGM No. ", {"./BGM/title2.ogg", "./BGM/gym2.ogg", "./BGM/ring2.ogg"}) + listEnd,
         "BGM設定ファイルが異常です", [](myNotebook& p) { return p.audioPage->BgmListSelector(); },
         [](myNotebook& p) { return p.audioPage->BgmSlots()[0]; }, "./BGM/title2.ogg"},
        {"Image/images.txt",
         Lines({"#Config File for Images", "", "#Ring Canvas Image", "./Image/c2.jpg", "#Face Image",
                "./Image/face2.png", "#Background Image", "./Image/bg2.jpg", "#Floor Image",
                "./Image/floor2.jpg", "#Roof Image", " ", "#Ring Ad's Image", "./Image/ads2.png", "",
                "#End of File"}),
         "画像設定ファイルが異常です", [](myNotebook& p) { return p.visualPage->ImageListSelector(); },
         [](myNotebook& p) { return p.visualPage->ImageSlots()[0]; }, "./Image/c2.jpg"},
        {"SE/effects.txt",
         Lines({"#Config File for SE's", ""}) +
             Entries("#Sound Effect No. ", Numbered("./SE/e", ".wav", 12)) + listEnd,
         "効果音設定ファイルが異常です", [](myNotebook& p) { return p.audioPage->SeListSelector(); },
         [](myNotebook& p) { return p.audioPage->SeSlots()[0]; }, "./SE/e1.wav"},
        {"Data/gym.txt",
         BoxerList({"./Data/champ.box", "./Data/rookie.box"},
                   {10, 11, 12, 13, 14, 15, 16, 17, 18, 20, 21, 22, 23, 24, 25, 26, 27, 28}),
         "データ設定ファイルが異常です", [](myNotebook& p) { return p.boxerPage->ListSelector(); },
         [](myNotebook& p) { return p.boxerPage->MemberSlots()[0]; }, "./Data/champ.box"},
        {"Data/tactics.txt",
         Lines({"#Config File for Think Data", "", "#Think Number", "2", "", "#Think No. 1",
                "./Data/rush.thk", "#Think No. 2", "./Data/guard.thk", "", "#End of File"}),
         "作戦設定ファイルが異常です", [](myNotebook& p) { return p.thinkPage->ListSelector(); },
         [](myNotebook& p) { return p.thinkPage->EntrySlots()[0]; }, "./Data/rush.thk"},
    };
    return lists;
}

void WriteListFiles()
{
    for (const ListFile& list : Lists())
        WriteFile(list.file, list.bytes);
}

// config.txt as the editor writes it at the initial settings with the list
// paths above, and the list files there
void PrepareGameDirectory()
{
    MakeGameFolders();
    auto* editor = new myFrame;
    SendMenu(*editor, idInitialSettings);
    for (const ListFile& list : Lists())
        list.selector(*editor->GetNotebook())->SetPath(U(list.file));
    SendMenu(*editor, idSave);
    editor->Destroy();
    Pump(10);
    WriteListFiles();
}
}

TEST(ListFiles, LoadingAGameDirectoryAndSavingGivesTheSameBytes)
{
    FrameInTempDir window(PrepareGameDirectory);    // loads config.txt on start-up
    myNotebook& pages = *window.Frame().GetNotebook();
    for (const ListFile& list : Lists())
        EXPECT_EQ(B(list.probe(pages)->GetPath()), list.loaded) << list.file;
    EXPECT_EQ(PathsOf(pages.visualPage->ImageSlots())[4], "") << "a blank line is an empty path";
    EXPECT_EQ(pages.visualPage->FontSize(VisualPage::titleFont)->GetValue(), 44);
    EXPECT_EQ(pages.matchPage->CurrentReplay()->GetValue(), 410) << "not held below the maximum";
    EXPECT_EQ(pages.boxerPage->Sparring(1, 8), 28);

    std::map<std::string, std::string> loaded = {{"config.txt", ReadFile("config.txt")}};
    for (const ListFile& list : Lists())
        loaded[list.file] = ReadFile(list.file);
    for (const auto& [file, bytes] : loaded)
        std::filesystem::remove(file);
    SendMenu(window.Frame(), idSave);
    EXPECT_EQ(B(StatusOf(window.Frame())), "保存しました");
    for (const auto& [file, bytes] : loaded)
        EXPECT_EQ(ReadFile(file), bytes) << file;
}

// the last round has every list file there: the load goes through
TEST(ListFiles, AMissingListFileStopsTheLoadWithItsMessage)
{
    const std::vector<ListFile>& lists = Lists();
    FrameInTempDir window(PrepareGameDirectory);
    myNotebook& pages = *window.Frame().GetNotebook();
    for (size_t missing = 0; missing <= lists.size(); ++missing)
    {
        const bool none = missing == lists.size();
        SCOPED_TRACE(none ? "none missing" : std::string(lists[missing].file) + " missing");
        WriteListFiles();
        window.Frame().SetStatusText(wxString());
        for (const ListFile& list : lists)
            list.probe(pages)->SetPath(wxString(L"before the load"));

        if (!none)
            std::filesystem::remove(lists[missing].file);
        DialogAnswer answer(U(window.Dir().Path() + "/config.txt"));
        SendMenu(window.Frame(), idLoad);

        EXPECT_EQ(B(StatusOf(window.Frame())), none ? "読み込みました" : lists[missing].message);
        // the lists read before the missing one have their values; the
        // missing one and the later ones are untouched
        for (size_t i = 0; i < lists.size(); ++i)
            EXPECT_EQ(B(lists[i].probe(pages)->GetPath()), i < missing ? lists[i].loaded : "before the load")
                << lists[i].file;
    }
}

// Each list file damaged in one way at start-up: every list is still read
// (the load says nothing), and the save writes config.txt as it was. (A
// count beyond 32 bits: ListPagesTest.)
TEST(ListFiles, DamagedListFilesAreReadAndSavedAgain)
{
    const struct
    {
        const char* what;
        std::function<std::string(const std::string&)> damage;
    } cases[] = {
        {"binary",
         [](const std::string& bytes) {
             std::mt19937 random(static_cast<unsigned>(bytes.size()));
             std::string binary(8192, '\0');
             for (char& byte : binary)
                 byte = static_cast<char>(random());
             return binary;
         }},
        {"cut short", [](const std::string& bytes) { return bytes.substr(0, 37); }},
        {"a 5 MB path first", [](const std::string& bytes) { return "./" + std::string(5 << 20, 'y') + "\n" + bytes; }},
        {"NUL bytes at the line ends",
         [](const std::string& bytes) {
             std::string damaged;
             for (char byte : bytes)
                 damaged += byte == '\n' ? std::string("\0\n", 2) : std::string(1, byte);
             return damaged;
         }},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        FrameInTempDir window([&] {
            PrepareGameDirectory();
            for (const ListFile& list : Lists())
                WriteFile(list.file, c.damage(list.bytes));
        });
        const std::string config = ReadFile("config.txt");
        EXPECT_TRUE(window.Frame().IsShown());
        EXPECT_EQ(B(StatusOf(window.Frame())), "");
        SendMenu(window.Frame(), idSave);
        EXPECT_EQ(B(StatusOf(window.Frame())), "保存しました");
        EXPECT_EQ(ReadFile("config.txt"), config);
    }
}

// a list typed in, or a dialog cancelled, is read at the next load only
TEST(ListFiles, AListChosenInItsSelectorsDialogIsReadAtOnce)
{
    FrameInTempDir window(MakeGameFolders);
    myNotebook& pages = *window.Frame().GetNotebook();
    for (const ListFile& list : Lists())
    {
        SCOPED_TRACE(list.file);
        myFileSelect* selector = list.selector(pages);
        myFileSelect* probe = list.probe(pages);
        WriteFile(list.file, list.bytes);
        probe->SetPath(wxString(L"before"));
        {
            DialogAnswer cancel;
            ClickButton(BrowseButtonOf(selector));
            selector->SetPath(U(list.file));
            ClickButton(BrowseButtonOf(probe));
            EXPECT_EQ(cancel.shown, 2);
        }
        EXPECT_EQ(B(probe->GetPath()), "before");

        selector->SetPath(wxString(L"elsewhere.txt"));
        {
            DialogAnswer answer(U(window.Dir().Path() + "/" + list.file));
            ClickButton(BrowseButtonOf(selector));
        }
        EXPECT_EQ(B(selector->GetPath()), list.file);
        EXPECT_FALSE(selector->pathChosen);
        EXPECT_EQ(B(probe->GetPath()), list.loaded);
    }
}

TEST(ListFiles, ListsThatCannotBeWrittenAreLeftOutOfTheSaveQuietly)
{
    FrameInTempDir window;
    SendMenu(window.Frame(), idInitialSettings);
    for (const ListFile& list : Lists())
        list.selector(*window.Frame().GetNotebook())->SetPath(wxString(L"nodir/list.txt"));
    SendMenu(window.Frame(), idSave);
    EXPECT_EQ(B(StatusOf(window.Frame())), "保存しました");
    EXPECT_FALSE(FileExists("nodir"));
}

// Initial settings write nothing and say nothing. Without their default
// files the lists are emptied, but the fonts and the sparring values keep
// what was loaded; with them there, they are read.
TEST(ListFiles, InitialSettingsPutTheListsAtTheirDefaults)
{
    FrameInTempDir window(PrepareGameDirectory);
    myNotebook& pages = *window.Frame().GetNotebook();
    const std::string config = ReadFile("config.txt");
    window.Frame().SetStatusText(wxString(L"untouched"));
    SendMenu(window.Frame(), idInitialSettings);
    EXPECT_EQ(B(StatusOf(window.Frame())), "untouched");
    EXPECT_EQ(B(window.Frame().GetConfigPath().GetFullPath()), "./config.txt");
    EXPECT_EQ(ReadFile("config.txt"), config);
    EXPECT_FALSE(FileExists("BGM/bgmcf.txt"));

    ASSERT_TRUE(window.Frame().SaveConfig());    // to the default list paths
    // the end-to-end test's golden files hold the default lists of the game
    for (const char* file : {"Replay/replaycf.txt", "Image/imagecf.txt", "BGM/bgmcf.txt", "SE/secf.txt"})
        EXPECT_EQ(ReadFile(file), GoldenFile(file)) << file;
    EXPECT_EQ(ReadFile("Font/fontcf.txt"), Lists()[1].bytes);
    EXPECT_EQ(ReadFile("Data/datacf.txt"),
              BoxerList({}, {10, 11, 12, 13, 14, 15, 16, 17, 18, 20, 21, 22, 23, 24, 25, 26, 27, 28}));
    EXPECT_EQ(ReadFile("Data/thinkcf.txt"),
              Lines({"#Config File for Think Data", "", "#Think Number", "0", ""}) + listEnd);

    // (the gym and think lists read theirs in the e2e test)
    WriteFile("Font/fontcf.txt", Lines({"./Font/d.ttf", "30", "/d.ttc", "12"}));
    SendMenu(window.Frame(), idInitialSettings);
    EXPECT_EQ(B(pages.visualPage->FontPath(VisualPage::titleFont)->GetPath()), "./Font/d.ttf");
    EXPECT_EQ(pages.visualPage->FontSize(VisualPage::systemFont)->GetValue(), 12);
}
