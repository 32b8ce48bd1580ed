// The console report of Google Benchmark, followed by the ratios the file
// work is judged by: one benchmark's real time (and peak memory) over
// another's, each against its limit.
#pragma once

#include <benchmark/benchmark.h>
#include <map>
#include <string>
#include <vector>

struct Ratio
{
    std::string label;
    std::string numerator;      // benchmark names, as reported
    std::string denominator;
    double limit;               // the highest ratio that passes
    bool memoryToo;             // the "peak_kb" counters are compared as well
};

class RatioReporter : public benchmark::ConsoleReporter
{
public:
    explicit RatioReporter(std::vector<Ratio> ratios);

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

    // false when a ratio was over its limit or could not be computed
    bool AllWithinLimits() const { return withinLimits; }

private:
    struct Figures
    {
        double realTime = 0;    // per iteration, in the benchmark's time unit
        double peakKb = 0;
    };

    std::vector<Ratio> ratios;
    std::map<std::string, Figures> figures;
    bool withinLimits = true;
};
