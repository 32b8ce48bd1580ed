#include "settings/ConfigDocument.h"

#include <wx/filefn.h>
#include <wx/txtstrm.h>

#include "settings/GameSettings.h"
#include "settings/ProgramName.h"
#include "settings/TextFileReader.h"
#include "settings/GamePath.h"
#include "settings/SaveTransaction.h"
#include "settings/TextBytes.h"
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

    for (const SettingSection* section : settings.Sections())
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

ConfigDocument::ListPlace ConfigDocument::PlaceOf(const GameSettings& settings, size_t list,
                                                  const wxString& document)
{
    const std::vector<const ListFile*> lists = settings.Lists();
    const wxString& path = lists.at(list)->path;
    if (GamePath::NamesFolder(path))
        return ListPlace::folder;
    // a NUL read from a file is kept as the character standing for that byte
    if (GamePath::ToBytes(path).find('\0') != std::string::npos)
        return ListPlace::unnamable;
    if (GamePath::SameFile(path, document) || GamePath::SameFile(path, defaultPath))
        return ListPlace::document;
    for (size_t earlier = 0; earlier < list; ++earlier)
        if (GamePath::SameFile(path, lists[earlier]->path))
            return ListPlace::shared;
    std::vector<wxString> picked;
    if (!lists[list]->pickedPath.empty())
        picked.push_back(lists[list]->pickedPath);
    if (!GamePath::MayHoldList(path, wxGetCwd(), picked))
        return ListPlace::outside;
    return ListPlace::fits;
}

ConfigDocument::SaveReport ConfigDocument::Save(const GameSettings& settings,
                                                const wxString& path)
{
    SaveReport report;
    if (GamePath::NamesFolder(path))
    {
        report.documentOpened = false;
        return report;
    }

    // every file's bytes first
    SaveTransaction save;
    save.Add(path, Bytes(settings));
    const std::vector<const ListFile*> lists = settings.Lists();
    for (size_t list = 0; list < lists.size(); ++list)
    {
        if (PlaceOf(settings, list, path) == ListPlace::fits)
            save.Add(lists[list]->path, lists[list]->Bytes());
        else
            report.notSaved.push_back(lists[list]->path);
    }

    for (const SaveTransaction::NotSaved& file : save.Commit().notSaved)
    {
        const bool refusedOrUnopened = file.why == SaveTransaction::Failure::Refused ||
                                       file.why == SaveTransaction::Failure::NoTemporaryFile;
        if (file.path == path && refusedOrUnopened)
            report.documentOpened = false;
        report.notSaved.push_back(file.path);
    }
    return report;
}

void ConfigDocument::ResetList(ListFile& list)
{
    list.SetDefaults();
    if (list.DefaultsInFile())
        list.ReadFile();
}

void ConfigDocument::Reset(GameSettings& settings)
{
    for (SettingSection* section : settings.Sections())
        section->SetDefaults();
    for (ListFile* list : settings.Lists())
        ResetList(*list);
}

std::optional<LoadStep> ConfigDocument::Load(GameSettings& settings, const wxString& path)
{
    TextFileReader document(path);
    if (!document.IsOpened())
        return LoadStep::openDocument;
    wxTextInputStream& in = document.Stream();

    const std::vector<SettingSection*> sections = settings.Sections();
    const std::vector<ListFile*> lists = settings.Lists();
    // a list file that cannot be read gets the list's initial entries; its
    // path stays as the document names it
    const auto readFile = [](ListFile& list) {
        if (list.ReadFile())
            return true;
        const wxString path = list.path;
        ResetList(list);
        list.path = path;
        return false;
    };
    std::optional<LoadStep> failed;
    for (const LoadStepPart& part : LoadSteps())
    {
        bool read = true;    // every value is accepted; an unusable path fails when its list is read
        switch (part.kind)
        {
        case LoadStepPart::document: break;    // opened above
        case LoadStepPart::section: sections.at(part.index)->Read(in); break;
        case LoadStepPart::listPath: lists.at(part.index)->ReadPath(in); break;
        case LoadStepPart::listFile: read = readFile(*lists.at(part.index)); break;
        }
        if (!read && !failed)
            failed = part.step;
    }
    return failed;
}
