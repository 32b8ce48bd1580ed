// The small controls alone in a window: the slider, the file selector and the key-capture field, under real
// key presses (XTest, as the toolkit's simulator sends them: the field sees whatever GTK makes of them).
#include <gtest/gtest.h>
#include <array>
#include <map>
#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/clipbrd.h>
#include <wx/frame.h>
#include <wx/slider.h>
#include <wx/spinctrl.h>
#include <X11/keysym.h>

#include "controls/PathField.h"
#include "controls/TextField.h"
#include "controls/NumberField.h"
#include "controls/KeyField.h"
#include "support/GuiHelpers.h"

namespace
{
// a window for the controls a test makes in it, destroyed with this
struct Window
{
    ~Window() { frame->Destroy(); }
    void Show() { frame->Show(); Pump(200); }
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, wxString(L"controls"), wxPoint(40, 40), wxSize(400, 200));
};
// what a slider's spin control, slider and the control itself show
using V = std::vector<int>;
V Shown(NumberField* c)
{
    return {First<wxSpinCtrl>(c)->GetValue(), First<wxSlider>(c)->GetValue(), c->GetValue()};
}
// a file selector in a window standing in for a page (not shown: its button is clicked from code), which
// notes every file it is told was chosen, and every click that travels on to it
struct PageStandIn : Window
{
    PageStandIn() : selector(new PathField(frame, L"kept.txt"))
    {
        selector->SetChosenCallback([this](const wxString& path) { told.push_back(B(path)); });
        frame->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { told.push_back("click"); });
    }
    void Browse() { ClickButton(First<wxButton>(selector)); }
    PathField* selector;
    std::vector<std::string> told;
};
// a key field and a plain field, the focus in the key field, NumLock on
class KeyCapture : public testing::Test
{
protected:
    void SetUp() override
    {
        (plain = new TextField(window.frame))->SetSize(0, 80, 300, -1);    // the click lands past the text
        field->SetNamedCallback([this] { ++told; });
        window.Show();
        PointAt(field);
        field->SetFocus();
        SetNumLock(true);
        ASSERT_TRUE(wxGetKeyState(WXK_NUMLOCK)) << "NumLock could not be switched on";
    }
    void TearDown() override { SetNumLock(false); }    // as Xvfb starts
    void SetNumLock(bool on)
    {
        for (int tries = 0; tries < 3 && wxGetKeyState(WXK_NUMLOCK) != on; ++tries, Pump(100))
            sim.Char(WXK_NUMLOCK);
    }
    // The field showing "before" (no key's name), the cursor at its end, then the keys: what it shows. A name
    // put in is an edit, told at once; none is neither.
    std::string After(const std::function<void()>& keys, const char* before = "?")
    {
        field->ChangeValue(U(before));
        field->DiscardEdits();    // as a page showing the settings does
        field->SetInsertionPointEnd();
        told = 0;
        keys();
        Pump(60);
        const std::string after = B(field->GetValue());
        EXPECT_EQ(field->IsModified(), after != before) << after;
        EXPECT_EQ(told > 0, after != before) << after;
        return after;
    }
    wxUIActionSimulator sim;
    Window window;
    KeyField* field = new KeyField(window.frame);
    TextField* plain = nullptr;
    int told = 0;
};
}

