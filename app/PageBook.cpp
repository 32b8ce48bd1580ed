#include "app/PageBook.h"

#include <algorithm>
#include <wx/sizer.h>
#include <wx/textentry.h>

#include "controls/ControlSizes.h"

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
#include "settings/Translated.h"

namespace
{
// in tab order
const wchar_t* const tabTitles[] = {
    wxTRANSLATE(L"基本"), wxTRANSLATE(L"通信"), wxTRANSLATE(L"操作"), wxTRANSLATE(L"試合"), wxTRANSLATE(L"補整"),
    wxTRANSLATE(L"音声"), wxTRANSLATE(L"画像"), wxTRANSLATE(L"ジム"), wxTRANSLATE(L"作戦")};
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
        AddPage(pages[tab], _(tabTitles[tab]));
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
    FocusTabs();
    event.Skip();
}

// A page shown, by a click on its tab or a key, built now or before: GTK
// would give the focus to the page's first field if the focus was in the
// page left, or once a page just built is shown, and select its text, so
// that the next key typed would replace it. The focus goes to the tabs
// instead, as after a click on one, and no text stays selected; Tab leads
// into the page.
void PageBook::OnPageChanged(wxBookCtrlEvent& event)
{
    SettingsPage* page = event.GetSelection() == wxNOT_FOUND ? nullptr : Pages().at(event.GetSelection());
    if (page && !page->IsBuilt())
    {
        page->Build();
        CallAfter([this] { FocusTabs(); });
    }
    FocusTabs();
    event.Skip();
}

void PageBook::FocusTabs()
{
    wxWindow* focus = FindFocus();
    if (!focus || focus == this || !IsDescendant(focus))
        return;
    if (auto* field = dynamic_cast<wxTextEntry*>(focus))
        field->SelectNone();
    SetFocus();
}

void PageBook::UpdateMarks()
{
    for (SettingsPage* page : Pages())
        page->UpdateMarks();
}

wxSize PageBook::LargestPageSize() const
{
    // one control of each kind is measured on a page not built (any will do)
    const std::vector<SettingsPage*> pages = Pages();
    const auto unbuilt = std::find_if(pages.begin(), pages.end(), [](auto* page) { return !page->IsBuilt(); });
    const ControlSizes sizes(unbuilt == pages.end() ? pages.front() : *unbuilt);
    wxSize largest;
    for (SettingsPage* page : pages)
        largest.IncTo(page->NeededSize(sizes));
    return largest;
}

void PageBook::ShowNextPage(bool forward)
{
    AdvanceSelection(forward);
    FocusTabs();
}
