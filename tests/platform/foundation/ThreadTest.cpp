#include "platform/foundation/Thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>

#include "platform/foundation/Clock.h"
#include "platform/foundation/Perform.h"
#include "platform/foundation/RunLoop.h"
#include "tests/support/Harness.h"

namespace {

using keelbox::test::advance;
using keelbox::test::runMainLoopUntil;

TEST(ThreadTest, AStartedThreadHasItsNameAndItsOwnRunLoop) {
    EXPECT_TRUE(ns::Thread::isMainThread());
    EXPECT_EQ(ns::Thread::currentThread(), ns::Thread::mainThread());
    EXPECT_TRUE(ns::Thread::mainThread()->isMain());
    EXPECT_EQ(ns::Thread::mainThread()->runLoop(), ns::RunLoop::main());

    std::atomic<bool> sawItself{false};
    std::shared_ptr<ns::Thread> thread;
    thread = ns::Thread::create([&] {
        sawItself = ns::Thread::currentThread() == thread && !ns::Thread::isMainThread() &&
                    ns::RunLoop::current() == thread->runLoop() && ns::RunLoop::current() != ns::RunLoop::main() &&
                    thread->isExecuting() && ns::Thread::currentThread()->name() == "loader";
    });
    thread->setName("loader");
    EXPECT_FALSE(thread->isExecuting());
    thread->start();
    ASSERT_TRUE(thread->waitUntilFinished(5));
    EXPECT_TRUE(sawItself);
    EXPECT_TRUE(thread->isFinished());
    EXPECT_FALSE(thread->isExecuting());

    // Nothing will ever run on a finished thread's loop: no waiting for it.
    bool ran = false;
    ns::performOnThread(thread, [&] { ran = true; }, true);
    EXPECT_FALSE(ran);
}

TEST(ThreadTest, SleepFollowsTheVirtualClock) {
    std::atomic<bool> woke{false};
    auto sleeper = ns::Thread::detachNewThread([&] {
        ns::Thread::sleepForTimeInterval(10);
        woke = true;
    });
    const double start = ns::Clock::now();
    ASSERT_TRUE(runMainLoopUntil([&] { return std::isfinite(ns::Thread::nextSleeperWakeAfter(start)); }, 5));
    advance(9.9);
    EXPECT_FALSE(runMainLoopUntil([&] { return woke.load(); }, 0.05));
    advance(0.1);
    EXPECT_TRUE(runMainLoopUntil([&] { return woke.load(); }, 5));
    EXPECT_TRUE(sleeper->waitUntilFinished(5));

    // The main thread is the one that would move virtual time: it moves it.
    const double before = ns::Clock::now();
    ns::Thread::sleepForTimeInterval(3);
    EXPECT_DOUBLE_EQ(ns::Clock::now() - before, 3.0);
}

}  // namespace
