#include "platform/foundation/Perform.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "platform/foundation/Thread.h"
#include "tests/support/Harness.h"

namespace {

using keelbox::test::advance;
using keelbox::test::drainMainLoop;
using keelbox::test::runMainLoopUntil;

TEST(PerformTest, CancelMatchesTargetNameAndArgument) {
    auto target = std::make_shared<ns::Object>();
    auto other = std::make_shared<ns::Object>();
    std::vector<std::string> ran;
    auto schedule = [&] {
        ran.clear();
        ns::performAfterDelay(target, "refresh", 1, [&] { ran.push_back("refresh nil"); });
        ns::performAfterDelay(target, "refresh", 1, [&] { ran.push_back("refresh 1"); }, ns::Value(1));
        ns::performAfterDelay(target, "reload", 1, [&] { ran.push_back("reload"); });
        ns::performAfterDelay(other, "refresh", 1, [&] { ran.push_back("other"); });
    };
    struct Case {
        const char* label;
        std::function<void()> cancel;
        std::vector<std::string> expected;
    };
    std::vector<Case> cases = {
        {"nothing cancelled", [] {}, {"refresh nil", "refresh 1", "reload", "other"}},
        {"name and nil argument",
         [&] { ns::cancelPreviousPerformRequests(target, "refresh"); },
         {"refresh 1", "reload", "other"}},
        {"name and equal argument",
         [&] { ns::cancelPreviousPerformRequests(target, "refresh", ns::Value(1.0)); },
         {"refresh nil", "reload", "other"}},
        {"unknown name", [&] { ns::cancelPreviousPerformRequests(target, "nope"); },
         {"refresh nil", "refresh 1", "reload", "other"}},
        {"whole target", [&] { ns::cancelPreviousPerformRequests(target); }, {"other"}},
    };
    for (auto& c : cases) {
        schedule();
        c.cancel();
        advance(1);
        EXPECT_EQ(ran, c.expected) << c.label;
    }
}

TEST(PerformTest, PendingPerformKeepsItsTargetAliveAndCancelReleasesIt) {
    auto target = std::make_shared<ns::Object>();
    std::weak_ptr<ns::Object> weak = target;
    bool ran = false;
    ns::performAfterDelay(target, "tick", 2, [&] { ran = true; });
    target.reset();
    advance(1);
    EXPECT_FALSE(weak.expired()) << "a pending perform retains its target, as on the platform";
    ns::cancelPreviousPerformRequests(weak.lock());
    EXPECT_TRUE(weak.expired());
    advance(5);
    EXPECT_FALSE(ran);

    // Once run, the request lets go of its target too.
    target = std::make_shared<ns::Object>();
    weak = target;
    ns::performAfterDelay(target, "tick", 0, [&] { ran = true; });
    target.reset();
    EXPECT_FALSE(ran) << "even a zero delay runs on a later turn";
    drainMainLoop();
    EXPECT_TRUE(ran);
    EXPECT_TRUE(weak.expired());
}

TEST(PerformTest, CancelFromAnotherThreadLeavesTheMainThreadsRequests) {
    auto target = std::make_shared<ns::Object>();
    bool ran = false;
    ns::performAfterDelay(target, "tick", 1, [&] { ran = true; });
    auto worker = ns::Thread::detachNewThread([&] { ns::cancelPreviousPerformRequests(target); });
    ASSERT_TRUE(worker->waitUntilFinished(5));
    advance(1);
    EXPECT_TRUE(ran);
}

TEST(PerformTest, PerformOnMainThreadWaitingFromAWorker) {
    std::atomic<bool> ranOnMain{false}, workerResumed{false};
    auto worker = ns::Thread::detachNewThread([&] {
        ns::performOnMainThread([&] { ranOnMain = ns::Thread::isMainThread(); }, true);
        workerResumed = ranOnMain.load();
    });
    EXPECT_TRUE(runMainLoopUntil([&] { return workerResumed.load(); }, 5));
    EXPECT_TRUE(worker->waitUntilFinished(5));

    // Waiting on the main thread itself runs the block at once.
    bool inline_ = false;
    ns::performOnMainThread([&] { inline_ = true; }, true);
    EXPECT_TRUE(inline_);
}

TEST(PerformTest, PerformInBackgroundRunsOffTheMainThread) {
    std::atomic<int> state{0};
    ns::performInBackground([&] { state = ns::Thread::isMainThread() ? 1 : 2; });
    EXPECT_TRUE(runMainLoopUntil([&] { return state != 0; }, 5));
    EXPECT_EQ(state, 2);
}

}  // namespace
