#include "net/http/TNNetworkActivityIndicatorManager.h"

#include "net/http/TNNetworkingNotifications.h"
#include "net/http/TNURLConnectionOperation.h"
#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/Singleton.h"
#include "platform/ui/Application.h"

namespace {

// Whether the notification's object is a request with a URL.
bool hasRequestURL(const ns::NotificationPtr& notification) {
    auto operation = notification->object().as<TNURLConnectionOperation>();
    return operation && operation->request().url();
}

}  // namespace

std::shared_ptr<TNNetworkActivityIndicatorManager> TNNetworkActivityIndicatorManager::sharedManager() {
    return ns::Singleton<TNNetworkActivityIndicatorManager>::get([] { return create(); });
}

std::shared_ptr<TNNetworkActivityIndicatorManager> TNNetworkActivityIndicatorManager::create() {
    auto manager = std::shared_ptr<TNNetworkActivityIndicatorManager>(new TNNetworkActivityIndicatorManager());
    manager->observe();
    return manager;
}

void TNNetworkActivityIndicatorManager::observe() {
    auto center = ns::NotificationCenter::defaultCenter();
    std::weak_ptr<TNNetworkActivityIndicatorManager> weak = self<TNNetworkActivityIndicatorManager>();
    auto started = [weak](const ns::NotificationPtr& n) {
        if (auto strong = weak.lock()) strong->networkRequestDidStart(n);
    };
    auto finished = [weak](const ns::NotificationPtr& n) {
        if (auto strong = weak.lock()) strong->networkRequestDidFinish(n);
    };
    auto self = this->self();
    center->addObserver(self, started, TNNetworkingOperationDidStartNotification);
    center->addObserver(self, started, TNNetworkingTaskDidResumeNotification);
    center->addObserver(self, finished, TNNetworkingOperationDidFinishNotification);
    center->addObserver(self, finished, TNNetworkingTaskDidSuspendNotification);
    center->addObserver(self, finished, TNNetworkingTaskDidCompleteNotification);
}

TNNetworkActivityIndicatorManager::~TNNetworkActivityIndicatorManager() {
    ns::NotificationCenter::defaultCenter()->removeObserver(this);
    if (visibilityTimer_) visibilityTimer_->invalidate();
}

bool TNNetworkActivityIndicatorManager::isEnabled() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return enabled_;
}

void TNNetworkActivityIndicatorManager::setEnabled(bool enabled) {
    std::lock_guard<std::mutex> lock(mutex_);
    enabled_ = enabled;
}

long TNNetworkActivityIndicatorManager::activityCount() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return activityCount_;
}

void TNNetworkActivityIndicatorManager::setActivityCount(long count) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        activityCount_ = count < 0 ? 0 : count;
    }
    countChanged();
}

void TNNetworkActivityIndicatorManager::incrementActivityCount() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        ++activityCount_;
    }
    countChanged();
}

void TNNetworkActivityIndicatorManager::decrementActivityCount() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (activityCount_ > 0) --activityCount_;
    }
    countChanged();
}

void TNNetworkActivityIndicatorManager::countChanged() {
    auto self = this->self<TNNetworkActivityIndicatorManager>();
    dispatch::Queue::main()->async([self] { self->updateNetworkActivityIndicatorVisibilityDelayed(); });
}

void TNNetworkActivityIndicatorManager::updateNetworkActivityIndicatorVisibilityDelayed() {
    if (!isEnabled()) return;
    if (isNetworkActivityIndicatorVisible()) {
        updateNetworkActivityIndicatorVisibility();
        return;
    }
    if (visibilityTimer_) visibilityTimer_->invalidate();
    std::weak_ptr<TNNetworkActivityIndicatorManager> weak = self<TNNetworkActivityIndicatorManager>();
    visibilityTimer_ = ns::Timer::timerWithTimeInterval(kInvisibilityDelay, false, [weak](std::shared_ptr<ns::Timer>) {
        if (auto strong = weak.lock()) strong->updateNetworkActivityIndicatorVisibility();
    });
    ns::RunLoop::main()->addTimer(visibilityTimer_, ns::kRunLoopCommonModes);
}

void TNNetworkActivityIndicatorManager::updateNetworkActivityIndicatorVisibility() {
    ui::Application::sharedApplication()->setNetworkActivityIndicatorVisible(isNetworkActivityIndicatorVisible());
}

void TNNetworkActivityIndicatorManager::networkRequestDidStart(const ns::NotificationPtr& notification) {
    if (hasRequestURL(notification)) incrementActivityCount();
}

void TNNetworkActivityIndicatorManager::networkRequestDidFinish(const ns::NotificationPtr& notification) {
    if (hasRequestURL(notification)) decrementActivityCount();
}
