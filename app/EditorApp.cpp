#include "app/EditorApp.h"

#include "app/GameFileDropTarget.h"
#include "app/MainWindow.h"
#include "app/WindowMemory.h"

bool EditorApp::OnInit()
{
    // the program reads no arguments of its own, so wxApp's parsing is skipped
    UseWindowMemory();
    auto* frame = new MainWindow(true);
    frame->SetDropTarget(new GameFileDropTarget(*frame));    // the frame owns it
    frame->Show(true);
    return true;
}
