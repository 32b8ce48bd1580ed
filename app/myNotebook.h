// The nine settings pages as tabs, and the one pointer to each page.
#pragma once

#include <vector>
#include <wx/notebook.h>

class myPage;
class BasicPage;
class NetPage;
class ControlPage;
class MatchPage;
class ManipPage;
class AudioPage;
class VisualPage;
class BoxerPage;
class ThinkPage;

class myNotebook : public wxNotebook
{
public:
    explicit myNotebook(wxWindow* parent);

    // in tab order
    std::vector<myPage*> Pages() const;

    // Makes a page the next tab; the page calls it from the skeleton's
    // constructor, while it is still empty. A page added once its controls
    // exist is taken out of the notebook and put back in, and GTK restyles
    // every control of it both times.
    void TakePage(myPage* page);

    BasicPage* basicPage;
    NetPage* netPage;
    ControlPage* controlPage;
    MatchPage* matchPage;
    ManipPage* manipPage;
    AudioPage* audioPage;
    VisualPage* visualPage;
    BoxerPage* boxerPage;
    ThinkPage* thinkPage;
};
