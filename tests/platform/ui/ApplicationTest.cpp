#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/ActionSheet.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/ApplicationNotifications.h"
#include "platform/ui/Application.h"
#include "platform/ui/MainLoop.h"
#include "platform/ui/NibRegistry.h"
#include "platform/ui/Screen.h"
#include "platform/ui/WebView.h"
#include "platform/ui/Window.h"
#include "tests/support/Harness.h"

using namespace ui;
using keelbox::test::advance;

namespace {

struct Delegate : ApplicationDelegate {
    std::vector<std::string> log;
    std::shared_ptr<Window> win;
    bool didFinishLaunchingWithOptions(Application& app, const ns::Value& options) override {
        log.push_back(options[ApplicationLaunchOptionsRemoteNotificationKey].isNil() ? "launch" : "launch with push");
        win = Window::create(Screen::mainScreen()->bounds());
        win->makeKeyAndVisible();
        app.registerForRemoteNotificationTypes(7);
        return true;
    }
    void applicationDidBecomeActive(Application&) override { log.push_back("active"); }
    void applicationDidEnterBackground(Application&) override { log.push_back("background"); }
    void didRegisterForRemoteNotificationsWithDeviceToken(Application&, const ns::Data& token) override {
        log.push_back("token " + token.hexString());
    }
    void didFailToRegisterForRemoteNotificationsWithError(Application&, const ns::ErrorPtr& e) override {
        log.push_back("token failed " + std::to_string(e->code()));
    }
    std::shared_ptr<Window> window() const override { return win; }
};

}  // namespace

TEST(ApplicationObject, LaunchRegistersForPushOnALaterTurnWithTheTestsToken) {
    auto app = Application::sharedApplication();
    auto d = std::make_shared<Delegate>();
    app->setDelegate(d);
    app->setRemoteNotificationTokenSource([] { return Application::TokenResult(ns::Data({0xab, 0xcd})); });
    int becameActive = 0;
    auto token = ns::NotificationCenter::defaultCenter()->addObserverForName(
        ns::UIApplicationDidBecomeActiveNotification, {}, nullptr, [&](const ns::NotificationPtr&) { ++becameActive; });
    ns::Dictionary options;
    options.set(ApplicationLaunchOptionsRemoteNotificationKey, ns::Value::dictionary({{"aps", 1}}));
    EXPECT_TRUE(app->launch(ns::Value(options)));
    EXPECT_EQ(d->log, (std::vector<std::string>{"launch with push", "active"}));
    EXPECT_EQ(app->keyWindow(), d->window());
    EXPECT_EQ(app->enabledRemoteNotificationTypes(), 7u);
    advance(0);
    EXPECT_EQ(d->log.back(), "token abcd");
    EXPECT_EQ(becameActive, 1);
    app->enterBackground();
    EXPECT_EQ(app->applicationState(), ApplicationState::Background);
    ns::NotificationCenter::defaultCenter()->removeObserver(token);
}

TEST(ApplicationObject, BackgroundTasksFollowTheTestSwitches) {
    auto app = Application::sharedApplication();
    int expired = 0;
    auto id = app->beginBackgroundTaskWithExpirationHandler([&] { ++expired; });
    EXPECT_NE(id, BackgroundTaskInvalid);
    auto ended = app->beginBackgroundTaskWithExpirationHandler([&] { ++expired; });
    app->endBackgroundTask(ended);
    app->expireBackgroundTasks();
    EXPECT_EQ(expired, 1);
    EXPECT_EQ(app->backgroundTimeRemaining(), 0);
    app->setGrantsBackgroundTasks(false);
    EXPECT_EQ(app->beginBackgroundTaskWithExpirationHandler(nullptr), BackgroundTaskInvalid);
}

TEST(ApplicationObject, URLsAreRecordedNotOpenedAndBadgesRemembered) {
    auto app = Application::sharedApplication();
    EXPECT_TRUE(app->openURL("https://example.com/a"));
    EXPECT_FALSE(app->openURL("unknown-scheme://x"));
    EXPECT_FALSE(app->openURL("no scheme"));
    EXPECT_EQ(app->openedURLs(), (std::vector<std::string>{"https://example.com/a"}));
    app->setApplicationIconBadgeNumber(1);
    app->setApplicationIconBadgeNumber(0);
    EXPECT_EQ(app->badgeHistory(), (std::vector<long>{1, 0}));
    EXPECT_EQ(app->statusBarFrame(), cg::RectMake(0, 0, 320, 20));
    app->setStatusBarHidden(true);
    EXPECT_EQ(Screen::mainScreen()->applicationFrame(), cg::RectMake(0, 0, 320, 480));
}

