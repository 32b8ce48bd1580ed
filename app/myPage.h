// The skeleton every settings page is built on: a window that scrolls both
// ways when its groups do not fit. A page builds its controls, then lays
// them out with PageLayout, in its own constructor. A page made in the
// notebook is its next tab from the start (myNotebook::TakePage).
#pragma once

#include <wx/scrolwin.h>

class myPage : public wxScrolledWindow
{
public:
    explicit myPage(wxWindow* parent);

    // puts every control of the page to its default value
    virtual void SetDefaults() = 0;
};
