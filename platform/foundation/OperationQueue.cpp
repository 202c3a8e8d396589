#include "platform/foundation/OperationQueue.h"

#include <algorithm>
#include <climits>

#include "platform/foundation/BlockOperation.h"
#include "platform/foundation/Date.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/Singleton.h"
#include "platform/foundation/Thread.h"
#include "platform/foundation/WorkerPool.h"

namespace ns {

namespace {

thread_local std::weak_ptr<OperationQueue> tCurrentQueue;

struct CurrentQueueScope {
    std::weak_ptr<OperationQueue> saved;
    explicit CurrentQueueScope(std::weak_ptr<OperationQueue> q) : saved(tCurrentQueue) { tCurrentQueue = std::move(q); }
    ~CurrentQueueScope() { tCurrentQueue = saved; }
};

struct MainQueueHolder {
    std::mutex mutex;
    std::shared_ptr<OperationQueue> queue;
};
MainQueueHolder& mainQueueHolder() {
    static auto* h = new MainQueueHolder;
    return *h;
}

// Keeps `predicate` waiting without blocking the main loop it may depend on.
void pumpMainLoopUntil(const std::function<bool()>& predicate) {
    while (!predicate()) {
        RunLoop::main()->runMode(kDefaultRunLoopMode, Date::withTimeIntervalSinceNow(0.01));
    }
}

}  // namespace

std::shared_ptr<OperationQueue> OperationQueue::create() {
    return std::shared_ptr<OperationQueue>(new OperationQueue());
}

std::shared_ptr<OperationQueue> OperationQueue::mainQueue() {
    static const bool registered = [] {
        onTestReset([] {
            std::shared_ptr<OperationQueue> old;
            auto& h = mainQueueHolder();
            std::lock_guard<std::mutex> lock(h.mutex);
            old.swap(h.queue);
        });
        return true;
    }();
    (void)registered;
    auto& h = mainQueueHolder();
    std::lock_guard<std::mutex> lock(h.mutex);
    if (!h.queue) {
        h.queue = create();
        h.queue->isMain_ = true;
        h.queue->maxConcurrent_ = 1;
        h.queue->name_ = "NSOperationQueue Main Queue";
    }
    return h.queue;
}

std::shared_ptr<OperationQueue> OperationQueue::currentQueue() {
    if (auto q = tCurrentQueue.lock()) return q;
    if (Thread::isMainThread()) return mainQueue();
    return nullptr;
}

void OperationQueue::addOperation(const std::shared_ptr<Operation>& operation) {
    if (!operation) return;
    auto self = std::static_pointer_cast<OperationQueue>(shared_from_this());
    if (!operation->attachToQueue(self)) {
        logWarning("OperationQueue: operation already queued, running or finished; ignored");
        return;
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        operations_.push_back(operation);
    }
    schedule();
}

void OperationQueue::addOperations(const std::vector<std::shared_ptr<Operation>>& operations,
                                   bool waitUntilFinished) {
    for (const auto& operation : operations) addOperation(operation);
    if (!waitUntilFinished) return;
    for (const auto& operation : operations) {
        if (operation) waitForOperation(operation, isMain_);
    }
}

void OperationQueue::addOperationWithBlock(std::function<void()> block) {
    if (!block) return;
    addOperation(BlockOperation::create(std::move(block)));
}

void OperationQueue::waitForOperation(const std::shared_ptr<Operation>& operation, bool onMainQueue) {
    if (onMainQueue && Thread::isMainThread()) {
        pumpMainLoopUntil([&] { return operation->isFinished(); });
    }
    operation->waitUntilFinished();
}

std::vector<std::shared_ptr<Operation>> OperationQueue::operations() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return operations_;
}

std::size_t OperationQueue::operationCount() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return operations_.size();
}

void OperationQueue::setMaxConcurrentOperationCount(int count) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (isMain_) return;  // the main queue runs one at a time
        maxConcurrent_ = count;
    }
    schedule();
}

int OperationQueue::maxConcurrentOperationCount() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return maxConcurrent_;
}

void OperationQueue::setSuspended(bool suspended) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        suspended_ = suspended;
    }
    if (!suspended) schedule();
}

bool OperationQueue::isSuspended() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return suspended_;
}

void OperationQueue::setName(std::string name) {
    std::lock_guard<std::mutex> lock(mutex_);
    name_ = std::move(name);
}

std::string OperationQueue::name() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return name_;
}

void OperationQueue::cancelAllOperations() {
    for (const auto& operation : operations()) operation->cancel();
}

void OperationQueue::waitUntilAllOperationsAreFinished() {
    if (isMain_ && Thread::isMainThread()) {
        pumpMainLoopUntil([&] { return operationCount() == 0; });
        return;
    }
    std::unique_lock<std::mutex> lock(mutex_);
    emptied_.wait(lock, [&] { return operations_.empty(); });
}

void OperationQueue::schedule() {
    std::vector<std::shared_ptr<Operation>> toStart;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (suspended_) return;
        const int limit = maxConcurrent_ < 0 ? INT_MAX : maxConcurrent_;
        if (running_ >= limit) return;
        std::vector<std::shared_ptr<Operation>> ready;
        for (const auto& operation : operations_) {
            if (!started_.count(operation.get()) && operation->isReady()) ready.push_back(operation);
        }
        std::stable_sort(ready.begin(), ready.end(), [](const auto& a, const auto& b) {
            return static_cast<int>(a->queuePriority()) > static_cast<int>(b->queuePriority());
        });
        for (auto& operation : ready) {
            if (running_ >= limit) break;
            started_.insert(operation.get());
            ++running_;
            toStart.push_back(std::move(operation));
        }
    }
    for (const auto& operation : toStart) startOperation(operation);
}

void OperationQueue::startOperation(const std::shared_ptr<Operation>& operation) {
    std::weak_ptr<OperationQueue> weakQueue = std::static_pointer_cast<OperationQueue>(shared_from_this());
    auto run = [operation, weakQueue] {
        CurrentQueueScope scope(weakQueue);
        operation->start();
    };
    if (isMain_) {
        RunLoop::main()->perform(std::move(run));
    } else {
        WorkerPool::submit(std::move(run));
    }
}

void OperationQueue::operationFinished(const Operation* operation) {
    std::shared_ptr<Operation> released;  // let go of outside the lock
    {
        std::lock_guard<std::mutex> lock(mutex_);
        auto it = std::find_if(operations_.begin(), operations_.end(),
                               [&](const auto& o) { return o.get() == operation; });
        if (it == operations_.end()) return;
        released = std::move(*it);
        operations_.erase(it);
        if (started_.erase(operation)) --running_;
    }
    emptied_.notify_all();
    schedule();
}

}  // namespace ns
