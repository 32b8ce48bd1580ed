// A file as the game's lists name it: relative to the game directory (the
// working directory) or absolute, reached by the game's name rules
// (GamePath, GameFolder): "\" or "/" between names, "." and ".." taken by
// name, letter case found where it differs.
#pragma once

#include <wx/string.h>

// whether the path names an existing regular file; an empty path names
// nothing
bool GameFileExists(const wxString& listedPath);
