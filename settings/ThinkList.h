// The think list (the strategy page): fifteen think files, counted.
#pragma once

#include "settings/ListFile.h"
#include "settings/SlotList.h"

class ThinkList : public ListFile
{
public:
    ThinkList();

    // the default path and free entries; the contents of the default list
    // file are read by ConfigDocument::Reset
    void SetDefaults() override;
    bool DefaultsInFile() const override { return true; }
    void Write(wxTextOutputStream& out) const override;
    void Read(wxTextInputStream& in) override;
    const SlotList& Files() const override { return entries; }

    SlotList entries;
};
