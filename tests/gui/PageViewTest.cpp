// The notebook's pages as views on the settings: each is built when it is first shown and then shows the
// settings; what the user changes goes back to the settings and into the saved files; commands that change
// the settings show on every built page; what is amiss is marked and explained.
#include <gtest/gtest.h>
#include <wx/testing.h>
#include <wx/button.h>
#include <wx/spinctrl.h>

#include "app/MenuId.h"
#include "app/PageBook.h"
#include "pages/AudioPage.h"
#include "pages/BasicPage.h"
#include "pages/ControlPage.h"
#include "pages/MatchPage.h"
#include "pages/NetPage.h"
#include "pages/ThinkPage.h"
#include "settings/ConfigDocument.h"
#include "support/GuiHelpers.h"
#include "support/OtherSettings.h"

namespace
{
wxString N(int number) { return wxString::Format(L"%d", number); }
wxString TextOf(const SettingSection& s, const char* name) { return s.Text(s.Find(name)); }
wxWindow* Row(SettingControls& c, const char* name) { return c.Control(c.Section().Find(name)); }

// The sample game with every value away from its default and from what an empty control shows
using Change = std::function<void(GameSettings&)>;
void PrepareGame(const Change& change)
{
    CopySampleGame();
    GameSettings s;
    SetOthers(s);
    if (change)
        change(s);
    ASSERT_TRUE(ConfigDocument::Save(s, L"config.txt"));
}

// config.txt and the lists as a save would write them
std::string Snapshot(const GameSettings& s)
{
    std::string all = ConfigDocument::Bytes(s);
    for (const ListFile* list : s.Lists())
        all += list->Bytes();
    return all;
}
// every text and path field of the page, as if the user had edited it (none is, as the page shows the
// settings), or not
void MarkEdited(wxWindow* page, bool edited)
{
    for (wxWindow* control : Tree(page))
        if (auto* field = dynamic_cast<wxTextCtrl*>(control))
        {
            EXPECT_TRUE(!edited || !field->IsModified()) << "shown as an edit: " << B(field->GetValue());
            edited ? field->MarkDirty() : field->DiscardEdits();
        }
}

struct Game : FrameInTempDir
{
    explicit Game(Change change = nullptr) : FrameInTempDir([change] { PrepareGame(change); }) {}
    PageBook& Book() { return *Frame().GetNotebook(); }
    GameSettings& Settings() { return Frame().GetSettings(); }
    void Show(int tab) { Book().SetSelection(tab); Pump(30); }
    // the page shows the settings if handing every control back, as if edited, changes nothing
    void ExpectShows(int tab)
    {
        SettingsPage* page = Book().Pages().at(tab);
        ASSERT_TRUE(page->IsBuilt());
        const std::string shown = Snapshot(Settings());
        MarkEdited(page, true);
        page->StoreEdits();
        MarkEdited(page, false);
        EXPECT_EQ(Snapshot(Settings()), shown) << "tab " << tab;
    }
    wxWindow* Net(const char* name) { return Row(Book().netPage->Controls(), name); }
    wxWindow* Think(size_t slot) { return First<wxTextCtrl>(Book().thinkPage->EntrySlots().at(slot)); }
};
}

// A page left for another tab has handed its edit back at once; Save (a real Ctrl-S) hands back the rest. A
// text longer than GTK's entry holds (65,535 characters) shows cut short, and unedited it is saved whole.
TEST(PageView, AnEditOfEachKindReachesTheSettingsAndTheSavedFiles)
{
    // an edit on its tab, the value it gives, and whether the tab is left before the save
    const struct { const char* kind; int tab; void (*edit)(Game&); wxString (*value)(const GameSettings&);
                   const char* expected; bool leave; } edits[] = {
        {"choice", 0, [](Game& g) { Press(Row(g.Book().basicPage->Controls(), "resolution"), WXK_UP); },
         [](const GameSettings& s) { return N(s.basic.Number("resolution")); }, "0", false},
        {"slider", 3,
         [](Game& g) { Press(First<wxSpinCtrl>(Row(g.Book().matchPage->Controls(), "roundTime")), WXK_DOWN); },
         [](const GameSettings& s) { return N(s.match.Number("roundTime")); }, "570", true},
        {"text", 1, [](Game& g) { TypeInto(g.Net("hostName"), "host"); },
         [](const GameSettings& s) { return TextOf(s.net, "hostName"); }, "host", true},
        {"key", 2, [](Game& g) { Press(Row(g.Book().controlPage->Controls(), "goNextKey"), WXK_SHIFT); },
         [](const GameSettings& s) { return TextOf(s.control, "goNextKey"); }, "left shift", false},
        {"path", 8, [](Game& g) { TypeInto(g.Think(2), "Data/mine.thk"); },
         [](const GameSettings& s) { return s.thinkList.entries.Path(2); }, "Data/mine.thk", false},
    };
    const wxString longName(70000, L'n');
    Game game([&](GameSettings& s) { s.net.SetText(s.net.Find("userName"), longName); });
    for (const auto& e : edits)
    {
        SCOPED_TRACE(e.kind);
        game.Show(e.tab);
        e.edit(game);
        if (e.leave)
        {
            game.Show(e.tab == 0 ? 1 : 0);
            EXPECT_EQ(B(e.value(game.Settings())), e.expected);
        }
    }
    EXPECT_LT(dynamic_cast<wxTextCtrl&>(*game.Net("userName")).GetValue().length(), longName.length());
    Press(game.Think(2), 's', wxMOD_CONTROL);
    EXPECT_EQ(B(StatusOf(game.Frame())), "保存しました");
    GameSettings saved;
    EXPECT_FALSE(ConfigDocument::Load(saved, L"config.txt"));
    for (const auto& e : edits)
        EXPECT_EQ(B(e.value(saved)), e.expected) << e.kind;
    EXPECT_TRUE(TextOf(saved.net, "userName") == longName);
}

