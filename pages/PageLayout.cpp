#include "pages/PageLayout.h"

#include <wx/scrolwin.h>
#include <wx/control.h>
#include <wx/statbox.h>

#include "controls/ControlSizes.h"
#include "controls/GtkAccess.h"
#include "controls/NumberField.h"
#include "controls/PathField.h"

namespace
{
// the caption column and the control column of a box
const int rowCells = 2, controlColumn = 1;
// between rows, columns and boxes: the toolkit's usual room, which follows
// the screen's resolution
int Gap()
{
    return wxSizerFlags::GetDefaultBorder();
}

// A scrolled window does not follow the focus by itself on GTK: Tab into a
// control below the visible part would leave it out of sight.
void KeepFocusInView(wxScrolledWindow* page)
{
    page->Bind(wxEVT_CHILD_FOCUS, [page](wxChildFocusEvent& event) {
        wxWindow* focused = event.GetWindow();
        // the control of the page the focus is in (a slider's panel, say)
        while (focused && focused->GetParent() != page)
            focused = focused->GetParent();
        if (!focused)
            return;
        int unitX, unitY;
        page->GetScrollPixelsPerUnit(&unitX, &unitY);
        const wxRect rect(page->CalcUnscrolledPosition(focused->GetPosition()), focused->GetSize());
        const wxPoint start = page->CalcUnscrolledPosition(wxPoint(0, 0));
        const wxSize visible = page->GetClientSize();
        // the nearest scroll position, in whole scroll units, that shows the
        // whole control
        const auto into = [](int first, int size, int viewStart, int viewSize, int unit) {
            if (unit <= 0)
                return -1;
            if (first < viewStart)
                return first / unit;
            if (first + size > viewStart + viewSize)
                return std::min(first / unit, (first + size - viewSize + unit - 1) / unit);
            return viewStart / unit;
        };
        page->Scroll(into(rect.x, rect.width, start.x, visible.x, unitX),
                     into(rect.y, rect.height, start.y, visible.y, unitY));
    });
}

void NameAfterCaption(wxWindow* control, const wxString& caption)
{
    if (auto* path = dynamic_cast<PathField*>(control))
        path->SetCaption(caption);
    else if (auto* number = dynamic_cast<NumberField*>(control))
        number->SetCaption(caption);
    else
        SetAccessibleName(control, caption);
}
}

PageLayout::PageLayout(wxWindow* page)
    : page(page), top(new wxBoxSizer(wxHORIZONTAL))
{
}

PageLayout::PageLayout(const ControlSizes& sizes)
    : sizes(&sizes), estimate(new wxBoxSizer(wxHORIZONTAL)), top(estimate.get())
{
}

PageLayout::~PageLayout() = default;

wxSizer* PageLayout::AddGroup(int column, const wxString& title)
{
    // the columns share the page's width
    while (columns.size() <= static_cast<size_t>(column))
    {
        columns.push_back(new wxBoxSizer(wxVERTICAL));
        top->Add(columns.back(), wxSizerFlags(1).Expand().Border(wxALL, Gap() / 2));
    }
    auto* grid = new wxFlexGridSizer(rowCells, Gap(), Gap());
    grid->AddGrowableCol(controlColumn);
    wxSizer* box;
    if (sizes)    // a box's frame and title, as room around its rows
    {
        box = new wxBoxSizer(wxVERTICAL);
        box->AddSpacer(sizes->BoxTop());
        box->Add(grid, wxSizerFlags(1).Expand().Border(wxALL, Gap() / 2 + sizes->BoxSide()));
    }
    else
    {
        box = new wxStaticBoxSizer(wxVERTICAL, page, title);
        box->Add(grid, wxSizerFlags(1).Expand().Border(wxALL, Gap() / 2));
    }
    columns.at(column)->Add(box, wxSizerFlags(0).Expand().Border(wxALL, Gap() / 2));
    return grid;
}

void PageLayout::AddRow(wxSizer* group, wxWindow* caption, wxWindow* control)
{
    // a caption that is a button is as wide as the column, like its neighbours
    const bool button = caption->IsFocusable();
    group->Add(caption, button ? wxSizerFlags(0).Expand() : wxSizerFlags(0).CentreVertical());
    group->Add(control, wxSizerFlags(1).Expand());
    NameAfterCaption(control, wxControl::GetLabelText(caption->GetLabel()));
}

void PageLayout::AddRow(wxSizer* group, const wxSize& caption, const wxSize& control)
{
    group->Add(caption.x, caption.y);
    group->Add(control.x, control.y);
}

wxSize PageLayout::MinSize() const
{
    return top->CalcMin();
}

void PageLayout::Finish()
{
    page->SetSizer(top);    // the page owns the sizer from here
    top->FitInside(page);
    page->Layout();
    if (auto* scrolled = dynamic_cast<wxScrolledWindow*>(page))
        KeepFocusInView(scrolled);
}
