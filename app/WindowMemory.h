// The editor's own memory between runs: the main window's size, place and
// page, kept by the toolkit's persistence in the user's configuration
// folder, $XDG_CONFIG_HOME/ringvald-config/window.conf (by default under
// ~/.config). The game's files hold nothing of it.
#pragma once

#include <wx/string.h>

// Makes that file the program's configuration; where its folder cannot be
// made, nothing is remembered, and nothing is said about it.
void UseWindowMemory();

wxString WindowMemoryFile();
