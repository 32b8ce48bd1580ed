// The main window under real key presses: every menu shortcut runs its
// command whichever control has the focus, and the control keeps its value.
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <wx/combobox.h>
#include <wx/filedlg.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>
#include <wx/spinctrl.h>
#include <wx/stopwatch.h>
#include <wx/uiaction.h>
#include <wx/weakref.h>

#include "app/MenuId.h"
#include "app/myFrame.h"
#include "app/myNotebook.h"
#include "controls/myCBox.h"
#include "controls/myFileSelect.h"
#include "controls/myInput.h"
#include "controls/myTCtrl.h"
#include "support/GuiHelpers.h"

namespace
{
// the first window of that class in the tree, depth first
template <class T>
T* First(wxWindow* window)
{
    if (auto* found = dynamic_cast<T*>(window))
        return found;
    for (wxWindow* child : window->GetChildren())
        if (T* found = First<T>(child))
            return found;
    return nullptr;
}

// The window that takes the focus for the first control of that kind after
// the basic page (whose settings the presets change), its page shown.
template <class Control>
wxWindow* FirstAfterTheBasicPage(myFrame& frame)
{
    myNotebook& notebook = *frame.GetNotebook();
    for (size_t page = 1; page < notebook.GetPageCount(); ++page)
    {
        notebook.SetSelection(page);
        if (Control* control = First<Control>(notebook.GetPage(page)))
        {
            wxTextCtrl* field = First<wxTextCtrl>(control);    // a path field's
            return field ? static_cast<wxWindow*>(field) : control;
        }
    }
    return nullptr;
}

// what the controls in the tree show, one line each
std::string Shown(wxWindow* window)
{
    std::string shown;
    if (auto* list = dynamic_cast<wxComboBox*>(window))
        shown = B(list->GetStringSelection()) + "\n";
    else if (auto* spin = dynamic_cast<wxSpinCtrl*>(window))
        shown = B(spin->GetTextValue()) + "\n";
    else if (auto* entry = dynamic_cast<wxTextEntry*>(window))
        shown = B(entry->GetValue()) + "\n";
    for (wxWindow* child : window->GetChildren())
        shown += Shown(child);
    return shown;
}

// answers the About box (and any other message box) without showing it
struct MessageBoxes : wxModalDialogHook
{
    MessageBoxes() { Register(); }
    ~MessageBoxes() override { Unregister(); }
    int Enter(wxDialog* dialog) override
    {
        auto* box = dynamic_cast<wxMessageDialog*>(dialog);
        shown += box ? B(box->GetMessage()) : std::string("a dialog");
        return wxID_OK;
    }
    void Exit(wxDialog*) override {}

