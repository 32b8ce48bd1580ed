// What the GUI tests share: pumping events, answering file dialogs, and a
// main window in a scratch game directory.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <wx/string.h>

#include "controls/FileDialogRunner.h"
#include "support/TempDir.h"

class myFrame;
class wxWindow;

// lets pending events run for a while
void Pump(int milliseconds = 50);

// Answers every file dialog shown while it lives: with the given path, or
// cancelled when the path is empty. Records the last dialog's inputs.
class DialogAnswer
{
public:
    explicit DialogAnswer(const wxString& path = wxString());
    ~DialogAnswer();

    int shown = 0;
    wxString message, directory, wildcard;
    long style = 0;
};

// the text a frame shows in its status bar
wxString StatusOf(myFrame& frame);
// runs the menu command with that id as a user's choice would
void SendMenu(myFrame& frame, int id);
// a button click as the toolkit sends it, to the button's own handlers first
void ClickButton(wxWindow* button);

// A main window started in a scratch directory; destroyed without saving.
class FrameInTempDir
{
public:
    // prepare fills the game directory before the window starts
    explicit FrameInTempDir(const std::function<void()>& prepare = nullptr);
    ~FrameInTempDir();

    myFrame& Frame() { return *frame; }
    TempDir& Dir() { return *dir; }

private:
    std::unique_ptr<TempDir> dir;
    myFrame* frame = nullptr;
};

// a wxString from UTF-8 bytes, and back
inline wxString U(const std::string& utf8) { return wxString::FromUTF8(utf8.c_str()); }
inline std::string B(const wxString& text) { return text.utf8_string(); }
