// The bytes lines of text come to, as every file of the game is written:
// UTF-8, lines ending in one line feed, and bytes that TextFileReader carried
// through in private-use characters (a name that is not UTF-8) as they were.
#pragma once

#include <functional>
#include <string>

class wxTextOutputStream;

std::string TextBytes(const std::function<void(wxTextOutputStream&)>& write);
