// The window as it fits its content, its theme and its user: every control whole at the opening size and
// fields taking a wider window's room, the focus kept in view, pages switched from any control and shown with
// no field selected, names a screen reader hears (read back through ATK), marks that read in the theme, and
// the size, place and page remembered. EveryControl* runs again at GDK_DPI_SCALE=1.5 and GDK_SCALE=2, AMark* under
// Adwaita:dark (tests/CMakeLists.txt).
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/config.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/settings.h>
#include <wx/slider.h>
#include <wx/spinctrl.h>

#include "app/PageBook.h"
#include "app/WindowMemory.h"
#include "controls/ChoiceField.h"
#include "controls/FieldMark.h"
#include "controls/GtkAccess.h"
#include "controls/KeyField.h"
#include "controls/NumberField.h"
#include "controls/PathField.h"
#include "controls/TextField.h"
#include "pages/MatchPage.h"
#include "support/GuiHelpers.h"

namespace
{
// each row of a page, caption (a text or a button) and control, as the page's boxes hold them
std::vector<std::pair<wxWindow*, wxWindow*>> Rows(wxSizer* sizer)
{
    std::vector<std::pair<wxWindow*, wxWindow*>> rows;
    const wxSizerItemList& items = sizer->GetChildren();
    for (size_t i = 0; dynamic_cast<wxFlexGridSizer*>(sizer) && i + 1 < items.size(); i += 2)
        rows.emplace_back(items[i]->GetWindow(), items[i + 1]->GetWindow());
    for (wxSizerItem* item : items)
        for (const auto& row : item->IsSizer() ? Rows(item->GetSizer()) : decltype(rows)())
            rows.push_back(row);
    return rows;
}
wxRect OnScreen(wxWindow* w) { return w->GetScreenRect(); }
// a point on the tab of that page
wxPoint TabOf(PageBook& book, int page)
{
    for (int y = 2; y < 80; y += 4)
        for (int x = 2; x < book.GetSize().x; x += 4)
            if (book.HitTest(wxPoint(x, y)) == page)
                return book.ClientToScreen(wxPoint(x + 6, y + 4));
    return wxPoint();
}
}

// The window opens as large as the pages need, those not built estimated: at that size each page shows every
// control whole, none narrower than it needs nor overlapping its caption; in a window of 1280 x 960 a path
// field takes the room.
TEST(WindowTest, EveryControlIsWholeAtTheOpeningSizeAndFieldsGrowWithTheWindow)
{
    FrameInTempDir window(CopySampleGame);
    MainWindow& frame = window.Frame();
    EXPECT_TRUE(frame.GetSize().x >= 640 && frame.GetSize().y >= 480);
    PageBook& book = *frame.GetNotebook();
    for (size_t page = 0; page < book.GetPageCount(); ++page)
    {
        book.SetSelection(page);
        Pump(50);
        const wxRect visible = OnScreen(book.GetPage(page));
        for (const auto& [caption, control] : Rows(book.GetPage(page)->GetSizer()))
            for (wxWindow* part : {caption, control})
            {
                SCOPED_TRACE("page " + std::to_string(page) + ": " + B(caption->GetLabel()));
                const wxRect rect = OnScreen(part);
                EXPECT_TRUE(rect.GetLeft() >= visible.GetLeft() && rect.GetRight() <= visible.GetRight());
                EXPECT_GE(rect.width, part->GetBestSize().x);
                EXPECT_FALSE(part != caption && rect.Intersects(OnScreen(caption)));
            }
    }
    frame.SetSize(1280, 960);
    book.SetSelection(5);
    for (wxStopWatch watch; watch.Time() < 1000 && book.GetPage(5)->GetSize().x < 1200;)
        Pump(50);
    EXPECT_GE(First<wxTextCtrl>(book.GetPage(5))->GetSize().x, 300);
}

