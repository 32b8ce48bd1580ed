// The list files through the whole window: a game directory loaded and
// saved again, a missing list file that stops the load, and the initial
// settings of the list pages without their default lists.
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>

#include "app/MenuId.h"
#include "app/myFrame.h"
#include "app/myNotebook.h"
#include "pages/AudioPage.h"
#include "pages/BoxerPage.h"
#include "pages/ThinkPage.h"
#include "pages/VisualPage.h"
#include "support/ListPages.h"

namespace
{
// The list files of the list pages, none at its defaults, each laid out
// exactly as the editor writes it.
const std::string fontList =
    Lines({"#Config File for Fonts", "", "#Title Font", "./Font/title.ttf", "#Title Font Size", "44",
           "#System Font", "/usr/share/fonts/system.ttc", "#System Font Size", "20", "",
           "#End of File"});
const std::string imageList =
    Lines({"#Config File for Images", "", "#Ring Canvas Image", "./Image/c2.jpg", "#Face Image",
           "./Image/face2.png", "#Background Image", "./Image/bg2.jpg", "#Floor Image",
           "./Image/floor2.jpg", "#Roof Image", " ", "#Ring Ad's Image", "./Image/ads2.png", "",
           "#End of File"});
const std::string bgmList =
    Lines({"#Config File for BGM's", "", "#BGM No. 1", "./BGM/title2.ogg", "#BGM No. 2",
           "./BGM/gym2.ogg", "#BGM No. 3", "./BGM/ring2.ogg", "", "#End of File"});
const std::string seList = [] {
    std::string lines = Lines({"#Config File for SE's", ""});
    for (int n = 1; n <= 12; ++n)
        lines += Lines({"#Sound Effect No. " + std::to_string(n), "./SE/e" + std::to_string(n) + ".wav"});
    return lines + Lines({"", "#End of File"});
}();
const std::string dataList = [] {
    std::string lines = Lines({"#Config File for Boxer Data", "", "#Gym Member Number", "2", "",
                               "#Data No. 1", "./Data/champ.box", "#Data No. 2", "./Data/rookie.box",
                               "", "#Sparring Custom Config"});
    const char* names[] = {"Height 1-7",  "Reach 1-7",        "Style 1-7",
                           "Stance  0 : Orthodox  1 : Southpaw", "Combination 1-20",
                           "Think 1-14",  "Gloves 1-8",       "Trunks 1-64", "Skin 1-10"};
    const char* defaults[] = {"4", "4", "1", "0", "1", "1", "1", "1", "3"};
    for (int partner = 1; partner <= 2; ++partner)
        for (int i = 0; i < 9; ++i)
            lines += Lines({"#No." + std::to_string(partner) + " " + names[i],
                            std::string("#Default ") + defaults[i], std::to_string(partner * 10 + i)});
    return lines + Lines({"", "#End of File"});
}();
const std::string thinkList =
    Lines({"#Config File for Think Data", "", "#Think Number", "2", "", "#Think No. 1",
           "./Data/rush.thk", "#Think No. 2", "./Data/guard.thk", "", "#End of File"});

void WriteListFiles()
{
    WriteFile("Font/fontcf.txt", fontList);
    WriteFile("Image/imagecf.txt", imageList);
    WriteFile("BGM/bgmcf.txt", bgmList);
    WriteFile("SE/secf.txt", seList);
    WriteFile("Data/datacf.txt", dataList);
    WriteFile("Data/thinkcf.txt", thinkList);
}

// config.txt and the replay list as the editor writes them at the initial
// settings, then the list files above over the editor's own
void PrepareGameDirectory()
{
    for (const char* dir : {"BGM", "SE", "Image", "Font", "Data", "Replay"})
        MakeDir(dir);
    auto* editor = new myFrame;
    SendMenu(*editor, idInitialSettings);
    SendMenu(*editor, idSave);
    editor->Destroy();
    Pump(10);
    WriteListFiles();
}

// One list file in the order the load reads them, with a selector that
// its list fills and what that selector holds after the list was read.
struct ListFile
{
    const char* file;
    const char* message;
    std::function<myFileSelect*(myNotebook&)> probe;    // none for the replay list
    const char* loaded;
};

const std::vector<ListFile>& ListsInLoadOrder()
{
    static const std::vector<ListFile> lists = {
        {"Replay/replaycf.txt", "リプレイ設定ファイルが異常です", nullptr, ""},
        {"Font/fontcf.txt", "フォント設定ファイルが異常です",
         [](myNotebook& pages) { return pages.visualPage->FontPath(VisualPage::systemFont); },
         "/usr/share/fonts/system.ttc"},
        {"BGM/bgmcf.txt", "BGM設定ファイルが異常です",
         [](myNotebook& pages) { return pages.audioPage->BgmSlots()[2]; }, "./BGM/ring2.ogg"},
        {"Image/imagecf.txt", "画像設定ファイルが異常です",
         [](myNotebook& pages) { return pages.visualPage->ImageSlots()[0]; }, "./Image/c2.jpg"},
        {"SE/secf.txt", "効果音設定ファイルが異常です",
         [](myNotebook& pages) { return pages.audioPage->SeSlots()[11]; }, "./SE/e12.wav"},
        {"Data/datacf.txt", "データ設定ファイルが異常です",
         [](myNotebook& pages) { return pages.boxerPage->MemberSlots()[1]; }, "./Data/rookie.box"},
        {"Data/thinkcf.txt", "作戦設定ファイルが異常です",
         [](myNotebook& pages) { return pages.thinkPage->EntrySlots()[0]; }, "./Data/rush.thk"},
    };
    return lists;
}
}

