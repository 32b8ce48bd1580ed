#include "app/CommandLine.h"

#include <cstdio>
#include <wx/cmdline.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/msgout.h>

#include "app/EditorVersion.h"
#include "settings/GameCheck.h"
#include "settings/GameSettings.h"
#include "settings/ProgramName.h"
#include "settings/Translated.h"

namespace
{
const int done = 0, foundSomething = 1, unusable = 2;

// the descriptions are translated by the parser
const wxCmdLineEntryDesc options[] = {
    {wxCMD_LINE_SWITCH, "h", "help", wxTRANSLATE("show this help and exit"), wxCMD_LINE_VAL_NONE,
     wxCMD_LINE_OPTION_HELP},
    {wxCMD_LINE_SWITCH, nullptr, "version", wxTRANSLATE("show the program's name and version and exit"),
     wxCMD_LINE_VAL_NONE, 0},
    {wxCMD_LINE_SWITCH, nullptr, "check",
     wxTRANSLATE("report what is wrong with the game directory, change nothing, open no window"),
     wxCMD_LINE_VAL_NONE, 0},
    {wxCMD_LINE_PARAM, nullptr, nullptr, "GAME_DIR", wxCMD_LINE_VAL_STRING,
     wxCMD_LINE_PARAM_OPTIONAL},
    wxCMD_LINE_DESC_END,
};

// text out as the bytes it came from: UTF-8, and a name's bytes that are
// not UTF-8 as they were
void Print(FILE* stream, const wxString& text)
{
    const wxMBConvUTF8 bytes(wxMBConvUTF8::MAP_INVALID_UTF8_TO_PUA);
    const wxCharBuffer line = (text + L"\n").mb_str(bytes);
    if (line.data())
        fputs(line.data(), stream);
}

int Check()
{
    GameSettings settings;
    const std::vector<Finding> findings = CheckGameDirectory(settings);
    for (const Finding& finding : findings)
        Print(stdout, finding.file + L": " + finding.text);
    Print(stdout, wxString::Format(wxPLURAL(L"%zu finding", L"%zu findings", findings.size()), findings.size()));
    return findings.empty() ? done : foundSomething;
}
}

int RunCommandLine(int argc, char** argv)
{
    // the parser says what is wrong on stderr, before any toolkit is up
    wxMessageOutputStderr errors;
    wxMessageOutput* previous = wxMessageOutput::Set(&errors);
    wxCmdLineParser parser(options, argc, argv);
    const int parsed = parser.Parse(false);
    wxMessageOutput::Set(previous);
    if (parsed == -1)
    {
        Print(stdout, parser.GetUsageString());
        return done;
    }
    if (parsed != 0)
    {
        Print(stderr, parser.GetUsageString());
        return unusable;
    }
    if (parser.Found(L"version"))
    {
        Print(stdout, wxString(L"ringvald-config ") + editorVersion);
        Print(stdout, wxString(L"for ") + gameRelease);
        return done;
    }
    if (parser.GetParamCount() == 1)
    {
        const wxString gameDir = parser.GetParam(0);
        if (!wxFileName::DirExists(gameDir) || !wxSetWorkingDirectory(gameDir))
        {
            Print(stderr, L"ringvald-config: " + wxString::Format(_(L"%s is not a game directory that can be opened"), gameDir));
            return unusable;
        }
    }
    if (parser.Found(L"check"))
        return Check();
    return parser.GetParamCount() == 1 ? startEditor : startEditorUnnamed;
}
