#include "settings/GameFile.h"

#include <sys/stat.h>
#include <wx/strconv.h>

wxString GameFilePath(const wxString& listedPath)
{
    wxString path = listedPath;
    path.Replace(L"\\", L"/");
    return path;
}

bool GameFileExists(const wxString& listedPath)
{
    if (listedPath.empty())
        return false;
    // the bytes the list holds, also where they are not UTF-8
    const wxMBConvUTF8 bytes(wxMBConvUTF8::MAP_INVALID_UTF8_TO_PUA);
    const wxCharBuffer name = GameFilePath(listedPath).mb_str(bytes);
    struct stat status;
    return name.data() && stat(name.data(), &status) == 0 && S_ISREG(status.st_mode);
}
