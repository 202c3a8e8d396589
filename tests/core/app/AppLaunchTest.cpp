#include <gtest/gtest.h>

#include "core/app/TAVOAppDelegate.h"
#include "core/app/TAVOAppEventHandler.h"
#include "core/app/TAVOPlaceholderRootViewController.h"
#include "core/app/TAVORouterPreference.h"
#include "core/app/TAVOViewControllerState.h"
#include "core/errors/TAVOAlertErrorHandler.h"
#include "core/errors/TAVOErrorSystemManager.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Singleton.h"
#include "platform/net/InjectableNetworkInfoSource.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/Window.h"
#include "tests/core/app/AppServiceFakes.h"
#include "tests/support/Harness.h"

using namespace keelbox::test;

namespace {

class AppLaunch : public ::testing::Test {
protected:
    void SetUp() override {
        sc::NetworkInfo::setSource(std::make_shared<sc::InjectableNetworkInfoSource>());
        inbox = std::make_shared<FakeInbox>();
        TAVOPushInbox::setShared(inbox);
        checkers = std::make_shared<FakeCheckerMaker>();
        TAVOAppUpdateCheckerMaker::setShared(checkers);
        alerts = std::make_shared<FakeAlerts>();
        TAVOAlertPresenter::setShared(alerts);
        TAVOAppInfoSource::setShared(std::make_shared<FakeAppInfo>());
        app = ui::Application::sharedApplication();
        app->setRemoteNotificationTokenSource(
            [] { return ui::Application::TokenResult(ns::Data(std::vector<std::uint8_t>{0x0a, 0xbc, 0xde, 0xf0, 0x12, 0x34, 0x56, 0x78})); });
        delegate = TAVOAppDelegate::create();
        app->setDelegate(delegate);
        token = ns::NotificationCenter::defaultCenter()->addObserverForName(
            kTAVOGlobalEventNotification, {}, nullptr,
            [this](const ns::NotificationPtr& n) { events.push_back(n->object().intValue()); });
    }
    void TearDown() override {
        ns::NotificationCenter::defaultCenter()->removeObserver(token);
        app->setDelegate(nullptr);
        sc::NetworkInfo::setSource(nullptr);
    }

    std::shared_ptr<ui::Application> app;
    std::shared_ptr<TAVOAppDelegate> delegate;
    std::shared_ptr<FakeInbox> inbox;
    std::shared_ptr<FakeCheckerMaker> checkers;
    std::shared_ptr<FakeAlerts> alerts;
    ns::ObjectPtr token;
    std::vector<int> events;
};

}  // namespace

TEST_F(AppLaunch, AHeadlessLaunchBuildsTheScreenStackAndChecksForANewVersion) {
    ASSERT_TRUE(app->launch());
    auto window = delegate->window();
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isKeyWindow());
    auto nav = TAVOViewControllerState::appNavigationController();
    ASSERT_TRUE(nav);
    EXPECT_TRUE(nav->isNavigationBarHidden());
    auto root = std::dynamic_pointer_cast<TAVOPlaceholderRootViewController>(nav->viewControllers().front());
    ASSERT_TRUE(root);
    EXPECT_TRUE(root->showedIntroduction()) << "first start";
    EXPECT_FALSE(TAVORouterPreference::shareInstance()->isFirstStartup()) << "the root finished start-up";
    EXPECT_TRUE(ns::Singleton<TAVORouterPreference>::existing());
    EXPECT_TRUE(ns::Singleton<TAVOAppEventHandler>::existing());
    EXPECT_EQ(app->enabledRemoteNotificationTypes(), 7u);
    bool alertHandler = false;
    for (int priority = 0; priority <= 2; ++priority) {
        const auto* handlers = TAVOErrorSystemManager::sharedManager()->getHandlersByPriority(priority);
        if (!handlers) continue;
        for (const auto& handler : *handlers)
            alertHandler = alertHandler || std::dynamic_pointer_cast<TAVOAlertErrorHandler>(handler) != nullptr;
    }
    EXPECT_TRUE(alertHandler);
    EXPECT_TRUE(checkers->made.empty()) << "the version check waits for a later turn";

    drainMainLoop();
    // The token is kept as the lower-case hex of its bytes.
    EXPECT_EQ(TAVORouterPreference::shareInstance()->deviceToken(), std::optional<std::string>("0abcdef012345678"));
    ASSERT_EQ(checkers->made.size(), 1u);
    EXPECT_EQ(delegate->appChecker(), checkers->made[0]);
    checkers->made[0]->answer(std::nullopt);  // no newer version: nothing shown, checker dropped
    EXPECT_FALSE(delegate->appChecker());
    EXPECT_TRUE(alerts->shown.empty());
    EXPECT_TRUE(events.empty());
    EXPECT_TRUE(app->badgeHistory().empty());
}

TEST_F(AppLaunch, ANewerVersionPromptsUnlessSilenced) {
    app->launch();
    drainMainLoop();
    checkers->made[0]->answer(TAVOAppVersionInfo{"2.0", "", ""});
    EXPECT_EQ(alerts->shown.size(), 1u);
    TAVORouterPreference::shareInstance()->updateShowAppUpdateSetting(true);
    delegate->doInitAfter();
    checkers->made.back()->answer(TAVOAppVersionInfo{"2.0", "", ""});
    EXPECT_EQ(alerts->shown.size(), 1u);
}

TEST_F(AppLaunch, ALaunchFromAPushHandsThePayloadOnAndSkipsTheVersionCheck) {
    ns::Dictionary payload{{"aps", ns::Value::dictionary({{"alert", "New device"}})},
                           {"rudi", ns::Value::dictionary({{"type", 1}})}};
    app->launch(ns::Value::dictionary({{ui::ApplicationLaunchOptionsRemoteNotificationKey, payload}}));
    EXPECT_TRUE(delegate->apnsStartup());
    EXPECT_EQ(app->badgeHistory(), (std::vector<long>{1, 0}));
    EXPECT_TRUE(inbox->payloads.empty()) << "the payload goes on in a later turn";
    drainMainLoop();
    ASSERT_EQ(inbox->payloads.size(), 1u);
    EXPECT_EQ(inbox->payloads[0]["aps"]["alert"].stringValue(), "New device");
    EXPECT_EQ(events, (std::vector<int>{3}));
    EXPECT_TRUE(checkers->made.empty());
    EXPECT_FALSE(delegate->appChecker());

    // A push while running: an application-update record starts a check
    // through the hub and posts nothing.
    app->receiveRemoteNotification(ns::Value::dictionary({{"rudi", ns::Value::dictionary({{"type", 3}})}}));
    drainMainLoop();
    EXPECT_EQ(events, (std::vector<int>{3}));
    EXPECT_EQ(checkers->made.size(), 1u);
}
