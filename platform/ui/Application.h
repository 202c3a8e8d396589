// The application object: its delegate, windows and key window, URL
// opening (recorded, never performed), badge, status bar, network activity
// indicator, background tasks and remote-notification registration, with
// switches for tests. ApplicationMain creates the delegate by class name,
// launches and runs the main loop.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/foundation/Data.h"
#include "platform/foundation/Error.h"
#include "platform/foundation/Value.h"
#include "platform/ui/Device.h"
#include "platform/ui/Responder.h"
#include "platform/ui/ViewController.h"

namespace ui {

class Application;
class Window;

inline const std::string ApplicationLaunchOptionsRemoteNotificationKey = "UIApplicationLaunchOptionsRemoteNotificationKey";
inline const std::string ApplicationLaunchOptionsURLKey = "UIApplicationLaunchOptionsURLKey";

// Every method is optional; implementsX answers whether a subclass gave one
// where the platform behaves differently without it.
class ApplicationDelegate : public Responder {
public:
    virtual bool didFinishLaunchingWithOptions(Application&, const ns::Value& /*launchOptions*/) { return true; }
    virtual void applicationWillResignActive(Application&) {}
    virtual void applicationDidEnterBackground(Application&) {}
    virtual void applicationWillEnterForeground(Application&) {}
    virtual void applicationDidBecomeActive(Application&) {}
    virtual void applicationWillTerminate(Application&) {}
    virtual void applicationDidReceiveMemoryWarning(Application&) {}
    virtual void didRegisterForRemoteNotificationsWithDeviceToken(Application&, const ns::Data&) {}
    virtual void didFailToRegisterForRemoteNotificationsWithError(Application&, const ns::ErrorPtr&) {}
    virtual void didReceiveRemoteNotification(Application&, const ns::Value& /*userInfo*/) {}
    virtual bool openURL(Application&, const std::string& /*url*/, const std::string& /*sourceApplication*/) {
        return false;
    }
    // The delegate's window, which other parts reach through the delegate.
    virtual std::shared_ptr<Window> window() const { return nullptr; }
};

enum class ApplicationState { Active, Inactive, Background };
using BackgroundTaskIdentifier = unsigned long;
inline constexpr BackgroundTaskIdentifier BackgroundTaskInvalid = 0;

class Application : public Responder {
public:
    static std::shared_ptr<Application> create() { return std::make_shared<Application>(); }
    static std::shared_ptr<Application> sharedApplication();
    // The application if one exists, without creating it.
    static std::shared_ptr<Application> existing();

    std::shared_ptr<ApplicationDelegate> delegate() const { return delegate_; }
    void setDelegate(const std::shared_ptr<ApplicationDelegate>& d) { delegate_ = d; }

    // Launch: didFinishLaunchingWithOptions, then becoming active.
    bool launch(const ns::Value& launchOptions = {});
    void enterBackground();  // will-resign-active, did-enter-background
    void enterForeground();  // will-enter-foreground, did-become-active
    void terminate();
    void simulateMemoryWarning();
    ApplicationState applicationState() const { return state_; }

    // Windows, lowest level first (equal levels in creation order).
    std::vector<std::shared_ptr<Window>> windows() const;
    std::shared_ptr<Window> keyWindow() const { return keyWindow_.lock(); }
    // The topmost visible window containing the screen point, or null.
    std::shared_ptr<Window> windowAtPoint(const cg::Point& screenPoint) const;

    bool openURL(const std::string& url);
    bool canOpenURL(const std::string& url) const;
    const std::vector<std::string>& openedURLs() const { return openedURLs_; }
    // Tests: the schemes canOpenURL (and openURL) accept.
    void setOpenableSchemes(std::vector<std::string> schemes) { openableSchemes_ = std::move(schemes); }

    long applicationIconBadgeNumber() const { return badge_; }
    void setApplicationIconBadgeNumber(long n);
    const std::vector<long>& badgeHistory() const { return badgeHistory_; }

