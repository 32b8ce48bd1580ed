// The main window under real key presses: every menu shortcut runs its command whichever control has the
// focus, and the control keeps its value.
#include <gtest/gtest.h>
#include <wx/combobox.h>
#include <wx/spinctrl.h>
#include <wx/weakref.h>

#include "app/MenuId.h"
#include "app/PageBook.h"
#include "controls/ChoiceField.h"
#include "controls/PathField.h"
#include "controls/TextField.h"
#include "controls/KeyField.h"
#include "support/GuiHelpers.h"

namespace
{
// the first control of that kind (a path's field) past the basic page, whose settings the presets change
template <class Control> wxWindow* FirstAfterTheBasicPage(MainWindow& frame)
{
    PageBook& notebook = *frame.GetNotebook();
    for (size_t page = 1; page < notebook.GetPageCount(); ++page)
    {
        notebook.SetSelection(page);
        Pump(20);    // as between a user's page change and click
        if (wxWindow* control = First<Control>(notebook.GetPage(page)))
            return First<wxTextCtrl>(control) ? First<wxTextCtrl>(control) : control;    // a path's field
    }
    return nullptr;
}
// the menu command each stands for, what it did in the words of the test, and whether a text entry of GTK
// (a text, path or spin field) would take the key for itself
const int ctrl = wxMOD_CONTROL;
const struct { const char* name; int key, modifiers, id; const char* does; bool entryKey; } shortcuts[] = {
    {"Ctrl-S", 's', ctrl, idSave, "config.txt written, status 保存しました", false},
    {"Ctrl-A", 'a', ctrl, idSaveAs, "file dialog 設定ファイル|./|設定 (*.txt)|*.txt|save, status 保存中止", true},
    {"Ctrl-X", 'x', ctrl, idSaveAndRun, "config.txt written, status ./Ringvald.exeを起動できません", true},
    {"F1", WXK_F1, wxMOD_NONE, wxID_ABOUT, "message box Configure for Ringvald Ver 1.2.0 Release", false},
    {"Ctrl-L", 'l', ctrl, idLoad, "file dialog 設定ファイル|./|設定 (*.txt)|*.txt|open, status 読み込み中止", false},
    {"Ctrl-N", 'n', ctrl, idInitialSettings, "settings changed", false},
    {"Ctrl-R", 'r', ctrl, idReplay, "file dialog リプレイファイル|./Replay|リプレイ (*.rep)|*.rep|open", false},
    {"Ctrl-B", 'b', ctrl, idBoxerEditor, "status ./Data/Brawnsmith.exeを起動できません", false},
    {"Ctrl-1", '1', ctrl, idUltraHighSpec, "settings changed", false},
    {"Ctrl-2", '2', ctrl, idHighSpec, "settings changed", false},
    {"Ctrl-3", '3', ctrl, idMiddleSpec, "settings changed", false},
    {"Ctrl-4", '4', ctrl, idLowSpec, "settings changed", false},
    {"Ctrl-5", '5', ctrl, idUltraLowSpec, "settings changed", false},
    {"Ctrl-Q", 'q', ctrl, idQuitWithoutSaving, "window closed", false},
    {"Ctrl-E", 'e', ctrl, idExit, "config.txt written, window closed", false},
};
// The key field, which takes every key, gets every shortcut, last (two of them close the window); the other
// kinds get those a text entry takes.
const struct { const char* name; wxWindow* (*find)(MainWindow& frame); bool everyShortcut; } kinds[] = {
    {"TextField", FirstAfterTheBasicPage<TextField>, false},
    {"SpinControl", FirstAfterTheBasicPage<wxSpinCtrl>, false},
    {"ChoiceList", FirstAfterTheBasicPage<ChoiceField>, false},
    {"PathField", FirstAfterTheBasicPage<PathField>, false},
    {"KeyField", FirstAfterTheBasicPage<KeyField>, true}};
}

// Each shortcut in one window (a new one once one closed it) in a game of empty folders: the settings
// initial, then the weakest machines' (the strongest for Ctrl-5) so that each preset and Ctrl-N change
// something; the focus in a control of the kind, its text selected for a cut to take.
TEST(Keyboard, ShortcutsRunWhereverTheFocusIsAndLeaveTheControlAsItWas)
{
    TempDir dir;
    for (const char* folder : {"Replay", "Font", "Image", "BGM", "SE", "Data"})
        MakeDir(folder);
    wxWeakRef<MainWindow> frame;
    for (const auto& kind : kinds)
        for (const auto& shortcut : shortcuts)
        {
            if (!shortcut.entryKey && !kind.everyShortcut)
                continue;
            SCOPED_TRACE(std::string(shortcut.name) + " in the " + kind.name);
            std::filesystem::remove("config.txt");
            if (!frame)
            {
                (frame = new MainWindow)->Show();
                PointAt(frame);    // the keyboard follows the pointer
            }
            SendMenu(*frame, idInitialSettings);
            SendMenu(*frame, shortcut.id == idUltraLowSpec ? idUltraHighSpec : idUltraLowSpec);
            frame->SetStatusText(wxString());
            wxWindow* control = kind.find(*frame);
            ASSERT_TRUE(control);
            std::string shownBefore, settingsBefore;
            ModalDialogs dialogs;
            control->SetFocus();
            if (auto* spin = dynamic_cast<wxSpinCtrl*>(control))
                spin->SetSelection(-1, -1);
            else if (!dynamic_cast<wxComboBox*>(control))
                dynamic_cast<wxTextEntry*>(control)->SelectAll();
            Pump(20);
            EXPECT_EQ(wxWindow::FindFocus(), control);
            shownBefore = Shown(control);
            settingsBefore = Shown(frame);
            wxUIActionSimulator().Char(shortcut.key, shortcut.modifiers);    // gives the key time to arrive
            Pump(30);
            const std::string settings = frame ? Shown(frame) : settingsBefore;
            std::string did = FileExists("config.txt") ? ", config.txt written" : "";
            did += (dialogs.seen.empty() ? "" : ", " + dialogs.seen) + (frame ? "" : ", window closed");
            did += frame && !StatusOf(*frame).empty() ? ", status " + B(StatusOf(*frame)) : "";
            did += settings != settingsBefore ? ", settings changed" : "";
            EXPECT_EQ(did.erase(0, 2), shortcut.does);
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
