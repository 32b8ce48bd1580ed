// The application: builds the main window, installs the drop target and
// shows the window.
#pragma once

#include <wx/app.h>

class EditorApp : public wxApp
{
public:
    bool OnInit() override;
};
