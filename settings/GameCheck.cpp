#include "settings/GameCheck.h"

#include <string>
#include <string_view>
#include <utility>

#include "settings/ConfigDocument.h"
#include "settings/GameFile.h"
#include "settings/GamePath.h"
#include "settings/GameSettings.h"
#include "settings/KeyConflicts.h"
#include "settings/LoadStep.h"
#include "settings/Translated.h"
#include "settings/TextFileReader.h"
#include "settings/Utf8InputStream.h"
#include "settings/ValueLine.h"

namespace
{
const wchar_t configPath[] = L"config.txt";

// the file the step reads: config.txt, or the list whose path or file it is
wxString FileOfStep(const GameSettings& settings, LoadStep step)
{
    const LoadStepPart& part = PartOf(step);
    if (part.kind == LoadStepPart::listPath || part.kind == LoadStepPart::listFile)
        return settings.Lists().at(part.index)->path;
    return configPath;
}

// ----------------------------------------------------------------------------
// values written otherwise than read
// ----------------------------------------------------------------------------

// the bytes of a file as the load reaches it (never waiting on a FIFO); none
// of a file it cannot read
std::string FileBytes(const wxString& path)
{
    return TextFileReader(path).RemainingBytes();
}

// one line each: a control character or a NUL in a name is shown as \xNN
wxString Escaped(const wxString& text)
{
    wxString shown;
    for (wxUniChar c : text)
    {
        wxUint32 code = c.GetValue();
        if (code == 0x100000)    // a NUL byte read from a file
            code = 0;
        if (code < 0x20 || code == 0x7f)
            shown += wxString::Format(L"\\x%02X", code);
        else
            shown += c;
    }
    return shown;
}

// a value as the finding shows it: quoted, cut when long, a byte that is not
// UTF-8 as \xNN
wxString Shown(std::string_view bytes)
{
    const size_t shownCharacters = 60;
    // no character is longer than four bytes
    const wxString text = GamePath::FromBytes(std::string(bytes.substr(0, 4 * shownCharacters + 4)));
    wxString shown;
    for (wxUniChar c : text.Left(shownCharacters))
        shown += Utf8InputStream::IsCarriedByte(c)
                     ? wxString::Format(L"\\x%02X", c.GetValue() & 0xFFu) : wxString(c);
    return L"\"" + shown + (text.length() > shownCharacters ? L"...\"" : L"\"");
}

void CompareValues(const wxString& file, const std::string& written, std::vector<Finding>& findings)
{
    const std::string read = FileBytes(file);
    const std::vector<NumberedBytes> before = ValueLinesOfBytes(read);
    const std::vector<NumberedBytes> after = ValueLinesOfBytes(written);
    for (size_t k = 0; k < before.size() || k < after.size(); ++k)
    {
        if (k >= after.size())
            findings.push_back({file, wxString::Format(_(L"line %d: read %s, will not be written"),
                                                       before[k].number, Shown(before[k].text))});
        else if (k >= before.size())
            findings.push_back({file, wxString::Format(_(L"value %d missing, will be written as %s"),
                                                       static_cast<int>(k + 1), Shown(after[k].text))});
        else if (before[k].text != after[k].text)
            findings.push_back({file, wxString::Format(_(L"line %d: read %s, will be written as %s"),
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
    {
        // the status bar's message, with its English where it is in Japanese
        const wxString message = LoadStepMessage(*stop);
        findings.push_back(
            {FileOfStep(settings, *stop),
             wxString::Format(_(L"the editor stops loading at step %d: %s"), static_cast<int>(*stop),
                              message.IsAscii() ? message : message + L" (" + LoadStepGloss(*stop) + L")")});
    }
    if (stop == LoadStep::openDocument)
        return findings;

    CompareValues(configPath, ConfigDocument::Bytes(settings), findings);
    const std::vector<const ListFile*> lists = std::as_const(settings).Lists();
    const std::vector<ConfigDocument::ListTarget> targets = ConfigDocument::TargetsOf(settings, configPath);
    for (size_t index = 0; index < lists.size(); ++index)
    {
        const ListFile* list = lists[index];
        if (!GameFileExists(list->path))
            continue;
        // a list the save refuses is not written at all (see below)
        if (targets[index].place == ConfigDocument::ListPlace::fits)
            CompareValues(list->path, list->Bytes(), findings);
        const SlotList& files = list->Files();
        for (size_t slot = 0; slot < files.Size(); ++slot)
            if (!files.Path(slot).empty() && !GameFileExists(files.Path(slot)))
                findings.push_back({list->path, wxString::Format(_(L"slot %d: %s not found"),
                                                                 static_cast<int>(slot + 1),
                                                                 files.Path(slot))});
    }

    const wxString refusals[] = {
        wxString(),
        _(L"names a folder: the list will not be written"),
        _(L"holds a NUL character, which no file name can: the list will not be written"),
        _(L"lies outside the game directory: the list will not be written"),
        _(L"is config.txt: the list will not be written"),
        _(L"is the file of both the %s list and the %s list: neither will be written"),
        _(L"is there but could not be read: the list will not be written"),
        _(L"is not a regular file (a FIFO, a socket or a device): the list will not be written"),
        _(L"has no write permission: the list will not be written"),
        _(L"cannot be reached (a folder missing, or links without end): the list will not be written"),
    };
    for (size_t list = 0; list < lists.size(); ++list)
        if (const ConfigDocument::ListTarget target = targets[list]; target.place != ConfigDocument::ListPlace::fits)
        {
            const wxString names[] = {_(L"replay"), _(L"font"),         _(L"image"), _(L"music"),
                                     _(L"sound-effect"), _(L"boxer data"), _(L"think")};
            wxString text = refusals[static_cast<int>(target.place)];
            text.Replace(L"%s", names[list], false);
            text.Replace(L"%s", names[target.sharedWith], false);
            findings.push_back({lists[list]->path, text});
        }

    for (const KeyConflict& conflict : FindKeyConflicts(settings.control))
        findings.push_back(
            {configPath, wxString::Format(_(L"key \"%s\" is bound to both %s and %s"),
                                          settings.control.Text(conflict.first),
                                          KeyName(settings.control, conflict.first),
                                          KeyName(settings.control, conflict.second))});
    for (Finding& finding : findings)
    {
        finding.file = Escaped(finding.file);
        finding.text = Escaped(finding.text);
    }
    return findings;
}
