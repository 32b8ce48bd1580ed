// The file work of the editor, measured: load and save of a full game
// directory through the settings library (GameSettings, ConfigDocument)
// against plain C++ streams moving the same bytes, and the loading of
// pathological documents at one and ten times their size. No display:
//   ./bench/file-benchmark
// The table after the benchmarks gives the ratios and their limits; the exit
// code is 1 when one is over.
#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>
#include <wx/init.h>

#include "RatioReporter.h"
#include "settings/ConfigDocument.h"
#include "settings/GameSettings.h"

namespace fs = std::filesystem;

namespace
{
// a wxWidgets assertion is printed, not asked about
void PrintingAssertHandler(const wxString& file, int line, const wxString& func,
                           const wxString& cond, const wxString& msg)
{
    std::fprintf(stderr, "wx assertion: %s:%d %s: %s %s\n", file.utf8_str().data(), line,
                 func.utf8_str().data(), cond.utf8_str().data(), msg.utf8_str().data());
}

// ----------------------------------------------------------------------------
// peak memory of one benchmark: the high-water mark is reset to the current
// resident size (freed heap given back first), and read again afterwards
// ----------------------------------------------------------------------------

long StatusKb(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string prefix = std::string(field) + ":";
    while (std::getline(status, line))
        if (line.compare(0, prefix.size(), prefix) == 0)
            return std::stol(line.substr(prefix.size()));
    return 0;
}

long StartPeak()
{
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
    return StatusKb("VmRSS");
}

void ReportPeak(benchmark::State& state, long residentBefore)
{
    state.counters["peak_kb"] = static_cast<double>(StatusKb("VmHWM") - residentBefore);
}

// ----------------------------------------------------------------------------
// the game directory: a copy of the sample, filled by the initial settings
// and a save
// ----------------------------------------------------------------------------

const wxString configPath = L"config.txt";

struct Game
{
    fs::path dir;
    GameSettings settings;
    std::vector<fs::path> files;    // config.txt and the seven list files
    std::uintmax_t bytes = 0;
};
Game game;

bool MakeGame()
{
    std::string pattern = (fs::temp_directory_path() / "ringvald-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        return false;
    game.dir = fs::path(pattern) / "game";
    fs::copy(RINGVALD_SAMPLE_GAME, game.dir, fs::copy_options::recursive);
    fs::current_path(game.dir);

    ConfigDocument::Reset(game.settings);    // reads the sample's font, gym and think lists
    if (!ConfigDocument::Save(game.settings, configPath))
        return false;

    for (const auto& entry : fs::recursive_directory_iterator(game.dir))
        if (entry.is_regular_file() && entry.path().extension() == ".txt")
        {
            game.files.push_back(entry.path());
            game.bytes += entry.file_size();
        }
    if (game.files.size() != 8)
    {
        std::fprintf(stderr, "the game directory holds %zu files, not config.txt and seven lists\n",
                     game.files.size());
        return false;
    }
    return true;
}

void RemoveGame()
{
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(game.dir.parent_path());
}

std::vector<std::string> ReadLines(const fs::path& path)
{
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line))
        lines.push_back(line);
    return lines;
}

// ----------------------------------------------------------------------------
// load and save of the game directory
// ----------------------------------------------------------------------------

void DocumentLoadSave(benchmark::State& state)
{
    const long before = StartPeak();
    for (auto _ : state)
    {
        if (ConfigDocument::Load(game.settings, configPath) ||
            !ConfigDocument::Save(game.settings, configPath))
        {
            state.SkipWithError("the document did not load or save");
            break;
        }
    }
    ReportPeak(state, before);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * 2 * game.bytes));
}

void DocumentLoad(benchmark::State& state)
{
    const long before = StartPeak();
    for (auto _ : state)
        if (ConfigDocument::Load(game.settings, configPath))
        {
            state.SkipWithError("the document did not load");
            break;
        }
    ReportPeak(state, before);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * game.bytes));
}

void DocumentSave(benchmark::State& state)
{
    const long before = StartPeak();
    for (auto _ : state)
        if (!ConfigDocument::Save(game.settings, configPath))
        {
            state.SkipWithError("the document did not save");
            break;
        }
    ReportPeak(state, before);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * game.bytes));
}

// the same files read line by line and written back, with nothing in between
void PlainStreamsReadWrite(benchmark::State& state)
{
    const long before = StartPeak();
    for (auto _ : state)
        for (const fs::path& path : game.files)
        {
            const std::vector<std::string> lines = ReadLines(path);
            std::ofstream out(path, std::ios::binary | std::ios::trunc);
            for (const std::string& line : lines)
                out << line << '\n';
        }
    ReportPeak(state, before);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * 2 * game.bytes));
}

// ----------------------------------------------------------------------------
// pathological documents: the game's own config.txt with one thing grown
// ----------------------------------------------------------------------------

enum Pathology
{
    longNumberLine,    // the first value (a number) 5 MB of digits
    longTextLine,      // the user name, a text field, 5 MB long
    emptyLines,        // 300,000 empty lines after the header
    commentLines       // 100,000 comment lines after the header
};

