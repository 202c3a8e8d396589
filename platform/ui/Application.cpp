#include "platform/ui/Application.h"

#include <algorithm>
#include <map>
#include <mutex>

#include "platform/foundation/RunLoop.h"
#include "platform/foundation/Singleton.h"
#include "platform/ui/ApplicationNotifications.h"
#include "platform/ui/MainLoop.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Window.h"

namespace ui {

std::shared_ptr<Application> Application::sharedApplication() { return ns::Singleton<Application>::get(); }
std::shared_ptr<Application> Application::existing() { return ns::Singleton<Application>::existing(); }

bool Application::launch(const ns::Value& launchOptions) {
    auto keep = self<Application>();
    bool ok = true;
    if (delegate_) ok = delegate_->didFinishLaunchingWithOptions(*this, launchOptions);
    postApplicationNotification(ApplicationDidFinishLaunchingNotification);
    state_ = ApplicationState::Active;
    if (delegate_) delegate_->applicationDidBecomeActive(*this);
    postApplicationNotification(ns::UIApplicationDidBecomeActiveNotification);
    return ok;
}

void Application::enterBackground() {
    if (state_ == ApplicationState::Background) return;
    auto keep = self<Application>();
    if (delegate_) delegate_->applicationWillResignActive(*this);
    postApplicationNotification(ns::UIApplicationWillResignActiveNotification);
    state_ = ApplicationState::Background;
    if (delegate_) delegate_->applicationDidEnterBackground(*this);
    postApplicationNotification(ns::UIApplicationDidEnterBackgroundNotification);
}

void Application::enterForeground() {
    if (state_ != ApplicationState::Background) return;
    auto keep = self<Application>();
    if (delegate_) delegate_->applicationWillEnterForeground(*this);
    postApplicationNotification(ns::UIApplicationWillEnterForegroundNotification);
    state_ = ApplicationState::Active;
    if (delegate_) delegate_->applicationDidBecomeActive(*this);
    postApplicationNotification(ns::UIApplicationDidBecomeActiveNotification);
}

void Application::terminate() {
    auto keep = self<Application>();
    if (delegate_) delegate_->applicationWillTerminate(*this);
    postApplicationNotification(ns::UIApplicationWillTerminateNotification);
    ns::RunLoop::main()->stop();
}

namespace {
void warnControllers(const ViewControllerPtr& vc) {
    if (!vc) return;
    vc->didReceiveMemoryWarning();
    for (const auto& c : vc->childViewControllers()) warnControllers(c);
    warnControllers(vc->presentedViewController());
}
}  // namespace

void Application::simulateMemoryWarning() {
    auto keep = self<Application>();
    if (delegate_) delegate_->applicationDidReceiveMemoryWarning(*this);
    postApplicationNotification(ns::UIApplicationDidReceiveMemoryWarningNotification);
    for (const auto& w : windows()) warnControllers(w->rootViewController());
}

void Application::registerWindow(const std::shared_ptr<Window>& window) { windows_.push_back(window); }

std::vector<std::shared_ptr<Window>> Application::windows() const {
    std::erase_if(windows_, [](const std::weak_ptr<Window>& w) { return w.expired(); });
    std::vector<std::shared_ptr<Window>> out;
    for (const auto& w : windows_)
        if (auto s = w.lock()) out.push_back(s);
    std::stable_sort(out.begin(), out.end(), [](const auto& a, const auto& b) { return a->windowLevel() < b->windowLevel(); });
    return out;
}

std::shared_ptr<Window> Application::windowAtPoint(const cg::Point& p) const {
    auto list = windows();
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        const auto& w = *it;
        if (w->isHidden() || !w->isUserInteractionEnabled()) continue;
        if (cg::RectContainsPoint(w->frame(), p)) return w;
    }
    return nullptr;
}

namespace {
std::string schemeOf(const std::string& url) {
    auto colon = url.find(':');
    if (colon == std::string::npos || colon == 0) return "";
    std::string s = url.substr(0, colon);
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}
}  // namespace

bool Application::canOpenURL(const std::string& url) const {
    std::string scheme = schemeOf(url);
    return !scheme.empty() &&
           std::find(openableSchemes_.begin(), openableSchemes_.end(), scheme) != openableSchemes_.end();
}

bool Application::openURL(const std::string& url) {
    if (!canOpenURL(url)) return false;
    openedURLs_.push_back(url);
    return true;
}

void Application::setApplicationIconBadgeNumber(long n) {
    badge_ = n;
    badgeHistory_.push_back(n);
}

void Application::setStatusBarStyle(StatusBarStyle style, bool) { statusBarStyle_ = style; }
void Application::setStatusBarHidden(bool hidden, bool) { statusBarHidden_ = hidden; }