// Tab and Shift-Tab through the gym page, the longest, in a window too low for it: the page scrolls so that
// each control taking the focus is in view.
TEST(WindowTest, TheFocusedControlStaysInView)
{
    FrameInTempDir window(CopySampleGame);
    window.Frame().SetSize(640, 480);
    PageBook& book = *window.Frame().GetNotebook();
    book.SetSelection(7);
    auto* page = book.Pages().at(7);
    PressKeys(First<wxTextCtrl>(page), [](wxUIActionSimulator&) {});
    int scrolled = 0;
    for (int shift : {wxMOD_NONE, wxMOD_SHIFT})
        for (int press = 0; press < (shift ? 12 : 36); ++press)
        {
            wxUIActionSimulator().Char(WXK_TAB, shift);
            Pump(20);
            wxWindow* focus = wxWindow::FindFocus();
            ASSERT_TRUE(focus && page->IsDescendant(focus));
            EXPECT_TRUE(OnScreen(page).Contains(OnScreen(focus))) << press;
            scrolled += page->GetViewStart().y > 0;
        }
    EXPECT_GT(scrolled, 0);
}

// Every page shown by a real click on its tab (first showings: built then), and by Ctrl-PageDown and
// Ctrl-PageUp from a control of each kind: the focus goes to the tabs, no text is selected and a typed
// letter changes nothing.
TEST(WindowTest, ShowingAPageByClickOrKeySelectsNothing)
{
    FrameInTempDir window(CopySampleGame);
    PageBook& book = *window.Frame().GetNotebook();
    const auto expectShownQuietly = [&](size_t page, const std::string& how) {
        SCOPED_TRACE(how + " to page " + std::to_string(page));
        EXPECT_EQ(book.GetSelection(), int(page));
        for (wxWindow* w : Tree(book.GetPage(page)))
            if (long from = 0, to = 0; dynamic_cast<wxTextEntry*>(w))
                EXPECT_EQ((dynamic_cast<wxTextEntry*>(w)->GetSelection(&from, &to), from), to);
        const std::string before = Shown(book.GetPage(page));
        wxUIActionSimulator().Char('k');
        Pump(80);
        EXPECT_EQ(Shown(book.GetPage(page)), before);
        EXPECT_EQ(wxWindow::FindFocus(), &book);
    };
    PointAt(&book);
    for (size_t page = 1; page < book.GetPageCount(); ++page)
    {
        wxUIActionSimulator().MouseMove(TabOf(book, page));
        wxUIActionSimulator().MouseClick();
        Pump(150);
        expectShownQuietly(page, "click");
    }
    const std::pair<size_t, wxWindow* (*)(wxWindow*)> from[] = {
        {0, [](wxWindow* p) -> wxWindow* { return First<wxSpinCtrl>(p); }},
        {0, [](wxWindow* p) -> wxWindow* { return First<ChoiceField>(p); }},
        {1, [](wxWindow* p) -> wxWindow* { return First<TextField>(p); }},
        {2, [](wxWindow* p) -> wxWindow* { return First<KeyField>(p); }},
        {8, [](wxWindow* p) -> wxWindow* { return First<wxTextCtrl>(First<PathField>(p)); }},
    };
    for (const auto& [page, find] : from)
        for (int key : {WXK_PAGEDOWN, WXK_PAGEUP})
        {
            book.SetSelection(page);
            Pump(50);
            wxWindow* control = find(book.GetPage(page));
            Press(control, key, wxMOD_CONTROL);
            expectShownQuietly((page + (key == WXK_PAGEDOWN ? 1 : 8)) % 9,
                               "from a " + B(control->GetClassInfo()->GetClassName()));
        }
}

// What a screen reader hears, read back through ATK: each control is called by its caption (a slider and its
// spin control both), a browse button says what it browses.
TEST(WindowTest, ScreenReadersHearTheCaptions)
{
    FrameInTempDir window(CopySampleGame);
    PageBook& book = *window.Frame().GetNotebook();
    int named = 0;
    for (size_t page = 0; page < book.GetPageCount(); ++page)
    {
        book.SetSelection(page);
        for (const auto& [caption, control] : Rows(book.GetPage(page)->GetSizer()))
        {
            const wxString name = wxControl::GetLabelText(caption->GetLabel());
            std::vector<std::pair<wxWindow*, wxString>> parts = {{control, name}};
            if (dynamic_cast<NumberField*>(control))
                parts = {{First<wxSlider>(control), name}, {First<wxSpinCtrl>(control), name}};
            else if (dynamic_cast<PathField*>(control))
                parts = {{First<wxTextCtrl>(control), name}, {First<wxButton>(control), name + L": 参照"}};
            for (const auto& [part, expected] : parts)
                named += AccessibleName(part) == expected || (ADD_FAILURE() << B(expected), false);
        }
    }
    EXPECT_GT(named, 250);
}

