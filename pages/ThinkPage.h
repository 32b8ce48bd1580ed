// The strategy tab: fifteen think files kept in the think list.
#pragma once

#include "pages/ListPathField.h"
#include "pages/SlotControls.h"
#include "pages/SettingsPage.h"

class ThinkList;

class ThinkPage : public SettingsPage
{
public:
    ThinkPage(wxWindow* parent, ThinkList& thinkList);

    PathField* ListSelector() const { return listPath.Selector(); }
    const std::vector<PathField*>& EntrySlots() const { return entries.Selectors(); }

private:
    void CreateControls() override;
    void LayOut(PageLayout& layout) const override;

    ListPathField listPath;
    SlotControls entries;
};
