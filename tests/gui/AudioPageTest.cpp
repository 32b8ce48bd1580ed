// The audio page: the music and sound-effect lists, their bytes, how they
// are read, and the reload after a list file is chosen in the dialog.
#include <gtest/gtest.h>

#include "pages/AudioPage.h"
#include "support/ListPages.h"
#include "support/MemoryStreams.h"

namespace
{
class AudioPageTest : public testing::Test
{
protected:
    AudioPageTest()
    {
        MakeDir("BGM");
        MakeDir("SE");
        page->SetDefaults();
    }

    PageInTempDir<AudioPage> fixture;
    AudioPage* page = fixture.page;
};

const std::vector<std::string> defaultBgm = {"./BGM/selectgm.mid", "./BGM/kokorogm.mid",
                                             "./BGM/cumugm.mid"};
const std::vector<std::string> defaultSe = {
    "./SE/gong.wav",     "./SE/ko.wav",          "./SE/sha00.wav",       "./SE/swing29.wav",
    "./SE/qu.ogg",       "./SE/gun08.wav",       "./SE/hit_p01_c.wav",   "./SE/hit_s07_a.wav",
    "./SE/bosu00.wav",   "./SE/box.ogg",         "./SE/break.ogg",       "./SE/down.ogg"};
}

TEST_F(AudioPageTest, ControlsAreCreatedInListOrderAndStartUnfilled)
{
    EXPECT_EQ(ControlsInOrder(page),
              (std::vector<std::string>{
                  "ファイル名", "ファイル名", "<file>", "<file>",
                  "タイトル", "トレーニング", "試合", "<file>", "<file>", "<file>",
                  "ゴング", "試合終了", "左スイング", "右スイング", "ダッシュ", "あごヒット",
                  "顔ヒット", "腹ヒット", "ブロック", "ボックス", "ブレイク", "ダウン",
                  "<file>", "<file>", "<file>", "<file>", "<file>", "<file>",
                  "<file>", "<file>", "<file>", "<file>", "<file>", "<file>"}));

    PageInTempDir<AudioPage> fresh;
    EXPECT_EQ(B(fresh.page->BgmListSelector()->GetPath()), ".\\");
    EXPECT_EQ(B(fresh.page->SeListSelector()->GetPath()), ".\\");
    EXPECT_EQ(PathsOf(fresh.page->BgmSlots()), std::vector<std::string>(3, ".\\"));
    EXPECT_EQ(PathsOf(fresh.page->SeSlots()), std::vector<std::string>(12, ".\\"));
}

TEST_F(AudioPageTest, EachSelectorBrowsesItsKindOfFile)
{
    const BrowseSettings list{"設定ファイル", "Text (*.txt)|*.txt", "./BGM", true};
    const BrowseSettings music{"BGMファイル",
                               "BGM (*.mid;*.ogg;*.wav;*.mod;*.s3m;*.it;*.xm;*.mp3)|"
                               "*.mid;*.ogg;*.wav;*.mod;*.s3m;*.it;*.xm;*.mp3",
                               "./BGM", true};
    const BrowseSettings effect{"効果音ファイル", "SE(*.wav;*.ogg;*.aif)|*.wav;*.ogg;*.aif",
                                "./SE", true};
    EXPECT_EQ(BrowseSettingsOf(page->BgmListSelector()), list);
    EXPECT_EQ(BrowseSettingsOf(page->SeListSelector()),
              (BrowseSettings{"設定ファイル", "Text (*.txt)|*.txt", "./SE", true}));
    for (myFileSelect* slot : page->BgmSlots())
        EXPECT_EQ(BrowseSettingsOf(slot), music);
    for (myFileSelect* slot : page->SeSlots())
        EXPECT_EQ(BrowseSettingsOf(slot), effect);
}

TEST_F(AudioPageTest, DefaultsAndTheirListFilesByteForByte)
{
    EXPECT_EQ(B(page->BgmListSelector()->GetPath()), "./BGM/bgmcf.txt");
    EXPECT_EQ(B(page->SeListSelector()->GetPath()), "./SE/secf.txt");
    EXPECT_EQ(PathsOf(page->BgmSlots()), defaultBgm);
    EXPECT_EQ(PathsOf(page->SeSlots()), defaultSe);

    ASSERT_TRUE(page->WriteBgmListFile());
    EXPECT_EQ(ReadFile("BGM/bgmcf.txt"),
              Lines({"#Config File for BGM's", "", "#BGM No. 1", "./BGM/selectgm.mid", "#BGM No. 2",
                     "./BGM/kokorogm.mid", "#BGM No. 3", "./BGM/cumugm.mid", "", "#End of File"}));

    ASSERT_TRUE(page->WriteSeListFile());
    EXPECT_EQ(ReadFile("SE/secf.txt"),
              Lines({"#Config File for SE's", "",
                     "#Sound Effect No. 1", "./SE/gong.wav",
                     "#Sound Effect No. 2", "./SE/ko.wav",
                     "#Sound Effect No. 3", "./SE/sha00.wav",
                     "#Sound Effect No. 4", "./SE/swing29.wav",
                     "#Sound Effect No. 5", "./SE/qu.ogg",
                     "#Sound Effect No. 6", "./SE/gun08.wav",
                     "#Sound Effect No. 7", "./SE/hit_p01_c.wav",
                     "#Sound Effect No. 8", "./SE/hit_s07_a.wav",
                     "#Sound Effect No. 9", "./SE/bosu00.wav",
                     "#Sound Effect No. 10", "./SE/box.ogg",
                     "#Sound Effect No. 11", "./SE/break.ogg",
                     "#Sound Effect No. 12", "./SE/down.ogg",
                     "", "#End of File"}));
}

