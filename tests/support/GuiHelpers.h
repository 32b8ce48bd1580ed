// What the GUI tests share: pumping events, real key presses, answering file
// dialogs, and a main window in a scratch game directory.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <wx/app.h>
#include <wx/filedlg.h>
#include <wx/statusbr.h>
#include <wx/stopwatch.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "app/myFrame.h"
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

// Answers every file dialog shown while it lives, through the program's
// seam: with the given path, or cancelled when the path is empty.
struct DialogAnswer
{
    explicit DialogAnswer(const wxString& path = wxString())
    {
        SetFileDialogRunner([this, path](wxFileDialog& dialog) {
            ++shown;
            message = dialog.GetMessage();
            directory = dialog.GetDirectory();
            style = dialog.GetWindowStyle();
            return FileChoice{!path.empty(), path};
        });
    }
    ~DialogAnswer() { SetFileDialogRunner(nullptr); }

    int shown = 0;
    wxString message, directory;    // the last dialog's
    long style = 0;
};

inline wxString StatusOf(myFrame& frame) { return frame.GetStatusBar()->GetStatusText(0); }

// a menu command, or a button click, as the toolkit sends it
inline void Send(wxWindow& window, wxEventType type, int id)
{
    wxCommandEvent event(type, id);
    event.SetEventObject(&window);
    window.ProcessWindowEvent(event);
}
inline void SendMenu(myFrame& frame, int id) { Send(frame, wxEVT_MENU, id); }
inline void ClickButton(wxWindow* button) { Send(*button, wxEVT_BUTTON, button->GetId()); }

// Real key presses with the focus in the control. Without a window manager
// the keyboard follows the pointer to a top-level window: it goes there too.
inline void PressKeys(wxWindow* control, const std::function<void(wxUIActionSimulator&)>& keys)
{
    wxUIActionSimulator sim;
    wxGetTopLevelParent(control)->Raise();
    sim.MouseMove(control->GetScreenRect().GetPosition() + wxPoint(2, 2));
    control->SetFocus();
    Pump(80);
    keys(sim);
    Pump(120);
}

// the text selected and typed over
inline void TypeInto(wxWindow* textField, const char* text)
{
    PressKeys(textField, [&](wxUIActionSimulator& sim) {
        dynamic_cast<wxTextCtrl&>(*textField).SelectAll();
        sim.Text(text);
    });
}

template <class T> T* ChildOf(wxWindow* parent)
{
    for (wxWindow* child : parent->GetChildren())
        if (auto* found = dynamic_cast<T*>(child))
            return found;
    return nullptr;
}

// sample/game, the sample game directory, into the working directory
inline void CopySampleGame()
{
    std::filesystem::copy(std::filesystem::path(__FILE__).parent_path() / "../../sample/game", ".",
                          std::filesystem::copy_options::recursive);
}

// A main window started in a scratch directory, which prepare fills first;
// destroyed directly, as quitting without saving does.
struct FrameInTempDir
{
    explicit FrameInTempDir(const std::function<void()>& prepare = nullptr)
    {
        if (prepare)
            prepare();
        frame = new myFrame;
        frame->Show();
        Pump(20);
    }
    ~FrameInTempDir()
    {
        frame->Destroy();
        Pump(10);
    }
    myFrame& Frame() { return *frame; }

    TempDir dir;    // first: the working directory while the window lives
    myFrame* frame = nullptr;
};
