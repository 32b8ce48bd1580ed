// The one layout of every page: titled group boxes stacked in columns, each
// box a column of rows, each row a caption and its control.
#pragma once

#include <vector>
#include <wx/sizer.h>

class wxWindow;

class PageLayout
{
public:
    enum RowAlignment
    {
        centredRows,
        leftAlignedRows
    };

    PageLayout(wxWindow* page, int columns, RowAlignment alignment = centredRows);

    // a titled box at the bottom of a column; rows go inside it
    wxStaticBoxSizer* AddGroup(int column, const wxString& title, int orientation = wxVERTICAL);
    // one row: the caption, then its control
    void AddRow(wxSizer* group, wxWindow* caption, wxWindow* control);
    // a row that does not follow the page's alignment
    void AddRow(wxSizer* group, wxWindow* caption, wxWindow* control, RowAlignment alignment);

    // puts the columns on the page and fits the scrolled area to them
    void Finish();

private:
    wxWindow* page;
    RowAlignment alignment;
    wxBoxSizer* top;
    std::vector<wxBoxSizer*> columns;
};
