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

myNotebook::myNotebook(wxWindow* parent)
    : wxNotebook(parent, 0, wxDefaultPosition, wxDefaultSize, 0, wxString(L"notebook"))
{
    basicPage = new BasicPage(this);
    netPage = new NetPage(this);
    controlPage = new ControlPage(this);
    matchPage = new MatchPage(this);
    manipPage = new ManipPage(this);
    audioPage = new AudioPage(this);
    visualPage = new VisualPage(this);
    boxerPage = new BoxerPage(this);
    thinkPage = new ThinkPage(this);

    AddPage(basicPage, wxString(L"基本"));
    AddPage(netPage, wxString(L"通信"));
    AddPage(controlPage, wxString(L"操作"));
    AddPage(matchPage, wxString(L"試合"));
    AddPage(manipPage, wxString(L"補整"));
    AddPage(audioPage, wxString(L"音声"));
    AddPage(visualPage, wxString(L"画像"));
    AddPage(boxerPage, wxString(L"ジム"));
    AddPage(thinkPage, wxString(L"作戦"));
}

std::vector<myPage*> myNotebook::Pages() const
{
    return {basicPage, netPage,    controlPage, matchPage, manipPage,
            audioPage, visualPage, boxerPage,   thinkPage};
}
