// What the dashboard does when the user acts: the strip's buttons and the
// menu open the other modules' screens by name (refused while the router
// cannot be reached), the channel optimisation and its promotion watch,
// and the help, speed-curve and speed-test popups.
#include <gtest/gtest.h>

#include "core/app/TAVOLocalizedString.h"
#include "core/errors/TAVORouterErrorUtility.h"
#include "emulator/CallFault.h"
#include "management/facade/TAVOAccountManager.h"
#include "management/pollers/TAVORouterStatusLisener.h"
#include "screens/home/TAVOSpeedPlotViewController.h"
#include "tests/screens/home/DashboardFixture.h"
#include "tests/support/Harness.h"
#include "uikit/UIViewControllerPUPopupViewController.h"
#include "widgets/TAVOPopupViewController.h"

namespace keelbox::test {
namespace {

using home::callCount;

std::string L(const std::string& key) { return TAVOLocalizedString(key); }

class DashboardActions : public ::testing::Test {
protected:
    void open() {
        d = home::openDashboard(app);
        ASSERT_TRUE(d.screen) << app.screen().describe();
        nav = d.tabs->navigationController();
        ASSERT_TRUE(nav);
    }
    TAVORouterStatusView& status() { return *d.screen->statusView(); }
    TAVOPopupViewControllerPtr popup() {
        return std::dynamic_pointer_cast<TAVOPopupViewController>(UIViewControllerPUPopupViewController::pu_popupViewController(d.tabs));
    }
    std::string stack() {
        std::string names;
        for (const auto& c : nav->viewControllers()) names += c->className() + " ";
        return names;
    }
    // The router goes offline: every status answer from now on says so.
    void makeUnreachable() {
        app.peers().router().setCallFault("router.getRouterInfo", emulator::CallFault::error(-1101));
        ASSERT_TRUE(app.screen().waitWhileTimePasses([&] {
            return TAVOAccountManager::shareInstance()->routerState() == 100002;
        }));
    }

    AppFixture app;
    home::Dashboard d;
    std::shared_ptr<ui::NavigationController> nav;
};

TEST_F(DashboardActions, StripButtonsPushTheirScreensByNameOnlyWhileTheRouterAnswers) {
    open();
    const std::vector<std::string> screens{"TAVODevicesListViewController", "TAVOSpeedupModeViewController",
                                           "TAVOGuestModeViewController", "TAVORadioPowerAdjustViewController",
                                           "TAVOHealthModeViewController"};
    const auto& buttons = d.screen->panelView()->controls();
    ASSERT_EQ(buttons.size(), screens.size());
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        SCOPED_TRACE(screens[i]);
        ASSERT_TRUE(app.screen().tap(buttons[i]));
        app.screen().wait(1.0);
        ASSERT_EQ(nav->viewControllers().size(), 3u);
        EXPECT_EQ(nav->topViewController()->className(), screens[i]);
        nav->popViewControllerAnimated(false);
        app.screen().wait(0.5);
    }

    makeUnreachable();
    for (const auto& button : buttons) {
        // The previous refusal's toast has gone.
        app.screen().wait(1.5);
        ASSERT_TRUE(app.screen().tap(button));
        app.screen().wait(0.2);
        ASSERT_TRUE(app.screen().toast()) << stack();
        EXPECT_EQ(app.screen().toast()->text, TAVORouterErrorUtility::getErrorMsgByErrorCode(100002));
        EXPECT_EQ(nav->viewControllers().size(), 2u);
    }
    // The settings are open whatever the router does.
    d.screen->rightNavItemPressed();
    app.screen().wait(1.0);
    auto presented = std::dynamic_pointer_cast<ui::NavigationController>(d.tabs->presentedViewController());
    ASSERT_TRUE(presented);
    EXPECT_TRUE(presented->isNavigationBarHidden());
    auto setting = std::dynamic_pointer_cast<TAVOWIFIViewControler>(presented->viewControllers().front());
    ASSERT_TRUE(setting);
    EXPECT_EQ(setting->className(), "TAVOSettingViewController");
    EXPECT_EQ(setting->tabBarController(), d.tabs);
}

TEST_F(DashboardActions, TheOptimisationAsksForTheBandsThatArePoorAndReportsTheAnswer) {
    open();
    struct Case {
        int level24, level5, type;
    };
    const Case cases[] = {{3, 3, 0}, {1, 1, 0}, {4, 2, 1}, {2, 5, 2}, {0, 0, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(TAVOMyWiFiViewController::bandTypeForLevels(ChannelLevelInfo{1, c.level24, 36, c.level5}), c.type)
            << c.level24 << "/" << c.level5;
    }

    // Through the status view: the levels it shows (2.4 GHz poor here).
    d.screen->statusView(status(), TAVORouterStatusView::ActionOptimise);
    ASSERT_TRUE(app.screen().waitUntil([&] { return status().channelState() == TAVORouterStatusView::ChannelStateOptimised; }));
    auto sent = wifi::callsOf(app, "wifi.optimizeChannel");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0]["type"].intValue(), TAVOMyWiFiViewController::bandTypeForLevels(status().currentLevel()));

