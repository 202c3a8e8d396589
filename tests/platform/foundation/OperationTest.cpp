#include "platform/foundation/OperationQueue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "platform/foundation/BlockOperation.h"
#include "platform/foundation/Thread.h"
#include "tests/support/Harness.h"

namespace {

using keelbox::test::drainMainLoop;
using keelbox::test::runMainLoopUntil;

// Starts, returns at once, and announces its finish later from a thread of
// its own, twice over (a sloppy subclass) to show the completion runs once.
class DetachedOperation : public ns::Operation {
public:
    static std::shared_ptr<DetachedOperation> create() {
        return std::shared_ptr<DetachedOperation>(new DetachedOperation());
    }
    bool isConcurrent() const override { return true; }
    void start() override {
        setExecuting(true);
        auto self = std::static_pointer_cast<DetachedOperation>(shared_from_this());
        std::thread([self] {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            self->finishedOn = std::this_thread::get_id();
            self->setExecuting(false);
            self->setFinished(true);
            self->setFinished(true);
            self->announcerDone = true;
        }).detach();
    }
    std::atomic<std::thread::id> finishedOn{};
    std::atomic<bool> announcerDone{false};
};

// Keeps its own finished flag and announces it by key, as subclasses that
// override the state accessors do.
class OwnStateOperation : public ns::Operation {
public:
    static std::shared_ptr<OwnStateOperation> create() {
        return std::shared_ptr<OwnStateOperation>(new OwnStateOperation());
    }
    bool isConcurrent() const override { return true; }
    bool isFinished() const override { return done; }
    void start() override {}
    void finish() {
        willChangeValueForKey(kIsFinished);
        done = true;
        didChangeValueForKey(kIsFinished);
    }
    std::atomic<bool> done{false};
};

TEST(OperationTest, ConcurrentOperationFinishingOnAWorkerRunsItsCompletionOnce) {
    auto queue = ns::OperationQueue::create();
    auto operation = DetachedOperation::create();
    std::atomic<int> completions{0};
    std::atomic<std::thread::id> completionOn{};
    operation->setCompletionBlock([&] {
        ++completions;
        completionOn = std::this_thread::get_id();
    });
    std::vector<std::string> keys;
    std::mutex keysMutex;
    operation->addChangeObserver([&](ns::Operation&, const std::string& key) {
        std::lock_guard<std::mutex> lock(keysMutex);
        keys.push_back(key);
    });
    queue->addOperation(operation);
    queue->waitUntilAllOperationsAreFinished();
    operation->waitUntilFinished();
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(completionOn.load(), operation->finishedOn.load());
    EXPECT_TRUE(operation->isFinished());
    EXPECT_FALSE(operation->isExecuting());
    EXPECT_EQ(queue->operationCount(), 0u);
    EXPECT_FALSE(operation->hasCompletionBlock()) << "released once run";
    ASSERT_TRUE(runMainLoopUntil([&] { return operation->announcerDone.load(); }, 5));
    EXPECT_EQ(completions, 1);
    std::lock_guard<std::mutex> lock(keysMutex);
    EXPECT_EQ(keys, (std::vector<std::string>{"isExecuting", "isExecuting", "isFinished", "isFinished"}));

    auto own = OwnStateOperation::create();
    std::atomic<int> ownCompletions{0};
    own->setCompletionBlock([&] { ++ownCompletions; });
    queue->addOperation(own);
    EXPECT_EQ(queue->operationCount(), 1u);
    std::thread([own] { own->finish(); }).join();
    own->finish();
    queue->waitUntilAllOperationsAreFinished();
    EXPECT_EQ(ownCompletions, 1);
}

TEST(OperationTest, DependenciesOrderOperationsAcrossQueues) {
    auto first = ns::OperationQueue::create();
    auto second = ns::OperationQueue::create();
    std::mutex mutex;
    std::vector<std::string> order;
    auto op = [&](const std::string& name) {
        return ns::BlockOperation::create([&, name] {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            std::lock_guard<std::mutex> lock(mutex);
            order.push_back(name);
        });
    };
    auto a = op("a"), b = op("b"), c = op("c"), d = op("d");
    d->addDependency(c);
    c->addDependency(b);
    b->addDependency(a);
    c->addDependency(a);
    EXPECT_FALSE(d->isReady());
    second->addOperation(d);
    first->addOperation(c);
    second->addOperation(b);
    first->addOperation(a);
    d->waitUntilFinished();
    EXPECT_EQ(order, (std::vector<std::string>{"a", "b", "c", "d"}));
}

TEST(OperationTest, PriorityConcurrencyLimitAndSuspension) {
    auto queue = ns::OperationQueue::create();
    queue->setMaxConcurrentOperationCount(2);
    queue->setSuspended(true);
    std::atomic<int> inside{0}, maxInside{0};
    std::mutex mutex;
    std::vector<int> order;
    std::vector<std::shared_ptr<ns::Operation>> ops;
    const ns::OperationQueuePriority priorities[] = {ns::OperationQueuePriority::Low, ns::OperationQueuePriority::Normal,
                                                     ns::OperationQueuePriority::VeryHigh,
                                                     ns::OperationQueuePriority::High};
    for (int i = 0; i < 4; ++i) {
        auto op = ns::BlockOperation::create([&, i] {
            int now = ++inside;
            maxInside = std::max(maxInside.load(), now);
            {
                std::lock_guard<std::mutex> lock(mutex);
                order.push_back(i);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            --inside;
        });
        op->setQueuePriority(priorities[i]);
        ops.push_back(op);
    }
    queue->addOperations(ops, false);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_TRUE(order.empty()) << "a suspended queue starts nothing";
    EXPECT_EQ(queue->operationCount(), 4u);
    queue->setMaxConcurrentOperationCount(1);
    queue->setSuspended(false);
    queue->waitUntilAllOperationsAreFinished();
    EXPECT_EQ(order, (std::vector<int>{2, 3, 1, 0}));
    EXPECT_EQ(maxInside, 1);
}

TEST(OperationTest, CancelAllFinishesWithoutRunningTheWork) {
    auto queue = ns::OperationQueue::create();
    queue->setSuspended(true);
    std::atomic<int> ran{0}, completions{0};
    auto blocker = ns::Operation::create();  // never added: keeps a dependent waiting
    for (int i = 0; i < 3; ++i) {
        auto op = ns::BlockOperation::create([&] { ++ran; });
        op->setCompletionBlock([&] { ++completions; });
        if (i == 0) op->addDependency(blocker);
        queue->addOperation(op);
    }
    queue->cancelAllOperations();
    for (auto& op : queue->operations()) EXPECT_TRUE(op->isCancelled() && op->isReady());
    queue->setSuspended(false);
    queue->waitUntilAllOperationsAreFinished();
    EXPECT_EQ(ran, 0);
    EXPECT_EQ(completions, 3);

    // An operation joins one queue only.
    auto op = ns::BlockOperation::create([&] { ++ran; });
    queue->addOperation(op);
    queue->addOperation(op);
    queue->waitUntilAllOperationsAreFinished();
    EXPECT_EQ(ran, 1);
}

TEST(OperationTest, MainQueueRunsOnTheMainLoopOnALaterTurn) {
    auto main = ns::OperationQueue::mainQueue();
    EXPECT_EQ(ns::OperationQueue::currentQueue(), main);
    std::vector<int> order;
    auto blockOp = ns::BlockOperation::create([&] { order.push_back(1); });
    blockOp->addExecutionBlock([&] { order.push_back(2); });
    main->addOperation(blockOp);
    main->addOperationWithBlock([&] {
        order.push_back(ns::Thread::isMainThread() && ns::OperationQueue::currentQueue() == ns::OperationQueue::mainQueue() ? 3 : -3);
    });
    EXPECT_TRUE(order.empty());
    drainMainLoop();
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));

    // Waiting on the main thread for main-queue work runs the loop rather than blocking it.
    main->addOperations({ns::BlockOperation::create([&] { order.push_back(4); })}, true);
    EXPECT_EQ(order.back(), 4);

    std::atomic<bool> fromWorker{false};
    std::thread([&] { main->addOperationWithBlock([&] { fromWorker = ns::Thread::isMainThread(); }); }).join();
    EXPECT_TRUE(runMainLoopUntil([&] { return fromWorker.load(); }, 5));
}

}  // namespace
