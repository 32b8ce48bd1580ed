// The application: asks for the game folder when started outside one,
// builds the main window, installs the drop target and shows the window.
#pragma once

#include <wx/app.h>

class EditorApp : public wxApp
{
public:
    // askForGameFolder: no game folder was named on the command line, so
    // a working directory that is no game folder is not taken for one
    explicit EditorApp(bool askForGameFolder) : askForGameFolder(askForGameFolder) {}

    bool Initialize(int& argc, wxChar** argv) override;
    bool OnInit() override;
    int OnRun() override;
    wxLayoutDirection GetLayoutDirection() const override;

private:
    // true: the working directory is a game folder now (false: cancelled)
    bool OpenGameFolder();

    const bool askForGameFolder;
    bool cancelled = false;
};
