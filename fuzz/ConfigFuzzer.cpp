// libFuzzer target: arbitrary bytes as config.txt and as the seven list
// files, through the real load and save of the settings (GameSettings,
// ConfigDocument). No display: the settings library is wxBase only.
//
// An input is one selector byte and then the contents. Each set bit of the
// selector names a file (bit 0 config.txt, bits 1 to 7 the list files in
// save order); the contents are cut at "\xff\xfe\xfd" into pieces that go to
// the named files in order, the last piece repeating when pieces run short.
// A selector of 0 names config.txt alone. Every file not named holds what
// the editor itself writes for the initial settings.
//
// Per input, in a scratch game directory: the initial settings, load, save.
// Then the checks: nothing crashed or hung (libFuzzer's own watch), every
// written file stays below 4 x the input + 64 KiB, and what was written
// loads and saves back to the same bytes, all eight files.
// See scripts/fuzz.sh.
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>
#include <wx/init.h>
#include <wx/log.h>
#include <wx/mstream.h>
#include <wx/strconv.h>
#include <wx/txtstrm.h>

#include "settings/ConfigDocument.h"
#include "settings/GameFolder.h"
#include "settings/GamePath.h"
#include "settings/GameSettings.h"

namespace fs = std::filesystem;

namespace
{
// config.txt, then the list files in the order they are saved
const std::array<const char*, 8> defaultFiles = {
    "config.txt",      "Replay/replaycf.txt", "Font/fontcf.txt", "Image/imagecf.txt",
    "BGM/bgmcf.txt",   "SE/secf.txt",         "Data/datacf.txt", "Data/thinkcf.txt",
};
const char* const gameFolders[] = {"Replay", "Font", "Image", "BGM", "SE", "Data"};
const std::string pieceSeparator = "\xff\xfe\xfd";
const size_t fixedBound = 64 * 1024;
const wxString configPath = L"config.txt";

fs::path scratch;
std::array<std::string, 8> defaultContents;

// how far the inputs got, told at the end of a run
struct Counts
{
    long inputs = 0, pathsOutside = 0, filesShared = 0, roundTrips = 0;
} counts;

[[noreturn]] void Fail(const std::string& what)
{
    fprintf(stderr, "ConfigFuzzer: %s\n", what.c_str());
    abort();
}

// a wxWidgets assertion is a finding too
void AbortOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                   const wxString& msg)
{
    Fail((file + wxString::Format(L":%d ", line) + func + L": " + cond + L" " + msg).utf8_string());
}

std::string ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// every regular file of the scratch directory with its bytes
std::map<std::string, std::string> Snapshot()
{
    std::map<std::string, std::string> files;
    std::error_code error;
    for (fs::recursive_directory_iterator it(scratch, error), end; !error && it != end;
         it.increment(error))
        if (it->is_regular_file(error))
            files[fs::relative(it->path(), scratch).string()] = ReadBytes(it->path());
    return files;
}

void ResetScratch()
{
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(scratch))
        fs::remove_all(entry.path(), error);
    for (const char* folder : gameFolders)
        fs::create_directory(scratch / folder);
}

// The seven list-file paths as config.txt would hold them, as bytes.
std::vector<std::string> ListPaths(const GameSettings& settings)
{
    wxMemoryOutputStream memory;
    {
        wxMBConvUTF8 conv(wxMBConvUTF8::MAP_INVALID_UTF8_TO_PUA);
        wxTextOutputStream out(memory, wxEOL_UNIX, conv);
        for (const ListFile* list : settings.Lists())
            list->WritePath(out);
        out.Flush();
    }
    const wxStreamBuffer* buffer = memory.GetOutputStreamBuffer();
    const std::string text(static_cast<const char*>(buffer->GetBufferStart()),
                           buffer->GetIntPosition());
    std::vector<std::string> paths;
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        paths.push_back(text.substr(start, end - start));
    if (paths.size() != 7)
        Fail("a list path was written as other than one line");
    return paths;
}

// Saving writes the list files wherever config.txt said they are, by the
// game's rules: only paths that stay inside the scratch directory by name
// are saved to (the save itself refuses the others, and links leading out).
bool StaysInside(const std::string& path)
{
    const GamePath::Names split = GamePath::Split(GamePath::FromBytes(path));
    return !split.absolute && !split.unnamable && (split.names.empty() || split.names[0] != "..");
}

// the file each of the eight names after a save, found as the editor finds it
std::vector<fs::path> WrittenFiles(const std::vector<std::string>& listPaths)
{
    std::vector<fs::path> files = {scratch / "config.txt"};
    const GameFolder game;
    for (const std::string& path : listPaths)
    {
        const GamePlace place = game.Place(GamePath::FromBytes(path));
        files.push_back(place.folder ? scratch / place.route / place.name : scratch / path);
    }
    return files;
}

