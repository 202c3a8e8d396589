#include "platform/foundation/Operation.h"

#include <algorithm>

#include "platform/foundation/OperationQueue.h"

namespace ns {

Operation::~Operation() = default;

void Operation::start() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (finished_ || executing_) return;
    }
    if (isCancelled()) {
        setFinished(true);
        return;
    }
    setExecuting(true);
    main();
    willChangeValueForKey(kIsExecuting);
    willChangeValueForKey(kIsFinished);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        executing_ = false;
        finished_ = true;
    }
    didChangeValueForKey(kIsExecuting);
    didChangeValueForKey(kIsFinished);
}

void Operation::cancel() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (cancelled_ || finished_) return;
    }
    willChangeValueForKey(kIsCancelled);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        cancelled_ = true;
    }
    didChangeValueForKey(kIsCancelled);
    // A cancelled operation is ready at once, so that a queue can finish it.
    didChangeValueForKey(kIsReady);
}

bool Operation::isReady() const {
    std::vector<std::shared_ptr<Operation>> dependencies;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (cancelled_) return true;
        dependencies = dependencies_;
    }
    return std::all_of(dependencies.begin(), dependencies.end(), [](const auto& d) { return d->isFinished(); });
}

bool Operation::isExecuting() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return executing_;
}

bool Operation::isFinished() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return finished_;
}

bool Operation::isCancelled() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return cancelled_;
}

void Operation::addDependency(const std::shared_ptr<Operation>& operation) {
    if (!operation || operation.get() == this) return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (std::find(dependencies_.begin(), dependencies_.end(), operation) != dependencies_.end()) return;
        dependencies_.push_back(operation);
    }
    {
        std::lock_guard<std::mutex> lock(operation->mutex_);
        operation->dependents_.push_back(weakSelf<Operation>());
    }
    // The dependency may have finished meanwhile; re-announce readiness.
    if (operation->isFinished()) didChangeValueForKey(kIsReady);
}

void Operation::removeDependency(const std::shared_ptr<Operation>& operation) {
    if (!operation) return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        dependencies_.erase(std::remove(dependencies_.begin(), dependencies_.end(), operation), dependencies_.end());
    }
    didChangeValueForKey(kIsReady);
}

std::vector<std::shared_ptr<Operation>> Operation::dependencies() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return dependencies_;
}

void Operation::setCompletionBlock(std::function<void()> block) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (completed_) return;  // too late: the finish was already handled
        completionBlock_ = std::move(block);
    }
}

bool Operation::hasCompletionBlock() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return static_cast<bool>(completionBlock_);
}

void Operation::setQueuePriority(OperationQueuePriority priority) {
    std::lock_guard<std::mutex> lock(mutex_);
    priority_ = priority;
}

OperationQueuePriority Operation::queuePriority() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return priority_;
}

void Operation::setName(std::string name) {
    std::lock_guard<std::mutex> lock(mutex_);
    name_ = std::move(name);
}

std::string Operation::name() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return name_;
}

void Operation::waitUntilFinished() const {
    std::unique_lock<std::mutex> lock(mutex_);
    finishedCondition_.wait(lock, [&] { return completionRan_; });
}

int Operation::addChangeObserver(ChangeObserver observer) {
    std::lock_guard<std::mutex> lock(mutex_);
    int id = nextObserverId_++;
    changeObservers_.emplace_back(id, std::move(observer));
    return id;
}

void Operation::removeChangeObserver(int id) {
    std::lock_guard<std::mutex> lock(mutex_);
    changeObservers_.erase(std::remove_if(changeObservers_.begin(), changeObservers_.end(),
                                          [&](const auto& o) { return o.first == id; }),
                           changeObservers_.end());
}

void Operation::willChangeValueForKey(const std::string&) {}

void Operation::didChangeValueForKey(const std::string& key) {
    std::vector<std::pair<int, ChangeObserver>> observers;
    std::shared_ptr<OperationQueue> queue;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        observers = changeObservers_;
        queue = queue_.lock();
    }
    for (auto& o : observers) o.second(*this, key);
    if (key == kIsFinished && isFinished()) {
        completeOnce();
    } else if (key == kIsReady && queue) {
        queue->schedule();
    }
}

void Operation::setExecuting(bool executing) {
    willChangeValueForKey(kIsExecuting);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        executing_ = executing;
    }
    didChangeValueForKey(kIsExecuting);
}

void Operation::setFinished(bool finished) {
    willChangeValueForKey(kIsFinished);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        finished_ = finished;
    }
    didChangeValueForKey(kIsFinished);
}

void Operation::completeOnce() {
    // The queue may hold the last reference and drop it below.
    auto keepAlive = weak_from_this().lock();
    std::function<void()> block;
    std::vector<std::weak_ptr<Operation>> dependents;
    std::shared_ptr<OperationQueue> queue;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (completed_) return;
        completed_ = true;
        block.swap(completionBlock_);
        dependents = dependents_;
        queue = queue_.lock();
    }
    if (block) block();
    block = nullptr;  // released once run, which also breaks cycles through it
    for (auto& weak : dependents) {
        if (auto dependent = weak.lock()) dependent->didChangeValueForKey(kIsReady);
    }
    if (queue) queue->operationFinished(this);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        completionRan_ = true;
    }
    finishedCondition_.notify_all();
}

bool Operation::attachToQueue(const std::shared_ptr<OperationQueue>& queue) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (inQueue_ || executing_ || finished_) return false;
    inQueue_ = true;
    queue_ = queue;
    return true;
}

}  // namespace ns
