// The replay list (kept by the match page): whether replays are saved, the
// cycle of replay numbers, and nine replay slots, counted.
#pragma once

#include "settings/ListFile.h"
#include "settings/SettingSection.h"
#include "settings/SlotList.h"

class ReplayList : public ListFile
{
public:
    ReplayList();

    void Read(wxTextInputStream& in) override;
    const SlotList& Files() const override { return slots; }

    // "saving", "maxReplays", "currentReplay"
    SettingSection values;
    SlotList slots;

protected:
    void SetContentsToDefaults() override;
    void WriteContents(wxTextOutputStream& out) const override;
};
