#include "settings/ListFile.h"

#include "settings/SlotList.h"
#include "settings/TextFileReader.h"
#include "settings/TextBytes.h"
#include "settings/ValueLine.h"

ListFile::ListFile(const wxString& defaultPath)
    : path(unfilledPath), defaultPath(defaultPath)
{
}

bool ListFile::ReadFile()
{
    TextFileReader file(path);
    if (!file.IsOpened())
        return false;
    Read(file.Stream());
    return true;
}


std::string ListFile::Bytes() const
{
    return TextBytes([this](wxTextOutputStream& out) { Write(out); });
}

void ListFile::WritePath(wxTextOutputStream& out) const
{
    WriteTextValue(out, path);
}

void ListFile::ReadPath(wxTextInputStream& in)
{
    path = ReadTextValue(in);
}
