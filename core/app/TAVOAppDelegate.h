// The application delegate: builds the window and the root navigation,
// brings up the preferences store, the event hub and the alert error
// handler, registers for push notifications, keeps the device token, hands
// push payloads to the event hub and starts one check for a newer version
// (none in a run launched from a push).
#pragma once

#include <memory>

#include "core/services/TAVOAppUpdateChecker.h"
#include "platform/ui/Application.h"

namespace ns {
class NotificationCenter;
}
namespace ui {
class Window;
}

class TAVOAppDelegate : public ui::ApplicationDelegate, public TAVOAppUpdateCheckerDelegate {
public:
    static constexpr const char* kClassName = "TAVOAppDelegate";
    // Push types asked for: badge, sound and alert.
    static constexpr unsigned kRemoteNotificationTypes = 7;

    static std::shared_ptr<TAVOAppDelegate> create();
    // Makes the class known to ui::ApplicationMain by its name.
    static void registerClass();
    ~TAVOAppDelegate() override;

    bool didFinishLaunchingWithOptions(ui::Application& app, const ns::Value& launchOptions) override;
    void didRegisterForRemoteNotificationsWithDeviceToken(ui::Application& app, const ns::Data& token) override;
    void didFailToRegisterForRemoteNotificationsWithError(ui::Application&, const ns::ErrorPtr&) override {}
    void didReceiveRemoteNotification(ui::Application& app, const ns::Value& userInfo) override;
    std::shared_ptr<ui::Window> window() const override { return window_; }

    void doInit();
    void doInitAfter();
    void handleAPNS(const ns::Value& payload);
    void handleNewAppVersion();

    void appCheckerResult(TAVOAppUpdateChecker& checker, const std::optional<TAVOAppVersionInfo>& info) override;
    void appCheckerError(TAVOAppUpdateChecker& checker, const ns::Value& error) override;

    // The device token's text: lower-case hexadecimal of its bytes.
    static std::string deviceTokenText(const ns::Data& token);

    bool apnsStartup() const { return apnsStartup_; }
    const std::shared_ptr<TAVOAppUpdateChecker>& appChecker() const { return appChecker_; }

private:
    TAVOAppDelegate() = default;

    // The default centre, kept so that freeing the delegate at exit can
    // still leave it.
    std::shared_ptr<ns::NotificationCenter> center_;
    std::shared_ptr<ui::Window> window_;
    bool apnsStartup_ = false;
    std::shared_ptr<TAVOAppUpdateChecker> appChecker_;
};
