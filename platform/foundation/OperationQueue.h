// An operation queue: starts its operations as they become ready, highest
// priority first, at most maxConcurrentOperationCount at a time, on worker
// threads (the main queue: on the main run loop, one at a time).
#pragma once

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "platform/foundation/Object.h"
#include "platform/foundation/Operation.h"

namespace ns {

class OperationQueue : public Object {
public:
    // No limit: the system decides (here: every ready operation runs).
    static constexpr int kDefaultMaxConcurrentOperationCount = -1;

    static std::shared_ptr<OperationQueue> create();
    static std::shared_ptr<OperationQueue> mainQueue();
    // The queue running the caller's operation; the main queue on the main
    // thread; null elsewhere.
    static std::shared_ptr<OperationQueue> currentQueue();

    // An operation joins one queue once; adding it again, or adding one that
    // runs or has finished, is ignored with a warning (the platform raises).
    void addOperation(const std::shared_ptr<Operation>& operation);
    void addOperations(const std::vector<std::shared_ptr<Operation>>& operations, bool waitUntilFinished);
    void addOperationWithBlock(std::function<void()> block);

    std::vector<std::shared_ptr<Operation>> operations() const;
    std::size_t operationCount() const;
    void setMaxConcurrentOperationCount(int count);
    int maxConcurrentOperationCount() const;
    // A suspended queue starts nothing new; running operations go on.
    void setSuspended(bool suspended);
    bool isSuspended() const;
    void setName(std::string name);
    std::string name() const;

    void cancelAllOperations();
    // Blocks until every operation has finished. On the main thread, waiting
    // for the main queue runs the main loop instead of blocking it.
    void waitUntilAllOperationsAreFinished();

private:
    friend class Operation;
    OperationQueue() = default;
    void schedule();
    void operationFinished(const Operation* operation);
    void startOperation(const std::shared_ptr<Operation>& operation);
    static void waitForOperation(const std::shared_ptr<Operation>& operation, bool onMainQueue);

    mutable std::mutex mutex_;
    std::condition_variable emptied_;
    std::vector<std::shared_ptr<Operation>> operations_;
    std::set<const Operation*> started_;
    int running_ = 0;
    int maxConcurrent_ = kDefaultMaxConcurrentOperationCount;
    bool suspended_ = false;
    bool isMain_ = false;
    std::string name_;
};

}  // namespace ns
