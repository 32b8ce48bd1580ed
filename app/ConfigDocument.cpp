#include "app/ConfigDocument.h"

#include <functional>
#include <wx/txtstrm.h>

#include "app/ProgramName.h"
#include "app/StatusText.h"
#include "app/TextFileReader.h"
#include "app/TextFileWriter.h"
#include "app/ValueLine.h"
#include "app/myNotebook.h"
#include "pages/AudioPage.h"
#include "pages/BasicPage.h"
#include "pages/BoxerPage.h"
#include "pages/ControlPage.h"
#include "pages/ManipPage.h"
#include "pages/MatchPage.h"
#include "pages/NetPage.h"
#include "pages/ThinkPage.h"
#include "pages/VisualPage.h"

ConfigDocument::ConfigDocument(myNotebook& notebook)
    : pages(notebook)
{
}

// ----------------------------------------------------------------------------
// saving
// ----------------------------------------------------------------------------

wxString ConfigDocument::Save(const wxString& path)
{
    TextFileWriter document(path);
    if (!document.IsOpened())
        return StatusText::cannotOpen;
    wxTextOutputStream& out = document.Stream();

    WriteLine(out, wxString::Format(L"#Config File for %s", gameRelease));
    WriteLine(out, wxString(L"#made by ") + WindowTitle());

    pages.basicPage->WriteSection(out);
    pages.netPage->WriteSection(out);
    pages.controlPage->WriteSection(out);
    pages.matchPage->WriteSection(out);
    pages.manipPage->WriteSection(out);

    // The comments pair up with the values as the game has always had them:
    // the values come in the order they are read back, while the comments
    // above the second, fourth and fifth value name other files.
    struct ListPathEntry
    {
        const wchar_t* comment;
        const wchar_t* defaultComment;
        std::function<void()> writePath;
    };
    const ListPathEntry entries[] = {
        {L"#Replay Config File", L"#Default ./Replay/replaycf.txt",
         [&] { pages.matchPage->WriteReplayListPath(out); }},
        {L"#BGM Config File", L"#Default ./BGM/bgmcf.txt",
         [&] { pages.visualPage->WriteFontListPath(out); }},
        {L"#Image Config File", L"#Default ./Image/imagecf.txt",
         [&] { pages.visualPage->WriteImageListPath(out); }},
        {L"#Sound Effect Config File", L"#Default ./SE/secf.txt",
         [&] { pages.audioPage->WriteBgmListPath(out); }},
        {L"#Font Config File", L"#Default ./Font/fontcf.txt",
         [&] { pages.audioPage->WriteSeListPath(out); }},
        {L"#Data Config File", L"#Default ./Data/datacf.txt",
         [&] { pages.boxerPage->WriteListPath(out); }},
        {L"#Think Config File", L"#Default ./Data/thinkcf.txt",
         [&] { pages.thinkPage->WriteListPath(out); }},
    };
    WriteLine(out, wxString());
    WriteLine(out, wxString(L"#Config Files"));
    for (const ListPathEntry& entry : entries)
    {
        WriteLine(out, entry.comment);
        WriteLine(out, entry.defaultComment);
        entry.writePath();
    }
    WriteEndOfFile(out);

    if (!document.Commit())
        return StatusText::cannotOpen;

    // a list file that cannot be written is not reported
    pages.matchPage->WriteReplayListFile();
    pages.visualPage->WriteFontListFile();
    pages.visualPage->WriteImageListFile();
    pages.audioPage->WriteBgmListFile();
    pages.audioPage->WriteSeListFile();
    pages.boxerPage->WriteListFile();
    pages.thinkPage->WriteListFile();
    return wxString();
}

// ----------------------------------------------------------------------------
// loading
// ----------------------------------------------------------------------------

wxString ConfigDocument::Load(const wxString& path)
{
    TextFileReader document(path);
    if (!document.IsOpened())
        return StatusText::cannotOpen;
    wxTextInputStream& in = document.Stream();

    // The image list file is read after the music list, not right after its
    // path; nothing after the think list path is read.
    struct LoadStep
    {
        std::function<bool()> read;
        const wchar_t* failure;
    };
    const LoadStep steps[] = {
        {[&] { return pages.basicPage->ReadSection(in); }, StatusText::basicInvalid},
        {[&] { return pages.netPage->ReadSection(in); }, StatusText::netInvalid},
        {[&] { return pages.controlPage->ReadSection(in); }, StatusText::controlInvalid},
        {[&] { return pages.matchPage->ReadSection(in); }, StatusText::matchInvalid},
        {[&] { return pages.manipPage->ReadSection(in); }, StatusText::manipInvalid},
        {[&] { return pages.matchPage->ReadReplayListPath(in); }, StatusText::replayListInvalid},
        {[&] { return pages.matchPage->ReadReplayListFile(); }, StatusText::replayListInvalid},
        {[&] { return pages.visualPage->ReadFontListPath(in); }, StatusText::fontListInvalid},
        {[&] { return pages.visualPage->ReadFontListFile(); }, StatusText::fontListInvalid},
        {[&] { return pages.visualPage->ReadImageListPath(in); }, StatusText::imageListInvalid},
        {[&] { return pages.audioPage->ReadBgmListPath(in); }, StatusText::bgmListInvalid},
        {[&] { return pages.audioPage->ReadBgmListFile(); }, StatusText::bgmListInvalid},
        {[&] { return pages.visualPage->ReadImageListFile(); }, StatusText::imageListInvalid},
        {[&] { return pages.audioPage->ReadSeListPath(in); }, StatusText::seListInvalid},
        {[&] { return pages.audioPage->ReadSeListFile(); }, StatusText::seListInvalid},
        {[&] { return pages.boxerPage->ReadListPath(in); }, StatusText::dataListInvalid},
        {[&] { return pages.boxerPage->ReadListFile(); }, StatusText::dataListInvalid},
        {[&] { return pages.thinkPage->ReadListPath(in); }, StatusText::thinkListInvalid},
        {[&] { return pages.thinkPage->ReadListFile(); }, StatusText::thinkListInvalid},
    };
    for (const LoadStep& step : steps)
        if (!step.read())
            return step.failure;
    return wxString();
}
