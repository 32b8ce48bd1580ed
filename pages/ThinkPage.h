// The strategy tab: fifteen think files kept in the think list.
#pragma once

#include "app/SlotTable.h"
#include "app/myPage.h"

class myFileSelect;
class myLabel;
class wxTextInputStream;
class wxTextOutputStream;

class ThinkPage : public myPage
{
public:
    explicit ThinkPage(wxWindow* parent);

    void SetDefaults() override;

    bool WriteListPath(wxTextOutputStream& out);
    bool ReadListPath(wxTextInputStream& in);
    bool WriteListFile();
    bool ReadListFile();

    myFileSelect* ListSelector() const { return list; }
    const Slots& EntrySlots() const { return entries.Selectors(); }

private:
    void CreateControls();
    void LayoutControls();

    void OnButtonClicked(wxCommandEvent& event);

    myLabel* listLabel;
    myFileSelect* list;
    SlotTable entries;

    wxDECLARE_EVENT_TABLE();
};