    std::string shown;
};

// the game and the boxer editor as stand-ins that leave a mark when started
const std::string programs[] = {"Ringvald.exe", "Data/Brawnsmith.exe"};
bool Started(const std::string& program) { return FileExists(program + ".started"); }

struct Shortcut
{
    const char* name;
    int key, modifiers;
    int id;              // the menu command it stands for
    const char* does;    // what it did, as PressAll tells it
};

const int ctrl = wxMOD_CONTROL;
const Shortcut shortcuts[] = {
    {"Ctrl-S", 's', ctrl, idSave, "config.txt written"},
    {"Ctrl-A", 'a', ctrl, idSaveAs, "file dialog 設定ファイル (save)"},
    {"Ctrl-X", 'x', ctrl, idSaveAndRun, "config.txt written, Ringvald.exe started"},
    {"F1", WXK_F1, wxMOD_NONE, wxID_ABOUT, "message box Configure for Ringvald Ver 1.2.0 Release"},
    {"Ctrl-L", 'l', ctrl, idLoad, "file dialog 設定ファイル (open)"},
    {"Ctrl-N", 'n', ctrl, idInitialSettings, "settings changed"},
    {"Ctrl-R", 'r', ctrl, idReplay, "file dialog リプレイファイル (open)"},
    {"Ctrl-B", 'b', ctrl, idBoxerEditor, "Data/Brawnsmith.exe started"},
    {"Ctrl-1", '1', ctrl, idUltraHighSpec, "settings changed"},
    {"Ctrl-2", '2', ctrl, idHighSpec, "settings changed"},
    {"Ctrl-3", '3', ctrl, idMiddleSpec, "settings changed"},
    {"Ctrl-4", '4', ctrl, idLowSpec, "settings changed"},
    {"Ctrl-5", '5', ctrl, idUltraLowSpec, "settings changed"},
    {"Ctrl-Q", 'q', ctrl, idQuitWithoutSaving, "window closed"},
    {"Ctrl-E", 'e', ctrl, idExit, "config.txt written, window closed"},
};

struct ControlKind
{
    const char* name;
    wxWindow* (*find)(myFrame& frame);
};
void PrintTo(const ControlKind& kind, std::ostream* out) { *out << kind.name; }

// Each shortcut in turn, in one main window (a new one once a shortcut
// closed it): every setting to its initial value and then to the preset
// for the weakest machines (the strongest for Ctrl-5), so that each preset
// and Ctrl-N change something; the focus in a control of that kind, its text selected
// for a cut to take; the keys pressed; what the command did, in words.
void PressAll(const ControlKind& kind)
{
    TempDir dir;
    MakeDir("Data");
    for (const std::string& program : programs)
    {
        WriteFile(program, "#!/bin/sh\n: > '" + program + ".started'\n");
        chmod(program.c_str(), 0755);
    }
    wxUIActionSimulator sim;
    wxWeakRef<myFrame> frame;
    for (const Shortcut& shortcut : shortcuts)
    {
        SCOPED_TRACE(std::string(shortcut.name) + " in the " + kind.name);
        for (const std::string file : {"config.txt", "Ringvald.exe.started", "Data/Brawnsmith.exe.started"})
            std::filesystem::remove(file);
        if (!frame)
        {
            frame = new myFrame;
            frame->Show();
            // without a window manager the keyboard follows the pointer
            sim.MouseMove(frame->GetScreenRect().GetLeftTop() + wxPoint(20, 60));
        }
        SendMenu(*frame, idInitialSettings);
        SendMenu(*frame, shortcut.id == idUltraLowSpec ? idUltraHighSpec : idUltraLowSpec);
        wxWindow* control = kind.find(*frame);
        ASSERT_TRUE(control);
        Pump(100);
        control->SetFocus();
        if (auto* spin = dynamic_cast<wxSpinCtrl*>(control))
            spin->SetSelection(-1, -1);
        else if (!dynamic_cast<wxComboBox*>(control))
            dynamic_cast<wxTextEntry*>(control)->SelectAll();
        Pump(100);
        ASSERT_EQ(wxWindow::FindFocus(), control);
        const std::string shownBefore = Shown(control), settingsBefore = Shown(frame);

        const std::string does = shortcut.does;
        DialogAnswer fileDialogs;    // cancelled
        MessageBoxes messageBoxes;
        sim.Char(shortcut.key, shortcut.modifiers);
        for (wxStopWatch watch; does.find("started") != std::string::npos && watch.Time() < 5000 &&
                                !Started(programs[0]) && !Started(programs[1]);)
            Pump(20);
        Pump(200);    // a second start, if there were one

        std::string what;
        const auto tell = [&](bool seen, const std::string& text) {
            what += seen ? (what.empty() ? "" : ", ") + text : std::string();
        };
        tell(FileExists("config.txt"), "config.txt written");
        tell(fileDialogs.shown, "file dialog " + B(fileDialogs.message) +
                                    (fileDialogs.style & wxFD_SAVE ? " (save)" : " (open)"));
        tell(!messageBoxes.shown.empty(), "message box " + messageBoxes.shown);
        for (const std::string& program : programs)
            tell(Started(program), program + " started");
        tell(!frame, "window closed");
        const std::string settings = frame ? Shown(frame) : settingsBefore;
        tell(settings != settingsBefore, "settings changed");
        EXPECT_EQ(what, does);
        if (!frame)
            continue;
        EXPECT_EQ(Shown(control), shownBefore) << "the focused control changed";
        if (settings != settingsBefore)
        {
            SendMenu(*frame, shortcut.id);    // the menu's own command changes nothing more
            EXPECT_TRUE(Shown(frame) == settings) << "not what the menu command sets";
        }
    }
    if (frame)
        frame->Destroy();
    Pump(10);
}

class Shortcuts : public testing::TestWithParam<ControlKind>
{
};
}

TEST_P(Shortcuts, RunWhereverTheFocusIsAndLeaveTheControlAsItWas)
{
    PressAll(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Keyboard, Shortcuts,
                         testing::Values(ControlKind{"KeyField", FirstAfterTheBasicPage<myTCtrl>},
                                         ControlKind{"TextField", FirstAfterTheBasicPage<myInput>},
                                         ControlKind{"SpinControl", FirstAfterTheBasicPage<wxSpinCtrl>},
                                         ControlKind{"ChoiceList", FirstAfterTheBasicPage<myCBox>},
                                         ControlKind{"PathField", FirstAfterTheBasicPage<myFileSelect>}),
                         [](const auto& kind) { return std::string(kind.param.name); });

// GTK selects the whole text of a field it gives the focus to; on a page
// just shown, one stray key would then replace the path
TEST(Keyboard, ShowingAPageSelectsNoPath)
{
    FrameInTempDir window;
    SendMenu(window.Frame(), idInitialSettings);
    wxUIActionSimulator().MouseMove(window.Frame().GetScreenRect().GetLeftTop() + wxPoint(20, 60));
    myNotebook& notebook = *window.Frame().GetNotebook();
    int pathsFocused = 0;
    for (size_t page = 1; page < notebook.GetPageCount(); ++page)
    {
        notebook.SetSelection(page - 1);    // the focus in the page before
        Pump(100);
        notebook.GetPage(page - 1)->SetFocus();
        notebook.SetSelection(page);
        Pump(100);
        auto* focus = dynamic_cast<wxTextCtrl*>(wxWindow::FindFocus());
        if (!focus || !dynamic_cast<myFileSelect*>(focus->GetParent()))
            continue;
        ++pathsFocused;
        long from = 0, to = 0;
        focus->GetSelection(&from, &to);
        EXPECT_EQ(from, to) << B(notebook.GetPageText(page));
    }
    EXPECT_GE(pathsFocused, 4);    // the four list pages at least
}
