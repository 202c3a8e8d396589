// Reads this process's memory figures from /proc, for benchmarks that bound
// how much a transfer may hold at once.
#pragma once

#include <fstream>
#include <string>

namespace keelbox::bench {

// A "/proc/self/status" field in KiB ("VmRSS:", "VmHWM:"); 0 when absent.
inline long statusKiB(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0) return std::stol(line.substr(std::string(field).size()));
    return 0;
}

}  // namespace keelbox::bench
