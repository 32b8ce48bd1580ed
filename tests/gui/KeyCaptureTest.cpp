// The key-capture field under real key presses: the X server gets the keys
// (through XTest, as the toolkit's simulator sends them) and the field sees
// whatever GTK makes of them.
#include <dlfcn.h>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/frame.h>
#include <wx/uiaction.h>
#include <wx/utils.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include "controls/myInput.h"
#include "controls/myTCtrl.h"
#include "support/GuiHelpers.h"

namespace
{
// Presses and releases one key given by its X key symbol. The simulator
// only knows the left-hand Shift and Control keys. This is a bit of a hack:
// Xlib and XTest are looked up in the running program (the toolkit is
// linked with both), so the tests need no X development files.
bool PressXKey(KeySym symbol)
{
    const auto find = [](const char* name) { return dlsym(RTLD_DEFAULT, name); };
    auto open = reinterpret_cast<Display* (*)(const char*)>(find("XOpenDisplay"));
    auto close = reinterpret_cast<int (*)(Display*)>(find("XCloseDisplay"));
    auto toKeycode = reinterpret_cast<KeyCode (*)(Display*, KeySym)>(find("XKeysymToKeycode"));
    auto fake = reinterpret_cast<int (*)(Display*, unsigned, Bool, unsigned long)>(find("XTestFakeKeyEvent"));
    auto flush = reinterpret_cast<int (*)(Display*)>(find("XFlush"));
    Display* display = open && close && toKeycode && fake && flush ? open(nullptr) : nullptr;
    if (!display)
        return false;
    const KeyCode code = toKeycode(display, symbol);
    if (code != 0)
    {
        fake(display, code, True, 0);
        fake(display, code, False, 0);
        flush(display);
    }
    close(display);
    return code != 0;
}

class KeyCapture : public testing::Test
{
protected:
    void SetUp() override
    {
        frame = new wxFrame(nullptr, wxID_ANY, wxString(L"keys"), wxPoint(40, 40), wxSize(400, 200));
        field = new myTCtrl(frame);
        plain = new myInput(frame);
        plain->Move(0, 80);
        frame->Show();
        frame->Raise();
        Pump(200);
        MoveTo(field);
        field->SetFocus();
        Pump(100);
        SetNumLock(true);
        ASSERT_TRUE(wxGetKeyState(WXK_NUMLOCK)) << "NumLock could not be switched on";
    }

    void TearDown() override
    {
        SetNumLock(false);
        frame->Destroy();
        Pump(20);
    }

    // the pointer over the window: without a window manager the keyboard
    // follows the pointer to the top-level window
    void MoveTo(wxWindow* window)
    {
        const wxSize size = window->GetSize();
        sim.MouseMove(window->ClientToScreen(wxPoint(size.x / 2, size.y / 2)));
        Pump(50);
    }

    void Click(wxWindow* window, wxMouseButton button)
    {
        MoveTo(window);
        sim.MouseClick(button);
        Pump(200);
    }

    // the field showing "before", then the keys; what it shows after
    std::string After(const std::string& before, const std::function<void()>& keys)
    {
        field->ChangeValue(U(before));
        field->SetInsertionPointEnd();
        keys();
        Pump(60);
        return B(field->GetValue());
    }

    std::string AfterChar(const std::string& before, int keyCode, int modifiers = wxMOD_NONE)
    {
        return After(before, [&] { sim.Char(keyCode, modifiers); });
    }

    void SetNumLock(bool on)
    {
        for (int tries = 0; tries < 3 && wxGetKeyState(WXK_NUMLOCK) != on; ++tries)
        {
            sim.Char(WXK_NUMLOCK);
            Pump(100);
        }
    }

    wxUIActionSimulator sim;
    wxFrame* frame = nullptr;
    myTCtrl* field = nullptr;
    myInput* plain = nullptr;
};

// The two clipboards given these texts, or cleared when they are empty:
// wxGTK frees at exit only the clipboard data of the mode it is in then.
void SetClipboards(const wxString& normal, const wxString& primary)
{
    for (bool isPrimary : {false, true})
    {
        wxTheClipboard->UsePrimarySelection(isPrimary);
        const wxString& text = isPrimary ? primary : normal;
        if (text.empty())
            wxTheClipboard->Clear();
        else if (wxTheClipboard->Open())
        {
            wxTheClipboard->SetData(new wxTextDataObject(text));
            wxTheClipboard->Close();
        }
    }
    wxTheClipboard->UsePrimarySelection(false);
}
}

