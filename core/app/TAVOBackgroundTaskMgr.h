// Work that must still finish when the application goes to the background:
// it runs on a queue of its own ("600s-backgroundTask") while a platform
// background task keeps the application alive, and the background task ends
// once the queue has drained (or the platform's time runs out).
//
// Work handed over when the platform refuses a background task still runs;
// a worker only ever ends the background task it was started for.
#pragma once

#include <memory>
#include <mutex>

#include "platform/foundation/Object.h"
#include "platform/ui/Application.h"

namespace ns {
class Operation;
class OperationQueue;
}  // namespace ns

class TAVOBackgroundTaskMgr : public ns::Object {
public:
    static std::shared_ptr<TAVOBackgroundTaskMgr> sharedInstance();
    static std::shared_ptr<TAVOBackgroundTaskMgr> create();

    // From any thread.
    void addOperation(const std::shared_ptr<ns::Operation>& operation);
    // Begins a background task and its worker unless one is running.
    void prepareBackgroundTask();
    // Ends the running background task, if any.
    void endBackgroundTask();

    ui::BackgroundTaskIdentifier backgroundTask() const;
    std::shared_ptr<ns::OperationQueue> operationQueue();

private:
    TAVOBackgroundTaskMgr() = default;
    // Ends the task only when it is still the given one.
    void endBackgroundTask(ui::BackgroundTaskIdentifier expected);
    void waitAndEnd(ui::BackgroundTaskIdentifier task);

    mutable std::mutex mutex_;
    ui::BackgroundTaskIdentifier backgroundTask_ = ui::BackgroundTaskInvalid;
    std::shared_ptr<ns::OperationQueue> operationQueue_;
};
