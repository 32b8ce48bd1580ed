#include "app/myApp.h"

#include "app/DnDFile.h"
#include "app/myFrame.h"

bool myApp::OnInit()
{
    // the program reads no arguments of its own, so wxApp's parsing is skipped
    auto* frame = new myFrame;
    frame->SetDropTarget(new DnDFile(*frame));    // the frame owns it
    frame->Show(true);
    return true;
}
