#include "settings/ThinkList.h"

#include "settings/ValueLine.h"

namespace
{
const size_t entryCount = 15;
}

ThinkList::ThinkList()
    : ListFile(L"./Data/thinkcf.txt", L"#Config File for Think Data"), entries(NumberedRows(_(L"作戦 No.%d "), entryCount))
{
}

void ThinkList::WriteContents(wxTextOutputStream& out) const
{
    entries.WriteCounted(out, L"#Think Number", L"#Think No. %d");
}

void ThinkList::Read(wxTextInputStream& in)
{
    entries.ReadCounted(in);
}
