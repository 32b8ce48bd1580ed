#include "pages/SettingsPage.h"

namespace
{
// Without a scroll rate the scroll bars of a page that does not fit would
// not move; one step is about a third of a row.
const int scrollStep = 10;
}

SettingsPage::SettingsPage(wxWindow* parent)
    : wxScrolledWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                       wxHSCROLL | wxVSCROLL)
{
    SetScrollRate(scrollStep, scrollStep);
}

void SettingsPage::Build()
{
    if (built)
        return;
    Freeze();
    CreateControls();
    built = true;
    TransferToControls();
    Thaw();
}

void SettingsPage::ShowSettings()
{
    if (built)
        TransferToControls();
}

void SettingsPage::StoreEdits()
{
    if (built)
        TransferFromControls();
}
