#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

// Prints one line per figure: each run's time per iteration and each of its
// counters, named by the counter ("MB/s", "runs/cell"), at full precision
// rather than with the console's k/M/G suffixes.
class CFigureReporter : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context&) override { return true; }

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            const std::string name = run.run_name.function_name;
            if (run.error_occurred) {
                std::printf("%s: failed: %s\n", name.c_str(), run.error_message.c_str());
                continue;
            }
            std::printf("%s: %.3f ms per pass\n", name.c_str(), run.GetAdjustedRealTime() * 1e3 / Multiplier(run));
            for (const auto& counter : run.counters)
                std::printf("%s: %.4g %s\n", name.c_str(), counter.second.value, counter.first.c_str());
        }
        std::fflush(stdout);
    }

private:
    static double Multiplier(const Run& run)
    {
        return benchmark::GetTimeUnitMultiplier(run.time_unit);
    }
};

// main() of a benchmark program that reports through CFigureReporter.
#define BRASK_BENCHMARK_MAIN()                                          \
    int main(int argc, char** argv)                                     \
    {                                                                   \
        benchmark::Initialize(&argc, argv);                             \
        if (benchmark::ReportUnrecognizedArguments(argc, argv))         \
            return 1;                                                   \
        CFigureReporter reporter;                                       \
        benchmark::RunSpecifiedBenchmarks(&reporter);                   \
        benchmark::Shutdown();                                          \
        return 0;                                                       \
    }
