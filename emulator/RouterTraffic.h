// Moving traffic for a router a person watches: download and upload speeds
// that follow the hour of the day (quiet at night, busiest in the evening)
// with short bursts, and a few visiting devices that come and go. Every
// figure is a pure function of the seed and the time, so a test that fixes
// both fixes everything the router reports.
#pragma once

#include <cstdint>

#include "emulator/EmulatorState.h"

namespace emulator {

class RouterTraffic {
public:
    explicit RouterTraffic(std::uint64_t seed) : seed_(seed) {}

    // Seconds between two samples of the speed history.
    static constexpr int kSampleSeconds = 30;
    // Samples the history holds.
    static constexpr int kHistorySamples = 100;
    // The most visitors online at once.
    static constexpr int kMaxVisitors = 3;
    // Download at the evening peak, bytes per second.
    static constexpr double kPeakDownBytes = 6.0 * 1024 * 1024;
    // The first visitor device's index (its MAC and name follow from it).
    static constexpr int kFirstVisitorIndex = 200;

    struct Speeds {
        std::int64_t down = 0;  // bytes per second
        std::int64_t up = 0;
    };
    Speeds at(std::int64_t unixSeconds) const;
    int visitorsAt(std::int64_t unixSeconds) const;

    // Brings the router's model to that time: "down_speed" and "up_speed",
    // the "speed_samples" history (oldest first, one per kSampleSeconds up
    // to the time, the last one the period under way at the time's speed)
    // and the visitors among its "devices".
    void apply(EmulatedRouter& router, std::int64_t unixSeconds) const;

    // Whether a device is one of the visitors this traffic adds.
    static bool isVisitor(const ns::Value& device);

private:
    double unit(std::uint64_t salt, std::int64_t slot) const;

    std::uint64_t seed_;
};

}  // namespace emulator