// A page is built when its tab is first shown. A list browsed for (the sample's, at the list's default
// path, is read at once), a preset (a real Ctrl-4 while typing), the initial settings and a load whose
// music list is missing show on every page built; a preset keeps the edit it does not change. The two pages
// left unbuilt show the settings when first shown.
TEST(PageView, EachTabBuildsItsPageWhenFirstShownAndCommandsShowOnTheBuiltPages)
{
    Game game;
    std::string titles;
    for (int tab = 0; tab < 9; ++tab)
        titles += B(game.Book().GetPageText(tab)) + (game.Book().Pages()[tab]->IsBuilt() ? "+ " : " ");
    EXPECT_EQ(titles, "基本+ 通信 操作 試合 補整 音声 画像 ジム 作戦 ");
    const int tabs[] = {3, 6, 6, 5, 5, 7, 8};    // in the order of GameSettings::Lists
    for (size_t i = 0; i < std::size(tabs); ++i)
    {
        game.Show(tabs[i]);
        const ListFile& list = *game.Settings().Lists().at(i);
        const std::string file = B(list.defaultPath.Mid(2));
        SCOPED_TRACE(file);
        for (wxWindow* control : Tree(game.Book().GetPage(tabs[i])))
            if (auto* path = dynamic_cast<PathField*>(control); path && path->GetPath() == list.path)
            {
                DialogAnswer dialog(U(game.dir.Path() + "/" + file));
                ClickButton(First<wxButton>(path));
                EXPECT_EQ(dialog.shown, 1);
            }
        GameSettings sample;
        sample.Lists().at(i)->path = U(file);
        ASSERT_TRUE(sample.Lists().at(i)->ReadFile());
        EXPECT_EQ(B(list.path), file);
        EXPECT_EQ(list.Bytes(), sample.Lists().at(i)->Bytes());
        game.ExpectShows(tabs[i]);
    }
    const auto expectAllShow = [&] {
        for (int tab : {0, 1, 3, 5, 6, 7, 8})
            game.ExpectShows(tab);
    };
    game.Show(1);
    TypeInto(game.Net("userName"), "boxer");
    Press(game.Net("userName"), '4', wxMOD_CONTROL);
    EXPECT_EQ(game.Settings().basic.Number("partitions"), 3);
    EXPECT_EQ(B(TextOf(game.Settings().net, "userName")), "boxer");
    expectAllShow();
    SendMenu(game.Frame(), idInitialSettings);
    EXPECT_EQ(B(dynamic_cast<wxTextCtrl&>(*game.Net("userName")).GetValue()), "user");
    expectAllShow();
    ASSERT_TRUE(std::filesystem::remove("bgm-other.txt"));
    DialogAnswer answer(U(game.dir.Path() + "/config.txt"));
    SendMenu(game.Frame(), idLoad);
    EXPECT_EQ(B(StatusOf(game.Frame())), "BGM設定ファイルが異常です");
    EXPECT_EQ(game.Settings().basic.Number("resolution"), 1);    // the choice after the default, read
    EXPECT_EQ(B(game.Settings().bgmList.path), "bgm-other.txt");
    expectAllShow();
    for (int tab : {2, 4})
    {
        EXPECT_FALSE(game.Book().Pages()[tab]->IsBuilt());
        game.Show(tab);
        game.ExpectShows(tab);
    }
}

