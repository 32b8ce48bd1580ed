// The font list: the title font and the system font, each a path and a
// size. The fonts have no defaults of their own: they come from the
// default font list.
#pragma once

#include "settings/ListFile.h"
#include "settings/SettingSection.h"
#include "settings/SlotList.h"

class FontList : public ListFile
{
public:
    FontList();

    // the default path; the contents of the default list file are read
    // by ConfigDocument::Reset
    void SetDefaults() override;
    bool DefaultsInFile() const override { return true; }
    void Write(wxTextOutputStream& out) const override;
    void Read(wxTextInputStream& in) override;
    const SlotList& Files() const override { return paths; }

    enum Font
    {
        titleFont,
        systemFont,
        fontCount
    };

    SlotList paths;          // by Font
    SettingSection sizes;    // by Font: "titleSize", "systemSize"
};
