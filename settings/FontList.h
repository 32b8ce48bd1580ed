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

    bool DefaultsInFile() const override { return true; }
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

protected:
    // the fonts have no defaults of their own: they keep their values
    void SetContentsToDefaults() override {}
    void WriteContents(wxTextOutputStream& out) const override;
};
