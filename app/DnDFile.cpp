#include "app/DnDFile.h"

#include "app/ProgramLauncher.h"

bool DnDFile::OnDropFiles(wxCoord, wxCoord, const wxArrayString& fileNames)
{
    // only the first file counts, handed to the game between double quotes
    if (!fileNames.empty())
        StartProgram(gameProgram, wxString::Format(L"\"%s\"", fileNames[0]));
    return true;
}
