// What the pages with list files share: the path line in config.txt, the
// slots of paths in the list file, and the reload after a browse.
#pragma once

#include <vector>
#include <wx/string.h>

class myFileSelect;
class wxTextInputStream;
class wxTextOutputStream;

using Slots = std::vector<myFileSelect*>;

// the list file's path as one value line of config.txt
void WriteListPathLine(wxTextOutputStream& out, const myFileSelect& selector);
void ReadListPathLine(wxTextInputStream& in, myFileSelect& selector);

// A list whose every slot has its line: a comment, then the path (an empty
// path keeps its place, see WriteTextValue).
void WriteFixedSlots(wxTextOutputStream& out, const std::vector<wxString>& comments,
                     const Slots& slots);
void ReadFixedSlots(wxTextInputStream& in, const Slots& slots);
// the comments "#BGM No. 1" ... formatted from a "%d" format
std::vector<wxString> NumberedComments(const wxString& format, size_t count);

// A whole fixed list file: the header, an empty line, the slots with their
// comments, an empty line and the end marker. False, with nothing written,
// when the file cannot be opened.
bool WriteFixedListFile(const wxString& path, const wxString& header,
                        const std::vector<wxString>& comments, const Slots& slots);
// False, with every slot unchanged, when the file cannot be opened.
bool ReadFixedListFile(const wxString& path, const Slots& slots);

// A counted list: the count comment, the number of used slots (non-empty
// paths) and an empty line, then only the used slots, in slot order and
// numbered from 1, so a free slot between used ones closes up and the file
// reads back into the same set of files.
void WriteCountedSlots(wxTextOutputStream& out, const wxString& countComment,
                       const wxString& entryCommentFormat, const Slots& slots);
// Reads the count, empties every slot, then fills slots 1..count from the
// next value lines. A count above the slots fills them all and reads the
// surplus path lines without keeping them (up to the end of the file), so
// that the values after the paths are still found where the count says.
void ReadCountedSlots(wxTextInputStream& in, const Slots& slots);

// true, and the flag cleared, when the user chose a new file in the
// selector's dialog: the page then reloads the list
bool TakePathChosen(myFileSelect& selector);
