#include "app/DnDFile.h"

#include "app/ProgramLauncher.h"
#include "app/myFrame.h"

DnDFile::DnDFile(myFrame& frame)
    : frame(frame)
{
}

bool DnDFile::OnDropFiles(wxCoord, wxCoord, const wxArrayString& fileNames)
{
    // only the first file counts, handed to the game between double quotes
    if (!fileNames.empty())
        frame.Launch(gameProgram, {wxString::Format(L"\"%s\"", FileArgument(fileNames[0]))});
    return true;
}
