#include "core/app/TAVOAppDelegate.h"

#include "core/app/TAVOAppEventHandler.h"
#include "core/app/TAVOPlaceholderRootViewController.h"
#include "core/app/TAVORouterPreference.h"
#include "core/crypto/AppInfoUtility.h"
#include "core/errors/TAVOAlertErrorHandler.h"
#include "core/errors/TAVOErrorSystemManager.h"
#include "core/services/TAVOPushInbox.h"
#include "core/services/TAVORootScreens.h"
#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Appearance.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/Screen.h"
#include "platform/ui/TextField.h"
#include "platform/ui/Window.h"

void TAVOAppDelegate::registerClass() {
    ui::ApplicationDelegateRegistry::registerClass(kClassName, [] { return create(); });
}

std::shared_ptr<TAVOAppDelegate> TAVOAppDelegate::create() {
    auto delegate = std::shared_ptr<TAVOAppDelegate>(new TAVOAppDelegate());
    delegate->center_ = ns::NotificationCenter::defaultCenter();
    return delegate;
}

TAVOAppDelegate::~TAVOAppDelegate() { center_->removeObserver(this); }

bool TAVOAppDelegate::didFinishLaunchingWithOptions(ui::Application& app, const ns::Value& launchOptions) {
    // The widgets' own appearance defaults are registered by the widget layer.
    if (AppInfoUtility::aboveIOS7()) {
        ui::Appearance::set<ui::TextField>("tintColor", [](ui::TextField& field) {
            field.setTintColor(ui::Color::rgba(10 / 255.0, 167 / 255.0, 75 / 255.0, 1));
        });
    }

    window_ = ui::Window::create(ui::Screen::mainScreen()->bounds());
    auto roots = TAVORootScreens::shared();
    std::shared_ptr<ui::ViewController> root = roots ? roots->makeRootScreen() : nullptr;
    if (!root) root = TAVOPlaceholderRootViewController::create();
    root->view()->setFrame(ui::Screen::mainScreen()->applicationFrame());
    auto navigation = ui::NavigationController::create(root);
    navigation->setNavigationBarHidden(true);
    window_->setRootViewController(navigation);

    app.setStatusBarStyle(ui::StatusBarStyle::Default);
    window_->setBackgroundColor(ui::Color::clearColor());
    window_->makeKeyAndVisible();

    doInit();

    const ns::Value& payload = launchOptions[ui::ApplicationLaunchOptionsRemoteNotificationKey];
    if (payload.isDictionary()) {
        apnsStartup_ = true;
        handleAPNS(payload);
    }
    return true;
}

void TAVOAppDelegate::doInit() {
    ui::Application::sharedApplication()->registerForRemoteNotificationTypes(kRemoteNotificationTypes);
    TAVORouterPreference::shareInstance();
    TAVOAppEventHandler::shareInstance();
    TAVOErrorSystemManager::sharedManager()->registeHandlers({TAVOAlertErrorHandler::create()});
    std::weak_ptr<TAVOAppDelegate> weak = self<TAVOAppDelegate>();
    dispatch::Queue::main()->async([weak] {
        if (auto delegate = weak.lock()) delegate->doInitAfter();
    });
}

void TAVOAppDelegate::doInitAfter() {
    if (apnsStartup_) return;
    appChecker_ = TAVOAppUpdateCheckerMaker::make();
    if (!appChecker_) return;
    appChecker_->setDelegate(std::static_pointer_cast<TAVOAppDelegate>(shared_from_this()));
    appChecker_->checkAppUpdateInfo();
}

void TAVOAppDelegate::handleNewAppVersion() {
    if (!TAVORouterPreference::shareInstance()->shouldNotShowAppUpdate())
        TAVOAppEventHandler::shareInstance()->handleAppEvent(0);
}

void TAVOAppDelegate::appCheckerResult(TAVOAppUpdateChecker&, const std::optional<TAVOAppVersionInfo>& info) {
    auto keep = appChecker_;  // the checker may be inside this call
    if (info) handleNewAppVersion();
    appChecker_.reset();
}

void TAVOAppDelegate::appCheckerError(TAVOAppUpdateChecker&, const ns::Value&) {
    auto keep = appChecker_;
    appChecker_.reset();
}

std::string TAVOAppDelegate::deviceTokenText(const ns::Data& token) {
    // The bytes themselves, not a printed description of them.
    return token.hexString();
}

void TAVOAppDelegate::didRegisterForRemoteNotificationsWithDeviceToken(ui::Application&, const ns::Data& token) {
    if (token.empty()) return;
    TAVORouterPreference::shareInstance()->saveDeviceToken(deviceTokenText(token));
}

void TAVOAppDelegate::didReceiveRemoteNotification(ui::Application&, const ns::Value& userInfo) { handleAPNS(userInfo); }

void TAVOAppDelegate::handleAPNS(const ns::Value& payload) {
    auto app = ui::Application::sharedApplication();
    // Setting the badge to 1 and back to 0 clears the delivered notifications.
    app->setApplicationIconBadgeNumber(1);
    app->setApplicationIconBadgeNumber(0);
    dispatch::Queue::main()->async([payload] {
        if (auto inbox = TAVOPushInbox::shared()) inbox->addPushInfo(payload.asDictionary());
        TAVOAppEventHandler::shareInstance()->handleGlobalRouterEvent(TAVOGlobalEvent::PushInfoWaiting);
    });
}
