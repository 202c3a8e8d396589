#include "platform/foundation/RunLoop.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "platform/foundation/Clock.h"
#include "platform/foundation/Dispatch.h"
#include "platform/foundation/Perform.h"
#include "platform/foundation/Thread.h"
#include "platform/foundation/Timer.h"
#include "tests/support/Harness.h"

namespace {

using keelbox::test::advance;
using keelbox::test::drainMainLoop;
using keelbox::test::runMainLoopUntil;

struct Recorder {
    double start = ns::Clock::now();
    std::vector<std::pair<std::string, double>> events;
    void operator()(const std::string& what) { events.emplace_back(what, ns::Clock::now() - start); }
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (auto& e : events) out.push_back(e.first);
        return out;
    }
};

TEST(RunLoopTest, MainQueueIsFifoAndNeverRunsInsideTheCaller) {
    std::vector<int> order;
    auto main = dispatch::Queue::main();
    main->async([&] {
        order.push_back(1);
        main->async([&] { order.push_back(4); });
        EXPECT_EQ(order.size(), 1u) << "a block posted from a block runs on a later turn";
    });
    main->async([&] { order.push_back(2); });
    ns::RunLoop::main()->perform([&] { order.push_back(3); });
    EXPECT_TRUE(order.empty());
    drainMainLoop();
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3, 4}));
}

TEST(RunLoopTest, TimerMainQueueAndCrossThreadPerformFireInOrderUnderAdvance) {
    Recorder rec;
    auto target = std::make_shared<ns::Object>();
    auto timer = ns::Timer::scheduledTimerWithTimeInterval(5.0, false, [&](auto) {
        rec("timer");
        dispatch::Queue::main()->async([&] { rec("posted by timer"); });
    });
    ns::performAfterDelay(target, "refresh", 3.0, [&] { rec("delayed perform"); });
    dispatch::after(2.0, dispatch::Queue::main(), [&] { rec("after"); });
    dispatch::Queue::main()->async([&] { rec("main queue"); });
    auto worker = ns::Thread::detachNewThread([&] {
        ns::performOnMainThread([&] { rec(ns::Thread::isMainThread() ? "cross-thread" : "wrong thread"); }, false);
    });
    ASSERT_TRUE(worker->waitUntilFinished(5.0));
    EXPECT_TRUE(rec.events.empty());

    advance(4.9);
    EXPECT_EQ(rec.names(), (std::vector<std::string>{"main queue", "cross-thread", "after", "delayed perform"}));
    advance(0.1);
    ASSERT_EQ(rec.names(), (std::vector<std::string>{"main queue", "cross-thread", "after", "delayed perform", "timer",
                                                     "posted by timer"}));
    EXPECT_DOUBLE_EQ(rec.events[2].second, 2.0);
    EXPECT_DOUBLE_EQ(rec.events[3].second, 3.0);
    EXPECT_DOUBLE_EQ(rec.events[4].second, 5.0);
    EXPECT_DOUBLE_EQ(rec.events[5].second, 5.0);
    EXPECT_FALSE(timer->isValid());
}

TEST(RunLoopTest, ModesSelectWhatATurnRuns) {
    std::vector<std::string> ran;
    auto loop = ns::RunLoop::main();
    loop->perform([&] { ran.push_back("tracking only"); }, {ns::kTrackingRunLoopMode});
    loop->perform([&] { ran.push_back("common"); });
    loop->perform([&] { ran.push_back("default only"); }, {ns::kDefaultRunLoopMode});
    EXPECT_TRUE(loop->runMode(ns::kTrackingRunLoopMode, ns::Date::distantPast()));
    EXPECT_EQ(ran, (std::vector<std::string>{"tracking only", "common"}));
    drainMainLoop();
    EXPECT_EQ(ran.back(), "default only");
    EXPECT_FALSE(loop->runMode(ns::kDefaultRunLoopMode, ns::Date::distantPast()));
}

TEST(RunLoopTest, RunUntilDateAndStopReturnWithAVirtualClock) {
    auto loop = ns::RunLoop::main();
    // Nobody moves virtual time here: the wait ends after the same span of real time.
    loop->runUntilDate(ns::Date::withTimeIntervalSinceNow(0.05));
    int ran = 0;
    loop->perform([&] {
        ++ran;
        loop->stop();
    });
    loop->run();
    EXPECT_EQ(ran, 1);
}

TEST(RunLoopTest, WorkerThreadRunLoopRunsPerformsAndTimers) {
    std::atomic<bool> stop{false};
    auto worker = ns::Thread::create([&] {
        while (!stop) ns::RunLoop::current()->runMode(ns::kDefaultRunLoopMode, ns::Date::distantFuture());
    });
    worker->setName("worker");
    worker->start();

    std::atomic<int> performs{0}, timerFires{0};
    std::atomic<bool> onWorker{true};
    ns::performOnThread(worker, [&] {
        onWorker = onWorker && ns::Thread::currentThread() == worker;
        ++performs;
    }, true);
    EXPECT_EQ(performs, 1);

    auto timer = ns::Timer::timerWithTimeInterval(1.0, true, [&](auto) {
        onWorker = onWorker && ns::Thread::currentThread() == worker && !ns::Thread::isMainThread();
        ++timerFires;
    });
    worker->runLoop()->addTimer(timer, ns::kDefaultRunLoopMode);
    advance(0.5);
    EXPECT_EQ(timerFires, 0);
    advance(2.5);
    EXPECT_TRUE(runMainLoopUntil([&] { return timerFires == 3; }, 5.0)) << timerFires;
    timer->invalidate();
    EXPECT_TRUE(onWorker);

    ns::performOnThread(worker, [&] { stop = true; }, false);
    EXPECT_TRUE(worker->waitUntilFinished(5.0));
}

TEST(RunLoopTest, LeftoverWorkIsDroppedWhenTheMainLoopIsReset) {
    bool ran = false;
    auto old = ns::RunLoop::main();
    old->perform([&] { ran = true; });
    ns::Timer::scheduledTimerWithTimeInterval(1.0, false, [&](auto) { ran = true; });
    ns::RunLoop::resetMainForTesting();
    EXPECT_FALSE(old->perform([&] { ran = true; }));
    EXPECT_NE(ns::RunLoop::main(), old);
    advance(2.0);
    EXPECT_FALSE(ran);
}

}  // namespace
