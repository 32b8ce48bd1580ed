#include "pages/myPage.h"

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
}

void myPage::Build()
{
    if (built)
        return;
    Freeze();
    CreateControls();
    built = true;
    TransferToControls();
    Thaw();
}

void myPage::ShowSettings()
{
    if (built)
        TransferToControls();
}

void myPage::StoreEdits()
{
    if (built)
        TransferFromControls();
}