// SetValue holds a value beyond the range at its nearer end too. One window holds a slider of each range.
TEST(Slider, BothControlsShowTheValueSetSteppedDraggedOrTyped)
{
    Window window;
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    std::map<int, NumberField*> byStep;
    for (const auto [min, max, step] : {std::array{10, 600, 30}, {1, 5, 1}, {-8, 128, 8}})
        sizer->Add(byStep[step] = new NumberField(window.frame, min, max, step));
    window.frame->SetSizer(sizer);
    window.Show();
    PointAt(window.frame);
    const struct { int step, set, shown, key, shownAfterKey; } cases[] = {
        {30, 70, 70, WXK_UP, 100},    {30, 70, 70, WXK_DOWN, 40}, {30, 590, 590, WXK_UP, 600},
        {30, 20, 20, WXK_DOWN, 10},   {1, 3, 3, WXK_UP, 4},       {1, 3, 3, WXK_DOWN, 2},
        {8, 500, 128, WXK_DOWN, 120}, {8, -9, -8, WXK_UP, 0},     {8, 129, 128, WXK_UP, 128},
    };
    wxUIActionSimulator sim;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.set) + " step " + std::to_string(c.step));
        NumberField* slider = byStep.at(c.step);
        slider->SetValue(c.set);
        EXPECT_EQ(Shown(slider), V(3, c.shown));
        First<wxSpinCtrl>(slider)->SetFocus();
        Pump(30);
        sim.Char(c.key);
        Pump(60);
        EXPECT_EQ(Shown(slider), V(3, c.shownAfterKey));
    }
    // a dragged slider's value is copied unrounded to the step, a typed one as it is
    NumberField* slider = byStep.at(30);
    wxSlider* track = First<wxSlider>(slider);
    slider->SetValue(70);
    track->SetValue(37);
    wxCommandEvent dragged(wxEVT_SLIDER, track->GetId());
    dragged.SetEventObject(track);
    dragged.SetInt(37);
    track->ProcessWindowEvent(dragged);
    EXPECT_EQ(Shown(slider), V(3, 37));
    PressKeys(First<wxSpinCtrl>(slider), [](wxUIActionSimulator& sim) {
        sim.Char('a', wxMOD_CONTROL);    // select what is there
        sim.Text("55");
        sim.Char(WXK_RETURN);
    });
    EXPECT_EQ(Shown(slider), V(3, 55));
}

// From a folder of the game directory (<game>) a file in it chosen: the path shown, an edit, and the page
// told of it; the click stays with the selector. Without a test's answer the browse button shows a real file
// dialog, with the selector's inputs before a page sets any, and then with a page's; cancelled, it changes
// nothing.
TEST(FileSelect, AChosenPathIsMadeRelativeToTheWorkingDirectoryAndTold)
{
    const struct { const char *workingSubfolder, *chosen; bool relativeMode; const char* shown; } cases[] = {
        {"", "BGM/a.mid", true, "BGM/a.mid"},           {"bin", "Font/b.ttf", true, "../Font/b.ttf"},
        {"bin/deeper", "Font/b.ttf", true, "../../Font/b.ttf"},
        {"", "Font/b.ttf", false, "<game>/Font/b.ttf"}, {"bin", "Font/b.ttf", false, "<game>/Font/b.ttf"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.chosen) + " from " + c.workingSubfolder);
        TempDir game;
        MakeDir(game.Path() + "/" + c.workingSubfolder);
        std::filesystem::current_path(game.Path() + "/" + c.workingSubfolder);
        PageStandIn page;
        page.selector->relativeMode = c.relativeMode;
        DialogAnswer answer(U(game.Path() + "/" + c.chosen));
        page.Browse();
        const std::string shown = c.shown;
        const bool inGame = shown.rfind("<game>", 0) == 0;
        EXPECT_EQ(B(page.selector->GetPath()), inGame ? game.Path() + shown.substr(6) : shown);
        EXPECT_EQ(answer.shown, 1);
        EXPECT_TRUE(page.selector->IsEdited());
        EXPECT_EQ(page.told, std::vector<std::string>{B(page.selector->GetPath())});
    }
    PageStandIn page;
    ModalDialogs dialogs;    // each cancelled
    page.Browse();
    page.selector->message = L"BGM";
    page.selector->wildcard = L"BGM (*.mid)|*.mid";
    page.selector->startDir = L"./BGM";
    page.Browse();
    EXPECT_EQ(dialogs.seen, "file dialog 設定ファイル|./|Text (*.txt)|*.txt|open"
                            "file dialog BGM|./BGM|BGM (*.mid)|*.mid|open");
    EXPECT_EQ(B(page.selector->GetPath()), "kept.txt");
    EXPECT_TRUE(page.told.empty() && !page.selector->IsEdited());
}

