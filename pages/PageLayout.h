// The one layout of every page: titled boxes stacked in columns that share
// the page's width, each box a grid of rows: the captions in one column,
// lined up, and their controls in the next, as wide as the box. Every size
// comes from the controls' own best sizes, so a page fits any theme, font
// size and window size; a page larger than its window scrolls, and keeps
// the control with the focus in view.
#pragma once

#include <memory>
#include <vector>
#include <wx/sizer.h>

class ControlSizes;
class wxWindow;

class PageLayout
{
public:
    // the layout of a page's controls
    explicit PageLayout(wxWindow* page);
    // an estimate: rows are added as the sizes their controls will take
    explicit PageLayout(const ControlSizes& sizes);
    ~PageLayout();

    // a titled box at the bottom of a column (0 is the leftmost); rows go
    // inside it
    wxSizer* AddGroup(int column, const wxString& title);
    // One row: the caption, then its control, which a screen reader then
    // calls by the caption's text.
    void AddRow(wxSizer* group, wxWindow* caption, wxWindow* control);
    void AddRow(wxSizer* group, const wxSize& caption, const wxSize& control);

    // for an estimate, the sizes the controls will have (nullptr otherwise)
    const ControlSizes* Estimating() const { return sizes; }
    // what the page needs to show whole
    wxSize MinSize() const;

    // puts the columns on the page and fits the scrolled area to them
    void Finish();

private:
    wxWindow* page = nullptr;
    const ControlSizes* sizes = nullptr;
    std::unique_ptr<wxBoxSizer> estimate;    // the sizer of an estimate, which no page owns
    wxBoxSizer* top;
    std::vector<wxBoxSizer*> columns;
};
