// A file as the game's lists name it: relative to the game directory (the
// working directory) or absolute, written with "/" or, by older installs,
// with "\" separators.
#pragma once

#include <wx/string.h>

// the path with "\" taken as "/"
wxString GameFilePath(const wxString& listedPath);

// whether the path names an existing file (not a folder); an empty path
// names nothing
bool GameFileExists(const wxString& listedPath);
