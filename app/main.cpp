#include "app/CommandLine.h"
#include "app/EditorApp.h"
#include "app/Language.h"

// The language is chosen first, so that every text is made in it; the
// command line is read before the toolkit starts, so that --check and
// --help need no display. The application is made here (not by the
// toolkit) to be told whether a game folder was named.
int main(int argc, char** argv)
{
    UseLanguage(ProgramFolder());
    const int status = RunCommandLine(argc, argv);
    if (status >= 0)
        return status;
    wxApp::SetInstance(new EditorApp(status == startEditorUnnamed));
    return wxEntry(argc, argv);
}