TEST_F(AudioPageTest, ListPathsAreOneValueLineEach)
{
    page->BgmListSelector()->SetPath(wxString(L"BGM/other.txt"));
    EXPECT_EQ(WrittenBy([&](wxTextOutputStream& out) { page->WriteBgmListPath(out); }),
              "BGM/other.txt\n");
    EXPECT_EQ(WrittenBy([&](wxTextOutputStream& out) { page->WriteSeListPath(out); }),
              "./SE/secf.txt\n");

    ReadFrom(Lines({"#BGM Config File", "", "a/bgm.txt", "#x", "b/se.txt"}),
             [&](wxTextInputStream& in) {
                 EXPECT_TRUE(page->ReadBgmListPath(in));
                 EXPECT_TRUE(page->ReadSeListPath(in));
             });
    EXPECT_EQ(B(page->BgmListSelector()->GetPath()), "a/bgm.txt");
    EXPECT_EQ(B(page->SeListSelector()->GetPath()), "b/se.txt");
}

TEST_F(AudioPageTest, ReadingTakesValueLinesInOrderAndEmptiesWhatIsMissing)
{
    struct Case
    {
        const char* name;
        bool music;
        std::string file;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"five sound effects", false,
         Lines({"#Config File for SE's", "", "#Sound Effect No. 1", "a.wav", "b.wav", "c.wav",
                "d.wav", "e.wav", "", "#End of File"}),
         Padded({"a.wav", "b.wav", "c.wav", "d.wav", "e.wav"}, 12)},
        {"music with blank lines and comments", true,
         Lines({"", "#Config File for BGM's", "", "", "# a note", "#BGM No. 7", "", "t.ogg", "",
                "#", "", "#BGM No. 1", "  spaced name.ogg ", "", "", "m.ogg", "", "#End of File"}),
         {"t.ogg", "  spaced name.ogg ", "m.ogg"}},
        {"music lines beyond the slots are ignored", true, Lines({"1.mid", "2.mid", "3.mid", "4.mid"}),
         {"1.mid", "2.mid", "3.mid"}},
        {"music in CR LF lines", true, "#Config File for BGM's\r\n\r\na.mid\r\nb.mid\r\nc.mid\r\n",
         {"a.mid", "b.mid", "c.mid"}},
        {"an empty music file", true, "", {"", "", ""}},
    };
    for (const Case& c : cases)
    {
        page->SetDefaults();
        WriteFile(c.music ? "BGM/bgmcf.txt" : "SE/secf.txt", c.file);
        EXPECT_TRUE(c.music ? page->ReadBgmListFile() : page->ReadSeListFile()) << c.name;
        EXPECT_EQ(PathsOf(c.music ? page->BgmSlots() : page->SeSlots()), c.expected) << c.name;
        // the other list is not touched
        EXPECT_EQ(PathsOf(c.music ? page->SeSlots() : page->BgmSlots()),
                  c.music ? defaultSe : defaultBgm)
            << c.name;
    }
}

TEST_F(AudioPageTest, MissingOrUnwritableListFilesFailAndChangeNothing)
{
    page->BgmListSelector()->SetPath(wxString(L"BGM/missing.txt"));
    page->SeListSelector()->SetPath(wxString(L"nodir/secf.txt"));
    EXPECT_FALSE(page->ReadBgmListFile());
    EXPECT_FALSE(page->ReadSeListFile());
    EXPECT_EQ(PathsOf(page->BgmSlots()), defaultBgm);
    EXPECT_EQ(PathsOf(page->SeSlots()), defaultSe);
    EXPECT_FALSE(page->WriteSeListFile());
    EXPECT_FALSE(FileExists("nodir"));
}

TEST_F(AudioPageTest, OnlyAListFileChosenInTheDialogIsReloaded)
{
    WriteFile("BGM/other.txt", Lines({"x.mid", "y.mid", "z.mid"}));
    WriteFile("SE/other.txt", Lines({"s.wav"}));
    struct Case
    {
        const char* name;
        bool music;
        std::string answer;    // empty: the dialog is cancelled
        bool typed;            // the path is typed in first
        bool reloaded;
    };
    const Case cases[] = {
        {"music list chosen", true, "BGM/other.txt", false, true},
        {"sound-effect list chosen", false, "SE/other.txt", false, true},
        {"music dialog cancelled", true, "", false, false},
        {"music list typed", true, "", true, false},
        {"sound-effect list typed", false, "", true, false},
    };
    for (const Case& c : cases)
    {
        page->SetDefaults();
        myFileSelect* list = c.music ? page->BgmListSelector() : page->SeListSelector();
        const std::string otherList = c.music ? "BGM/other.txt" : "SE/other.txt";
        if (c.typed)
            list->SetPath(U(otherList));
        {
            DialogAnswer answer(c.answer.empty() ? wxString() : U(fixture.dir.Path() + "/" + c.answer));
            ClickButton(BrowseButtonOf(list));
            EXPECT_EQ(answer.shown, 1) << c.name;
        }
        EXPECT_FALSE(list->pathChosen) << c.name;
        const std::vector<std::string> music =
            c.music && c.reloaded ? std::vector<std::string>{"x.mid", "y.mid", "z.mid"} : defaultBgm;
        const std::vector<std::string> effects =
            !c.music && c.reloaded ? Padded({"s.wav"}, 12) : defaultSe;
        EXPECT_EQ(PathsOf(page->BgmSlots()), music) << c.name;
        EXPECT_EQ(PathsOf(page->SeSlots()), effects) << c.name;
        if (c.reloaded || c.typed)
            EXPECT_EQ(B(list->GetPath()), otherList) << c.name;
    }
}