    StatusBarStyle statusBarStyle() const { return statusBarStyle_; }
    void setStatusBarStyle(StatusBarStyle style, bool animated = false);
    bool isStatusBarHidden() const { return statusBarHidden_; }
    void setStatusBarHidden(bool hidden, bool animated = false);
    cg::Rect statusBarFrame() const;
    // The status bar's style and hidden state follow the controller that
    // decides them: the root controller of the topmost visible window that
    // has one, then along what it presents to the last one presented, then
    // along childViewControllerForStatusBarStyle / ...Hidden. Called when a
    // controller asks for it, when a screen has appeared and when a window
    // hides; without any such controller the bar is left as it is.
    void updateStatusBarAppearance();
    InterfaceOrientation statusBarOrientation() const { return orientation_; }
    void setStatusBarOrientation(InterfaceOrientation o, bool animated = false);
    bool isNetworkActivityIndicatorVisible() const { return networkIndicator_; }
    void setNetworkActivityIndicatorVisible(bool v) { networkIndicator_ = v; }
    bool isIdleTimerDisabled() const { return idleTimerDisabled_; }
    void setIdleTimerDisabled(bool d) { idleTimerDisabled_ = d; }

    // Background tasks. Tests decide whether tasks are granted and when
    // they expire (the expiration handlers then run).
    BackgroundTaskIdentifier beginBackgroundTaskWithExpirationHandler(std::function<void()> handler);
    void endBackgroundTask(BackgroundTaskIdentifier identifier);
    double backgroundTimeRemaining() const { return backgroundTimeRemaining_; }
    void setGrantsBackgroundTasks(bool grant) { grantsBackgroundTasks_ = grant; }
    void expireBackgroundTasks();
    std::size_t activeBackgroundTaskCount() const { return backgroundTasks_.size(); }

    // Remote notifications: registration asks the token source on a later
    // turn and tells the delegate of the token or the failure.
    using TokenResult = std::variant<ns::Data, ns::ErrorPtr>;
    void registerForRemoteNotificationTypes(unsigned types);
    unsigned enabledRemoteNotificationTypes() const { return remoteTypes_; }
    void setRemoteNotificationTokenSource(std::function<TokenResult()> source) { tokenSource_ = std::move(source); }
    // Tests: a push arriving while running.
    void receiveRemoteNotification(const ns::Value& userInfo);

    // Used by windows.
    void registerWindow(const std::shared_ptr<Window>& window);
    void setKeyWindow(const std::shared_ptr<Window>& window) { keyWindow_ = window; }
    void windowLevelChanged() {}

    std::shared_ptr<Responder> nextResponder() const override { return delegate_; }

private:
    std::shared_ptr<ApplicationDelegate> delegate_;
    mutable std::vector<std::weak_ptr<Window>> windows_;
    std::weak_ptr<Window> keyWindow_;
    ApplicationState state_ = ApplicationState::Inactive;
    std::vector<std::string> openedURLs_;
    std::vector<std::string> openableSchemes_{"http", "https", "tel", "mailto", "itms-apps", "prefs"};
    long badge_ = 0;
    std::vector<long> badgeHistory_;
    StatusBarStyle statusBarStyle_ = StatusBarStyle::Default;
    bool statusBarHidden_ = false;
    InterfaceOrientation orientation_ = InterfaceOrientation::Portrait;
    bool networkIndicator_ = false;
    bool idleTimerDisabled_ = false;
    std::map<BackgroundTaskIdentifier, std::function<void()>> backgroundTasks_;
    BackgroundTaskIdentifier nextTask_ = 1;
    bool grantsBackgroundTasks_ = true;
    double backgroundTimeRemaining_ = 600;
    unsigned remoteTypes_ = 0;
    std::function<TokenResult()> tokenSource_;
};

// Delegate classes by name, for ApplicationMain.
class ApplicationDelegateRegistry {
public:
    using Factory = std::function<std::shared_ptr<ApplicationDelegate>()>;
    static void registerClass(const std::string& name, Factory factory);
    static std::shared_ptr<ApplicationDelegate> create(const std::string& name);
};

}  // namespace ui

#include "platform/ui/ApplicationMain.h"
