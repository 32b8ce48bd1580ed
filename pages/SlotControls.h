// The controls of one list's slots on its page: a caption (a label, or a
// button for the gym's members) and a path selector per slot.
#pragma once

#include <vector>
#include <wx/string.h>

#include "pages/PageLayout.h"
#include "pages/PagePart.h"
#include "pages/SlotFiles.h"

class SlotList;
class PathField;
class SettingsPage;
class wxSizer;
class wxWindow;

class SlotControls : public PagePart
{
public:
    SlotControls(SlotList& slots, const SlotFiles& files);

    // the captions as labels, or as buttons; then the selectors, which are
    // registered with the page
    void CreateLabels(wxWindow* page);
    void CreateButtons(wxWindow* page);
    void CreateSelectors(SettingsPage& page);

    // rows first .. end - 1 as rows of the group
    void LayoutRows(PageLayout& layout, wxSizer* group, size_t first, size_t end) const;
    void LayoutRows(PageLayout& layout, wxSizer* group) const;
    // every row, aligned otherwise than the page's other rows
    void LayoutRows(PageLayout& layout, wxSizer* group, PageLayout::RowAlignment alignment) const;

    // the paths into the selectors, and the ones the user changed back
    void ShowSettings() override;
    void StoreEdits() override;

    const std::vector<PathField*>& Selectors() const { return selectors; }
    const std::vector<wxWindow*>& Captions() const { return captions; }

private:
    SlotList& slots;
    const SlotFiles& files;
    std::vector<wxWindow*> captions;
    std::vector<PathField*> selectors;
};
