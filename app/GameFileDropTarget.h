// Files dropped on the main window start the game with the first of them.
#pragma once

#include <wx/dnd.h>

class MainWindow;

class GameFileDropTarget : public wxFileDropTarget
{
public:
    // the frame starts the game and says when it cannot
    explicit GameFileDropTarget(MainWindow& frame);

    bool OnDropFiles(wxCoord x, wxCoord y, const wxArrayString& fileNames) override;

private:
    MainWindow& frame;
};