// true when two of the eight name the same file, which holds neither list
bool SharesAFile(const std::vector<fs::path>& files)
{
    std::set<std::pair<dev_t, ino_t>> seen;
    for (const fs::path& file : files)
    {
        struct stat status;
        if (stat(file.c_str(), &status) == 0 && !seen.insert({status.st_dev, status.st_ino}).second)
            return true;
    }
    return false;
}

bool AllWritten(const std::vector<fs::path>& files)
{
    for (const fs::path& file : files)
    {
        struct stat status;
        if (stat(file.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
            return false;
    }
    return true;
}

std::vector<std::string> Pieces(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> pieces;
    size_t start = 0;
    for (size_t end; (end = text.find(pieceSeparator, start)) != std::string::npos;
         start = end + pieceSeparator.size())
        pieces.push_back(text.substr(start, end - start));
    pieces.push_back(text.substr(start));
    return pieces;
}
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // wxBase only: strings, conversions and streams need no application
    static wxInitializer initializer;
    if (!initializer.IsOk())
    {
        fprintf(stderr, "ConfigFuzzer: cannot initialize wxWidgets\n");
        exit(2);
    }
    wxSetAssertHandler(AbortOnAssert);
    delete wxLog::SetActiveTarget(new wxLogStderr);

    // file writes are cheap on a memory file system: every save syncs
    const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : P_tmpdir;
    std::string pattern = std::string(base) + "/ringvald-fuzz.XXXXXX";
    if (!mkdtemp(pattern.data()))
        Fail("cannot make a scratch directory");
    scratch = pattern;
    atexit([] {
        std::error_code error;
        fs::remove_all(scratch, error);
        fprintf(stderr,
                "ConfigFuzzer: %ld inputs: %ld round trips checked (%ld of them with two lists on "
                "one file), %ld not saved (a list path outside the game directory)\n",
                counts.inputs, counts.roundTrips, counts.filesShared, counts.pathsOutside);
    });
    fs::current_path(scratch);
    ResetScratch();

    GameSettings settings;    // there are no default lists to read yet
    settings.SetDefaults();
    if (!ConfigDocument::Save(settings, configPath).documentOpened)
        Fail("the initial settings cannot be saved");
    for (size_t i = 0; i < defaultFiles.size(); ++i)
        defaultContents[i] = ReadBytes(scratch / defaultFiles[i]);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    ++counts.inputs;
    const unsigned selector = data[0] == 0 ? 1 : data[0];
    const std::vector<std::string> pieces = Pieces(data + 1, size - 1);

    ResetScratch();
    size_t piece = 0;
    for (size_t i = 0; i < defaultFiles.size(); ++i)
    {
        std::string contents = defaultContents[i];
        if (selector & (1u << i))
        {
            contents = pieces[std::min(piece, pieces.size() - 1)];
            ++piece;
        }
        WriteBytes(scratch / defaultFiles[i], contents);
    }

    // the initial settings read the default font, gym and think lists
    GameSettings settings;
    ConfigDocument::Reset(settings);
    ConfigDocument::Load(settings, configPath);
    const std::vector<std::string> listPaths = ListPaths(settings);
    for (const std::string& path : listPaths)
        if (!StaysInside(path))
        {
            ++counts.pathsOutside;
            return 0;
        }

    // first save: bounded (a list the save refuses keeps its file)
    if (!ConfigDocument::Save(settings, configPath).documentSaved)
        Fail("config.txt could not be saved");
    const std::vector<fs::path> written = WrittenFiles(listPaths);
    for (const fs::path& file : written)
    {
        std::error_code error;
        const uintmax_t length = fs::file_size(file, error);
        if (!error && length >= 4 * size + fixedBound)
            Fail("the save wrote " + std::to_string(length) + " bytes to " + file.string() +
                 " from an input of " + std::to_string(size));
    }

    // second round: what was written loads (when every file is there), and
    // saves back unchanged. A list the first save could not write is read
    // as it was the first time, or gets its initial entries again; two
    // lists on one file write neither, and read it again alike.
    counts.filesShared += SharesAFile(written);
    const auto firstSave = Snapshot();
    if (ConfigDocument::Load(settings, configPath) && AllWritten(written))
        Fail("the files just saved do not load");
    if (ListPaths(settings) != listPaths)
        Fail("the list paths changed on loading the files just saved");
    if (!ConfigDocument::Save(settings, configPath).documentSaved)
        Fail("config.txt could not be saved again");
    const auto secondSave = Snapshot();
    if (secondSave != firstSave)
    {
        for (const auto& [file, bytes] : secondSave)
        {
            const auto first = firstSave.find(file);
            if (first == firstSave.end() || first->second != bytes)
                fprintf(stderr, "ConfigFuzzer: %s differs on the second save\n", file.c_str());
        }
        Fail("loading and saving the files just saved changed them");
    }
    ++counts.roundTrips;
    return 0;
}
