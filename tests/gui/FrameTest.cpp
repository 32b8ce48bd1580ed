#include <gtest/gtest.h>
#include <wx/menu.h>
#include <wx/notebook.h>

#include "app/MenuId.h"
#include "app/myFrame.h"
#include "app/myNotebook.h"
#include "support/GuiHelpers.h"

TEST(Frame, OpensWithTitleAndNineTabsInOrder)
{
    FrameInTempDir window;
    myFrame& frame = window.Frame();
    EXPECT_EQ(B(frame.GetTitle()), "Configure for Ringvald Ver 1.2.0 Release");
    const char* tabs[] = {"基本", "通信", "操作", "試合", "補整", "音声", "画像", "ジム", "作戦"};
    ASSERT_EQ(frame.GetNotebook()->GetPageCount(), 9u);
    for (size_t i = 0; i < 9; ++i)
        EXPECT_EQ(B(frame.GetNotebook()->GetPageText(i)), tabs[i]) << i;
}
