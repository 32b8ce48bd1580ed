// What is wrong with the game directory, told without changing a file:
// where the editor's load would stop, files the lists name that are not
// there, values the next save would write otherwise than the files hold
// them, keys bound twice, and lists a save would refuse to write.
#pragma once

#include <vector>
#include <wx/string.h>

struct GameSettings;

struct Finding
{
    wxString file;    // as config.txt names it
    wxString text;    // one line, in English or the user's language
};

// Reads the game directory (the working directory) as the editor does at
// start-up; the settings are left as read.
std::vector<Finding> CheckGameDirectory(GameSettings& settings);
