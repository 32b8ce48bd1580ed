#include "app/PageBook.h"

#include "pages/AudioPage.h"
#include "pages/BasicPage.h"
#include "pages/BoxerPage.h"
#include "pages/ControlPage.h"
#include "pages/ManipPage.h"
#include "pages/MatchPage.h"
#include "pages/NetPage.h"
#include "pages/ThinkPage.h"
#include "pages/VisualPage.h"
#include "settings/GameSettings.h"

namespace
{
// in tab order
const wchar_t* const tabTitles[] = {L"基本", L"通信", L"操作", L"試合", L"補整",
                                    L"音声", L"画像", L"ジム", L"作戦"};
}

wxBEGIN_EVENT_TABLE(PageBook, wxNotebook)
    EVT_NOTEBOOK_PAGE_CHANGING(wxID_ANY, PageBook::OnPageChanging)
    EVT_NOTEBOOK_PAGE_CHANGED(wxID_ANY, PageBook::OnPageChanged)
wxEND_EVENT_TABLE()

PageBook::PageBook(wxWindow* parent, GameSettings& settings,
                       BoxerEditorStarter startBoxerEditor)
    : wxNotebook(parent, 0, wxDefaultPosition, wxDefaultSize, 0, wxString(L"notebook"))
{
    basicPage = new BasicPage(this, settings.basic);
    netPage = new NetPage(this, settings.net);
    controlPage = new ControlPage(this, settings.control);
    matchPage = new MatchPage(this, settings.match, settings.replayList);
    manipPage = new ManipPage(this, settings.manip);
    audioPage = new AudioPage(this, settings.bgmList, settings.seList);
    visualPage = new VisualPage(this, settings.imageList, settings.fontList);
    boxerPage = new BoxerPage(this, settings.boxerList, std::move(startBoxerEditor));
    thinkPage = new ThinkPage(this, settings.thinkList);

    const std::vector<SettingsPage*> pages = Pages();
    for (size_t tab = 0; tab < pages.size(); ++tab)
        AddPage(pages[tab], tabTitles[tab]);
}

void PageBook::BuildSelectedPage()
{
    if (GetSelection() != wxNOT_FOUND)
        Pages().at(GetSelection())->Build();
}

std::vector<SettingsPage*> PageBook::Pages() const
{
    return {basicPage, netPage,    controlPage, matchPage, manipPage,
            audioPage, visualPage, boxerPage,   thinkPage};
}

void PageBook::ShowSettings()
{
    for (SettingsPage* page : Pages())
        page->ShowSettings();
}

void PageBook::StoreEdits()
{
    for (SettingsPage* page : Pages())
        page->StoreEdits();
}

void PageBook::OnPageChanging(wxBookCtrlEvent& event)
{
    if (event.GetOldSelection() != wxNOT_FOUND)
        Pages().at(event.GetOldSelection())->StoreEdits();
    event.Skip();
}

void PageBook::OnPageChanged(wxBookCtrlEvent& event)
{
    if (event.GetSelection() != wxNOT_FOUND)
        Pages().at(event.GetSelection())->Build();
    event.Skip();
}
