// The file selector: the browse dialog, relative paths and the handshake
// with the page that owns it.
#include <gtest/gtest.h>
#include <filesystem>
#include <wx/button.h>
#include <wx/filedlg.h>
#include <wx/frame.h>
#include <wx/textctrl.h>

#include "controls/myFileSelect.h"
#include "support/GuiHelpers.h"

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

    void Browse()
    {
        for (wxWindow* child : selector->GetChildren())
            if (auto* button = dynamic_cast<wxButton*>(child))
                ClickButton(button);
    }

    myFileSelect* selector;
    int clicks = 0;
    bool chosenWhenClicked = false;
};

struct Closing
{
    explicit Closing(PageStandIn* page) : page(page) {}
    ~Closing() { page->Destroy(); }
    PageStandIn* page;
};
}

TEST(FileSelect, StartsShowingTheUnfilledText)
{
    auto* page = new PageStandIn;
    Closing closing(page);
    EXPECT_EQ(B(page->selector->GetPath()), ".\\");
    EXPECT_EQ(page->selector->GetPath().length(), 2u);
    EXPECT_EQ(B(page->selector->message), "設定ファイル");
    EXPECT_EQ(B(page->selector->wildcard), "Text (*.txt)|*.txt");
    EXPECT_EQ(B(page->selector->startDir), "./");
    EXPECT_TRUE(page->selector->relativeMode);
    EXPECT_FALSE(page->selector->pathChosen);
}

TEST(FileSelect, ChosenPathIsMadeRelativeToTheWorkingDirectory)
{
    struct Case
    {
        const char* workingSubfolder;    // below the game directory
        const char* chosen;              // below the game directory
        bool relativeMode;
        const char* shown;               // "<game>" stands for the game directory
    };
    const Case cases[] = {
        {"", "BGM/a.mid", true, "BGM/a.mid"},
        {"bin", "Font/b.ttf", true, "../Font/b.ttf"},
        {"bin/deeper", "Font/b.ttf", true, "../../Font/b.ttf"},
        {"", "Font/b.ttf", false, "<game>/Font/b.ttf"},
        {"bin", "Font/b.ttf", false, "<game>/Font/b.ttf"},
    };
    for (const Case& c : cases)
    {
        TempDir game;
        const std::string working = game.Path() + "/" + c.workingSubfolder;
        MakeDir(working);
        std::filesystem::current_path(working);

        auto* page = new PageStandIn;
        Closing closing(page);
        page->selector->relativeMode = c.relativeMode;
        DialogAnswer answer(U(game.Path() + "/" + c.chosen));
        page->Browse();

        std::string expected = c.shown;
        if (expected.rfind("<game>", 0) == 0)
            expected = game.Path() + expected.substr(6);
        EXPECT_EQ(B(page->selector->GetPath()), expected) << c.chosen << " from " << working;
        EXPECT_TRUE(page->selector->pathChosen);
    }
}

TEST(FileSelect, TheClickTravelsOnToThePageWithTheFlagSet)
{
    TempDir dir;
    auto* page = new PageStandIn;
    Closing closing(page);
    DialogAnswer answer(U(dir.Path() + "/list.txt"));
    page->Browse();
    EXPECT_EQ(page->clicks, 1);
    EXPECT_TRUE(page->chosenWhenClicked);
    EXPECT_EQ(B(page->selector->GetPath()), "list.txt");
}

TEST(FileSelect, CancelLeavesTheTextAndClearsTheFlag)
{
    TempDir dir;
    auto* page = new PageStandIn;
    Closing closing(page);
    page->selector->SetPath(wxString(L"kept.txt"));
    page->selector->pathChosen = true;    // left set by a page that did not look
    DialogAnswer cancel;
    page->Browse();
    EXPECT_EQ(cancel.shown, 1);
    EXPECT_EQ(B(page->selector->GetPath()), "kept.txt");
    EXPECT_FALSE(page->selector->pathChosen);
    EXPECT_EQ(page->clicks, 1) << "the page's handler still runs";
    EXPECT_FALSE(page->chosenWhenClicked);
}

TEST(FileSelect, DialogOpensWithWhatThePageSet)
{
    TempDir dir;
    auto* page = new PageStandIn;
    Closing closing(page);
    page->selector->message = wxString(L"BGMファイル");
    page->selector->wildcard = wxString(L"BGM (*.mid)|*.mid");
    MakeDir("BGM");
    page->selector->startDir = wxString(L"./BGM");
    DialogAnswer answer;
    page->Browse();
    EXPECT_EQ(B(answer.message), "BGMファイル");
    EXPECT_EQ(B(answer.wildcard), "BGM (*.mid)|*.mid");
    EXPECT_EQ(B(answer.directory), "./BGM");
    EXPECT_EQ(answer.style & (wxFD_SAVE | wxFD_OVERWRITE_PROMPT | wxFD_MULTIPLE), 0);
}

TEST(FileSelect, SetPathAndGetPathKeepTheTextExactly)
{
    auto* page = new PageStandIn;
    Closing closing(page);
    const char* texts[] = {"", "  padded  ", "./BGM/selectgm.mid", "日本語/ファイル.mid"};
    for (const char* text : texts)
    {
        page->selector->SetPath(U(text));
        EXPECT_EQ(B(page->selector->GetPath()), text);
        EXPECT_FALSE(page->selector->pathChosen);
    }
}
