// The gym tab: thirty member boxer files, each with a button that opens it
// in the boxer editor, kept in the boxer data list with two sparring
// partners the page carries without controls.
#pragma once

#include "app/SlotTable.h"
#include "app/myPage.h"

class myFileSelect;
class myLabel;
class wxTextInputStream;
class wxTextOutputStream;

class BoxerPage : public myPage
{
public:
    explicit BoxerPage(wxWindow* parent);

    static constexpr int partnerCount = 2;
    static constexpr int partnerValueCount = 9;

    void SetDefaults() override;

    bool WriteListPath(wxTextOutputStream& out);
    bool ReadListPath(wxTextInputStream& in);
    bool WriteListFile();
    bool ReadListFile();

    myFileSelect* ListSelector() const { return list; }
    const Slots& MemberSlots() const { return members.Selectors(); }
    const std::vector<wxWindow*>& MemberButtons() const { return members.Captions(); }
    // partner 0 or 1, value index in file order (height first)
    int Sparring(int partner, int index) const { return sparring[partner][index]; }

private:
    void CreateControls();
    void LayoutControls();

    void OnButtonClicked(wxCommandEvent& event);

    myLabel* listLabel;
    myFileSelect* list;
    SlotTable members;
    // read from the list file and written back as read
    int sparring[partnerCount][partnerValueCount];

    wxDECLARE_EVENT_TABLE();
};
