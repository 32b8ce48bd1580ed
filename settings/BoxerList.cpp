#include "settings/BoxerList.h"

#include "settings/ValueLine.h"

namespace
{
const size_t memberCount = 30;

// one value of a sparring partner: its name line after "#No.n " (with the
// range), and its default
struct SparringValue
{
    const wchar_t* name;
    int defaultValue;
};

const SparringValue sparringValues[BoxerList::partnerValueCount] = {
    {L"Height 1-7", 4},
    {L"Reach 1-7", 4},
    {L"Style 1-7", 1},
    {L"Stance  0 : Orthodox  1 : Southpaw", 0},
    {L"Combination 1-20", 1},
    {L"Think 1-14", 1},
    {L"Gloves 1-8", 1},
    {L"Trunks 1-64", 1},
    {L"Skin 1-10", 3},
};
}

BoxerList::BoxerList()
    : ListFile(L"./Data/datacf.txt", L"#Config File for Boxer Data"), members(NumberedRows(_(L"ボクサー No.%d "), memberCount))
{
    for (auto& partner : sparring)
        for (int i = 0; i < partnerValueCount; ++i)
            partner[i] = sparringValues[i].defaultValue;
}

void BoxerList::WriteContents(wxTextOutputStream& out) const
{
    members.WriteCounted(out, L"#Gym Member Number", L"#Data No. %d");

    WriteLine(out, wxString());
    WriteLine(out, L"#Sparring Custom Config");
    for (int partner = 0; partner < partnerCount; ++partner)
        for (int i = 0; i < partnerValueCount; ++i)
        {
            WriteLine(out, wxString::Format(L"#No.%d %s", partner + 1, sparringValues[i].name));
            WriteLine(out, wxString::Format(L"#Default %d", sparringValues[i].defaultValue));
            WriteIntValue(out, sparring[partner][i]);
        }
}

void BoxerList::Read(wxTextInputStream& in)
{
    members.ReadCounted(in);
    for (auto& partner : sparring)
        for (int& value : partner)
            value = ReadIntValue(in);
}