std::string PathologicalDocument(Pathology pathology, int scale)
{
    const std::vector<std::string> lines = ReadLines(game.dir / "config.txt");
    const size_t longLine = size_t{5} * 1024 * 1024 * static_cast<size_t>(scale);
    std::string document;
    bool grown = false;
    for (size_t i = 0; i < lines.size(); ++i)
    {
        std::string line = lines[i];
        if (!grown && pathology == longNumberLine && !line.empty() && line[0] != '#')
            line.assign(longLine, '0'), grown = true;
        if (!grown && pathology == longTextLine && i >= 2 && lines[i - 2] == "#User Name")
            line.assign(longLine, 'u'), grown = true;
        document += line;
        document += '\n';
        if (i == 1 && pathology == emptyLines)
            document.append(size_t{300000} * static_cast<size_t>(scale), '\n');
        if (i == 1 && pathology == commentLines)
            for (int n = 0; n < 100000 * scale; ++n)
                document += "#comment line " + std::to_string(n) + "\n";
    }
    return document;
}

void LoadPathological(benchmark::State& state, Pathology pathology)
{
    const fs::path path = game.dir / "pathological.txt";
    const std::string document = PathologicalDocument(pathology, static_cast<int>(state.range(0)));
    std::ofstream(path, std::ios::binary) << document;

    const long before = StartPeak();
    std::optional<LoadStep> stopped;
    for (auto _ : state)
    {
        // every load as in a fresh process: the heap that the last one freed
        // goes back to the system first, or a small document would find its
        // pages already mapped and a large one (whose blocks are mapped and
        // unmapped each time) would not
        state.PauseTiming();
        malloc_trim(0);
        state.ResumeTiming();
        GameSettings settings;
        stopped = ConfigDocument::Load(settings, wxString(path.wstring()));
    }
    ReportPeak(state, before);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * document.size()));
    state.SetLabel(stopped ? "stopped at step " + std::to_string(static_cast<int>(*stopped))
                           : std::string("loaded"));
    fs::remove(path);
}

void RegisterAll()
{
    const auto settle = [](benchmark::internal::Benchmark* b) {
        b->UseRealTime()->Unit(benchmark::kMillisecond);
    };
    settle(benchmark::RegisterBenchmark("GameDir/DocumentLoadSave", DocumentLoadSave)
               ->Repetitions(5)
               ->DisplayAggregatesOnly(true));
    settle(benchmark::RegisterBenchmark("GameDir/PlainStreamsReadWrite", PlainStreamsReadWrite)
               ->Repetitions(5)
               ->DisplayAggregatesOnly(true));
    settle(benchmark::RegisterBenchmark("GameDir/DocumentLoad", DocumentLoad));
    settle(benchmark::RegisterBenchmark("GameDir/DocumentSave", DocumentSave));

    const struct
    {
        const char* name;
        Pathology pathology;
    } pathologies[] = {
        {"Pathological/LongNumberLine", longNumberLine},
        {"Pathological/LongTextLine", longTextLine},
        {"Pathological/EmptyLines", emptyLines},
        {"Pathological/CommentLines", commentLines},
    };
    for (const auto& p : pathologies)
        settle(benchmark::RegisterBenchmark(p.name, LoadPathological, p.pathology)
                   ->Arg(1)
                   ->Arg(10)
                   ->Repetitions(3)
                   ->DisplayAggregatesOnly(true));
}

std::vector<Ratio> Ratios()
{
    return {
        {"load+save game dir / plain streams", "GameDir/DocumentLoadSave",
         "GameDir/PlainStreamsReadWrite", 10, false},
        {"one 5 MB number line, 10x / 1x", "Pathological/LongNumberLine/10",
         "Pathological/LongNumberLine/1", 12, true},
        {"one 5 MB text line, 10x / 1x", "Pathological/LongTextLine/10",
         "Pathological/LongTextLine/1", 12, true},
        {"300,000 empty lines, 10x / 1x", "Pathological/EmptyLines/10",
         "Pathological/EmptyLines/1", 12, true},
        {"100,000 comment lines, 10x / 1x", "Pathological/CommentLines/10",
         "Pathological/CommentLines/1", 12, true},
    };
}
}

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    wxInitializer initializer;    // wxBase only
    if (!initializer.IsOk())
    {
        std::fprintf(stderr, "cannot initialize wxWidgets\n");
        return 2;
    }
    wxSetAssertHandler(PrintingAssertHandler);

    int result = 2;
    if (MakeGame())
    {
        std::printf("game directory: %zu files, %ju bytes\n", game.files.size(), game.bytes);
        RegisterAll();
        RatioReporter reporter(Ratios());
        benchmark::RunSpecifiedBenchmarks(&reporter);
        result = reporter.AllWithinLimits() ? 0 : 1;
    }
    RemoveGame();
    benchmark::Shutdown();
    return result;
}
