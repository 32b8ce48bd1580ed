#include "support/GuiHelpers.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/filedlg.h>
#include <wx/statusbr.h>
#include <wx/stopwatch.h>
#include <wx/window.h>

#include "app/myFrame.h"

void Pump(int milliseconds)
{
    wxStopWatch watch;
    do
    {
        wxYield();
        wxTheApp->ProcessIdle();    // runs delayed destruction too
        wxMilliSleep(5);
    } while (watch.Time() < milliseconds);
}

DialogAnswer::DialogAnswer(const wxString& path)
{
    SetFileDialogRunner([this, path](wxFileDialog& dialog) {
        ++shown;
        message = dialog.GetMessage();
        directory = dialog.GetDirectory();
        wildcard = dialog.GetWildcard();
        style = dialog.GetWindowStyle();
        FileChoice choice;
        choice.confirmed = !path.empty();
        choice.path = path;
        return choice;
    });
}

DialogAnswer::~DialogAnswer()
{
    SetFileDialogRunner(nullptr);
}

wxString StatusOf(myFrame& frame)
{
    return frame.GetStatusBar()->GetStatusText(0);
}

void SendMenu(myFrame& frame, int id)
{
    wxCommandEvent event(wxEVT_MENU, id);
    event.SetEventObject(&frame);
    frame.ProcessWindowEvent(event);
}

void ClickButton(wxWindow* button)
{
    wxCommandEvent event(wxEVT_BUTTON, button->GetId());
    event.SetEventObject(button);
    button->ProcessWindowEvent(event);
}

FrameInTempDir::FrameInTempDir(const std::function<void()>& prepare)
    : dir(std::make_unique<TempDir>())
{
    if (prepare)
        prepare();
    frame = new myFrame;
    frame->Show();
}

FrameInTempDir::~FrameInTempDir()
{
    // destroyed directly, like quitting without saving
    frame->Destroy();
    Pump(10);
}
