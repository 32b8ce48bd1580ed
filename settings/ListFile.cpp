#include "settings/ListFile.h"

#include "settings/GameFolder.h"
#include "settings/GamePath.h"
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
    GamePlace place;
    TextFileReader file(GameFolder().OpenToRead(path, IsPicked(), &place));
    if (!file.IsOpened())
    {
        if (place.Exists())
            MarkUnread();
        else
            ForgetUnread();
        return false;
    }
    Read(file.Stream());
    ForgetUnread();
    return true;
}

bool ListFile::IsPicked() const
{
    return !pickedPath.empty() && GamePath::SameNames(path, pickedPath);
}

void ListFile::MarkUnread()
{
    unread = {path, Bytes()};
}

bool ListFile::HoldsUnreadFile() const
{
    return !unread.path.empty() && unread.path == path && unread.bytes == Bytes();
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
