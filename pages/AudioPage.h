// The sixth tab: the music list (3 slots) and the sound-effect list (12
// slots), two list files named in config.txt.
#pragma once

#include "pages/ListPathField.h"
#include "pages/SlotControls.h"
#include "pages/myPage.h"

class FixedList;

class AudioPage : public myPage
{
public:
    AudioPage(wxWindow* parent, FixedList& bgmList, FixedList& seList);

    myFileSelect* BgmListSelector() const { return bgmPath.Selector(); }
    myFileSelect* SeListSelector() const { return sePath.Selector(); }
    const std::vector<myFileSelect*>& BgmSlots() const { return bgm.Selectors(); }
    const std::vector<myFileSelect*>& SeSlots() const { return se.Selectors(); }

private:
    void CreateControls() override;
    void TransferToControls() override;
    void TransferFromControls() override;

    void OnButtonClicked(wxCommandEvent& event);

    ListPathField bgmPath;
    ListPathField sePath;
    SlotControls bgm;
    SlotControls se;

    wxDECLARE_EVENT_TABLE();
};