TEST(ListFiles, LoadingAGameDirectoryAndSavingGivesTheSameBytes)
{
    FrameInTempDir window(PrepareGameDirectory);    // loads config.txt on start-up
    myNotebook& pages = *window.Frame().GetNotebook();
    for (const ListFile& list : ListsInLoadOrder())
        if (list.probe)
            EXPECT_EQ(B(list.probe(pages)->GetPath()), list.loaded) << list.file;
    EXPECT_EQ(PathsOf(pages.visualPage->ImageSlots())[4], "") << "a blank line is an empty path";
    EXPECT_EQ(pages.visualPage->FontSize(VisualPage::titleFont)->GetValue(), 44);
    EXPECT_EQ(pages.boxerPage->Sparring(1, 8), 28);

    std::vector<std::string> files = {"config.txt"};
    for (const ListFile& list : ListsInLoadOrder())
        files.push_back(list.file);
    std::map<std::string, std::string> loaded;
    for (const std::string& file : files)
    {
        loaded[file] = ReadFile(file);
        std::filesystem::remove(file);
    }
    SendMenu(window.Frame(), idSave);
    EXPECT_EQ(B(StatusOf(window.Frame())), "保存しました");
    for (const std::string& file : files)
        EXPECT_EQ(ReadFile(file), loaded[file]) << file;
}

TEST(ListFiles, AMissingListFileStopsTheLoadWithItsMessage)
{
    const std::vector<ListFile>& lists = ListsInLoadOrder();
    FrameInTempDir window(PrepareGameDirectory);
    myNotebook& pages = *window.Frame().GetNotebook();
    const std::string replayList = ReadFile("Replay/replaycf.txt");
    for (size_t missing = 0; missing < lists.size(); ++missing)
    {
        WriteListFiles();
        WriteFile("Replay/replaycf.txt", replayList);
        window.Frame().SetStatusText(wxString());
        for (const ListFile& list : lists)
            if (list.probe)
                list.probe(pages)->SetPath(wxString(L"before the load"));

        std::filesystem::remove(lists[missing].file);
        DialogAnswer answer(U(window.Dir().Path() + "/config.txt"));
        SendMenu(window.Frame(), idLoad);

        EXPECT_EQ(B(StatusOf(window.Frame())), lists[missing].message) << lists[missing].file;
        // the lists read before the missing one have their values; the
        // missing one and the later ones are untouched
        for (size_t i = 0; i < lists.size(); ++i)
            if (lists[i].probe)
                EXPECT_EQ(B(lists[i].probe(pages)->GetPath()),
                          i < missing ? lists[i].loaded : "before the load")
                    << lists[i].file << " with " << lists[missing].file << " missing";
    }
}

TEST(ListFiles, InitialSettingsWithoutTheDefaultListsShowNoMessage)
{
    FrameInTempDir window;    // an empty game directory
    myNotebook& pages = *window.Frame().GetNotebook();
    FillSlots(pages.boxerPage->MemberSlots(), {"old.box"});
    FillSlots(pages.thinkPage->EntrySlots(), {"old.thk"});
    pages.visualPage->FontPath(VisualPage::titleFont)->SetPath(wxString(L"kept.ttf"));
    pages.visualPage->FontSize(VisualPage::titleFont)->SetValue(36);
    window.Frame().SetStatusText(wxString(L"untouched"));

    SendMenu(window.Frame(), idInitialSettings);

    EXPECT_EQ(B(StatusOf(window.Frame())), "untouched");
    EXPECT_EQ(PathsOf(pages.boxerPage->MemberSlots()), Padded({}, 30));
    EXPECT_EQ(PathsOf(pages.thinkPage->EntrySlots()), Padded({}, 15));
    EXPECT_EQ(B(pages.visualPage->FontPath(VisualPage::titleFont)->GetPath()), "kept.ttf");
    EXPECT_EQ(pages.visualPage->FontSize(VisualPage::titleFont)->GetValue(), 36);
    EXPECT_EQ(B(pages.boxerPage->ListSelector()->GetPath()), "./Data/datacf.txt");
    EXPECT_EQ(B(pages.thinkPage->ListSelector()->GetPath()), "./Data/thinkcf.txt");
    EXPECT_EQ(B(pages.visualPage->FontListSelector()->GetPath()), "./Font/fontcf.txt");
    EXPECT_EQ(B(pages.visualPage->ImageListSelector()->GetPath()), "./Image/imagecf.txt");
    EXPECT_EQ(B(pages.audioPage->BgmListSelector()->GetPath()), "./BGM/bgmcf.txt");
    EXPECT_EQ(B(pages.audioPage->SeListSelector()->GetPath()), "./SE/secf.txt");
}
