// The editor's own memory between runs: the main window's size, place and
// page, kept by the toolkit's persistence, and the game folders the editor
// opened, in the user's configuration folder,
// $XDG_CONFIG_HOME/ringvald-config/window.conf (by default under
// ~/.config). The game's files hold nothing of it.
#pragma once

#include <vector>
#include <wx/string.h>

// Makes that file the program's configuration; where its folder cannot be
// made, nothing is remembered, and nothing is said about it.
void UseWindowMemory();

wxString WindowMemoryFile();

// The game folders opened before, the last one first, those gone since
// left out. Read without making or writing anything, so that it can be
// asked before UseWindowMemory.
std::vector<wxString> RememberedGameFolders();

// Puts the folder first among the remembered ones (after UseWindowMemory);
// written with the window's memory when the editor ends.
void RememberGameFolder(const wxString& folder);
