// An operation: a unit of work with a life cycle (ready, executing,
// finished, cancelled), dependencies and a completion block.
//
// Subclass and override main() for work that runs start to end on the
// thread that starts it. A concurrent operation overrides start() and
// isConcurrent(), returns from start() early, and announces its own finish
// later, from any thread, with setExecuting(false) / setFinished(true) (or,
// when it keeps its own flags by overriding isExecuting()/isFinished(), with
// willChangeValueForKey / didChangeValueForKey). The completion block runs
// exactly once, on the thread that announced the finish, and is then
// released.
#pragma once

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/foundation/Object.h"

namespace ns {

class OperationQueue;

enum class OperationQueuePriority { VeryLow = -8, Low = -4, Normal = 0, High = 4, VeryHigh = 8 };

class Operation : public Object {
public:
    // Key names announced to change observers.
    static constexpr const char* kIsReady = "isReady";
    static constexpr const char* kIsExecuting = "isExecuting";
    static constexpr const char* kIsFinished = "isFinished";
    static constexpr const char* kIsCancelled = "isCancelled";

    static std::shared_ptr<Operation> create() { return std::shared_ptr<Operation>(new Operation()); }
    ~Operation() override;

    // Runs the operation on the calling thread: a cancelled operation just
    // finishes; otherwise it executes main() and finishes.
    virtual void start();
    // The work; the default does nothing.
    virtual void main() {}
    virtual void cancel();

    virtual bool isReady() const;
    virtual bool isExecuting() const;
    virtual bool isFinished() const;
    bool isCancelled() const;
    virtual bool isConcurrent() const { return false; }
    bool isAsynchronous() const { return isConcurrent(); }

    // This operation becomes ready only once `operation` has finished.
    void addDependency(const std::shared_ptr<Operation>& operation);
    void removeDependency(const std::shared_ptr<Operation>& operation);
    std::vector<std::shared_ptr<Operation>> dependencies() const;

    void setCompletionBlock(std::function<void()> block);
    bool hasCompletionBlock() const;

    void setQueuePriority(OperationQueuePriority priority);
    OperationQueuePriority queuePriority() const;
    void setName(std::string name);
    std::string name() const;

    // Blocks the caller (real time) until the operation has finished.
    void waitUntilFinished() const;

    // Key-value style change observation: `observer` runs after every
    // didChangeValueForKey, on the announcing thread. Returns an id to remove it.
    using ChangeObserver = std::function<void(Operation&, const std::string& key)>;
    int addChangeObserver(ChangeObserver observer);
    void removeChangeObserver(int id);

    // Announcements of a state change; subclasses that keep their own state
    // call them around it. "isFinished" turning true completes the operation.
    virtual void willChangeValueForKey(const std::string& key);
    virtual void didChangeValueForKey(const std::string& key);

protected:
    Operation() = default;
    // State setters for subclasses; each announces the change.
    void setExecuting(bool executing);
    void setFinished(bool finished);

private:
    friend class OperationQueue;
    // Called once when the operation reports it has finished: runs the
    // completion block, re-checks dependents and tells the queue.
    void completeOnce();
    bool attachToQueue(const std::shared_ptr<OperationQueue>& queue);

    mutable std::mutex mutex_;
    mutable std::condition_variable finishedCondition_;
    bool executing_ = false;
    bool finished_ = false;
    bool cancelled_ = false;
    bool completed_ = false;      // the finish is being handled
    bool completionRan_ = false;  // ... and has been (waiters may go)
    bool inQueue_ = false;
    std::vector<std::shared_ptr<Operation>> dependencies_;
    std::vector<std::weak_ptr<Operation>> dependents_;
    std::function<void()> completionBlock_;
    OperationQueuePriority priority_ = OperationQueuePriority::Normal;
    std::string name_;
    std::weak_ptr<OperationQueue> queue_;
    int nextObserverId_ = 1;
    std::vector<std::pair<int, ChangeObserver>> changeObservers_;
};

}  // namespace ns
