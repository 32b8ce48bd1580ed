// The slots of one list file: a path each, with the caption its page shows
// beside it, its default, and the comment line above it in a list whose
// every slot has its line. An empty path is a free slot.
#pragma once

#include <vector>
#include <wx/string.h>
#include "settings/Translated.h"

class wxTextInputStream;
class wxTextOutputStream;

// what a path holds before the first defaults or load
inline const wchar_t unfilledPath[] = L".\\";

struct SlotRow
{
    wxString caption;
    wxString defaultPath;    // empty: the slot starts free
    wxString comment;        // the line above the path in a list of fixed slots
};

// rows captioned from a "%d" format, numbered from 1, free by default;
// their comments, if a format is given, numbered the same way
std::vector<SlotRow> NumberedRows(const wxString& captionFormat, size_t count,
                                  const wxString& commentFormat = wxString());

class SlotList
{
public:
    explicit SlotList(std::vector<SlotRow> rows);

    void SetDefaults();

    size_t Size() const { return rows.size(); }
    const SlotRow& Row(size_t slot) const { return rows.at(slot); }
    const wxString& Path(size_t slot) const { return paths.at(slot); }
    void SetPath(size_t slot, const wxString& path) { paths.at(slot) = path; }

    // Every slot has its line: its comment, then its path (an empty path
    // keeps its place, see WriteTextValue).
    void WriteFixed(wxTextOutputStream& out) const;
    void ReadFixed(wxTextInputStream& in);
    // one slot of a list of fixed slots: its comment line, then its path
    void WriteRow(wxTextOutputStream& out, size_t slot) const;
    void ReadRow(wxTextInputStream& in, size_t slot);

    // A counted list: the count comment, the number of used slots (non-empty
    // paths) and an empty line, then only the used slots, in slot order and
    // numbered from 1, so a free slot between used ones closes up and the
    // file reads back into the same set of files.
    void WriteCounted(wxTextOutputStream& out, const wxString& countComment,
                      const wxString& entryCommentFormat) const;
    // Reads the count, empties every slot, then fills slots 1..count from
    // the next value lines. A count above the slots fills them all and reads
    // the surplus path lines without keeping them (up to the end of the
    // file), so that the values after the paths are still found where the
    // count says.
    void ReadCounted(wxTextInputStream& in);

private:
    std::vector<SlotRow> rows;
    std::vector<wxString> paths;
};
