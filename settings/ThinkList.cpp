#include "settings/ThinkList.h"

#include "settings/ValueLine.h"

namespace
{
const size_t entryCount = 15;
}

ThinkList::ThinkList()
    : ListFile(L"./Data/thinkcf.txt"), entries(NumberedRows(L"作戦 No.%d ", entryCount))
{
}

void ThinkList::SetDefaults()
{
    path = defaultPath;
    entries.SetDefaults();
}

void ThinkList::Write(wxTextOutputStream& out) const
{
    WriteLine(out, L"#Config File for Think Data");
    WriteLine(out, wxString());
    entries.WriteCounted(out, L"#Think Number", L"#Think No. %d");
    WriteEndOfFile(out);
}

void ThinkList::Read(wxTextInputStream& in)
{
    entries.ReadCounted(in);
}
