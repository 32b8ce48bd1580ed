#include "settings/GameCheck.h"

#include <fstream>
#include <iterator>
#include <string>
#include <utility>

#include "settings/ConfigDocument.h"
#include "settings/GameFile.h"
#include "settings/GamePath.h"
#include "settings/GameSettings.h"
#include "settings/KeyConflicts.h"
#include "settings/LoadStep.h"

namespace
{
const wchar_t configPath[] = L"config.txt";

// the file the step reads: config.txt, or the list whose path or file it is
wxString FileOfStep(const GameSettings& settings, LoadStep step)
{
    const int listSteps[][2] = {{7, 8}, {9, 10}, {11, 14}, {12, 13}, {15, 16}, {17, 18}, {19, 20}};
    const std::vector<const ListFile*> lists = settings.Lists();
    for (size_t list = 0; list < lists.size(); ++list)
        for (int listStep : listSteps[list])
            if (static_cast<int>(step) == listStep)
                return lists[list]->path;
    return configPath;
}

// ----------------------------------------------------------------------------
// values written otherwise than read
// ----------------------------------------------------------------------------

struct ValueLine
{
    int number;    // from 1
    std::string text;
};

// The value lines of a file's bytes: neither empty nor a comment. Lines end
// at a line feed, a carriage return, or both, as the reader takes them.
std::vector<ValueLine> ValueLines(const std::string& bytes)
{
    std::vector<ValueLine> values;
    int number = 1;
    size_t start = 0;
    while (start < bytes.size())
    {
        size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = bytes.size();
        if (end > start && bytes[start] != '#')
            values.push_back({number, bytes.substr(start, end - start)});
        start = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        ++number;
    }
    return values;
}

std::string FileBytes(const wxString& path)
{
    std::ifstream file(GamePath::ToBytes(GameFilePath(path)), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// a value as the finding shows it: quoted, cut when long
wxString Shown(const std::string& text)
{
    const size_t shownBytes = 60;
    wxString shown = wxString::FromUTF8(text.substr(0, shownBytes));
    if (shown.empty() && !text.empty())
        shown = wxString(text.substr(0, shownBytes).c_str(), wxConvISO8859_1);
    return L"\"" + shown + (text.size() > shownBytes ? L"...\"" : L"\"");
}

void CompareValues(const wxString& file, const std::string& read, const std::string& written,
                   std::vector<Finding>& findings)
{
    const std::vector<ValueLine> before = ValueLines(read);
    const std::vector<ValueLine> after = ValueLines(written);
    for (size_t k = 0; k < before.size() || k < after.size(); ++k)
    {
        if (k >= after.size())
            findings.push_back({file, wxString::Format(L"line %d: read %s, will not be written",
                                                       before[k].number, Shown(before[k].text))});
        else if (k >= before.size())
            findings.push_back({file, wxString::Format(L"value %d missing, will be written as %s",
                                                       static_cast<int>(k + 1), Shown(after[k].text))});
        else if (before[k].text != after[k].text)
            findings.push_back({file, wxString::Format(L"line %d: read %s, will be written as %s",
                                                       before[k].number, Shown(before[k].text),
                                                       Shown(after[k].text))});
    }
}

// ----------------------------------------------------------------------------
// keys bound twice
// ----------------------------------------------------------------------------

// the English name of a key setting: its comment line above "#Default"
wxString KeyName(const SettingSection& control, size_t row)
{
    const std::vector<wxString>& comments = control.At(row).comments;
    return comments.size() >= 2 ? comments[comments.size() - 2].Mid(1) : wxString();
}
}

std::vector<Finding> CheckGameDirectory(GameSettings& settings)
{
    std::vector<Finding> findings;
    const std::optional<LoadStep> stop = ConfigDocument::Load(settings, configPath);
    if (stop)
        findings.push_back({FileOfStep(settings, *stop),
                            wxString::Format(L"the editor stops loading at step %d: %s (%s)",
                                             static_cast<int>(*stop), LoadStepMessage(*stop),
                                             LoadStepGloss(*stop))});
    if (stop == LoadStep::openDocument)
        return findings;

    CompareValues(configPath, FileBytes(configPath), ConfigDocument::Bytes(settings), findings);
    const std::vector<const ListFile*> lists = std::as_const(settings).Lists();
    for (size_t index = 0; index < lists.size(); ++index)
    {
        const ListFile* list = lists[index];
        if (!GameFileExists(list->path))
            continue;
        // a list the save refuses is not written at all (see below)
        if (ConfigDocument::PlaceOf(settings, index, configPath) == ConfigDocument::ListPlace::fits)
            CompareValues(list->path, FileBytes(list->path), list->Bytes(), findings);
        const SlotList& files = list->Files();
        for (size_t slot = 0; slot < files.Size(); ++slot)
            if (!files.Path(slot).empty() && !GameFileExists(files.Path(slot)))
                findings.push_back({list->path, wxString::Format(L"slot %d: %s not found",
                                                                 static_cast<int>(slot + 1),
                                                                 files.Path(slot))});
    }

    const wchar_t* const refusals[] = {
        nullptr,
        L"names a folder: the list will not be written",
        L"holds a NUL character, which no file name can: the list will not be written",
        L"lies outside the game directory: the list will not be written",
        L"is config.txt: the list will not be written",
        L"is written by another list: this list will not be written",
    };
    for (size_t list = 0; list < lists.size(); ++list)
        if (const auto place = ConfigDocument::PlaceOf(settings, list, configPath);
            place != ConfigDocument::ListPlace::fits)
            findings.push_back({lists[list]->path, refusals[static_cast<int>(place)]});

    for (const KeyConflict& conflict : FindKeyConflicts(settings.control))
        findings.push_back(
            {configPath, wxString::Format(L"key \"%s\" is bound to both %s and %s",
                                          settings.control.Text(conflict.first),
                                          KeyName(settings.control, conflict.first),
                                          KeyName(settings.control, conflict.second))});
    return findings;
}
