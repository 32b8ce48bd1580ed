// The slots of one list on a list page, declared once: each row's caption,
// default path and the comment line above its path in a fixed list file.
// Creating the rows, laying them out and SetDefaults walk the same table.
#pragma once

#include <cstddef>
#include <vector>
#include <wx/string.h>

#include "app/ListFile.h"
#include "app/PageLayout.h"

class wxSizer;
class wxWindow;

// the caption beside the selector of a page's list file
inline const wchar_t listFileCaption[] = L"ファイル名";

struct SlotRow
{
    wxString caption;
    wxString defaultPath;    // empty: the slot starts free
    wxString comment;        // the line above the path in a fixed list
};

// what the browse dialog of every slot of a list offers
struct SlotFiles
{
    wxString message;
    wxString wildcard;
    wxString startDir;
};

// rows captioned from a "%d" format, numbered from 1, free by default
std::vector<SlotRow> NumberedRows(const wxString& captionFormat, size_t count);

class SlotTable
{
public:
    SlotTable(std::vector<SlotRow> rows, SlotFiles files);

    // the captions as labels, or as buttons (the gym's members); then the
    // selectors, all showing the unfilled text
    void CreateLabels(wxWindow* page);
    void CreateButtons(wxWindow* page);
    void CreateSelectors(wxWindow* page);

    // rows first .. end - 1 as rows of the group
    void LayoutRows(PageLayout& layout, wxSizer* group, size_t first, size_t end) const;
    void LayoutRows(PageLayout& layout, wxSizer* group) const;
    // every row, aligned otherwise than the page's other rows
    void LayoutRows(PageLayout& layout, wxSizer* group, PageLayout::RowAlignment alignment) const;

    // every slot to the default path of its row
    void SetDefaults() const;
    std::vector<wxString> Comments() const;

    const Slots& Selectors() const { return selectors; }
    const std::vector<wxWindow*>& Captions() const { return captions; }

private:
    std::vector<SlotRow> rows;
    SlotFiles files;
    std::vector<wxWindow*> captions;
    Slots selectors;
};