TEST(ApplicationObject, MainRefusesAnUnknownDelegateClass) {
    char name[] = "keelbox";
    char* argv[] = {name, nullptr};
    EXPECT_EQ(ApplicationMain(1, argv, "", "NoSuchDelegate"), 1);
}

namespace {
std::vector<std::string> gLoopLog;
struct LoopDelegate : ApplicationDelegate {
    bool didFinishLaunchingWithOptions(Application& app, const ns::Value& options) override {
        gLoopLog.push_back(options[ApplicationLaunchOptionsRemoteNotificationKey].isNil() ? "launch"
                                                                                          : "launch with push");
        std::weak_ptr<Application> weak = app.self<Application>();
        mainloop::performLater([weak] {
            gLoopLog.push_back("first turn");
            if (auto a = weak.lock()) a->terminate();
        });
        return true;
    }
    void applicationDidBecomeActive(Application&) override { gLoopLog.push_back("active"); }
    void applicationWillTerminate(Application&) override { gLoopLog.push_back("terminate"); }
};
}  // namespace

TEST(ApplicationObject, MainCreatesTheNamedDelegateLaunchesAndRunsTheLoopUntilTermination) {
    gLoopLog.clear();
    ApplicationDelegateRegistry::registerClass("LoopDelegate", [] { return std::make_shared<LoopDelegate>(); });
    char name[] = "keelbox";
    char* argv[] = {name, nullptr};
    ns::Dictionary options;
    options.set(ApplicationLaunchOptionsRemoteNotificationKey, ns::Value::dictionary({{"aps", 1}}));
    EXPECT_EQ(ApplicationMain(1, argv, "", "LoopDelegate", ns::Value(options)), 0);
    // Work posted while launching runs on the loop's first turn, after the
    // application became active.
    EXPECT_EQ(gLoopLog, (std::vector<std::string>{"launch with push", "active", "first turn", "terminate"}));
    EXPECT_NE(std::dynamic_pointer_cast<LoopDelegate>(Application::sharedApplication()->delegate()), nullptr);
}

TEST(ApplicationObject, WindowsAreOrderedByLevelAndTheTopVisibleOneTakesTouches) {
    auto app = Application::sharedApplication();
    auto normal = Window::create(cg::RectMake(0, 0, 320, 480));
    auto alert = Window::create(cg::RectMake(0, 0, 320, 480));
    alert->setWindowLevel(1999);
    auto dim = Window::create(cg::RectMake(0, 0, 320, 480));
    dim->setWindowLevel(1998);
    EXPECT_EQ(app->windows(), (std::vector<std::shared_ptr<Window>>{normal, dim, alert}));
    normal->makeKeyAndVisible();
    dim->setHidden(false);
    EXPECT_EQ(app->windowAtPoint({10, 10}), dim);
    alert->setHidden(false);
    EXPECT_EQ(app->windowAtPoint({10, 10}), alert);
}

TEST(NibRegistryTest, ControllersBuildTheirViewFromARegisteredBuilder) {
    class Owner : public ViewController {
    public:
        using ViewController::ViewController;
        ViewPtr header;
    };
    static NibRegistration registration("OwnerScreen", [](const ns::ObjectPtr& owner) {
        auto root = View::create(cg::RectMake(0, 0, 320, 480));
        auto header = View::create(cg::RectMake(0, 0, 320, 44));
        root->addSubview(header);
        if (auto o = std::dynamic_pointer_cast<Owner>(owner)) o->header = header;
        return std::vector<ns::ObjectPtr>{root};
    });
    auto vc = ViewController::make<Owner>("OwnerScreen");
    EXPECT_EQ(vc->header, nullptr);  // the view loads on first use
    EXPECT_FALSE(vc->isViewLoaded());
    vc->view();
    ASSERT_NE(vc->header, nullptr);  // loading the view wired the outlet
    EXPECT_EQ(vc->header->superview(), vc->view());
    EXPECT_TRUE(NibRegistry::hasNib("OwnerScreen"));
    EXPECT_FALSE(NibRegistry::hasNib("OwnerScreen-568h"));
    auto plain = ViewController::make<ViewController>("NotRegistered");
    EXPECT_EQ(plain->view()->frame(), Screen::mainScreen()->bounds());
}

