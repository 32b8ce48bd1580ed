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

    void SetDefaults() override;
    void Write(wxTextOutputStream& out) const override;
    void Read(wxTextInputStream& in) override;
    const SlotList& Files() const override { return slots; }

    // "saving", "maxReplays", "currentReplay"
    SettingSection values;
    SlotList slots;
};
