// The think list (the strategy page): fifteen think files, counted.
#pragma once

#include "settings/ListFile.h"
#include "settings/SlotList.h"

class ThinkList : public ListFile
{
public:
    ThinkList();

    // the default path and free entries, then whatever the default list
    // holds; without it the entries stay free
    void SetDefaults() override;
    void Write(wxTextOutputStream& out) const override;
    void Read(wxTextInputStream& in) override;
    const SlotList& Files() const override { return entries; }

    SlotList entries;
};
