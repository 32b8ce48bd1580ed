// The program's icon, drawn for it (data/icons/ringvald-config.svg), in two
// of the sizes the desktop installs: for its windows' title bars and the
// desktop's window list, whether the program is installed or not.
#pragma once

#include <wx/iconbndl.h>

wxIconBundle EditorIcons();
