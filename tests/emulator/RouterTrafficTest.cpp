// The emulated router's moving traffic: fixed by seed and time, shaped by
// the hour with bursts, a history and visitors that replace (not pile on)
// what the last call left, and the status that reports them.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "emulator/EmulatedRouterAPI.h"
#include "emulator/EmulatedRouterModel.h"
#include "emulator/RouterTraffic.h"

namespace {

using emulator::RouterTraffic;

constexpr std::int64_t kMidnight = 1796083200;  // a day's start, UTC

double meanDown(const RouterTraffic& traffic, std::int64_t from, std::int64_t seconds) {
    double sum = 0;
    int n = 0;
    for (std::int64_t t = from; t < from + seconds; t += 7, ++n) sum += static_cast<double>(traffic.at(t).down);
    return sum / n;
}

TEST(RouterTraffic, TheSameSeedAndTimeGiveTheSameFiguresAndTheEveningIsBusiest) {
    const RouterTraffic a(7), b(7), c(8);
    int differing = 0;
    for (std::int64_t t = kMidnight; t < kMidnight + 3600; t += 13) {
        EXPECT_EQ(a.at(t).down, b.at(t).down);
        EXPECT_EQ(a.visitorsAt(t), b.visitorsAt(t));
        differing += a.at(t).down != c.at(t).down;
        EXPECT_LT(a.at(t).up, a.at(t).down);
        EXPECT_GE(a.visitorsAt(t), 0);
        EXPECT_LE(a.visitorsAt(t), RouterTraffic::kMaxVisitors);
    }
    EXPECT_GT(differing, 200);
    const double evening = meanDown(a, kMidnight + 21 * 3600 - 1800, 3600);
    const double morning = meanDown(a, kMidnight + 9 * 3600 - 1800, 3600);
    EXPECT_GT(evening, 4 * morning);

    // Somewhere in a day a burst lifts the speed well above the minute before.
    bool burst = false;
    for (std::int64_t t = kMidnight + 120; t < kMidnight + 24 * 3600 && !burst; t += 60)
        burst = a.at(t).down > 2 * a.at(t - 90).down;
    EXPECT_TRUE(burst);
}

TEST(RouterTraffic, ApplyingReplacesTheHistoryAndTheVisitorsOfTheLastCall) {
    const RouterTraffic traffic(3);
    auto router = emulator::EmulatedRouterModel::makeRouter("R9", "AA:BB:CC:00:00:09", 4);
    // Two times ten minutes apart whose visitor counts differ.
    std::int64_t t1 = kMidnight, t2 = t1 + 600;
    while (traffic.visitorsAt(t1) == traffic.visitorsAt(t2)) t1 += 600, t2 += 600;
    for (std::int64_t t : {t1, t2}) {
        traffic.apply(router, t);
        const ns::Value& devices = router.model["devices"];
        int visitors = 0;
        for (std::size_t i = 0; i < devices.count(); ++i) visitors += RouterTraffic::isVisitor(devices[i]);
        EXPECT_EQ(visitors, traffic.visitorsAt(t));
        EXPECT_EQ(devices.count(), 4u + static_cast<std::size_t>(visitors));
        const ns::Value& samples = router.model["speed_samples"];
        ASSERT_EQ(samples.count(), static_cast<std::size_t>(RouterTraffic::kHistorySamples));
        const std::int64_t last = t / RouterTraffic::kSampleSeconds * RouterTraffic::kSampleSeconds;
        EXPECT_EQ(samples[samples.count() - 2].integerValue(),
                  traffic.at(last - RouterTraffic::kSampleSeconds).down);
        EXPECT_EQ(samples[samples.count() - 1].integerValue(), traffic.at(t).down) << "the period under way";
        EXPECT_EQ(router.model["down_speed"].integerValue(), traffic.at(t).down);
    }
}

TEST(RouterTraffic, TheStatusOfARouterWithTrafficReportsTheSpeedOfTheMoment) {
    auto state = emulator::EmulatorState::create();
    auto router = emulator::EmulatedRouterModel::makeRouter("R9", "AA:BB:CC:00:00:09", 2);
    router.trafficSeed = 11;
    state->addRouter(router);
    const RouterTraffic traffic(11);
    const auto now = [] {
        return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch()).count();
    };
    const std::int64_t before = now();
    const auto result = emulator::EmulatedRouterAPI::call(*state, "R9", "router.getRouterInfo", {});
    const std::int64_t after = now();
    ASSERT_EQ(result.errcode, 0);
    const std::string reported = result.vdata["station_info"]["all_downspeed"].stringValue();
    bool matches = false;
    for (std::int64_t t = before; t <= after; ++t) matches = matches || reported == std::to_string(traffic.at(t).down);
    EXPECT_TRUE(matches) << reported;

    // Without a seed the resting figures stay.
    state->addRouter(emulator::EmulatedRouterModel::makeRouter("R8", "AA:BB:CC:00:00:08", 2));
    EXPECT_EQ(emulator::EmulatedRouterAPI::call(*state, "R8", "router.getRouterInfo", {}).vdata["station_info"]["all_downspeed"].stringValue(),
              "20480");
}

}  // namespace
