// The sixth tab: the music list (3 slots) and the sound-effect list (12
// slots), two list files named in config.txt.
#pragma once

#include "pages/ListPathField.h"
#include "pages/SlotControls.h"
#include "pages/SettingsPage.h"

class FixedList;

class AudioPage : public SettingsPage
{
public:
    AudioPage(wxWindow* parent, FixedList& bgmList, FixedList& seList);

    PathField* BgmListSelector() const { return bgmPath.Selector(); }
    PathField* SeListSelector() const { return sePath.Selector(); }
    const std::vector<PathField*>& BgmSlots() const { return bgm.Selectors(); }
    const std::vector<PathField*>& SeSlots() const { return se.Selectors(); }

private:
    void CreateControls() override;
    void LayOut(PageLayout& layout) const override;

    ListPathField bgmPath;
    ListPathField sePath;
    SlotControls bgm;
    SlotControls se;
};
