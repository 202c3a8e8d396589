// The median wall time of a few runs of a call, in milliseconds: the figure
// the benchmarks print beside Google Benchmark's own for a target check.
#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

template <class F>
double medianMs(int runs, F f) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        auto t0 = std::chrono::steady_clock::now();
        f();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