// A missing file's mark as the screen shows it: the text on the tinted field keeps 4.5 : 1 in the theme the
// test runs under (the default and Adwaita:dark), and a screen reader hears why; a save that makes the file
// (real Ctrl-S) clears the mark.
TEST(WindowTest, AMarkReadsInTheThemeAndTheSaveThatMakesTheFileClearsIt)
{
    FrameInTempDir window([] {
        CopySampleGame();
        std::filesystem::remove("Replay/replaycf.txt");
    });
    PageBook& book = *window.Frame().GetNotebook();
    book.SetSelection(3);
    Pump(100);
    PathField* listPath = book.matchPage->ReplayListSelector();
    ASSERT_TRUE(listPath->IsMarkedMissing());
    EXPECT_EQ(B(AccessibleDescription(First<wxTextCtrl>(listPath))), "./Replay/replaycf.txt\nファイルが見つかりません");
    // the field's pixels: the commonest colour is its background, the one furthest from it its text
    wxTextCtrl* field = First<wxTextCtrl>(listPath);
    const wxRect rect = OnScreen(field).Deflate(4, 4);
    wxBitmap shot(rect.GetSize());
    wxScreenDC screen;
    wxMemoryDC(shot).Blit(0, 0, rect.width, rect.height, &screen, rect.x, rect.y);
    const wxImage image = shot.ConvertToImage();
    std::map<unsigned long, int> count;
    for (int i = 0; i < rect.width * rect.height; ++i)
        ++count[wxColour(image.GetData()[3 * i], image.GetData()[3 * i + 1], image.GetData()[3 * i + 2]).GetRGB()];
    wxColour background, text, c;
    background.SetRGB(std::max_element(count.begin(), count.end(), [](auto& a, auto& b) {
                          return a.second < b.second;
                      })->first);
    text = background;
    for (const auto& [rgb, n] : count)
        if (c.SetRGB(rgb), ContrastRatio(c, background) > ContrastRatio(text, background))
            text = c;
    EXPECT_NE(background, wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));    // tinted
    EXPECT_GE(ContrastRatio(text, background), 4.5);
    Press(field, 's', wxMOD_CONTROL);
    EXPECT_TRUE(FileExists("Replay/replaycf.txt"));
    EXPECT_FALSE(listPath->IsMarkedMissing());
}

// The size and page a window had when it closed come back with the next, from the file in $XDG_CONFIG_HOME
// (a scratch folder here), and only that page is built.
TEST(WindowTest, TheWindowIsRememberedInTheUserConfigFolder)
{
    TempDir dir;
    CopySampleGame();
    wxSetEnv(L"XDG_CONFIG_HOME", wxGetCwd() + L"/config");
    UseWindowMemory();
    auto* frame = new MainWindow(true);
    frame->Show();
    frame->SetSize(900, 700);
    frame->GetNotebook()->SetSelection(4);
    Pump(100);
    frame->Destroy();
    Pump(50);
    wxConfigBase::Get()->Flush();
    EXPECT_TRUE(FileExists("config/ringvald-config/window.conf"));
    frame = new MainWindow(true);
    EXPECT_EQ(frame->GetSize(), wxSize(900, 700));
    for (size_t page = 0; page < frame->GetNotebook()->GetPageCount(); ++page)
        EXPECT_EQ(frame->GetNotebook()->Pages()[page]->IsBuilt(), page == 4);
    frame->Destroy();
    Pump(10);    // gone, and remembered, before the configuration goes
    delete wxConfigBase::Set(nullptr);
}
