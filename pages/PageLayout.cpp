#include "pages/PageLayout.h"

#include <wx/scrolwin.h>
#include <wx/statbox.h>

namespace
{
const int groupBorder = 5;
}

PageLayout::PageLayout(wxWindow* page, int columnCount, RowAlignment alignment)
    : page(page), alignment(alignment), top(new wxBoxSizer(wxHORIZONTAL))
{
    for (int i = 0; i < columnCount; ++i)
    {
        columns.push_back(new wxBoxSizer(wxVERTICAL));
        top->Add(columns.back(), wxSizerFlags(0).Border(wxALL, groupBorder));
    }
}

wxStaticBoxSizer* PageLayout::AddGroup(int column, const wxString& title, int orientation)
{
    auto* group = new wxStaticBoxSizer(orientation, page, title);
    columns.at(column)->Add(group, wxSizerFlags(0).Expand().Border(wxALL, groupBorder));
    return group;
}

void PageLayout::AddRow(wxSizer* group, wxWindow* caption, wxWindow* control)
{
    AddRow(group, caption, control, alignment);
}

void PageLayout::AddRow(wxSizer* group, wxWindow* caption, wxWindow* control,
                        RowAlignment rowAlignment)
{
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(caption, wxSizerFlags(0).CentreVertical());
    row->Add(control, wxSizerFlags(0).CentreVertical());
    wxSizerFlags flags(0);
    // a horizontal box (a one-row group) places by order, not by alignment
    const auto* box = dynamic_cast<wxBoxSizer*>(group);
    if (box && box->GetOrientation() == wxVERTICAL)
        rowAlignment == centredRows ? flags.CentreHorizontal() : flags.Left();
    group->Add(row, flags);
}

void PageLayout::Finish()
{
    page->SetSizer(top);    // the page owns the sizer from here
    top->FitInside(page);
    page->Layout();
}