// A few real presses of each stage and trap (settings/KeyNames has the whole table), NumLock on, then off.
// The key j's X key symbol is 106, which is the keypad's multiply key elsewhere.
TEST_F(KeyCapture, AKeyPutsItsNameInPlaceOfTheTextOrLeavesTheText)
{
    const struct { int keyCode, modifiers; const char* after; } cases[] = {
        {WXK_SPACE, 0, "space"}, {'j', 0, "j"}, {'\\', 0, "\\"}, {WXK_NUMPAD4, 0, "[4]"},
        {WXK_NUMPAD_MULTIPLY, 0, "[*]"}, {WXK_SHIFT, 0, "left shift"}, {WXK_CONTROL, 0, "left ctrl"},
        // a modifier held with a key names the modifier: no paste, no cut
        {'a', wxMOD_SHIFT, "left shift"}, {'v', wxMOD_CONTROL, "left ctrl"},
        {WXK_INSERT, wxMOD_SHIFT, "left shift"},
        // other keys change nothing and nothing deletes; the keypad's Enter is not Return
        {'1', 0, "?"}, {'=', 0, "?"}, {WXK_F1, 0, "?"}, {WXK_BACK, 0, "?"}, {WXK_NUMPAD_ENTER, 0, "?"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(After([&] { sim.Char(c.keyCode, c.modifiers); }), c.after) << c.keyCode;
    // Delete at the start (Backspace at the end is in the table)
    EXPECT_EQ(After([&] { field->SetInsertionPoint(0); sim.Char(WXK_DELETE); }, "z"), "z");
    // the right-hand Shift and Control keys, which the simulator cannot press
    EXPECT_EQ(After([] { EXPECT_TRUE(PressXKey(XK_Shift_R)); }), "left shift");
    EXPECT_EQ(After([] { EXPECT_TRUE(PressXKey(XK_Control_R)); }), "left ctrl");
    // Tab and Shift-Tab move the focus on; the Shift held for it names nothing
    for (int modifiers : {wxMOD_NONE, wxMOD_SHIFT})
    {
        field->SetFocus();
        Pump(100);
        EXPECT_EQ(After([&] { sim.Char(WXK_TAB, modifiers); }), "?");
        EXPECT_EQ(wxWindow::FindFocus(), plain) << modifiers;
    }
    field->SetFocus();
    // NumLock off: keypad 4 and 8 are the player's arrows; its other keys (a digit, the point) name nothing
    SetNumLock(false);
    ASSERT_FALSE(wxGetKeyState(WXK_NUMLOCK));
    const struct { unsigned long symbol; const char* after; } keypad[] = {
        {XK_KP_4, "left"}, {XK_KP_8, "up"}, {XK_KP_5, "?"}, {XK_KP_Delete, "?"}};
    for (const auto& key : keypad)
        EXPECT_EQ(After([&] { PressXKey(key.symbol); }), key.after) << key.symbol;
}

// The same pastes reach the plain field, so the clipboards work here. The context menu would offer cut,
// paste and delete: it never opens, so a key pressed right after the right click still reaches the field.
TEST_F(KeyCapture, TheMouseNeitherPastesNorOpensAMenu)
{
    for (bool primary : {false, true})
    {
        wxTheClipboard->UsePrimarySelection(primary);
        ASSERT_TRUE(wxTheClipboard->Open());
        wxTheClipboard->SetData(new wxTextDataObject(primary ? L"primary" : L"pasted"));
        wxTheClipboard->Close();
    }
    for (wxTextCtrl* box : std::initializer_list<wxTextCtrl*>{plain, field})
    {
        box->ChangeValue(L"z");
        box->Paste();
        PointAt(box);
        sim.MouseClick(wxMOUSE_BTN_MIDDLE);
        Pump(200);
    }
    for (bool primary : {true, false})    // wxGTK frees at exit only the data of the mode it is in
    {
        wxTheClipboard->UsePrimarySelection(primary);
        wxTheClipboard->Clear();
    }
    ASSERT_TRUE(plain->GetValue().Contains(L"pasted") && plain->GetValue().Contains(L"primary"));
    EXPECT_EQ(B(field->GetValue()), "z");
    field->SetFocus();    // the middle click on the plain field took it
    sim.MouseClick(wxMOUSE_BTN_RIGHT);
    Pump(200);
    sim.Char('q');
    Pump(60);
    EXPECT_EQ(B(field->GetValue()), "q");
    sim.Char(WXK_ESCAPE);    // closes a menu that did open
    Pump(60);
}
