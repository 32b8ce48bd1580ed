#include "settings/ConfigDocument.h"

#include <functional>
#include <wx/txtstrm.h>

#include "settings/GameSettings.h"
#include "settings/ProgramName.h"
#include "settings/TextFileReader.h"
#include "settings/TextFileWriter.h"
#include "settings/ValueLine.h"

namespace
{
// The comment lines above each list path in "#Config Files", in the order
// of the paths (GameSettings::Lists). They pair up with the paths as the
// game has always had them: those above the second, fourth and fifth path
// name other files.
const wchar_t* const listPathComments[][2] = {
    {L"#Replay Config File", L"#Default ./Replay/replaycf.txt"},
    {L"#BGM Config File", L"#Default ./BGM/bgmcf.txt"},
    {L"#Image Config File", L"#Default ./Image/imagecf.txt"},
    {L"#Sound Effect Config File", L"#Default ./SE/secf.txt"},
    {L"#Font Config File", L"#Default ./Font/fontcf.txt"},
    {L"#Data Config File", L"#Default ./Data/datacf.txt"},
    {L"#Think Config File", L"#Default ./Data/thinkcf.txt"},
};

void WriteDocument(const GameSettings& settings, wxTextOutputStream& out)
{
    WriteLine(out, wxString::Format(L"#Config File for %s", gameRelease));
    WriteLine(out, wxString(L"#made by ") + WindowTitle());

    for (const SettingSection* section :
         {&settings.basic, &settings.net, &settings.control, &settings.match, &settings.manip})
        section->Write(out);

    WriteLine(out, wxString());
    WriteLine(out, L"#Config Files");
    const std::vector<const ListFile*> lists = settings.Lists();
    for (size_t i = 0; i < lists.size(); ++i)
    {
        WriteLine(out, listPathComments[i][0]);
        WriteLine(out, listPathComments[i][1]);
        lists[i]->WritePath(out);
    }
    WriteEndOfFile(out);
}
}

std::string ConfigDocument::Bytes(const GameSettings& settings)
{
    return TextBytes([&settings](wxTextOutputStream& out) { WriteDocument(settings, out); });
}

bool ConfigDocument::Save(const GameSettings& settings, const wxString& path)
{
    TextFileWriter document(path);
    if (!document.IsOpened())
        return false;
    WriteDocument(settings, document.Stream());
    if (!document.Commit())
        return false;

    // a list file that cannot be written is not reported
    for (const ListFile* list : settings.Lists())
        list->WriteFile();
    return true;
}

std::optional<LoadStep> ConfigDocument::Load(GameSettings& settings, const wxString& path)
{
    TextFileReader document(path);
    if (!document.IsOpened())
        return LoadStep::openDocument;
    wxTextInputStream& in = document.Stream();

    const auto readPath = [&in](ListFile& list) {
        list.ReadPath(in);
        return true;    // an unusable path fails when its list is read
    };
    const auto readSection = [&in](SettingSection& section) {
        section.Read(in);
        return true;    // every value is accepted
    };
    struct Step
    {
        LoadStep step;
        std::function<bool()> read;
    };
    const Step steps[] = {
        {LoadStep::basicSection, [&] { return readSection(settings.basic); }},
        {LoadStep::netSection, [&] { return readSection(settings.net); }},
        {LoadStep::controlSection, [&] { return readSection(settings.control); }},
        {LoadStep::matchSection, [&] { return readSection(settings.match); }},
        {LoadStep::manipSection, [&] { return readSection(settings.manip); }},
        {LoadStep::replayListPath, [&] { return readPath(settings.replayList); }},
        {LoadStep::replayListFile, [&] { return settings.replayList.ReadFile(); }},
        {LoadStep::fontListPath, [&] { return readPath(settings.fontList); }},
        {LoadStep::fontListFile, [&] { return settings.fontList.ReadFile(); }},
        {LoadStep::imageListPath, [&] { return readPath(settings.imageList); }},
        {LoadStep::bgmListPath, [&] { return readPath(settings.bgmList); }},
        {LoadStep::bgmListFile, [&] { return settings.bgmList.ReadFile(); }},
        {LoadStep::imageListFile, [&] { return settings.imageList.ReadFile(); }},
        {LoadStep::seListPath, [&] { return readPath(settings.seList); }},
        {LoadStep::seListFile, [&] { return settings.seList.ReadFile(); }},
        {LoadStep::dataListPath, [&] { return readPath(settings.boxerList); }},
        {LoadStep::dataListFile, [&] { return settings.boxerList.ReadFile(); }},
        {LoadStep::thinkListPath, [&] { return readPath(settings.thinkList); }},
        {LoadStep::thinkListFile, [&] { return settings.thinkList.ReadFile(); }},
    };
    for (const Step& step : steps)
        if (!step.read())
            return step.step;
    return std::nullopt;
}
