#include "settings/FontList.h"

#include "settings/InterleavedRows.h"
#include "settings/ValueLine.h"

namespace
{
const int sizeMin = 8, sizeMax = 128, sizeStep = 4;

std::vector<SlotRow> Paths()
{
    return {
        {_(L"タイトル"), wxString(), L"#Title Font"},
        {_(L"システム"), wxString(), L"#System Font"},
    };
}

SettingSection Sizes()
{
    return SettingSection({{_(L"フォント"), 1}},
                          {
                              NumberSetting("titleSize", 0, _(L"サイズ(タイトル)"), sizeMin, sizeMax,
                                            sizeStep, sizeMin, {L"#Title Font Size"})
            .About(_(L"タイトルのフォントの大きさ")),
                              NumberSetting("systemSize", 0, _(L"サイズ(システム)"), sizeMin,
                                            sizeMax, sizeStep, sizeMin, {L"#System Font Size"})
            .About(_(L"システムのフォントの大きさ")),
                          });
}
}

FontList::FontList()
    : ListFile(L"./Font/fontcf.txt", L"#Config File for Fonts"), paths(Paths()), sizes(Sizes())
{
}

void FontList::WriteContents(wxTextOutputStream& out) const
{
    WriteInterleaved(out, fontCount, paths, sizes);
}

// a size goes in through its range, as its slider would hold it
void FontList::Read(wxTextInputStream& in)
{
    ReadInterleaved(in, fontCount, paths, sizes);
}