namespace {
struct AlertLog : AlertViewDelegate, WebViewDelegate {
    std::vector<std::string> log;
    void clickedButtonAtIndex(AlertView&, long i) override { log.push_back("clicked " + std::to_string(i)); }
    void willDismissWithButtonIndex(AlertView&, long i) override { log.push_back("willDismiss " + std::to_string(i)); }
    void didDismissWithButtonIndex(AlertView&, long i) override { log.push_back("didDismiss " + std::to_string(i)); }
    bool shouldStartLoadWithRequest(WebView&, const std::string& url, WebViewNavigationType) override {
        log.push_back("should " + url);
        return url.find("blocked") == std::string::npos;
    }
    void webViewDidStartLoad(WebView&) override { log.push_back("start"); }
    void webViewDidFinishLoad(WebView&) override { log.push_back("finish"); }
    void didFailLoadWithError(WebView&, const ns::ErrorPtr& e) override { log.push_back("fail " + std::to_string(e->code())); }
};
}  // namespace

TEST(AlertViewTest, ClickThenWillDismissNowAndDidDismissLater) {
    auto d = std::make_shared<AlertLog>();
    auto alert = AlertView::create("Title", "Message", d, std::string("Cancel"), {"OK"});
    EXPECT_EQ(alert->cancelButtonIndex, 0);
    EXPECT_EQ(alert->firstOtherButtonIndex(), 1);
    alert->setAlertViewStyle(AlertViewStyle::SecureTextInput);
    ASSERT_NE(alert->textFieldAtIndex(0), nullptr);
    EXPECT_TRUE(alert->textFieldAtIndex(0)->isSecureTextEntry());
    EXPECT_EQ(alert->textFieldAtIndex(1), nullptr);
    alert->show();
    EXPECT_EQ(AlertView::visibleAlerts().size(), 1u);
    alert.reset();
    AlertView::visibleAlerts()[0]->tapButtonAtIndex(1);
    EXPECT_EQ(d->log, (std::vector<std::string>{"clicked 1", "willDismiss 1"}));
    EXPECT_TRUE(AlertView::visibleAlerts().empty());
    advance(0);
    EXPECT_EQ(d->log.back(), "didDismiss 1");
    auto sheet = ActionSheet::create("", nullptr, std::string("cancel"), std::nullopt, {"photo", "video"});
    EXPECT_EQ(sheet->cancelButtonIndex, 2);
    EXPECT_EQ(sheet->buttonTitleAtIndex(0), "photo");
}

TEST(WebViewTest, LoadsAreRecordedWithHistoryAndDelegateOrder) {
    auto d = std::make_shared<AlertLog>();
    auto web = WebView::create(cg::RectMake(0, 0, 320, 400));
    web->setDelegate(d);
    web->setLoadOutcome([](const std::string& url) {
        return url.find("broken") != std::string::npos ? ns::Error::create("NSURLErrorDomain", -1001) : nullptr;
    });
    web->loadRequest("file:///help/1.html");
    EXPECT_TRUE(web->isLoading());
    advance(0);
    web->tapLink("file:///help/2.html");
    web->tapLink("http://blocked/");
    advance(0);
    EXPECT_EQ(web->currentURL(), "file:///help/2.html");
    EXPECT_TRUE(web->canGoBack());
    web->goBack();
    advance(0);
    EXPECT_EQ(web->currentURL(), "file:///help/1.html");
    EXPECT_TRUE(web->canGoForward());
    web->loadRequest("http://broken/");
    EXPECT_FALSE(web->canGoForward());  // a new page drops the forward list
    advance(0);
    EXPECT_EQ(d->log, (std::vector<std::string>{"should file:///help/1.html", "start", "finish",
                                                "should file:///help/2.html", "should http://blocked/", "start",
                                                "finish", "should file:///help/1.html", "start", "finish",
                                                "should http://broken/", "start", "fail -1001"}));
    EXPECT_EQ(web->loadLog().size(), 4u);
}
