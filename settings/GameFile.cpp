#include "settings/GameFile.h"

#include "settings/GameFolder.h"

bool GameFileExists(const wxString& listedPath)
{
    return !listedPath.empty() && GameFolder().Place(listedPath, true).kind == GamePlace::Kind::file;
}
