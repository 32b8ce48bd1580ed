// A list whose every slot has its line (the images, the music, the sound
// effects): a header, an empty line, a comment and a path per slot, the end
// marker.
#pragma once

#include "settings/ListFile.h"
#include "settings/SlotList.h"

class FixedList : public ListFile
{
public:
    FixedList(const wxString& defaultPath, const wxString& header, std::vector<SlotRow> rows);

    void Read(wxTextInputStream& in) override;
    const SlotList& Files() const override { return slots; }

    SlotList slots;

protected:
    void SetContentsToDefaults() override { slots.SetDefaults(); }
    void WriteContents(wxTextOutputStream& out) const override { slots.WriteFixed(out); }
};

FixedList ImageList();
FixedList BgmList();
FixedList SeList();
