#include "app/CommandLine.h"
#include "app/EditorApp.h"

// The command line is read before the toolkit starts, so that --check and
// --help need no display.
int main(int argc, char** argv)
{
    const int status = RunCommandLine(argc, argv);
    if (status >= 0)
        return status;
    return wxEntry(argc, argv);
}

wxIMPLEMENT_APP_NO_MAIN(EditorApp);
