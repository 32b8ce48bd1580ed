// The file selector: the browse dialog, relative paths and the handshake
// with the page that owns it.
#include <filesystem>
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/filedlg.h>
#include <wx/frame.h>
#include <wx/testing.h>
#include <wx/windowptr.h>

#include "controls/myFileSelect.h"
#include "support/GuiHelpers.h"

namespace
{
// a frame standing in for a page: notes every click that travels on to it
struct PageStandIn : wxFrame
{
    PageStandIn() : wxFrame(nullptr, wxID_ANY, L"page"), selector(new myFileSelect(this, L"kept.txt"))
    {
        Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { chosenWhenClicked.push_back(selector->pathChosen); });
        Show();
    }
    void Browse() { ClickButton(ChildOf<wxButton>(selector)); }

    myFileSelect* selector;
    std::vector<bool> chosenWhenClicked;
};

// the real dialog as the toolkit's test hook finds it: its inputs, then cancelled
struct ExpectFileDialog : wxExpectModal<wxFileDialog>
{
    explicit ExpectFileDialog(std::string& seen) : wxExpectModal<wxFileDialog>(wxString()), seen(seen) {}
    int OnInvoked(wxFileDialog* dialog) const override
    {
        const bool opens = !(dialog->GetWindowStyle() & (wxFD_SAVE | wxFD_MULTIPLE));
        seen = B(dialog->GetMessage() + L"|" + dialog->GetDirectory() + L"|" + dialog->GetWildcard()) +
               (opens ? "|opens one file" : "|other style");
        return wxID_CANCEL;
    }
    std::string& seen;
};
}

// Without a test's answer the browse button shows a real file dialog, with
// the selector's inputs as they are before a page sets any.
TEST(FileSelect, TheBrowseButtonShowsARealDialogWithItsInputs)
{
    const wxWindowPtr<PageStandIn> page(new PageStandIn);
    std::string seen;
    wxTEST_DIALOG(page->Browse(), ExpectFileDialog(seen));
    EXPECT_EQ(seen, "設定ファイル|./|Text (*.txt)|*.txt|opens one file");
    EXPECT_EQ(B(page->selector->GetPath()), "kept.txt");
    EXPECT_EQ(page->chosenWhenClicked, std::vector<bool>{false});
}

// The page's own click handler runs after the dialog, with the flag set when
// a file was chosen; a cancelled dialog leaves the text and clears the flag
// that a page left set.
TEST(FileSelect, AChosenPathIsMadeRelativeToTheWorkingDirectoryAndFlagged)
{
    const struct
    {
        const char* workingSubfolder;    // below the game directory
        const char* chosen;              // below the game directory; nullptr: cancelled
        bool relativeMode;
        const char* shown;               // "<game>" stands for the game directory
    } cases[] = {
        {"", "BGM/a.mid", true, "BGM/a.mid"},
        {"bin", "Font/b.ttf", true, "../Font/b.ttf"},
        {"bin/deeper", "Font/b.ttf", true, "../../Font/b.ttf"},
        {"", "Font/b.ttf", false, "<game>/Font/b.ttf"},
        {"bin", "Font/b.ttf", false, "<game>/Font/b.ttf"},
        {"", nullptr, true, "kept.txt"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.chosen ? c.chosen : "cancelled") + " from " + c.workingSubfolder);
        TempDir game;
        MakeDir(game.Path() + "/" + c.workingSubfolder);
        std::filesystem::current_path(game.Path() + "/" + c.workingSubfolder);
        const wxWindowPtr<PageStandIn> page(new PageStandIn);
        page->selector->relativeMode = c.relativeMode;
        page->selector->pathChosen = !c.chosen;
        page->selector->startDir = L"./BGM";
        DialogAnswer answer(c.chosen ? U(game.Path() + "/" + c.chosen) : wxString());
        page->Browse();

        std::string expected = c.shown;
        if (expected.rfind("<game>", 0) == 0)
            expected = game.Path() + expected.substr(6);
        EXPECT_EQ(answer.shown, 1);
        EXPECT_EQ(B(answer.directory), "./BGM");
        EXPECT_EQ(B(page->selector->GetPath()), expected);
        EXPECT_EQ(page->selector->IsEdited(), c.chosen != nullptr);
        EXPECT_EQ(page->selector->pathChosen, c.chosen != nullptr);
        EXPECT_EQ(page->chosenWhenClicked, std::vector<bool>{c.chosen != nullptr});
    }
}
