// What the GUI tests share: pumping events, real key presses, answering dialogs, a window in a scratch game.
#pragma once

#include <dlfcn.h>
#include <functional>
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/filedlg.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>
#include <wx/spinctrl.h>
#include <wx/statusbr.h>
#include <wx/stopwatch.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include "app/MainWindow.h"
#include "controls/FileDialogRunner.h"
#include "support/TempDir.h"

// a wxString from UTF-8 bytes, and back
inline wxString U(const std::string& utf8) { return wxString::FromUTF8(utf8.c_str()); }
inline std::string B(const wxString& text) { return text.utf8_string(); }

// lets pending events run for a while, delayed destruction too
inline void Pump(int milliseconds = 50)
{
    for (wxStopWatch watch; watch.Time() < milliseconds; wxMilliSleep(5))
    {
        wxYield();
        wxTheApp->ProcessIdle();
    }
}

// answers every file dialog while it lives, through the program's seam: with the path, or cancelled if empty
struct DialogAnswer
{
    explicit DialogAnswer(const wxString& path = wxString())
    {
        SetFileDialogRunner([this, path](wxDialog&) { ++shown; return FileChoice{!path.empty(), path}; });
    }
    ~DialogAnswer() { SetFileDialogRunner(nullptr); }
    int shown = 0;
};
// Answers every dialog shown modally while it lives, noting what it showed: a message box is confirmed, a
// file dialog cancelled. One not allowed (a logged error shown at idle time, a file dialog that did not go
// through the seam) fails the test instead of waiting for a click. The hook registered last is asked first.
struct ModalDialogs : wxModalDialogHook
{
    explicit ModalDialogs(bool allowed = true) : allowed(allowed) { Register(); }
    ~ModalDialogs() override { Unregister(); }
    int Enter(wxDialog* dialog) override
    {
        if (realDialogs > 0)
            return wxID_NONE;
        auto* box = dynamic_cast<wxMessageDialog*>(dialog);
        if (!allowed)
            ADD_FAILURE() << "unexpected dialog: " << B(dialog->GetTitle());
        else if (box)
        {
            seen += "message box " + B(box->GetMessage());
            more += B(box->GetTitle() + L"\n" + box->GetExtendedMessage());
        }
        else if (auto* file = dynamic_cast<wxFileDialog*>(dialog))
            seen += B(wxString::Format(L"file dialog %s|%s|%s|", file->GetMessage(), file->GetDirectory(),
                                       file->GetWildcard())) +
                    (file->HasFlag(wxFD_SAVE) ? "save" : file->HasFlag(wxFD_MULTIPLE) ? "open many" : "open");
        return allowed && box ? wxID_OK : wxID_CANCEL;
    }
    void Exit(wxDialog*) override {}
    const bool allowed;
    std::string seen, more;    // more: a message box's title and extended message
    static inline int realDialogs = 0;
};
// lets dialogs show for real while it lives: the test drives them from inside their modal loop
struct RealDialogs { RealDialogs() { ++ModalDialogs::realDialogs; } ~RealDialogs() { --ModalDialogs::realDialogs; } };

inline wxString StatusOf(MainWindow& frame) { return frame.GetStatusBar()->GetStatusText(0); }
// a menu command, or a button click, as the toolkit sends it
inline void Send(wxWindow& window, wxEventType type, int id)
{
    wxCommandEvent event(type, id);
    event.SetEventObject(&window);
    window.ProcessWindowEvent(event);
}
inline void SendMenu(MainWindow& frame, int id) { Send(frame, wxEVT_MENU, id); }
inline void ClickButton(wxWindow* button) { Send(*button, wxEVT_BUTTON, button->GetId()); }
// the window and every window below it, depth first
inline std::vector<wxWindow*> Tree(wxWindow* window)
{
    std::vector<wxWindow*> all = {window};
    for (wxWindow* child : window->GetChildren())
        for (wxWindow* below : Tree(child))
            all.push_back(below);
    return all;
}
// what the controls in the tree show, one line each
inline std::string Shown(wxWindow* window)
{
    std::string shown;
    for (wxWindow* control : Tree(window))
        if (auto* spin = dynamic_cast<wxSpinCtrl*>(control))
            shown += B(spin->GetTextValue()) + "\n";
        else if (auto* entry = dynamic_cast<wxTextEntry*>(control))
            shown += B(entry->GetValue()) + "\n";
    return shown;
}
template <class T> T* First(wxWindow* window)
{
    for (wxWindow* below : Tree(window))
        if (auto* found = dynamic_cast<T*>(below))
            return found;
    return nullptr;
}
// the pointer over the window: without a window manager the keyboard follows it to its top-level window
inline void PointAt(wxWindow* window)
{
    wxGetTopLevelParent(window)->Raise();
    wxUIActionSimulator().MouseMove(window->GetScreenRect().GetPosition() + window->GetSize() / 2);
    Pump(50);
}
// real key presses with the focus in the control
inline void PressKeys(wxWindow* control, const std::function<void(wxUIActionSimulator&)>& keys)
{
    wxUIActionSimulator sim;
    PointAt(control);
    control->SetFocus();
    Pump(40);
    keys(sim);    // the simulator gives each key time to arrive
    Pump(60);
}
inline void Press(wxWindow* control, int key, int modifiers = wxMOD_NONE)
{
    PressKeys(control, [&](wxUIActionSimulator& sim) { sim.Char(key, modifiers); });
}
// the text selected and typed over
inline void TypeInto(wxWindow* textField, const char* text)
{
    PressKeys(textField, [&](wxUIActionSimulator& sim) {
        dynamic_cast<wxTextCtrl&>(*textField).SelectAll();
        sim.Text(text);
    });
}

// A key the simulator cannot press, by its X key symbol. This is a bit of a hack: XTest and Xlib are looked
// up in the running program (the toolkit links both), so the tests need no X development files.
template <class Function> Function* XFunction(const char* name)
{
    return reinterpret_cast<Function*>(dlsym(RTLD_DEFAULT, name));
}
inline bool PressXKey(unsigned long symbol)
{
    void* const display = wxGetX11Display();
    const unsigned code = XFunction<unsigned char(void*, unsigned long)>("XKeysymToKeycode")(display, symbol);
    if (code == 0)
        return false;
    for (int down : {1, 0})
        XFunction<int(void*, unsigned, int, unsigned long)>("XTestFakeKeyEvent")(display, code, down, 0);
    return XFunction<int(void*)>("XFlush")(display);
}
// sample/game, the sample game directory, into the working directory
inline void CopySampleGame()
{
    std::filesystem::copy(std::filesystem::path(__FILE__).parent_path() / "../../sample/game", ".",
                          std::filesystem::copy_options::recursive);
}

// a main window in a scratch directory that prepare fills first; destroyed directly, as quitting unsaved does
struct FrameInTempDir
{
    explicit FrameInTempDir(const std::function<void()>& prepare)
    {
        prepare();
        (frame = new MainWindow)->Show();
        Pump(20);
    }
    ~FrameInTempDir() { frame->Destroy(); Pump(10); }
    MainWindow& Frame() { return *frame; }

    TempDir dir;    // first: the working directory while the window lives
    MainWindow* frame = nullptr;
};
