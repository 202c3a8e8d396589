#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

#include "core/app/TAVOBackgroundTaskMgr.h"
#include "platform/foundation/BlockOperation.h"
#include "platform/foundation/DispatchSemaphore.h"
#include "platform/foundation/OperationQueue.h"
#include "tests/support/Harness.h"

namespace {
std::shared_ptr<ui::Application> app() { return ui::Application::sharedApplication(); }

// Moves virtual time in small steps (the workers sleep on it) while pumping
// the main loop, until the predicate holds or five real seconds pass.
bool advanceUntil(const std::function<bool()>& predicate) {
    for (int i = 0; i < 100; ++i) {
        if (keelbox::test::runMainLoopUntil(predicate, 0.05)) return true;
        keelbox::test::advance(0.25);
    }
    return predicate();
}
}  // namespace

TEST(BackgroundTasks, TwoOperationsShareOneTaskThatEndsWhenBothFinished) {
    auto mgr = TAVOBackgroundTaskMgr::sharedInstance();
    std::atomic<int> done{0};
    std::atomic<bool> release{false};
    auto slow = ns::BlockOperation::create([&] {
        while (!release) std::this_thread::yield();
        ++done;
    });
    mgr->addOperation(slow);
    const auto task = mgr->backgroundTask();
    EXPECT_NE(task, ui::BackgroundTaskInvalid);
    mgr->addOperation(ns::BlockOperation::create([&] { ++done; }));
    EXPECT_EQ(mgr->backgroundTask(), task);
    EXPECT_EQ(app()->activeBackgroundTaskCount(), 1u);
    EXPECT_EQ(mgr->operationQueue()->name(), "600s-backgroundTask");

    advanceUntil([&] { return done == 1; });
    keelbox::test::advance(2.0);
    keelbox::test::runMainLoopUntil([] { return false; }, 0.2);
    EXPECT_EQ(app()->activeBackgroundTaskCount(), 1u) << "still waiting for the slow operation";
    release = true;
    EXPECT_TRUE(advanceUntil([&] { return app()->activeBackgroundTaskCount() == 0; }));
    EXPECT_EQ(done, 2);
    EXPECT_EQ(mgr->backgroundTask(), ui::BackgroundTaskInvalid);
}

TEST(BackgroundTasks, ARefusedTaskStillRunsTheWork) {
    app()->setGrantsBackgroundTasks(false);
    auto mgr = TAVOBackgroundTaskMgr::sharedInstance();
    std::atomic<bool> ran{false};
    mgr->addOperation(ns::BlockOperation::create([&] { ran = true; }));
    EXPECT_EQ(mgr->backgroundTask(), ui::BackgroundTaskInvalid);
    EXPECT_TRUE(keelbox::test::runMainLoopUntil([&] { return ran.load(); }, 5.0));
    app()->setGrantsBackgroundTasks(true);
}

TEST(BackgroundTasks, AStaleWorkerDoesNotEndANewerTask) {
    auto mgr = TAVOBackgroundTaskMgr::sharedInstance();
    std::atomic<int> done{0};
    mgr->addOperation(ns::BlockOperation::create([&] { ++done; }));
    const auto first = mgr->backgroundTask();
    // The platform's time runs out: the first task ends, its worker is still asleep.
    app()->expireBackgroundTasks();
    EXPECT_EQ(mgr->backgroundTask(), ui::BackgroundTaskInvalid);
    std::atomic<bool> release{false};
    mgr->addOperation(ns::BlockOperation::create([&] {
        while (!release) std::this_thread::yield();
        ++done;
    }));
    const auto second = mgr->backgroundTask();
    ASSERT_NE(second, ui::BackgroundTaskInvalid);
    EXPECT_NE(second, first);
    for (int i = 0; i < 8; ++i) {  // both workers wake
        keelbox::test::advance(0.25);
        keelbox::test::runMainLoopUntil([] { return false; }, 0.05);
    }
    EXPECT_EQ(mgr->backgroundTask(), second) << "the first worker must leave the second task alone";
    EXPECT_EQ(app()->activeBackgroundTaskCount(), 1u);
    release = true;
    EXPECT_TRUE(advanceUntil([&] { return app()->activeBackgroundTaskCount() == 0; }));
    EXPECT_EQ(done, 2);
}