// A music file gone, two actions of one set and the two players on one key: the path and the keys are marked
// and their tooltips say why; the marks follow what is typed or pressed. A setting's control has a tooltip.
TEST(PageView, MissingFilesAndKeysBoundTwiceAreMarkedAndExplained)
{
    FrameInTempDir window([] {
        CopySampleGame();
        std::filesystem::remove("BGM/kokorogm.mid");    // the second music slot's
        GameSettings s;
        ASSERT_FALSE(ConfigDocument::Load(s, L"config.txt"));
        s.control.SetText(s.control.Find("key0.1"), L"z");    // as key0.0, of the same set
        s.control.SetText(s.control.Find("key2.0"), L"z");    // as key1.0, of the other player
        ASSERT_TRUE(ConfigDocument::Save(s, L"config.txt"));
    });
    PageBook& book = *window.Frame().GetNotebook();
    book.SetSelection(5);
    const auto missing = [&] {    // the tooltips of the paths marked; the others' are their paths
        std::string marked;
        for (wxWindow* control : Tree(book.audioPage))
            if (auto* path = dynamic_cast<PathField*>(control))
            {
                const wxString tip = First<wxTextCtrl>(path)->GetToolTipText();
                marked += path->IsMarkedMissing() ? B(tip) + "|" : "";
                EXPECT_TRUE(path->IsMarkedMissing() || tip == path->GetPath()) << B(tip);
            }
        return marked;
    };
    EXPECT_EQ(missing(), "./BGM/kokorogm.mid\nファイルが見つかりません|");
    TypeInto(First<wxTextCtrl>(book.audioPage->BgmSlots()[1]), "BGM/cumugm.mid");
    TypeInto(First<wxTextCtrl>(book.audioPage->SeSlots()[0]), "SE/none.wav");
    EXPECT_EQ(missing(), "SE/none.wav\nファイルが見つかりません|");
    book.SetSelection(2);
    SettingControls& keys = book.controlPage->Controls();
    const SettingSection& control = keys.Section();
    const auto twice = [&] {    // the keys marked, and what their tooltips add to the description
        std::string marked;
        for (size_t row = 0; row < control.Size(); ++row)
        {
            const wxString tip = keys.Control(row)->GetToolTipText(), about = control.At(row).Help();
            const bool mark = book.controlPage->IsMarkedTwice(row);
            EXPECT_TRUE(tip.StartsWith(about)) << row;
            if (mark || tip != about)
                marked += (mark ? "" : "unmarked ") + control.At(row).name + B(tip.Mid(about.size())) + "|";
        }
        return marked;
    };
    const std::string same = "\n同じ組の別の操作にも使われているキーです|";
    const std::string other = "\nもう一人のプレイヤーにも使われているキーです|";
    EXPECT_EQ(twice(), "key0.0" + same + "key0.1" + same + "key1.0" + other + "key2.0" + other);
    Press(Row(keys, "key2.0"), 'q');
    EXPECT_EQ(twice(), "key0.0" + same + "key0.1" + same);
    book.SetSelection(3);
    for (SettingControls* page : {&keys, &book.matchPage->Controls()})
        for (size_t row = 0; row < page->Section().Size(); ++row)
            for (wxWindow* part : Tree(page->Control(row)))
                EXPECT_FALSE(part->GetToolTipText().empty()) << page->Section().At(row).name;
}

// config.txt changed on the disk after the editor read it (another editor saved it): a save asks before
// overwriting it; no keeps the other file and says the save was cancelled, yes saves and says so. Lists a
// save will leave alone are named as soon as the editor starts.
TEST(PageView, ASaveAsksBeforeOverwritingAConfigChangedOnTheDisk)
{
    FrameInTempDir game(CopySampleGame);
    for (const int answer : {wxID_NO, wxID_YES})
    {
        WriteFile("config.txt", ReadFile("config.txt") + "#changed\n");
        const std::string changed = ReadFile("config.txt");
        wxTEST_DIALOG(SendMenu(game.Frame(), idSave), wxExpectModal<wxMessageDialog>(answer));
        EXPECT_EQ(ReadFile("config.txt") == changed, answer == wxID_NO);
        EXPECT_EQ(B(StatusOf(game.Frame())), answer == wxID_NO ? "保存中止" : "保存しました");
    }
    SendMenu(game.Frame(), idSave);    // unchanged since: no question
    EXPECT_EQ(B(StatusOf(game.Frame())), "保存しました");

    // the font list pointed at the music list ("#BGM Config File" stands above its path): both named at once
    FrameInTempDir shared([] {
        CopySampleGame();
        std::string config = ReadFile("config.txt");
        WriteFile("config.txt", config.replace(config.find("\n./Font/fontcf.txt\n"), 19, "\n./BGM/bgmcf.txt\n"));
    });
    EXPECT_EQ(B(StatusOf(shared.Frame())), "保存されないファイルがあります: ./BGM/bgmcf.txt、./BGM/bgmcf.txt");
}
