// The notebook's pages as views on the settings: each is built when it is
// first shown and then shows the settings; what the user changes goes back
// to the settings and into the saved files; commands that change the
// settings show on every built page.
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/spinctrl.h>

#include "app/MenuId.h"
#include "app/myNotebook.h"
#include "pages/AudioPage.h"
#include "pages/BasicPage.h"
#include "pages/ControlPage.h"
#include "pages/MatchPage.h"
#include "pages/NetPage.h"
#include "pages/ThinkPage.h"
#include "pages/VisualPage.h"
#include "settings/ConfigDocument.h"
#include "support/GuiHelpers.h"
#include "support/MemoryStreams.h"

namespace
{
wxString N(int number) { return wxString::Format(L"%d", number); }
wxString TextOf(const SettingSection& s, const char* name) { return s.Text(s.Find(name)); }

// The sample game with no value as an empty control shows it (the last
// choices, the top of the ranges, texts and paths all different), its lists
// saved as list0.txt to list6.txt beside the sample's own list files.
void PrepareGame(const std::function<void(GameSettings&)>& change)
{
    CopySampleGame();
    GameSettings s;
    int next = 0;
    for (SettingSection* section :
         {&s.basic, &s.net, &s.control, &s.match, &s.manip, &s.replayList.values, &s.fontList.sizes})
        for (size_t row = 0; row < section->Size(); ++row)
        {
            const Setting& set = section->At(row);
            const int top = set.kind == Setting::choice ? int(set.choices.size()) - 1 : set.max;
            if (set.HoldsText())
                section->SetText(row, L"t" + N(next++));
            else
                section->SetNumber(row, top - row % 2);
        }
    for (SlotList* slots : {&s.replayList.slots, &s.fontList.paths, &s.imageList.slots, &s.bgmList.slots,
                            &s.seList.slots, &s.boxerList.members, &s.thinkList.entries})
        for (size_t slot = 0; slot < slots->Size(); ++slot)
            slots->SetPath(slot, L"p" + N(next++) + L".x");
    for (size_t list = 0; list < s.Lists().size(); ++list)
        s.Lists()[list]->path = L"list" + N(int(list)) + L".txt";
    if (change)
        change(s);
    ASSERT_TRUE(ConfigDocument::Save(s, L"config.txt"));
}

std::string Bytes(const ListFile& list)
{
    return WrittenBy([&](wxTextOutputStream& out) { list.Write(out); });
}

// config.txt and the lists as a save would write them
std::string Snapshot(const GameSettings& s)
{
    std::string all = ConfigDocument::Bytes(s);
    for (const ListFile* list : s.Lists())
        all += Bytes(*list);
    return all;
}

// every text and path field below the window, as if the user had edited it, or not
void MarkEdited(wxWindow* window, bool edited)
{
    for (wxWindow* child : window->GetChildren())
    {
        if (auto* field = dynamic_cast<wxTextCtrl*>(child))
            edited ? field->MarkDirty() : field->DiscardEdits();
        MarkEdited(child, edited);
    }
}

void Press(wxWindow* control, int key, int modifiers = wxMOD_NONE)
{
    PressKeys(control, [&](wxUIActionSimulator& sim) { sim.Char(key, modifiers); });
}

struct Game
{
    explicit Game(std::function<void(GameSettings&)> change = nullptr)
        : window([change] { PrepareGame(change); })
    {
    }

    myFrame& Frame() { return window.Frame(); }
    myNotebook& Book() { return *Frame().GetNotebook(); }
    GameSettings& Settings() { return Frame().GetSettings(); }
    void Show(int tab)
    {
        Book().SetSelection(tab);
        Pump(30);
    }
    // A page shows the settings when every control handed back, as if each
    // were edited, changes nothing: no value is what an empty control holds.
    void ExpectShows(int tab)
    {
        myPage* page = Book().Pages().at(tab);
        ASSERT_TRUE(page->IsBuilt());
        const std::string shown = Snapshot(Settings());
        MarkEdited(page, true);
        page->StoreEdits();
        MarkEdited(page, false);
        EXPECT_EQ(Snapshot(Settings()), shown) << "tab " << tab;
    }
    static wxWindow* Row(SettingControls& controls, const char* name)
    {
        return controls.Control(controls.Section().Find(name));
    }
    wxWindow* Net(const char* name) { return Row(Book().netPage->Controls(), name); }
    wxWindow* Think(size_t slot) { return ChildOf<wxTextCtrl>(Book().thinkPage->EntrySlots().at(slot)); }

    FrameInTempDir window;
};
}

TEST(PageView, EachTabBuildsItsPageWhenFirstShownAndThePageShowsTheSettings)
{
    Game game;
    const char* const titles[] = {"基本", "通信", "操作", "試合", "補整", "音声", "画像", "ジム", "作戦"};
    ASSERT_EQ(game.Book().GetPageCount(), 9u);
    for (int tab = 0; tab < 9; ++tab)
    {
        SCOPED_TRACE(tab);
        if (tab > 0)
            game.Show(tab);
        EXPECT_EQ(B(game.Book().GetPageText(tab)), titles[tab]);
        for (int other = 0; other < 9; ++other)
            EXPECT_EQ(game.Book().Pages()[other]->IsBuilt(), other <= tab) << "page " << other;
        game.ExpectShows(tab);
    }
}

