// The file selector: the browse dialog, relative paths and the handshake
// with the page that owns it.
#include <gtest/gtest.h>
#include <filesystem>
#include <wx/filedlg.h>
#include <wx/frame.h>
#include <wx/windowptr.h>

#include "controls/myFileSelect.h"
#include "support/ListPages.h"

namespace
{
// a frame standing in for a page: notes every click that travels on to it
class PageStandIn : public wxFrame
{
public:
    PageStandIn()
        : wxFrame(nullptr, wxID_ANY, wxString(L"page"))
    {
        selector = new myFileSelect(this, unfilledPathText);
        Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
            ++clicks;
            chosenWhenClicked = selector->pathChosen;
        });
        Show();
    }

    void Browse() { ClickButton(BrowseButtonOf(selector)); }

    myFileSelect* selector;
    int clicks = 0;
    bool chosenWhenClicked = false;
};

}

// SetPath and GetPath keep the text exactly and raise no flag
TEST(FileSelect, StartsShowingTheUnfilledTextAndKeepsTheTextItIsGiven)
{
    const wxWindowPtr<PageStandIn> page(new PageStandIn);
    EXPECT_EQ(B(page->selector->GetPath()), ".\\");
    EXPECT_EQ(B(page->selector->message), "設定ファイル");
    EXPECT_EQ(B(page->selector->wildcard), "Text (*.txt)|*.txt");
    EXPECT_EQ(B(page->selector->startDir), "./");
    EXPECT_TRUE(page->selector->relativeMode);
    for (const char* text : {"", "  padded  ", "./BGM/selectgm.mid", "日本語/ファイル.mid"})
    {
        page->selector->SetPath(U(text));
        EXPECT_EQ(B(page->selector->GetPath()), text);
        EXPECT_FALSE(page->selector->pathChosen);
    }
}

// The dialog opens with what the page set. The page's own click handler runs
// after it, with the flag set when a file was chosen; a cancelled dialog
// leaves the text and clears the flag that a page left set.
TEST(FileSelect, AChosenPathIsMadeRelativeToTheWorkingDirectoryAndFlagged)
{
    struct Case
    {
        const char* workingSubfolder;    // below the game directory
        const char* chosen;              // below the game directory; nullptr: cancelled
        bool relativeMode;
        const char* shown;               // "<game>" stands for the game directory
    };
    const Case cases[] = {
        {"", "BGM/a.mid", true, "BGM/a.mid"},
        {"bin", "Font/b.ttf", true, "../Font/b.ttf"},
        {"bin/deeper", "Font/b.ttf", true, "../../Font/b.ttf"},
        {"", "Font/b.ttf", false, "<game>/Font/b.ttf"},
        {"bin", "Font/b.ttf", false, "<game>/Font/b.ttf"},
        {"", nullptr, true, "kept.txt"},
    };
    for (const Case& c : cases)
    {
        TempDir game;
        const std::string working = game.Path() + "/" + c.workingSubfolder;
        MakeDir(working);
        std::filesystem::current_path(working);

        const wxWindowPtr<PageStandIn> page(new PageStandIn);
        page->selector->relativeMode = c.relativeMode;
        page->selector->SetPath(wxString(L"kept.txt"));
        page->selector->pathChosen = !c.chosen;
        page->selector->message = wxString(L"BGMファイル");
        page->selector->wildcard = wxString(L"BGM (*.mid)|*.mid");
        MakeDir("BGM");
        page->selector->startDir = wxString(L"./BGM");
        DialogAnswer answer(c.chosen ? U(game.Path() + "/" + c.chosen) : wxString());
        page->Browse();

        std::string expected = c.shown;
        if (expected.rfind("<game>", 0) == 0)
            expected = game.Path() + expected.substr(6);
        SCOPED_TRACE(std::string(c.chosen ? c.chosen : "cancelled") + " from " + working);
        EXPECT_EQ(answer.shown, 1);
        EXPECT_EQ(B(answer.message), "BGMファイル");
        EXPECT_EQ(B(answer.wildcard), "BGM (*.mid)|*.mid");
        EXPECT_EQ(B(answer.directory), "./BGM");
        EXPECT_EQ(answer.style & (wxFD_SAVE | wxFD_OVERWRITE_PROMPT | wxFD_MULTIPLE), 0);
        EXPECT_EQ(B(page->selector->GetPath()), expected);
        EXPECT_EQ(page->selector->pathChosen, c.chosen != nullptr);
        EXPECT_EQ(page->clicks, 1);
        EXPECT_EQ(page->chosenWhenClicked, c.chosen != nullptr);
    }
}