void Application::updateStatusBarAppearance() {
    auto all = windows();
    ViewControllerPtr current;
    for (auto it = all.rbegin(); it != all.rend() && !current; ++it)
        if (!(*it)->isHidden()) current = (*it)->rootViewController();
    if (!current) return;
    while (auto presented = current->presentedViewController()) current = presented;
    auto styleController = current;
    while (auto child = styleController->childViewControllerForStatusBarStyle()) styleController = child;
    auto hiddenController = current;
    while (auto child = hiddenController->childViewControllerForStatusBarHidden()) hiddenController = child;
    setStatusBarStyle(styleController->preferredStatusBarStyle(), false);
    setStatusBarHidden(hiddenController->prefersStatusBarHidden(), false);
}

cg::Rect Application::statusBarFrame() const {
    if (statusBarHidden_) return cg::RectZero;
    // In screen coordinates: the bar runs along whichever screen edge is the
    // top of the turned interface.
    cg::Size screen = Screen::mainScreen()->bounds().size;
    switch (orientation_) {
        case InterfaceOrientation::PortraitUpsideDown: return cg::RectMake(0, screen.height - 20, screen.width, 20);
        case InterfaceOrientation::LandscapeRight: return cg::RectMake(screen.width - 20, 0, 20, screen.height);
        case InterfaceOrientation::LandscapeLeft: return cg::RectMake(0, 0, 20, screen.height);
        default: return cg::RectMake(0, 0, screen.width, 20);
    }
}

void Application::setStatusBarOrientation(InterfaceOrientation o, bool) {
    if (o == orientation_) return;
    ns::Dictionary info;
    info.set(ApplicationStatusBarOrientationUserInfoKey, static_cast<int>(o));
    postApplicationNotification(ns::UIApplicationWillChangeStatusBarOrientationNotification, info);
    orientation_ = o;
    postApplicationNotification(ApplicationDidChangeStatusBarOrientationNotification);
}

BackgroundTaskIdentifier Application::beginBackgroundTaskWithExpirationHandler(std::function<void()> handler) {
    if (!grantsBackgroundTasks_) return BackgroundTaskInvalid;
    BackgroundTaskIdentifier id = nextTask_++;
    backgroundTasks_[id] = std::move(handler);
    return id;
}

void Application::endBackgroundTask(BackgroundTaskIdentifier identifier) { backgroundTasks_.erase(identifier); }

void Application::expireBackgroundTasks() {
    auto keep = self<Application>();
    backgroundTimeRemaining_ = 0;
    auto tasks = backgroundTasks_;
    for (auto& [id, handler] : tasks)
        if (backgroundTasks_.count(id) && handler) handler();
}

void Application::registerForRemoteNotificationTypes(unsigned types) {
    remoteTypes_ = types;
    std::weak_ptr<Application> weak = self<Application>();
    mainloop::performLater([weak] {
        auto app = weak.lock();
        if (!app || !app->delegate_) return;
        if (!app->tokenSource_) {
            app->delegate_->didFailToRegisterForRemoteNotificationsWithError(
                *app, ns::Error::withDescription("NSCocoaErrorDomain", 3010, "remote notifications are not supported"));
            return;
        }
        auto result = app->tokenSource_();
        if (auto* token = std::get_if<ns::Data>(&result))
            app->delegate_->didRegisterForRemoteNotificationsWithDeviceToken(*app, *token);
        else
            app->delegate_->didFailToRegisterForRemoteNotificationsWithError(*app, std::get<ns::ErrorPtr>(result));
    });
}

void Application::receiveRemoteNotification(const ns::Value& userInfo) {
    if (delegate_) delegate_->didReceiveRemoteNotification(*this, userInfo);
}

// ---- main ----

namespace {
struct DelegateTable {
    std::mutex mutex;
    std::map<std::string, ApplicationDelegateRegistry::Factory> factories;
};
DelegateTable& delegateTable() {
    static DelegateTable t;
    return t;
}
}  // namespace

void ApplicationDelegateRegistry::registerClass(const std::string& name, Factory factory) {
    std::lock_guard<std::mutex> lock(delegateTable().mutex);
    delegateTable().factories[name] = std::move(factory);
}

std::shared_ptr<ApplicationDelegate> ApplicationDelegateRegistry::create(const std::string& name) {
    Factory f;
    {
        std::lock_guard<std::mutex> lock(delegateTable().mutex);
        auto it = delegateTable().factories.find(name);
        if (it == delegateTable().factories.end()) return nullptr;
        f = it->second;
    }
    return f ? f() : nullptr;
}

}  // namespace ui
