// The process-wide event hub. It follows the phone's Wi-Fi: while on Wi-Fi
// it checks the access point every 5 seconds and moves the account facade's
// local router aside when the phone leaves its network, and back when it
// returns. It broadcasts router-level happenings as the one notification
// "tavo global event notification" (the event number as the object) and
// shows the new-version alert.
//
// Global events (TAVOGlobalEvent): 1 the current router left the account,
// 2 the current router changed, 3 a push record waits, 4 the local router
// was dropped or restored; other values are broadcast unchanged. App events: 0 show the
// new-version alert, 1 the same forced, 2 start the Wi-Fi watch, 3 stop it.
#pragma once

#include <memory>
#include <string>

#include "core/app/TAVOGlobalEvent.h"
#include "core/services/TAVOAppUpdateChecker.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/ScopedTimer.h"

class Reachability;
namespace ns {
class NotificationCenter;
}  // namespace ns

inline const std::string kTAVOGlobalEventNotification = "tavo global event notification";

class TAVOAppEventHandler : public ns::Object, public TAVOAppUpdateCheckerDelegate {
public:
    static constexpr double kWifiCheckInterval = 5.0;

    static std::shared_ptr<TAVOAppEventHandler> shareInstance();
    static std::shared_ptr<TAVOAppEventHandler> create();
    ~TAVOAppEventHandler() override;

    void handleGlobalRouterEvent(int event);
    void handleGlobalRouterEvent(TAVOGlobalEvent event) { handleGlobalRouterEvent(TAVOGlobalEventValue(event)); }
    // Posts the global event on the calling thread.
    void notifyGloabalRouterEvent(int event);
    void handleAppEvent(int appEvent);

    void startMornitorWifi();
    void stopMornitorWifi();
    void checkWifiInfo();
    void handleReachabilityChanged();
    // Takes an application-update push record (and starts a version
    // check); YES when it did.
    bool handlePushInfo();
    void showNewAppVersionInfo(bool forced);
    void openURL(const std::string& url);

    void appCheckerResult(TAVOAppUpdateChecker& checker, const std::optional<TAVOAppVersionInfo>& info) override;
    void appCheckerError(TAVOAppUpdateChecker& checker, const ns::Value& error) override;

    // The local Wi-Fi reachability: status 2 while on Wi-Fi, else 0.
    const std::shared_ptr<Reachability>& reachability() const { return reachability_; }
    // A Wi-Fi check is pending: the watch is on.
    bool isWatchingWifi() const { return wifiWatch_.isRunning(); }
    const std::shared_ptr<TAVOAppUpdateChecker>& appChecker() const { return appChecker_; }

private:
    TAVOAppEventHandler() = default;
    void init();

    std::shared_ptr<Reachability> reachability_;
    ns::ScopedTimer wifiWatch_;
    std::shared_ptr<TAVOAppUpdateChecker> appChecker_;
    // Kept so that the registration can be ended even when the hub outlives
    // the process-wide centre's own slot (at exit).
    std::shared_ptr<ns::NotificationCenter> center_;
    ns::ObjectPtr reachabilityObserver_;
};