// NumLock is on throughout: the keypad digits and decimal point need it.
// The keys j to o are among the named characters: their X key symbols are
// 106 to 111, the numbers of the keypad operators elsewhere.
TEST_F(KeyCapture, AKeyPutsItsNameInPlaceOfTheTextOrLeavesTheText)
{
    field->SetValue(L"F1");    // only keys are filtered
    EXPECT_EQ(B(field->GetValue()), "F1");
    const struct
    {
        int keyCode, modifiers;
        const char* after;
    } cases[] = {
        // named at the key-down stage
        {WXK_SPACE, 0, "space"}, {WXK_RETURN, 0, "return"}, {WXK_LEFT, 0, "left"}, {WXK_UP, 0, "up"},
        {WXK_RIGHT, 0, "right"}, {WXK_DOWN, 0, "down"}, {WXK_SHIFT, 0, "left shift"},
        {WXK_CONTROL, 0, "left ctrl"}, {WXK_NUMPAD_MULTIPLY, 0, "[*]"}, {WXK_NUMPAD_ADD, 0, "[+]"},
        {WXK_NUMPAD_SUBTRACT, 0, "[-]"}, {WXK_NUMPAD_DECIMAL, 0, "[.]"}, {WXK_NUMPAD_DIVIDE, 0, "[/]"},
        // a modifier held with a key names the modifier: no paste, no cut
        {'a', wxMOD_SHIFT, "left shift"}, {'v', wxMOD_CONTROL, "left ctrl"},
        {WXK_INSERT, wxMOD_SHIFT, "left shift"}, {'x', wxMOD_CONTROL, "left ctrl"},
        // other keys change nothing and nothing deletes; the keypad's Enter is not Return
        {'1', 0, "[4]"}, {'2', 0, "[4]"}, {'\'', 0, "[4]"}, {'=', 0, "[4]"}, {'`', 0, "[4]"},
        {WXK_ESCAPE, 0, "[4]"}, {WXK_F1, 0, "[4]"}, {WXK_HOME, 0, "[4]"},
        {WXK_BACK, 0, "[4]"}, {WXK_NUMPAD_ENTER, 0, "[4]"}, {'3', 0, "3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AfterChar("[4]", c.keyCode, c.modifiers), c.after) << c.keyCode;
    for (int digit = 0; digit <= 9; ++digit)
        EXPECT_EQ(AfterChar("z", WXK_NUMPAD0 + digit), "[" + std::to_string(digit) + "]");
    for (char c : std::string(",-./03456789;[\\]abcdefghijklmnopqrstuvwxyz"))
        EXPECT_EQ(AfterChar("space", c), std::string(1, c));
}

// Tab and Shift-Tab move the focus on; Shift held for it names nothing
TEST_F(KeyCapture, TabAndShiftTabMoveTheFocusOnAndNameNothing)
{
    for (int modifiers : {wxMOD_NONE, wxMOD_SHIFT})
    {
        field->SetFocus();
        Pump(100);
        EXPECT_EQ(AfterChar("z", WXK_TAB, modifiers), "z");
        EXPECT_EQ(wxWindow::FindFocus(), plain) << modifiers;
    }
}

// NumLock off: keypad 4, 8, 6 and 2 are the player's arrows; the keypad's
// other keys name nothing
TEST_F(KeyCapture, WithoutNumLockTheKeypadArrowsAreTheArrows)
{
    SetNumLock(false);
    ASSERT_FALSE(wxGetKeyState(WXK_NUMLOCK));
    const char* const names[] = {"z", "z", "down", "z", "left", "z", "right", "z", "up", "z", "z"};
    for (int key = 0; key <= 10; ++key)    // the digits, then the point (its own key symbol)
        EXPECT_EQ(After("z", [&] { PressXKey(key < 10 ? XK_KP_0 + key : XK_KP_Delete); }), names[key]) << key;
}

// the simulator only knows the left-hand Shift and Control keys, and the US
// keymap of the X server has no separator key
TEST_F(KeyCapture, KeysTheSimulatorCannotPress)
{
    for (const auto& [symbol, name] : {std::pair<KeySym, const char*>{XK_Shift_R, "left shift"},
                                       {XK_Control_R, "left ctrl"}})
        EXPECT_EQ(After("z", [&] { ASSERT_TRUE(PressXKey(symbol)) << "not in the X keymap: " << name; }), name);
    EXPECT_EQ(After("z",
                    [&] {    // a key-down event as GTK delivers it
                        wxKeyEvent event(wxEVT_KEY_DOWN);
                        event.m_keyCode = WXK_NUMPAD_SEPARATOR;
                        event.m_rawCode = XK_KP_Separator;
                        event.SetEventObject(field);
                        field->ProcessWindowEvent(event);
                    }),
              "[-]");
}

// Delete at the start, or over a selection
TEST_F(KeyCapture, KeySequencesKeepTheirName)
{
    EXPECT_EQ(After("z", [&] { field->SetInsertionPoint(0); sim.Char(WXK_DELETE); }), "z");
    EXPECT_EQ(After("left shift", [&] { field->SelectAll(); sim.Char(WXK_BACK); sim.Char(WXK_DELETE); }),
              "left shift");
}

// The same pastes do reach a plain field, so the clipboard works here. The
// context menu would offer cut, paste and delete: it never opens, so a key
// pressed right after the right click still reaches the field.
TEST_F(KeyCapture, TheMouseNeitherPastesNorOpensAMenu)
{
    SetClipboards(L"pasted", L"primary");
    Pump(50);
    plain->ChangeValue(wxString());
    plain->Paste();
    Pump(200);
    ASSERT_EQ(B(plain->GetValue()), "pasted");
    plain->ChangeValue(wxString());
    Click(plain, wxMOUSE_BTN_MIDDLE);
    ASSERT_EQ(B(plain->GetValue()), "primary");

    field->ChangeValue(L"z");
    field->Paste();
    Pump(200);
    EXPECT_EQ(B(field->GetValue()), "z");
    Click(field, wxMOUSE_BTN_MIDDLE);
    EXPECT_EQ(B(field->GetValue()), "z");
    SetClipboards(wxString(), wxString());

    field->SetFocus();    // the middle click on the plain field took it
    Pump(100);
    Click(field, wxMOUSE_BTN_RIGHT);
    sim.Char('q');
    Pump(60);
    EXPECT_EQ(B(field->GetValue()), "q");
    sim.Char(WXK_ESCAPE);    // closes a menu that did open
    Pump(60);
}
