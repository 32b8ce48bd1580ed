// Where a save may write: paths as config.txt names them, relative to the
// working directory (the game directory) or absolute, made comparable.
//
// Paths are wxString; bytes of a file name that are not UTF-8 travel in
// private-use characters (see Utf8InputStream) and turn back into the same
// bytes here, so such a name reaches the right file. A backslash is an
// ordinary character of a file name, except that a path ending in one names
// a folder (".\" is what an empty file selector shows).
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

    // The absolute path with no ".", ".." or symbolic link left in it. A
    // path to a file that does not exist yet resolves its existing folders;
    // a dangling link resolves to the file it would create. The working
    // directory is where relative paths start.
    static wxString Resolve(const wxString& path);

    // true for a path that can only mean a folder: empty, ending in "/" or
    // "\", ending in "." or "..", or naming an existing directory (also
    // through a link). Such a path is never written as a file.
    static bool NamesFolder(const wxString& path);

    // true when the path resolves to something strictly inside the folder
    static bool IsInside(const wxString& path, const wxString& folder);

    // true when both paths reach one file: the same resolved path, or two
    // hard links of one existing file
    static bool SameFile(const wxString& first, const wxString& second);

    // A list file may be written where it is a file (not a folder) inside
    // the game directory, or where the user picked it with a browse button
    // in this run (`picked`, compared with SameFile).
    static bool MayHoldList(const wxString& path, const wxString& gameFolder,
                            const std::vector<wxString>& picked);
};
