#include "platform/foundation/Dispatch.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "platform/foundation/Clock.h"
#include "platform/foundation/Singleton.h"
#include "platform/foundation/Thread.h"
#include "tests/support/Harness.h"

namespace {

using keelbox::test::advance;
using keelbox::test::runMainLoopUntil;

TEST(DispatchTest, SerialQueueRunsInOrderOneAtATimeAndKnowsItsLabel) {
    auto queue = dispatch::Queue::create("com.keelbox.test.serial");
    std::mutex mutex;
    std::vector<int> order;
    std::atomic<int> inside{0}, maxInside{0};
    for (int i = 0; i < 50; ++i) {
        queue->async([&, i] {
            int now = ++inside;
            maxInside = std::max(maxInside.load(), now);
            {
                std::lock_guard<std::mutex> lock(mutex);
                order.push_back(i);
            }
            --inside;
        });
    }
    std::string label;
    queue->sync([&] { label = dispatch::currentQueueLabel(); });
    EXPECT_EQ(label, "com.keelbox.test.serial");
    EXPECT_EQ(order.size(), 50u);
    for (int i = 0; i < 50; ++i) EXPECT_EQ(order[i], i);
    EXPECT_EQ(maxInside, 1);
    EXPECT_EQ(dispatch::currentQueueLabel(), dispatch::Queue::kMainQueueLabel);

    // sync onto the queue one is running on would deadlock on the platform.
    bool nested = false;
    queue->sync([&] { queue->sync([&] { nested = true; }); });
    EXPECT_TRUE(nested);
}

TEST(DispatchTest, BarrierRunsAloneBetweenEarlierAndLaterBlocks) {
    auto queue = dispatch::Queue::create("com.keelbox.test.concurrent", dispatch::QueueAttribute::Concurrent);
    std::atomic<int> running{0}, before{0}, after{0};
    std::atomic<bool> barrierAlone{false}, laterSawBarrier{true};
    std::atomic<bool> barrierDone{false};
    auto gate = dispatch::Semaphore::create(0);
    for (int i = 0; i < 4; ++i) {
        queue->async([&] {
            ++running;
            gate->wait(5);  // all four are in flight together
            ++before;
            --running;
        });
    }
    queue->barrierAsync([&] {
        barrierAlone = running == 0 && before == 4;
        barrierDone = true;
    });
    for (int i = 0; i < 4; ++i) {
        queue->async([&] {
            if (!barrierDone) laterSawBarrier = false;
            ++after;
        });
    }
    EXPECT_TRUE(runMainLoopUntil([&] { return running == 4; }, 5)) << "concurrent blocks run together";
    for (int i = 0; i < 4; ++i) gate->signal();
    queue->barrierSync([] {});
    EXPECT_TRUE(runMainLoopUntil([&] { return after == 4; }, 5));
    EXPECT_TRUE(barrierAlone);
    EXPECT_TRUE(laterSawBarrier);
}

TEST(DispatchTest, GroupNotifiesTheMainQueueAndWaitsWithATimeout) {
    auto group = dispatch::Group::create();
    std::atomic<int> done{0};
    for (int i = 0; i < 3; ++i) group->async(dispatch::Queue::global(), [&] { ++done; });
    EXPECT_TRUE(group->wait(5));
    EXPECT_EQ(done, 3);

    bool notified = false;
    group->enter();
    group->notify(dispatch::Queue::main(), [&] { notified = ns::Thread::isMainThread(); });
    EXPECT_FALSE(group->wait(0.02));
    std::thread([&] { group->leave(); }).join();
    EXPECT_TRUE(group->wait(0));
    EXPECT_FALSE(notified) << "notify goes through the main queue, on a later turn";
    EXPECT_TRUE(runMainLoopUntil([&] { return notified; }, 5));
    group->leave();  // unbalanced: ignored, not a crash
    EXPECT_TRUE(group->wait(0));
}

TEST(DispatchTest, SemaphoreSignalAndTimedWait) {
    auto semaphore = dispatch::Semaphore::create(0);
    EXPECT_FALSE(semaphore->wait(0.02));
    std::thread signaller([&] { semaphore->signal(); });
    EXPECT_TRUE(semaphore->wait(5));
    signaller.join();
    auto counted = dispatch::Semaphore::create(2);
    EXPECT_TRUE(counted->wait(0));
    EXPECT_TRUE(counted->wait(0));
    EXPECT_FALSE(counted->wait(0));
}

TEST(DispatchTest, OnceRunsOnceAcrossThreads) {
    dispatch::OnceFlag flag;
    std::atomic<int> calls{0};
    std::vector<std::thread> threads;
    for (int i = 0; i < 8; ++i) threads.emplace_back([&] { dispatch::once(flag, [&] { ++calls; }); });
    for (auto& t : threads) t.join();
    EXPECT_EQ(calls, 1);
}

TEST(DispatchTest, AfterFollowsTheVirtualClock) {
    const double start = ns::Clock::now();
    double mainAt = -1;
    std::atomic<bool> globalRan{false};
    dispatch::after(2.0, dispatch::Queue::main(), [&] { mainAt = ns::Clock::now() - start; });
    dispatch::after(1.0, dispatch::Queue::global(), [&] { globalRan = true; });
    advance(0.9);
    EXPECT_FALSE(runMainLoopUntil([&] { return globalRan.load(); }, 0.05));
    advance(0.1);
    EXPECT_TRUE(runMainLoopUntil([&] { return globalRan.load(); }, 5));
    EXPECT_LT(mainAt, 0);
    advance(1.0);
    EXPECT_DOUBLE_EQ(mainAt, 2.0);
}

TEST(DispatchTest, MainQueueSyncFromAWorkerWaitsForTheMainLoop) {
    std::atomic<bool> finished{false};
    std::atomic<bool> ranOnMain{false};
    std::thread worker([&] {
        dispatch::Queue::main()->sync([&] { ranOnMain = ns::Thread::isMainThread(); });
        finished = true;
    });
    EXPECT_TRUE(runMainLoopUntil([&] { return finished.load(); }, 5));
    worker.join();
    EXPECT_TRUE(ranOnMain);
}

TEST(DispatchTest, LeftoverAfterTimersAreCancelledWhenATestEnds) {
    std::atomic<bool> ran{false};
    dispatch::after(1, dispatch::Queue::global(), [&] { ran = true; });
    ns::resetSingletonsForTesting();  // what the harness does between tests
    advance(2);
    EXPECT_FALSE(runMainLoopUntil([&] { return ran.load(); }, 0.05));
}

}  // namespace
