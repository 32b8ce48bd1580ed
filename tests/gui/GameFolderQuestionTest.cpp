// The question for the game folder, asked first when the editor is started outside one: keys, clicks and the
// folder dialog's seam; and the folders it offers, remembered in the user's configuration folder.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/config.h>
#include <wx/listbox.h>
#include <wx/stattext.h>

#include "app/GameFolderQuestion.h"
#include "app/WindowMemory.h"
#include "controls/GtkAccess.h"
#include "support/GuiHelpers.h"

namespace
{
struct Case
{
    const char* what;
    std::vector<wxString> foldersUsedBefore;
    std::vector<int> keys;    // pressed in the list (or the question); 0: a click on the browse button
    wxString browsed;         // what the folder dialog answers (empty: cancelled)
    int result;
    wxString folder;
};

// shows the question modally and does the case from inside its modal loop, as a user would
int Ask(GameFolderQuestion& question, const Case& c)
{
    question.CallAfter([&] {
        auto* list = First<wxListBox>(&question);
        for (int key : c.keys)
            if (key)
                Press(list ? static_cast<wxWindow*>(list) : &question, key);
            else    // a click on the browse button
                PointAt(question.FindWindow(wxID_HIGHEST + 1)), wxUIActionSimulator().MouseClick(), Pump(100);
        if (question.IsModal())    // the case did not end it: a failure, not a hang
            question.EndModal(wxID_ABORT);
    });
    return question.ShowModal();
}
}

// The folders opened before are listed, the last one first and selected: Enter opens it, Down Enter the next,
// Escape cancels. Browsing opens the folder chosen in the dialog; a browse cancelled leaves the question open.
TEST(GameFolderQuestion, OpensAFolderUsedBeforeOrOneBrowsedForOrNothing)
{
    const std::vector<wxString> two = {L"/games/Ringvald", L"/mnt/old/リングヴァルト"};
    const Case cases[] = {
        {"Enter", two, {WXK_RETURN}, L"", wxID_OK, two[0]},
        {"Down Enter", two, {WXK_DOWN, WXK_RETURN}, L"", wxID_OK, two[1]},
        {"Escape", two, {WXK_ESCAPE}, L"", wxID_CANCEL, L""},
        {"browse", {}, {0}, L"/home/u/ゲーム", wxID_OK, L"/home/u/ゲーム"},
        {"browse cancelled, then Escape", two, {0, WXK_ESCAPE}, L"", wxID_CANCEL, L""},
    };
    const RealDialogs letThemShow;
    for (const Case& c : cases)
    {
        DialogAnswer answer(c.browsed);
        GameFolderQuestion question(L"/home/u", c.foldersUsedBefore);
        auto* list = First<wxListBox>(&question);
        const wxArrayString shown = list ? list->GetStrings() : wxArrayString();
        EXPECT_EQ(std::vector<wxString>(shown.begin(), shown.end()), c.foldersUsedBefore) << c.what;
        EXPECT_EQ(list ? B(AccessibleName(list)) : "", list ? "前に開いたゲームフォルダ:" : "") << c.what;
        EXPECT_EQ(question.FindWindow(wxID_OK)->IsEnabled(), list != nullptr) << c.what;
        EXPECT_TRUE(First<wxStaticText>(&question)->GetLabel().StartsWith(L"/home/u ")) << c.what;
        EXPECT_EQ(Ask(question, c), c.result) << c.what;
        EXPECT_EQ(question.GetFolder(), c.folder) << c.what;
        EXPECT_EQ(answer.shown, std::count(c.keys.begin(), c.keys.end(), 0)) << c.what;
    }
}

// The game folders opened are remembered, the last one first and each once; one gone since is not offered. Reading
// them makes nothing: the question comes before the editor keeps anything.
TEST(GameFolderQuestion, TheFoldersOpenedAreRememberedTheLastFirst)
{
    TempDir dir;
    wxSetEnv(L"XDG_CONFIG_HOME", wxGetCwd() + L"/config");
    EXPECT_TRUE(RememberedGameFolders().empty());
    EXPECT_FALSE(FileExists("config"));
    UseWindowMemory();
    for (const char* folder : {"a", "b", "a", "gone"})
    {
        MakeDir(folder);
        RememberGameFolder(wxGetCwd() + L"/" + U(folder));
    }
    delete wxConfigBase::Set(nullptr);    // the run ends: its memory is written
    std::filesystem::remove("gone");
    EXPECT_EQ(RememberedGameFolders(), (std::vector<wxString>{wxGetCwd() + L"/a", wxGetCwd() + L"/b"}));
}
