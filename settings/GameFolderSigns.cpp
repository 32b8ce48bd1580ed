#include "settings/GameFolderSigns.h"

#include "settings/ConfigDocument.h"
#include "settings/GameFolder.h"
#include "settings/ProgramName.h"

bool LooksLikeGameFolder()
{
    const GameFolder folder;
    return folder.Place(ConfigDocument::defaultPath).Exists() || folder.Place(gameProgram).Exists() ||
           folder.Place(dataFolder).kind == GamePlace::Kind::folder;
}