    // Refused twice: each failure is told once, and a later success is
    // still heard.
    app.peers().router().setCallFault("wifi.optimizeChannel", emulator::CallFault::error(-5, "busy"));
    for (int attempt = 0; attempt < 2; ++attempt) {
        const std::size_t before = wifi::callsOf(app, "wifi.optimizeChannel").size();
        d.screen->requestOptChannel(ChannelLevelInfo{6, 2, 149, 4});
        ASSERT_TRUE(app.screen().waitUntil([&] { return app.screen().toast().has_value(); }));
        EXPECT_EQ(app.screen().toast()->text, L("fail to opt"));
        EXPECT_EQ(status().channelState(), TAVORouterStatusView::ChannelStatePoor);
        EXPECT_EQ(wifi::callsOf(app, "wifi.optimizeChannel").size(), before + 1);
        app.screen().wait(2.0);
    }
    app.peers().router().clearCallFaults();
    d.screen->requestOptChannel(ChannelLevelInfo{6, 2, 149, 4});
    ASSERT_TRUE(app.screen().waitUntil([&] { return status().channelState() == TAVORouterStatusView::ChannelStateOptimised; }));
    sent = wifi::callsOf(app, "wifi.optimizeChannel");
    ASSERT_EQ(sent.size(), 4u);
    EXPECT_EQ(sent.back()["type"].intValue(), 2);
}

TEST_F(DashboardActions, ThePromotionIsWatchedUntilItsFirstAnswer) {
    open();
    d.screen->statusView(status(), TAVORouterStatusView::ActionWatchPromotion);
    ASSERT_TRUE(d.screen->channelOptLisener());
    ASSERT_TRUE(app.screen().waitUntil([&] { return callCount(app, "wifi.getChannelPromotion") >= 1; }));
    app.peers().waitUntilAnswered();
    app.screen().wait(0.1);
    for (int i = 0; i < 4; ++i) {
        app.screen().wait(3.0);
        app.peers().waitUntilAnswered();
    }
    EXPECT_EQ(callCount(app, "wifi.getChannelPromotion"), 1u);
}

TEST_F(DashboardActions, PopupsOpenOverTheTabBarAndClosingTheCurveGivesTheStatusPollBack) {
    open();
    // Help pages, made 0.5 s after appearing.
    ASSERT_TRUE(d.screen->helpsViewFor24G());
    for (int action : {TAVORouterStatusView::ActionHelp24G, TAVORouterStatusView::ActionHelp5G}) {
        d.screen->statusView(status(), action);
        app.screen().wait(1.0);
        ASSERT_TRUE(popup()) << action;
        EXPECT_EQ(popup()->childView(), action == 0 ? d.screen->helpsViewFor24G() : d.screen->helpsViewFor50G());
        EXPECT_EQ(popup()->parentView(), d.tabs->view());
        d.screen->dismissHelpsView(*d.screen->helpsViewFor24G());
        app.screen().wait(1.0);
        EXPECT_FALSE(popup());
    }

    // The speed curve, scaled to the line's top speed, takes the status poll.
    d.screen->statusView(status(), TAVORouterStatusView::ActionAverageSpeed);
    app.screen().wait(1.0);
    ASSERT_TRUE(popup());
    auto curve = std::dynamic_pointer_cast<TAVOSpeedPlotViewController>(popup()->childViewController());
    ASSERT_TRUE(curve);
    EXPECT_DOUBLE_EQ(curve->speedMaxKB(), 12500000.0 / 1024);
    auto statusLisener = TAVOAccountManager::shareInstance()->statusLisener();
    ASSERT_TRUE(statusLisener);
    EXPECT_EQ(statusLisener->delegate.lock(), curve->speedListener());
    curve->userDidClickClose(*popup());
    app.screen().wait(1.0);
    EXPECT_FALSE(popup());
    statusLisener = TAVOAccountManager::shareInstance()->statusLisener();
    ASSERT_TRUE(statusLisener);
    EXPECT_EQ(statusLisener->delegate.lock(), d.screen->speedListener());
    const std::size_t statuses = callCount(app, "router.getRouterInfo");
    ASSERT_TRUE(app.screen().waitWhileTimePasses([&] {
        return callCount(app, "router.getRouterInfo") > statuses + 1;
    }));

    // The speed test, opened by name, closes through the dashboard.
    d.screen->statusView(status(), TAVORouterStatusView::ActionTopSpeed);
    app.screen().wait(1.0);
    ASSERT_TRUE(popup());
    auto test = popup()->childViewController();
    ASSERT_TRUE(test);
    EXPECT_EQ(test->className(), "TAVOSpeedTestViewController");
    auto closing = std::dynamic_pointer_cast<TAVOPopupViewControllerDelegate>(test);
    ASSERT_TRUE(closing);
    closing->userDidClickClose(*popup());
    app.screen().wait(1.0);
    EXPECT_FALSE(popup());

    // Neither opens while the router cannot be reached.
    makeUnreachable();
    for (int action : {TAVORouterStatusView::ActionAverageSpeed, TAVORouterStatusView::ActionTopSpeed}) {
        d.screen->statusView(status(), action);
        app.screen().wait(0.5);
        EXPECT_FALSE(popup());
        ASSERT_TRUE(app.screen().toast());
        EXPECT_EQ(app.screen().toast()->text, TAVORouterErrorUtility::getErrorMsgByErrorCode(100002));
    }
}

}  // namespace
}  // namespace keelbox::test
