#include "app/myNotebook.h"

#include "pages/AudioPage.h"
#include "pages/BasicPage.h"
#include "pages/BoxerPage.h"
#include "pages/ControlPage.h"
#include "pages/ManipPage.h"
#include "pages/MatchPage.h"
#include "pages/NetPage.h"
#include "pages/ThinkPage.h"
#include "pages/VisualPage.h"

namespace
{
// in tab order
const wchar_t* const tabTitles[] = {L"基本", L"通信", L"操作", L"試合", L"補整",
                                    L"音声", L"画像", L"ジム", L"作戦"};
}

myNotebook::myNotebook(wxWindow* parent)
    : wxNotebook(parent, 0, wxDefaultPosition, wxDefaultSize, 0, wxString(L"notebook"))
{
    // each page becomes a tab from its own constructor (see TakePage)
    basicPage = new BasicPage(this);
    netPage = new NetPage(this);
    controlPage = new ControlPage(this);
    matchPage = new MatchPage(this);
    manipPage = new ManipPage(this);
    audioPage = new AudioPage(this);
    visualPage = new VisualPage(this);
    boxerPage = new BoxerPage(this);
    thinkPage = new ThinkPage(this);
}

std::vector<myPage*> myNotebook::Pages() const
{
    return {basicPage, netPage,    controlPage, matchPage, manipPage,
            audioPage, visualPage, boxerPage,   thinkPage};
}

void myNotebook::TakePage(myPage* page)
{
    const size_t count = GetPageCount();
    AddPage(page, count < WXSIZEOF(tabTitles) ? wxString(tabTitles[count]) : wxString());
}
