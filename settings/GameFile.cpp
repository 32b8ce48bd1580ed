#include "settings/GameFile.h"

#include <sys/stat.h>

#include "settings/GamePath.h"

wxString GameFilePath(const wxString& listedPath)
{
    wxString path = listedPath;
    path.Replace(L"\\", L"/");
    return path;
}

bool GameFileExists(const wxString& listedPath)
{
    const std::string name = GamePath::ToBytes(GameFilePath(listedPath));
    struct stat status;
    return !name.empty() && name.find('\0') == std::string::npos &&
           stat(name.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}
