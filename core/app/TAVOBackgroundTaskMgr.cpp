#include "core/app/TAVOBackgroundTaskMgr.h"

#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/Operation.h"
#include "platform/foundation/OperationQueue.h"
#include "platform/foundation/Singleton.h"
#include "platform/foundation/Thread.h"

std::shared_ptr<TAVOBackgroundTaskMgr> TAVOBackgroundTaskMgr::sharedInstance() {
    return ns::Singleton<TAVOBackgroundTaskMgr>::get();
}

std::shared_ptr<TAVOBackgroundTaskMgr> TAVOBackgroundTaskMgr::create() {
    return std::shared_ptr<TAVOBackgroundTaskMgr>(new TAVOBackgroundTaskMgr());
}

void TAVOBackgroundTaskMgr::addOperation(const std::shared_ptr<ns::Operation>& operation) {
    prepareBackgroundTask();
    // Even without a background task the work is queued: the application
    // may still finish it, and dropping it silently would lose it for good.
    if (operation) operationQueue()->addOperation(operation);
}

std::shared_ptr<ns::OperationQueue> TAVOBackgroundTaskMgr::operationQueue() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!operationQueue_) {
        operationQueue_ = ns::OperationQueue::create();
        operationQueue_->setName("600s-backgroundTask");
    }
    return operationQueue_;
}

ui::BackgroundTaskIdentifier TAVOBackgroundTaskMgr::backgroundTask() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return backgroundTask_;
}

void TAVOBackgroundTaskMgr::prepareBackgroundTask() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (backgroundTask_ != ui::BackgroundTaskInvalid) return;
    std::weak_ptr<TAVOBackgroundTaskMgr> weak = self<TAVOBackgroundTaskMgr>();
    auto app = ui::Application::sharedApplication();
    // The expiration handler learns its identifier once begin returns.
    auto id = std::make_shared<ui::BackgroundTaskIdentifier>(ui::BackgroundTaskInvalid);
    *id = app->beginBackgroundTaskWithExpirationHandler([weak, id] {
        if (auto mgr = weak.lock()) mgr->endBackgroundTask(*id);
    });
    backgroundTask_ = *id;
    if (backgroundTask_ == ui::BackgroundTaskInvalid) return;
    const ui::BackgroundTaskIdentifier task = backgroundTask_;
    dispatch::Queue::global()->async([weak, task] {
        if (auto mgr = weak.lock()) mgr->waitAndEnd(task);
    });
}

void TAVOBackgroundTaskMgr::waitAndEnd(ui::BackgroundTaskIdentifier task) {
    ns::Thread::sleepForTimeInterval(1.0);
    auto queue = operationQueue();
    for (;;) {
        queue->waitUntilAllOperationsAreFinished();
        std::lock_guard<std::mutex> lock(mutex_);
        if (backgroundTask_ != task) return;  // ended or replaced meanwhile
        // Work added while this worker waited keeps the task alive.
        if (queue->operationCount() > 0) continue;
        backgroundTask_ = ui::BackgroundTaskInvalid;
        break;
    }
    // The application object belongs to the main thread.
    dispatch::Queue::main()->async([task] { ui::Application::sharedApplication()->endBackgroundTask(task); });
}

void TAVOBackgroundTaskMgr::endBackgroundTask() {
    ui::BackgroundTaskIdentifier task;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        task = backgroundTask_;
        backgroundTask_ = ui::BackgroundTaskInvalid;
    }
    if (task != ui::BackgroundTaskInvalid) ui::Application::sharedApplication()->endBackgroundTask(task);
}

void TAVOBackgroundTaskMgr::endBackgroundTask(ui::BackgroundTaskIdentifier expected) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (expected == ui::BackgroundTaskInvalid || backgroundTask_ != expected) return;
        backgroundTask_ = ui::BackgroundTaskInvalid;
    }
    ui::Application::sharedApplication()->endBackgroundTask(expected);
}
