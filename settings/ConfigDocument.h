// config.txt as a whole: its header, the order of the sections, the
// "#Config Files" block naming the seven list files, the end marker, and
// the order in which everything is read back.
#pragma once

#include <optional>
#include <string>
#include <vector>
#include <wx/string.h>

#include "settings/FileStamp.h"
#include "settings/LoadStep.h"

struct GameSettings;
class ListFile;

namespace ConfigDocument
{
// the document every start, close and save-and-run works on
inline const wchar_t defaultPath[] = L"./config.txt";

struct SaveReport
{
    bool documentOpened = true;     // false: the document's path cannot hold a file
    bool documentSaved = true;      // false: nothing was saved (then no list is either)
    bool documentChanged = false;   // true: changed on the disk since it was read; nothing saved
    // files left as they were, as the settings name them: the document
    // first, then the lists in save order
    std::vector<wxString> notSaved;

    bool AllSaved() const { return documentOpened && !documentChanged && notSaved.empty(); }
    explicit operator bool() const { return AllSaved(); }
};

// Where a list may be written, and why not.
enum class ListPlace
{
    fits,
    folder,       // the path names a folder
    unnamable,    // no file can have that name (it holds a NUL character)
    outside,      // outside the game directory, and not picked with a browse button
    document,     // config.txt itself, or the document being saved
    shared,       // another list's path reaches the same file: neither is written
    unread,       // the file is there but was not read, and the list holds nothing new
    special,      // a FIFO, a socket or a device
    readOnly,     // no write permission (none of its write bits set, even for root)
    unreachable   // a folder on the way missing or closed, or links without end
};
struct ListTarget
{
    ListPlace place = ListPlace::fits;
    size_t sharedWith = 0;    // for shared: the other list (the first other one)
};
// The place of each list in the order of GameSettings::Lists, the file
// reached deciding (GameFolder): "inside", "config.txt" and "another list's
// file" are told by the device and inode reached, not by the text.
std::vector<ListTarget> TargetsOf(const GameSettings& settings, const wxString& document);

// Saves the document and the seven list files as one unit (SaveTransaction):
// a save that fails part way leaves every file whole, old or new, and a
// document that cannot be saved takes every list with it.
//
// A list is written only where it belongs (TargetsOf says fits): reached
// from the game directory (the working directory) without leaving it, or
// the one the user picked for it with a browse button (ListFile::
// pickedPath); never onto config.txt, onto the document, onto a file two
// lists name, onto a file that could not be read (unless the list was given
// new contents), or onto one without write permission. A list not written
// for any reason keeps its file and is named in the report.
//
// Saves of one game directory take turns (GameFolder::Lock). With a
// stamp of the document as it was read (Load), a document there and changed
// on the disk since is left alone and reported, unless `overwrite`; a save renews
// the stamp.
SaveReport Save(const GameSettings& settings, const wxString& path, FileStamp* stamp = nullptr,
                bool overwrite = false);

// the document's bytes as Save writes them
std::string Bytes(const GameSettings& settings);

// The initial settings: what the declarations hold, and for the lists that
// take their contents from their default list file (fonts, gym members,
// think files) what that file holds; where it cannot be read, they stay as
// the list's SetDefaults left them (the fonts keep their values).
void Reset(GameSettings& settings);
void ResetList(ListFile& list);

// Reads the document and the list files it names, in the 20 steps of
// LoadStep, and returns the first step that failed. Only a document that
// cannot be opened stops the load: a list file that cannot be read gets
// that list's initial entries (its path stays as the document names it),
// and every later list is still read, so nothing readable is lost.
// A list file that is there but cannot be read is marked (ListFile::
// MarkUnread) so that a save leaves it alone. The stamp, when given, is
// set to the document as it was read.
std::optional<LoadStep> Load(GameSettings& settings, const wxString& path, FileStamp* stamp = nullptr);
}