// A page left for another tab has handed its edit back at once; Save (a real
// Ctrl-S) hands back the rest. A text longer than GTK's entry holds (65,535
// characters) shows cut short, and unedited it is saved whole.
TEST(PageView, AnEditOfEachKindReachesTheSettingsAndTheSavedFiles)
{
    using Value = wxString (*)(const GameSettings&);
    const struct
    {
        const char* kind;
        int tab;
        std::function<void(Game&)> edit;
        Value value;
        const char* expected;
        bool leave;
    } edits[] = {
        {"choice", 0, [](Game& g) { Press(g.Row(g.Book().basicPage->Controls(), "resolution"), WXK_UP); },
         [](const GameSettings& s) { return N(s.basic.Number("resolution")); }, "4", false},
        {"slider", 3,
         [](Game& g) {
             Press(ChildOf<wxSpinCtrl>(g.Row(g.Book().matchPage->Controls(), "roundTime")), WXK_DOWN);
         },
         [](const GameSettings& s) { return N(s.match.Number("roundTime")); }, "569", true},
        {"text", 1, [](Game& g) { TypeInto(g.Net("hostName"), "host"); },
         [](const GameSettings& s) { return TextOf(s.net, "hostName"); }, "host", true},
        {"key", 2, [](Game& g) { Press(g.Row(g.Book().controlPage->Controls(), "goNextKey"), 'q'); },
         [](const GameSettings& s) { return TextOf(s.control, "goNextKey"); }, "q", false},
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

// A list file browsed for, a preset (a real Ctrl-4 while typing on another
// page), the initial settings and a load whose music list is missing show on
// every page built (all but two); a preset keeps the edit it does not change.
TEST(PageView, CommandsThatChangeTheSettingsShowOnTheBuiltPages)
{
    Game game;
    // Each list path selector, while every list is away from the sample's: a
    // cancelled browse reads nothing; the sample's own list file (the list's
    // default path) is read at once.
    const int tabs[] = {3, 6, 6, 5, 5, 7, 8};    // in the order of GameSettings::Lists
    for (size_t i = 0; i < std::size(tabs); ++i)
    {
        game.Show(tabs[i]);
        myNotebook& b = game.Book();
        myFileSelect* const selectors[] = {
            b.matchPage->ReplayListSelector(), b.visualPage->FontListSelector(),
            b.visualPage->ImageListSelector(), b.audioPage->BgmListSelector(),
            b.audioPage->SeListSelector(),     b.boxerPage->ListSelector(),
            b.thinkPage->ListSelector()};
        const ListFile& list = *game.Settings().Lists().at(i);
        const std::string before = Bytes(list), file = B(list.defaultPath.Mid(2));
        SCOPED_TRACE(file);
        for (const std::string answer : {std::string(), game.window.dir.Path() + "/" + file})
        {
            DialogAnswer dialog(U(answer));
            ClickButton(ChildOf<wxButton>(selectors[i]));
            EXPECT_EQ(dialog.shown, 1);
            EXPECT_EQ(Bytes(list) == before, answer.empty());
        }
        GameSettings sample;
        sample.Lists().at(i)->path = U(file);
        ASSERT_TRUE(sample.Lists().at(i)->ReadFile());
        EXPECT_EQ(B(list.path), file);
        EXPECT_EQ(Bytes(list), Bytes(*sample.Lists().at(i)));
        game.ExpectShows(tabs[i]);
    }

    const int built[] = {0, 1, 3, 5, 6, 7, 8};
    game.Show(1);
    TypeInto(game.Net("userName"), "boxer");
    Press(game.Net("userName"), '4', wxMOD_CONTROL);
    EXPECT_EQ(game.Settings().basic.Number("partitions"), 3);
    EXPECT_EQ(B(TextOf(game.Settings().net, "userName")), "boxer");
    for (int tab : built)
        game.ExpectShows(tab);

    SendMenu(game.Frame(), idInitialSettings);
    EXPECT_EQ(B(dynamic_cast<wxTextCtrl&>(*game.Net("userName")).GetValue()), "user");
    for (int tab : built)
        game.ExpectShows(tab);

    ASSERT_TRUE(std::filesystem::remove("list3.txt"));
    DialogAnswer answer(U(game.window.dir.Path() + "/config.txt"));
    SendMenu(game.Frame(), idLoad);
    EXPECT_EQ(B(StatusOf(game.Frame())), "BGM設定ファイルが異常です");
    EXPECT_EQ(game.Settings().basic.Number("resolution"), 5);    // the last choice, read
    EXPECT_EQ(B(game.Settings().bgmList.path), "list3.txt");
    for (int tab : built)
        game.ExpectShows(tab);
    EXPECT_FALSE(game.Book().Pages()[2]->IsBuilt() || game.Book().Pages()[4]->IsBuilt());
}
