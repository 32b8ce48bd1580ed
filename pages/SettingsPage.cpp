#include "pages/SettingsPage.h"

#include "pages/PageLayout.h"
#include "pages/PagePart.h"

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
}

void SettingsPage::Build()
{
    if (built)
        return;
    Freeze();
    // set here rather than when the page is made: it costs as much as an
    // empty page does
    SetScrollRate(scrollStep, scrollStep);
    CreateControls();
    PageLayout layout(this);
    LayOut(layout);
    layout.Finish();
    built = true;
    ShowSettings();
    Thaw();
}

wxSize SettingsPage::NeededSize(const ControlSizes& sizes) const
{
    if (built)
        return GetSizer()->GetMinSize();
    PageLayout layout(sizes);
    LayOut(layout);
    return layout.MinSize();
}

void SettingsPage::SetFocus()
{
    GetParent()->SetFocus();
}

void SettingsPage::Register(PagePart& part)
{
    parts.push_back(&part);
}

void SettingsPage::ShowSettings()
{
    if (!built)
        return;
    for (PagePart* part : parts)
        part->ShowSettings();
    SettingsShown();
}

void SettingsPage::StoreEdits()
{
    if (!built)
        return;
    for (PagePart* part : parts)
        part->StoreEdits();
}

void SettingsPage::UpdateMarks()
{
    for (PagePart* part : parts)
        part->UpdateMarks();
}

void SettingsPage::ChangeSettings(const std::function<void()>& change)
{
    StoreEdits();
    if (change)
        change();
    ShowSettings();
}
