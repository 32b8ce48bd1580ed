#include "settings/ConfigDocument.h"

#include <wx/filefn.h>
#include <wx/txtstrm.h>

#include "settings/GameSettings.h"
#include "settings/ProgramName.h"
#include "settings/TextFileReader.h"
#include "settings/GameFolder.h"
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

namespace
{
using ConfigDocument::ListPlace;
using ConfigDocument::ListTarget;

// how long a save waits for another editor's save of the same game
const int lockSeconds = 10;

struct Target
{
    ListTarget where;
    GamePlace place;
};

ListPlace PlaceOfKind(GamePlace::Kind kind)
{
    switch (kind)
    {
    case GamePlace::Kind::folder: return ListPlace::folder;
    case GamePlace::Kind::special: return ListPlace::special;
    case GamePlace::Kind::unnamable: return ListPlace::unnamable;
    case GamePlace::Kind::outside: return ListPlace::outside;
    case GamePlace::Kind::unreachable: return ListPlace::unreachable;
    case GamePlace::Kind::file:
    case GamePlace::Kind::missing: break;
    }
    return ListPlace::fits;
}

std::vector<Target> Targets(const GameSettings& settings, const GameFolder& game, const GamePlace& document)
{
    const std::vector<const ListFile*> lists = settings.Lists();
    const GamePlace::Identity startDocument = game.Place(ConfigDocument::defaultPath, true).Id();
    std::vector<Target> targets(lists.size());
    for (size_t list = 0; list < lists.size(); ++list)
    {
        Target& target = targets[list];
        target.place = game.Place(lists[list]->path, lists[list]->IsPicked());
        target.where.place = PlaceOfKind(target.place.kind);
        const GamePlace::Identity id = target.place.Id();
        if (target.where.place == ListPlace::fits && (id == document.Id() || id == startDocument))
            target.where.place = ListPlace::document;
    }
    for (size_t list = 0; list < lists.size(); ++list)
        for (size_t other = 0; other < lists.size(); ++other)
            if (other != list && targets[list].where.place == ListPlace::fits &&
                (targets[other].where.place == ListPlace::fits || targets[other].where.place == ListPlace::shared) &&
                targets[list].place.Id() == targets[other].place.Id())
            {
                targets[list].where = {ListPlace::shared, other};
                if (targets[other].where.place == ListPlace::fits)
                    targets[other].where = {ListPlace::shared, list};
            }
    for (size_t list = 0; list < lists.size(); ++list)
    {
        ListTarget& where = targets[list].where;
        if (where.place == ListPlace::fits && targets[list].place.kind == GamePlace::Kind::file &&
            lists[list]->HoldsUnreadFile())
            where.place = ListPlace::unread;
        else if (where.place == ListPlace::fits && targets[list].place.WriteRefusal() != 0)
            where.place = ListPlace::readOnly;
    }
    return targets;
}
}

std::vector<ConfigDocument::ListTarget> ConfigDocument::TargetsOf(const GameSettings& settings, const wxString& document)
{
    const GameFolder game;
    std::vector<ListTarget> where;
    for (const Target& target : Targets(settings, game, game.Place(document, true)))
        where.push_back(target.where);
    return where;
}

ConfigDocument::SaveReport ConfigDocument::Save(const GameSettings& settings, const wxString& path,
                                                FileStamp* stamp, bool overwrite)
{
    SaveReport report;
    const GameFolder game;
    const FileDescriptor lock = game.Lock(lockSeconds);
    GamePlace document = game.Place(path, true);
    if (document.kind == GamePlace::Kind::folder || document.kind == GamePlace::Kind::unnamable)
    {
        report.documentOpened = false;
        return report;
    }
    // a document gone since holds nothing to lose
    const bool changed = stamp && stamp->path == path && document.Exists() &&
        !stamp->SameAs(FileStamp::Of(path, document.Exists(), document.status));
    if (changed && !overwrite)
    {
        report.documentChanged = true;
        return report;
    }

    // every file's bytes first; the lists that may not be written are not
    // even handed to the save
    const std::vector<const ListFile*> lists = settings.Lists();
    std::vector<Target> targets = Targets(settings, game, document);
    SaveTransaction save;
    save.Add(path, std::move(document), Bytes(settings), true);
    std::vector<bool> saved(lists.size());
    for (size_t list = 0; list < lists.size(); ++list)
        if (targets[list].where.place == ListPlace::fits)
        {
            save.Add(lists[list]->path, std::move(targets[list].place), lists[list]->Bytes());
            saved[list] = true;
        }

    const SaveTransaction::Result result = lock.IsOpen() ? save.Commit() : SaveTransaction::Result();
    report.documentSaved = lock.IsOpen();
    size_t next = 0;    // the files not saved, in the order they were added
    for (const SaveTransaction::NotSaved& file : result.notSaved)
    {
        if (file.path == path && next == 0)
            report.documentSaved = false;
        else
            for (; next < lists.size(); ++next)
                if (saved[next] && lists[next]->path == file.path)
                {
                    saved[next++] = false;
                    break;
                }
    }
    if (!report.documentSaved)
        report.notSaved.push_back(path);
    for (size_t list = 0; list < lists.size(); ++list)
        if (!saved[list] || !report.documentSaved)
            report.notSaved.push_back(lists[list]->path);
    if (stamp)
    {
        const GamePlace now = game.Place(path, true);
        *stamp = FileStamp::Of(path, now.Exists(), now.status);
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
    {
        ResetList(*list);
        list->ForgetUnread();    // new contents, the user's: a save may write them
    }
}

std::optional<LoadStep> ConfigDocument::Load(GameSettings& settings, const wxString& path,
                                             FileStamp* stamp)
{
    TextFileReader document(path);
    if (stamp && document.IsOpened())
        *stamp = FileStamp::Of(path, true, document.Status());
    else if (stamp)    // there, but not readable, or not there
    {
        const GamePlace place = GameFolder().Place(path, true);
        *stamp = FileStamp::Of(path, place.Exists(), place.status);
    }
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
        const bool unread = list.HoldsUnreadFile();
        ResetList(list);
        list.path = path;
        if (unread)    // the initial entries are not the file's: the save leaves it alone
            list.MarkUnread();
        else
            list.ForgetUnread();
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
