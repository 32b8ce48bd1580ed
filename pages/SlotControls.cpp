#include "pages/SlotControls.h"

#include "controls/CaptionButton.h"
#include "controls/ControlSizes.h"
#include "controls/PathField.h"
#include "controls/Caption.h"
#include "pages/SettingsPage.h"
#include "settings/SlotList.h"
#include "settings/Translated.h"

SlotControls::SlotControls(SlotList& slots, const SlotFiles& files, CaptionKind captionKind)
    : slots(slots), files(files), captionKind(captionKind)
{
}

void SlotControls::Create(SettingsPage& page)
{
    CreateCaptions(&page);
    CreateSelectors(page);
}

void SlotControls::CreateCaptions(wxWindow* page)
{
    for (size_t slot = 0; slot < slots.Size(); ++slot)
        if (captionKind == buttons)
            captions.push_back(new CaptionButton(page, slots.Row(slot).caption));
        else
            captions.push_back(new Caption(page, slots.Row(slot).caption));
}

void SlotControls::CreateSelectors(SettingsPage& page)
{
    page.Register(*this);
    for (size_t slot = 0; slot < slots.Size(); ++slot)
    {
        auto* selector = new PathField(&page, wxString());
        selector->message = _(files.message);
        selector->wildcard = _(files.wildcard);
        selector->startDir = files.startDir;
        selectors.push_back(selector);
    }
}

void SlotControls::LayoutRows(PageLayout& layout, wxSizer* group, size_t first, size_t end) const
{
    for (size_t slot = first; slot < end && slot < slots.Size(); ++slot)
        LayoutRow(layout, group, slot);
}

void SlotControls::LayoutRows(PageLayout& layout, wxSizer* group) const
{
    LayoutRows(layout, group, 0, slots.Size());
}

void SlotControls::LayoutRow(PageLayout& layout, wxSizer* group, size_t slot) const
{
    if (const ControlSizes* sizes = layout.Estimating())
    {
        const wxString& caption = slots.Row(slot).caption;
        layout.AddRow(group, captionKind == buttons ? sizes->CaptionButton(caption) : sizes->Caption(caption),
                      sizes->Path());
    }
    else
        layout.AddRow(group, captions.at(slot), selectors.at(slot));
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

void SlotControls::UpdateMarks()
{
    for (PathField* selector : selectors)
        selector->UpdateMark();
}
