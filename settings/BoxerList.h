// The boxer data list (the gym page): thirty member boxer files, counted,
// and two sparring partners that no page shows, written back as read.
#pragma once

#include "settings/ListFile.h"
#include "settings/SlotList.h"

class BoxerList : public ListFile
{
public:
    BoxerList();

    static constexpr int partnerCount = 2;
    static constexpr int partnerValueCount = 9;

    // the members start free; the initial ones are in the default list
    // file (ConfigDocument::Reset reads it)
    bool DefaultsInFile() const override { return true; }
    // the sparring values are the value lines after the paths the count
    // names, whatever those lines hold
    void Read(wxTextInputStream& in) override;
    const SlotList& Files() const override { return members; }

    SlotList members;
    // partner 0 or 1, value index in file order (height first)
    int sparring[partnerCount][partnerValueCount];

protected:
    // the sparring values keep theirs
    void SetContentsToDefaults() override { members.SetDefaults(); }
    void WriteContents(wxTextOutputStream& out) const override;
};
