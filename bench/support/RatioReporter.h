// Benchmarks compare our code with a direct implementation in the same run
// and print one closing line per comparison, "ratio: <what> <value>"
// (ours / direct time per iteration), for scripts to read.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace keelbox::bench {

// Keeps each benchmark's time per iteration while printing as usual.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const auto& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                times[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }

    // Prints "ratio: <what> <ours/direct>" when both ran.
    void printRatio(const char* what, const std::string& ours, const std::string& direct) const {
        auto o = times.find(ours);
        auto d = times.find(direct);
        if (o != times.end() && d != times.end() && d->second > 0)
            std::printf("ratio: %s %.3f\n", what, o->second / d->second);
    }

    std::map<std::string, double> times;
};

}  // namespace keelbox::bench
