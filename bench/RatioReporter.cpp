#include "RatioReporter.h"

#include <algorithm>
#include <cstdio>
#include <unistd.h>

RatioReporter::RatioReporter(std::vector<Ratio> ratios)
    // colours only for a terminal, as the library's own reporter does
    : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular),
      ratios(std::move(ratios))
{
}

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs)
    {
        if (run.error_occurred)
            continue;
        // with repetitions the median stands for the benchmark; without, the one run
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (run.run_type == Run::RT_Aggregate && !median)
            continue;
        // the name as registered, without "/real_time" and the like
        std::string name = run.run_name.function_name;
        if (!run.run_name.args.empty())
            name += "/" + run.run_name.args;
        if (run.run_type == Run::RT_Iteration && figures.count(name))
            continue;    // a repetition after the first; the median comes later
        Figures& entry = figures[name];
        entry.realTime = run.GetAdjustedRealTime() * benchmark::GetTimeUnitMultiplier(run.time_unit);
        const auto peak = run.counters.find("peak_kb");
        entry.peakKb = peak == run.counters.end() ? 0 : static_cast<double>(peak->second);
    }
}

void RatioReporter::Finalize()
{
    ConsoleReporter::Finalize();
    std::printf("\n%-44s %10s %10s %8s\n", "ratio", "time", "memory", "limit");
    for (const Ratio& ratio : ratios)
    {
        const auto top = figures.find(ratio.numerator);
        const auto bottom = figures.find(ratio.denominator);
        if (top == figures.end() || bottom == figures.end() || bottom->second.realTime <= 0)
        {
            std::printf("%-44s %10s\n", ratio.label.c_str(), "not run");
            continue;
        }
        const double time = top->second.realTime / bottom->second.realTime;
        bool pass = time <= ratio.limit;
        char memory[32] = "-";
        if (ratio.memoryToo)
        {
            // below a page or two, the counter is noise: compare from 64 kB up
            const double base = std::max(bottom->second.peakKb, 64.0);
            const double grown = std::max(top->second.peakKb, 64.0) / base;
            std::snprintf(memory, sizeof memory, "%.2fx", grown);
            pass = pass && grown <= ratio.limit;
        }
        std::printf("%-44s %9.2fx %10s %7.1fx  %s\n", ratio.label.c_str(), time, memory,
                    ratio.limit, pass ? "ok" : "OVER");
        withinLimits = withinLimits && pass;
    }
}
