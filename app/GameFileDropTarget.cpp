#include "app/GameFileDropTarget.h"

#include "app/ProgramLauncher.h"
#include "app/MainWindow.h"

GameFileDropTarget::GameFileDropTarget(MainWindow& frame)
    : frame(frame)
{
}

bool GameFileDropTarget::OnDropFiles(wxCoord, wxCoord, const wxArrayString& fileNames)
{
    // only the first file counts, handed to the game between double quotes
    if (!fileNames.empty())
        frame.Launch(gameProgram, {wxString::Format(L"\"%s\"", FileArgument(fileNames[0]))});
    return true;
}
