#include "app/myPage.h"

#include "app/myNotebook.h"

namespace
{
// Without a scroll rate the scroll bars of a page that does not fit would
// not move; one step is about a third of a row.
const int scrollStep = 10;
}

myPage::myPage(wxWindow* parent)
    : wxScrolledWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                       wxHSCROLL | wxVSCROLL)
{
    SetScrollRate(scrollStep, scrollStep);
    if (auto* notebook = dynamic_cast<myNotebook*>(parent))
        notebook->TakePage(this);
}
