// The names of a path as the game reads them.
//
// The game is a Windows program, and config.txt is its file: in a listed
// path "\" and "/" both separate names, "." and ".." are taken away by name
// before any file is touched ("x\..\Replay" is "Replay", whether there is
// an "x" or not), and a name matches a folder's entry whatever its letter
// case where no entry has exactly that name (GameFolder does that part).
// The text of the path is kept as written; only the file reached follows
// these rules.
//
// Paths are wxString; bytes of a file name that are not UTF-8 travel in
// private-use characters (see Utf8InputStream) and turn back into the same
// bytes here, so such a name reaches the right file. A NUL can be read from
// a file but no file name holds one.
#pragma once

#include <string>
#include <vector>
#include <wx/string.h>

class GamePath
{
public:
    // the bytes the file system knows a path by, and back
    static std::string ToBytes(const wxString& path);
    static wxString FromBytes(const std::string& bytes);

    struct Names
    {
        std::vector<std::string> names;    // ".." only at the front, climbing out
        bool absolute = false;             // from the root, "/" or "\" first
        bool folder = false;               // empty, or ending in a separator, "." or ".."
        bool unnamable = false;            // holds a NUL
    };
    static Names Split(const wxString& path);

    // true for a path that can only mean a folder, whatever is on the disk
    static bool NamesFolder(const wxString& path) { return Split(path).folder; }

    // true when both paths name the same names (a list picked with a browse
    // button keeps its place however it is written)
    static bool SameNames(const wxString& first, const wxString& second);

    // a path a browse dialog gave (absolute) as config.txt keeps it:
    // relative to the working directory, "/" between names, no "./" in
    // front ("BGM/x.mid", "../other/x.txt"); a relative path stays as it is
    static wxString RelativeToWorkingDirectory(const wxString& path);

    // the bytes equal when ASCII letters are taken in either case
    static bool EqualIgnoringCase(const std::string& first, const std::string& second);
};
