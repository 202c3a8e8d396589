#include "emulator/RouterTraffic.h"

#include <cmath>
#include <numbers>

#include "emulator/EmulatedRouterModel.h"

namespace emulator {

namespace {

constexpr std::int64_t kDaySeconds = 24 * 3600;
// The hour the household is busiest.
constexpr double kPeakHour = 21;
// Noise changes every few seconds, bursts start in five-minute slots and
// last a minute, visitors change every ten minutes.
constexpr std::int64_t kNoiseSeconds = 5;
constexpr std::int64_t kBurstSlotSeconds = 300;
constexpr std::int64_t kBurstSeconds = 60;
constexpr double kBurstChance = 0.2;
constexpr double kBurstFactor = 2.5;
constexpr std::int64_t kVisitorSlotSeconds = 600;
constexpr double kUploadShare = 0.12;

enum Salt : std::uint64_t { kNoise = 1, kBurst = 2, kVisitors = 3, kUploadNoise = 4 };

std::uint64_t mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

std::int64_t floorDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

}  // namespace

double RouterTraffic::unit(std::uint64_t salt, std::int64_t slot) const {
    const std::uint64_t h = mix(seed_ ^ mix(salt) ^ mix(static_cast<std::uint64_t>(slot)));
    return static_cast<double>(h >> 11) / static_cast<double>(1ULL << 53);
}

RouterTraffic::Speeds RouterTraffic::at(std::int64_t t) const {
    const double hour = static_cast<double>(((t % kDaySeconds) + kDaySeconds) % kDaySeconds) / 3600.0;
    // 1.0 at the peak hour, 0.1 twelve hours away.
    const double daily = 0.55 + 0.45 * std::cos(2 * std::numbers::pi * (hour - kPeakHour) / 24);
    const double noise = 0.8 + 0.4 * unit(kNoise, floorDiv(t, kNoiseSeconds));
    const std::int64_t burstSlot = floorDiv(t, kBurstSlotSeconds);
    const bool burst = unit(kBurst, burstSlot) < kBurstChance && t - burstSlot * kBurstSlotSeconds < kBurstSeconds;
    const double down = kPeakDownBytes * daily * noise * (burst ? kBurstFactor : 1.0);
    const double up = down * kUploadShare * (0.7 + 0.6 * unit(kUploadNoise, floorDiv(t, kNoiseSeconds)));
    return Speeds{static_cast<std::int64_t>(down), static_cast<std::int64_t>(up)};
}

int RouterTraffic::visitorsAt(std::int64_t t) const {
    return static_cast<int>(unit(kVisitors, floorDiv(t, kVisitorSlotSeconds)) * (kMaxVisitors + 1));
}

bool RouterTraffic::isVisitor(const ns::Value& device) {
    return device["endname"].stringValue().rfind("visitor-", 0) == 0;
}

void RouterTraffic::apply(EmulatedRouter& router, std::int64_t t) const {
    auto& m = router.model;
    const Speeds now = at(t);
    m.set("down_speed", now.down);
    m.set("up_speed", now.up);

    // The completed periods, then the period under way at its speed of the
    // moment, so that the history's end moves with the traffic.
    ns::Array samples;
    const std::int64_t last = floorDiv(t, kSampleSeconds) * kSampleSeconds;
    for (int i = kHistorySamples - 1; i >= 1; --i) samples.push_back(ns::Value(at(last - i * kSampleSeconds).down));
    samples.push_back(ns::Value(now.down));
    m.set("speed_samples", ns::Value(std::move(samples)));

    ns::Array devices;
    const ns::Value& current = m["devices"];
    for (std::size_t i = 0; i < current.count(); ++i)
        if (!isVisitor(current[i])) devices.push_back(current[i]);
    for (int v = 0; v < visitorsAt(t); ++v) {
        ns::Value visitor = EmulatedRouterModel::makeDevice(kFirstVisitorIndex + v);
        visitor.mutableDictionary().set("endname", "visitor-" + std::to_string(v + 1));
        devices.push_back(visitor);
    }
    m.set("devices", ns::Value(std::move(devices)));
}

}  // namespace emulator
