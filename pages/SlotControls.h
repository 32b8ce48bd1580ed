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
    // the captions are labels, or buttons (the gym's members)
    enum CaptionKind
    {
        labels,
        buttons
    };
    SlotControls(SlotList& slots, const SlotFiles& files, CaptionKind captionKind = labels);

    // the captions, then the selectors, which are registered with the page
    void Create(SettingsPage& page);

    // rows first .. end - 1 as rows of the group
    void LayoutRows(PageLayout& layout, wxSizer* group, size_t first, size_t end) const;
    void LayoutRows(PageLayout& layout, wxSizer* group) const;
    void LayoutRow(PageLayout& layout, wxSizer* group, size_t slot) const;

    // the paths into the selectors, and the ones the user changed back
    void ShowSettings() override;
    void StoreEdits() override;
    void UpdateMarks() override;

    const std::vector<PathField*>& Selectors() const { return selectors; }
    const std::vector<wxWindow*>& Captions() const { return captions; }

private:
    void CreateCaptions(wxWindow* page);
    void CreateSelectors(SettingsPage& page);

    SlotList& slots;
    const SlotFiles& files;
    const CaptionKind captionKind;
    std::vector<wxWindow*> captions;
    std::vector<PathField*> selectors;
};
