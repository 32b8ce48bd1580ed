// config.txt as a whole: its header, the order of the sections, the
// "#Config Files" block naming the seven list files, the end marker, and
// the order in which everything is read back.
#pragma once

#include <optional>
#include <string>
#include <vector>
#include <wx/string.h>

#include "settings/LoadStep.h"

struct GameSettings;
class ListFile;

namespace ConfigDocument
{
// the document every start, close and save-and-run works on
inline const wchar_t defaultPath[] = L"./config.txt";

struct SaveReport
{
    bool documentOpened = true;        // false: the document's path cannot hold a file
    std::vector<wxString> notSaved;    // files left as they were, as the settings name them

    bool AllSaved() const { return documentOpened && notSaved.empty(); }
    explicit operator bool() const { return AllSaved(); }
};

// Where a list may be written, and why not.
enum class ListPlace
{
    fits,
    folder,      // the path names a folder
    unnamable,   // no file can have that name (it holds a NUL character)
    outside,     // outside the game directory, and not picked with a browse button
    document,    // config.txt itself, or the document being saved
    shared       // a list before it in the save already writes that file
};
ListPlace PlaceOf(const GameSettings& settings, size_t list, const wxString& document);

// Saves the document and the seven list files as one unit (SaveTransaction):
// a save that fails part way leaves every file whole, old or new.
//
// A list is written only where it belongs: at a path that, with ".." and
// links resolved, lies inside the game directory (the working directory),
// or the one the user picked for it with a browse button (ListFile::
// pickedPath); never onto config.txt, onto the document, or onto a file
// another list of the same save writes. A list not written for any reason
// keeps its file and is named in the report.
SaveReport Save(const GameSettings& settings, const wxString& path);

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
std::optional<LoadStep> Load(GameSettings& settings, const wxString& path);
}
