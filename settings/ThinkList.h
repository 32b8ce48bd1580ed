// The think list (the strategy page): fifteen think files, counted.
#pragma once

#include "settings/ListFile.h"
#include "settings/SlotList.h"

class ThinkList : public ListFile
{
public:
    ThinkList();

    // the entries start free; the initial ones are in the default list
    // file (ConfigDocument::Reset reads it)
    bool DefaultsInFile() const override { return true; }
    void Read(wxTextInputStream& in) override;
    const SlotList& Files() const override { return entries; }

    SlotList entries;

protected:
    void SetContentsToDefaults() override { entries.SetDefaults(); }
    void WriteContents(wxTextOutputStream& out) const override;
};
