// The nine settings pages as tabs, and the one pointer to each page.
//
// The pages are views on the settings the main window owns. Each is made
// empty and builds its controls when it is first shown; the main window has
// the first page built before it shows itself.
#pragma once

#include <vector>
#include <wx/notebook.h>

#include "pages/BoxerPage.h"

struct GameSettings;
class SettingsPage;
class BasicPage;
class NetPage;
class ControlPage;
class MatchPage;
class ManipPage;
class AudioPage;
class VisualPage;
class ThinkPage;

class PageBook : public wxNotebook
{
public:
    // the gym page's buttons open a boxer file with startBoxerEditor
    PageBook(wxWindow* parent, GameSettings& settings, BoxerEditorStarter startBoxerEditor);

    // in tab order
    std::vector<SettingsPage*> Pages() const;

    // builds the page of the selected tab, if it is not built yet
    void BuildSelectedPage();
    // the marks of missing files looked at again, on every built page (a
    // save may have made a file)
    void UpdateMarks();
    // what the largest page needs to show whole: the pages built are
    // measured, the others estimated from what they will hold
    wxSize LargestPageSize() const;
    // the next or the previous tab (round the ends), with the focus on the tabs
    void ShowNextPage(bool forward);

    // every built page: the settings into its controls, or its edits back
    void ShowSettings();
    void StoreEdits();

    BasicPage* basicPage;
    NetPage* netPage;
    ControlPage* controlPage;
    MatchPage* matchPage;
    ManipPage* manipPage;
    AudioPage* audioPage;
    VisualPage* visualPage;
    BoxerPage* boxerPage;
    ThinkPage* thinkPage;

private:
    void OnPageChanging(wxBookCtrlEvent& event);
    void OnPageChanged(wxBookCtrlEvent& event);
    // the focus from a control of a page to the tabs, its text unselected
    void FocusTabs();

    wxDECLARE_EVENT_TABLE();
};
