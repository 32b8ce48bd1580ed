#include "app/SlotTable.h"

#include "controls/myButton.h"
#include "controls/myFileSelect.h"
#include "controls/myLabel.h"

std::vector<SlotRow> NumberedRows(const wxString& captionFormat, size_t count)
{
    std::vector<SlotRow> rows;
    for (size_t n = 1; n <= count; ++n)
        rows.push_back({wxString::Format(captionFormat, static_cast<int>(n)), wxString(), wxString()});
    return rows;
}

SlotTable::SlotTable(std::vector<SlotRow> rows, SlotFiles files)
    : rows(std::move(rows)), files(std::move(files))
{
}

void SlotTable::CreateLabels(wxWindow* page)
{
    for (const SlotRow& row : rows)
        captions.push_back(new myLabel(page, row.caption));
}

void SlotTable::CreateButtons(wxWindow* page)
{
    for (const SlotRow& row : rows)
        captions.push_back(new myButton(page, row.caption));
}

void SlotTable::CreateSelectors(wxWindow* page)
{
    for (size_t i = 0; i < rows.size(); ++i)
    {
        auto* selector = new myFileSelect(page, unfilledPathText);
        selector->message = files.message;
        selector->wildcard = files.wildcard;
        selector->startDir = files.startDir;
        selectors.push_back(selector);
    }
}

void SlotTable::LayoutRows(PageLayout& layout, wxSizer* group, size_t first, size_t end) const
{
    for (size_t i = first; i < end && i < rows.size(); ++i)
        layout.AddRow(group, captions.at(i), selectors.at(i));
}

void SlotTable::LayoutRows(PageLayout& layout, wxSizer* group) const
{
    LayoutRows(layout, group, 0, rows.size());
}

void SlotTable::LayoutRows(PageLayout& layout, wxSizer* group,
                           PageLayout::RowAlignment alignment) const
{
    for (size_t i = 0; i < rows.size(); ++i)
        layout.AddRow(group, captions.at(i), selectors.at(i), alignment);
}

void SlotTable::SetDefaults() const
{
    for (size_t i = 0; i < rows.size(); ++i)
        selectors.at(i)->SetPath(rows[i].defaultPath);
}

std::vector<wxString> SlotTable::Comments() const
{
    std::vector<wxString> comments;
    for (const SlotRow& row : rows)
        comments.push_back(row.comment);
    return comments;
}
