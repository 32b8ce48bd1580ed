#include "pages/SlotControls.h"

#include "controls/CaptionButton.h"
#include "controls/PathField.h"
#include "controls/Caption.h"
#include "pages/SettingsPage.h"
#include "settings/SlotList.h"

SlotControls::SlotControls(SlotList& slots, const SlotFiles& files)
    : slots(slots), files(files)
{
}

void SlotControls::CreateLabels(wxWindow* page)
{
    for (size_t slot = 0; slot < slots.Size(); ++slot)
        captions.push_back(new Caption(page, slots.Row(slot).caption));
}

void SlotControls::CreateButtons(wxWindow* page)
{
    for (size_t slot = 0; slot < slots.Size(); ++slot)
        captions.push_back(new CaptionButton(page, slots.Row(slot).caption));
}

void SlotControls::CreateSelectors(SettingsPage& page)
{
    page.Register(*this);
    for (size_t slot = 0; slot < slots.Size(); ++slot)
    {
        auto* selector = new PathField(&page, wxString());
        selector->message = files.message;
        selector->wildcard = files.wildcard;
        selector->startDir = files.startDir;
        selectors.push_back(selector);
    }
}

void SlotControls::LayoutRows(PageLayout& layout, wxSizer* group, size_t first, size_t end) const
{
    for (size_t slot = first; slot < end && slot < selectors.size(); ++slot)
        layout.AddRow(group, captions.at(slot), selectors.at(slot));
}

void SlotControls::LayoutRows(PageLayout& layout, wxSizer* group) const
{
    LayoutRows(layout, group, 0, selectors.size());
}

void SlotControls::LayoutRows(PageLayout& layout, wxSizer* group,
                              PageLayout::RowAlignment alignment) const
{
    for (size_t slot = 0; slot < selectors.size(); ++slot)
        layout.AddRow(group, captions.at(slot), selectors.at(slot), alignment);
}

void SlotControls::ShowSettings()
{
    for (size_t slot = 0; slot < selectors.size(); ++slot)
        selectors[slot]->SetPath(slots.Path(slot));
}

void SlotControls::StoreEdits()
{
    for (size_t slot = 0; slot < selectors.size(); ++slot)
        if (selectors[slot]->IsEdited())
            slots.SetPath(slot, selectors[slot]->GetPath());
}
