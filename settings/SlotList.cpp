#include "settings/SlotList.h"

#include <wx/txtstrm.h>

#include "settings/InterleavedRows.h"
#include "settings/ValueLine.h"

std::vector<SlotRow> NumberedRows(const wxString& captionFormat, size_t count,
                                  const wxString& commentFormat)
{
    std::vector<SlotRow> rows;
    for (int n = 1; n <= static_cast<int>(count); ++n)
    {
        const wxString comment =
            commentFormat.empty() ? wxString() : wxString::Format(commentFormat, n);
        rows.push_back({wxString::Format(captionFormat, n), wxString(), comment});
    }
    return rows;
}

SlotList::SlotList(std::vector<SlotRow> rows)
    : rows(std::move(rows)), paths(this->rows.size(), wxString(unfilledPath))
{
}

void SlotList::SetDefaults()
{
    for (size_t slot = 0; slot < rows.size(); ++slot)
        paths[slot] = rows[slot].defaultPath;
}

void SlotList::WriteFixed(wxTextOutputStream& out) const
{
    WriteInterleaved(out, Size(), *this);
}

void SlotList::ReadFixed(wxTextInputStream& in)
{
    ReadInterleaved(in, Size(), *this);
}

void SlotList::WriteRow(wxTextOutputStream& out, size_t slot) const
{
    WriteLine(out, rows.at(slot).comment);
    WriteTextValue(out, paths.at(slot));
}

void SlotList::ReadRow(wxTextInputStream& in, size_t slot)
{
    paths.at(slot) = ReadTextValue(in);
}

void SlotList::WriteCounted(wxTextOutputStream& out, const wxString& countComment,
                            const wxString& entryCommentFormat) const
{
    std::vector<const wxString*> used;
    for (const wxString& path : paths)
        if (!path.empty())
            used.push_back(&path);
    WriteLine(out, countComment);
    WriteIntValue(out, static_cast<int>(used.size()));
    WriteLine(out, wxString());
    int entry = 0;
    for (const wxString* path : used)
    {
        WriteLine(out, wxString::Format(entryCommentFormat, ++entry));
        WriteLine(out, *path);
    }
}

void SlotList::ReadCounted(wxTextInputStream& in)
{
    const int count = ReadIntValue(in);
    for (wxString& path : paths)
        path.clear();
    for (int k = 0; k < count; ++k)
    {
        if (static_cast<size_t>(k) < paths.size())
            paths[k] = ReadValueLine(in);
        else if (in.GetInputStream().Eof())
            break;
        else
            ReadValueLine(in);
    }
}
