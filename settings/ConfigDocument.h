// config.txt as a whole: its header, the order of the sections, the
// "#Config Files" block naming the seven list files, the end marker, and
// the order in which everything is read back.
#pragma once

#include <optional>
#include <string>
#include <wx/string.h>

#include "settings/LoadStep.h"

struct GameSettings;

namespace ConfigDocument
{
// Writes the document, then the seven list files (whose failures are not
// reported). False when the document itself could not be written; the old
// file then stays.
bool Save(const GameSettings& settings, const wxString& path);

// the document's bytes as Save writes them
std::string Bytes(const GameSettings& settings);

// Reads the document and the list files it names, stopping at the first
// step that fails, which it returns. What earlier steps read stays read.
std::optional<LoadStep> Load(GameSettings& settings, const wxString& path);
}
