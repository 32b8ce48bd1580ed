// The sixth tab: the music list (3 slots) and the sound-effect list (12
// slots), two list files named in config.txt.
#pragma once

#include "app/SlotTable.h"
#include "app/myPage.h"

class myFileSelect;
class myLabel;
class wxTextInputStream;
class wxTextOutputStream;

class AudioPage : public myPage
{
public:
    explicit AudioPage(wxWindow* parent);

    void SetDefaults() override;

    bool WriteBgmListPath(wxTextOutputStream& out);
    bool ReadBgmListPath(wxTextInputStream& in);
    bool WriteBgmListFile();
    bool ReadBgmListFile();

    bool WriteSeListPath(wxTextOutputStream& out);
    bool ReadSeListPath(wxTextInputStream& in);
    bool WriteSeListFile();
    bool ReadSeListFile();

    myFileSelect* BgmListSelector() const { return bgmList; }
    myFileSelect* SeListSelector() const { return seList; }
    const Slots& BgmSlots() const { return bgm.Selectors(); }
    const Slots& SeSlots() const { return se.Selectors(); }

private:
    void CreateControls();
    void LayoutControls();

    void OnButtonClicked(wxCommandEvent& event);

    myLabel* bgmListLabel;
    myLabel* seListLabel;
    myFileSelect* bgmList;
    myFileSelect* seList;
    SlotTable bgm;
    SlotTable se;

    wxDECLARE_EVENT_TABLE();
};
