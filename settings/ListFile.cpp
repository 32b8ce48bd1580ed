#include "settings/ListFile.h"

#include "settings/SlotList.h"
#include "settings/TextFileReader.h"
#include "settings/TextBytes.h"
#include "settings/ValueLine.h"

ListFile::ListFile(const wxString& defaultPath, const wxString& header)
    : path(unfilledPath), defaultPath(defaultPath), header(header)
{
}

void ListFile::SetDefaults()
{
    path = defaultPath;
    SetContentsToDefaults();
}

void ListFile::Write(wxTextOutputStream& out) const
{
    WriteLine(out, header);
    WriteLine(out, wxString());
    WriteContents(out);
    WriteEndOfFile(out);
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
