// TNNetworkActivityIndicatorManager: counts the requests in flight (from the
// library's start and finish notifications) and, when enabled, shows the
// application's network activity indicator while any runs, hiding it 0.17 s
// after the last one ends so that back-to-back requests do not flicker it.
#pragma once

#include <memory>
#include <mutex>

#include "platform/foundation/Notification.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/Timer.h"

class TNNetworkActivityIndicatorManager : public ns::Object {
public:
    static constexpr double kInvisibilityDelay = 0.17;

    static std::shared_ptr<TNNetworkActivityIndicatorManager> sharedManager();
    static std::shared_ptr<TNNetworkActivityIndicatorManager> create();
    ~TNNetworkActivityIndicatorManager() override;

    bool isEnabled() const;
    void setEnabled(bool enabled);
    long activityCount() const;
    void setActivityCount(long count);
    void incrementActivityCount();
    // Never below 0.
    void decrementActivityCount();
    bool isNetworkActivityIndicatorVisible() const { return activityCount() > 0; }

    void updateNetworkActivityIndicatorVisibility();
    void updateNetworkActivityIndicatorVisibilityDelayed();

    void networkRequestDidStart(const ns::NotificationPtr& notification);
    void networkRequestDidFinish(const ns::NotificationPtr& notification);

private:
    TNNetworkActivityIndicatorManager() = default;
    void observe();
    void countChanged();

    mutable std::mutex mutex_;
    bool enabled_ = false;
    long activityCount_ = 0;
    std::shared_ptr<ns::Timer> visibilityTimer_;  // main thread only
};
