#include "platform/foundation/Timer.h"

#include <gtest/gtest.h>

#include "platform/foundation/Clock.h"
#include "platform/foundation/RunLoop.h"
#include "tests/support/Harness.h"

namespace {

using keelbox::test::advance;
using keelbox::test::drainMainLoop;

TEST(TimerTest, RepeatingTimerFiresOnItsGridUntilInvalidatedFromItsBlock) {
    const double start = ns::Clock::now();
    std::vector<double> fires;
    auto timer = ns::Timer::scheduledTimerWithTimeInterval(1.0, true, [&](std::shared_ptr<ns::Timer> t) {
        fires.push_back(ns::Clock::now() - start);
        if (fires.size() == 4) t->invalidate();
    });
    EXPECT_DOUBLE_EQ(timer->timeInterval(), 1.0);
    advance(3.5);
    EXPECT_EQ(fires, (std::vector<double>{1, 2, 3}));
    EXPECT_DOUBLE_EQ(timer->fireDate().timeIntervalSince1970() - start, 4.0);
    advance(10);
    EXPECT_EQ(fires.size(), 4u);
    EXPECT_FALSE(timer->isValid());
}

TEST(TimerTest, LateTurnFiresOnceAndKeepsTheSchedule) {
    const double start = ns::Clock::now();
    int fires = 0;
    auto timer = ns::Timer::scheduledTimerWithTimeInterval(1.0, true, [&](auto) { ++fires; });
    ns::Clock::moveVirtual(3.5);  // the loop did not turn for 3.5 s
    drainMainLoop();
    EXPECT_EQ(fires, 1);
    EXPECT_DOUBLE_EQ(timer->fireDate().timeIntervalSince1970() - start, 4.0);
    timer->invalidate();
}

TEST(TimerTest, ScheduledTimerKeepsItsTargetUntilInvalidated) {
    auto target = std::make_shared<ns::Object>();
    std::weak_ptr<ns::Object> weak = target;
    int fires = 0;
    auto timer = ns::Timer::scheduledTimerWithTimeInterval(
        1.0, target, [&](std::shared_ptr<ns::Timer> t) { fires += t->userInfo().intValue(); }, ns::Value(7), true);
    target.reset();
    advance(2);
    EXPECT_EQ(fires, 14);
    EXPECT_FALSE(weak.expired());
    timer->invalidate();
    EXPECT_TRUE(weak.expired());
    EXPECT_EQ(timer->target(), nullptr);
    advance(2);
    EXPECT_EQ(fires, 14);
}

TEST(TimerTest, OneShotFireSetFireDateAndUnscheduledTimers) {
    int fires = 0;
    auto unscheduled = ns::Timer::timerWithTimeInterval(1.0, false, [&](auto) { ++fires; });
    advance(2);
    EXPECT_EQ(fires, 0) << "a timer fires only once it is added to a loop";
    unscheduled->fire();  // fire() works unscheduled, and ends a one-shot timer
    EXPECT_EQ(fires, 1);
    EXPECT_FALSE(unscheduled->isValid());
    unscheduled->fire();
    EXPECT_EQ(fires, 1);

    auto moved = ns::Timer::scheduledTimerWithTimeInterval(1.0, false, [&](auto) { fires += 10; });
    moved->setFireDate(ns::Date::withTimeIntervalSinceNow(5.0));
    std::make_shared<ns::RunLoop>()->addTimer(moved, ns::kDefaultRunLoopMode);  // one loop only: refused
    advance(4.9);
    EXPECT_EQ(fires, 1);
    advance(0.1);
    EXPECT_EQ(fires, 11);

    auto atDate = ns::Timer::timerWithFireDate(ns::Date::withTimeIntervalSinceNow(3.0), 0, false,
                                               [&](auto) { fires += 100; });
    ns::RunLoop::main()->addTimer(atDate, ns::kRunLoopCommonModes);
    advance(3.0);
    EXPECT_EQ(fires, 111);
}

}  // namespace
