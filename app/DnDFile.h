// Files dropped on the main window start the game with the first of them.
#pragma once

#include <wx/dnd.h>

class DnDFile : public wxFileDropTarget
{
public:
    bool OnDropFiles(wxCoord x, wxCoord y, const wxArrayString& fileNames) override;
};
