#include "app/EditorApp.h"

#include <wx/filefn.h>
#include <wx/log.h>

#include "app/EditorIcon.h"
#include "app/GameFileDropTarget.h"
#include "app/GameFolderQuestion.h"
#include "app/MainWindow.h"
#include "app/WindowMemory.h"
#include "controls/GtkAccess.h"
#include "settings/GameFolderSigns.h"

namespace
{
const wchar_t glSwitch[] = L"GDK_GL";
}

// The editor draws nothing with OpenGL, yet GDK would load the GL driver as
// it opens the display, to choose the windows' visuals: a fifth of the
// instructions to the first window. Told not to, unless the user said
// otherwise; the programs the editor starts are not told.
bool EditorApp::Initialize(int& argc, wxChar** argv)
{
    const bool userChose = wxGetEnv(glSwitch, nullptr);
    if (!userChose)
        wxSetEnv(glSwitch, L"disable");
    // Without a display, wx reports it in a message box, which GTK cannot
    // make either: it aborts. Until the display is open, messages go to the
    // terminal; then back to the windows.
    delete wxLog::SetActiveTarget(new wxLogStderr);
    const bool initialized = wxApp::Initialize(argc, argv);
    if (initialized)
        delete wxLog::SetActiveTarget(nullptr);
    if (!userChose)
        wxUnsetEnv(glSwitch);
    return initialized;
}

bool EditorApp::OnInit()
{
    // the program reads no arguments of its own, so wxApp's parsing is skipped
    if (!OpenGameFolder())
    {
        cancelled = true;    // nothing was written anywhere, not even the window memory
        return true;
    }
    UseWindowMemory();
    RememberGameFolder(wxGetCwd());
    auto* frame = new MainWindow(true);
    frame->SetIcons(EditorIcons());
    frame->SetDropTarget(new GameFileDropTarget(*frame));    // the frame owns it
    frame->Show(true);
    return true;
}

// a cancelled question ends the program as a normal end does
int EditorApp::OnRun()
{
    return cancelled ? 0 : wxApp::OnRun();
}

// Started from a desktop's menu the working directory is the home folder:
// the editor asks for the game rather than read and write a config.txt
// there. A folder gone meanwhile is asked for again.
bool EditorApp::OpenGameFolder()
{
    if (!askForGameFolder || LooksLikeGameFolder())
        return true;
    const wxString here = wxGetCwd();
    for (;;)
    {
        GameFolderQuestion question(here, RememberedGameFolders());
        if (question.ShowModal() != wxID_OK)
            return false;
        wxLogNull quiet;
        if (wxSetWorkingDirectory(question.GetFolder()))
            return true;
    }
}

// wx would look the language up in its table of every language it knows,
// building that table first, to tell the first window which way it reads;
// GTK has decided that already, for its own widgets
wxLayoutDirection EditorApp::GetLayoutDirection() const
{
    return ToolkitLayoutDirection();
}
