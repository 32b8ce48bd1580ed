// The notebook of the main window: nine tabs in their order, each holding
// the page the frame reaches it by; a page made elsewhere is no tab.
#include <gtest/gtest.h>
#include <wx/frame.h>

#include "app/myFrame.h"
#include "app/myNotebook.h"
#include "pages/myPage.h"
#include "pages/NetPage.h"
#include "support/GuiHelpers.h"

TEST(Notebook, ShowsTheNinePagesAsTabsInOrder)
{
    FrameInTempDir window;
    myNotebook& notebook = *window.Frame().GetNotebook();
    auto* elsewhere = new wxFrame(nullptr, wxID_ANY, wxString(L"page"));
    EXPECT_EQ((new NetPage(elsewhere))->GetParent(), elsewhere);
    const char* const titles[] = {"基本", "通信", "操作", "試合", "補整",
                                  "音声", "画像", "ジム", "作戦"};
    const std::vector<myPage*> pages = notebook.Pages();
    ASSERT_EQ(notebook.GetPageCount(), 9u);
    ASSERT_EQ(pages.size(), 9u);
    for (size_t i = 0; i < 9; ++i)
    {
        EXPECT_EQ(B(notebook.GetPageText(i)), titles[i]) << i;
        EXPECT_EQ(notebook.GetPage(i), pages[i]) << i;
        EXPECT_EQ(pages[i]->GetParent(), &notebook) << i;
    }
    EXPECT_EQ(notebook.GetSelection(), 0);
    // the selected tab shows its page filled with its controls
    EXPECT_TRUE(pages[0]->IsShownOnScreen());
    EXPECT_GT(pages[0]->GetChildren().GetCount(), 10u);
    elsewhere->Destroy();
    Pump(20);
}
