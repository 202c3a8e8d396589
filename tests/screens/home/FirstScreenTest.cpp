// The first screen's roads to the main tabs against the emulated peers: the
// router on the phone's Wi-Fi (set-up check, saved sign-in, admin
// password), the saved account (automatic sign-in, router list), and what
// each failure leaves on screen; the splash holds back what it covers.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/app/TAVOLocalizedString.h"
#include "core/app/TAVORouterPreference.h"
#include "core/app/TAVOViewControllerState.h"
#include "emulator/CallFault.h"
#include "management/facade/TAVOAccountManager.h"
#include "platform/ui/Application.h"
#include "platform/ui/NavigationController.h"
#include "screens/home/TAVORootViewController.h"
#include "tests/support/screen/AppFixture.h"
#include "widgets/TAVOAccountLoginTaking.h"
#include "widgets/TAVORouterSetupPage.h"

namespace keelbox::test {
namespace {

using Root = TAVORootViewController;

constexpr const char* kHomeSSID = "Keelbox-Home";
constexpr const char* kHomeBSSID = "aa:bb:cc:00:00:01";
constexpr const char* kAdminPassword = "admin1234";
constexpr double kAnswerSeconds = 20;

std::string L(const char* key) { return TAVOLocalizedString(key); }

class FirstScreen : public ::testing::Test {
protected:
    std::shared_ptr<Root> root() {
        auto nav = TAVOViewControllerState::appNavigationController();
        return nav ? std::dynamic_pointer_cast<Root>(nav->viewControllers().front()) : nullptr;
    }
    bool tabsShown() { return TAVOViewControllerState::getTabViewController() != nullptr; }
    // Lets time pass while the peers answer.
    bool waitFor(const std::function<bool()>& condition) {
        return app.screen().waitWhileTimePasses(condition, kAnswerSeconds);
    }
    std::size_t callCount(const std::string& cmd) {
        const auto calls = app.peers().router().calls();
        return std::count_if(calls.begin(), calls.end(), [&](const auto& c) { return c.cmd == cmd; });
    }
    void connectWith(const std::string& password) {
        auto prompt = root()->loginLocalRouterAlerView();
        ASSERT_TRUE(prompt);
        ASSERT_TRUE(app.screen().tap(prompt->psw()));
        prompt->psw()->clear();
        if (!password.empty()) {
            ASSERT_TRUE(app.screen().type(password));
        }
        ASSERT_TRUE(app.screen().pressAlertButton(L("connect")));
    }
    void saveRecord(const std::string& ticket) {
        auto router = TAVORouterModel::create();
        router->ticket = ticket;
        router->mac = "AA:BB:CC:00:00:01";
        router->router_id = EmulatedPeers::kHomeRouter;
        auto preferences = TAVORouterPreference::shareInstance();
        preferences->saveLocalRouterInfo(TAVORouterPreference::localRouterRecord(*router, kHomeBSSID, kAdminPassword));
        preferences->waitForFileOperations();
    }

    AppFixture app;
};

TEST_F(FirstScreen, OnTheHomeWiFiTheRouterIsNamedAfterTheSplashAndThePasswordSignsIn) {
    ASSERT_TRUE(app.launch({.wifi = EmulatedPeers::kHomeWiFi}));
    auto screen = root();
    ASSERT_TRUE(screen);
    EXPECT_FALSE(screen->loginLocalRouterBtn()->isEnabled());
    ASSERT_TRUE(app.screen().waitUntil([&] { return callCount("init.check") == 1; }, kAnswerSeconds))
        << "asked at once, under the splash";
    app.peers().waitUntilAnswered();
    app.screen().waitUntil([] { return false; }, 0.3);
    EXPECT_FALSE(screen->loginLocalRouterBtn()->isEnabled()) << "the splash still covers the panel";
    EXPECT_TRUE(screen->hasPendingStep());
    app.screen().wait(2.5);
    EXPECT_TRUE(screen->startupView()->isHidden());
    EXPECT_TRUE(screen->loginLocalRouterBtn()->isEnabled());
    EXPECT_EQ(screen->welcomeView()->infoLabel()->text(), kHomeSSID);

    ASSERT_TRUE(app.screen().tap(screen->loginLocalRouterBtn()));
    EXPECT_EQ(screen->viewState(), Root::ViewStateSettled);
    ASSERT_TRUE(app.screen().alert());
    EXPECT_EQ(app.screen().alert()->title(), kHomeSSID);
    connectWith("");
    EXPECT_EQ(screen->loginLocalRouterAlerView()->psw()->text(), L("psw is null"));
    EXPECT_EQ(callCount("login.login"), 0u);

    // A wrong password brings the prompt back with the router's reason.
    auto first = screen->loginLocalRouterAlerView();
    connectWith("wrong-one");
    ASSERT_TRUE(waitFor([&] {
        auto prompt = screen->loginLocalRouterAlerView();
        return prompt != first && prompt->showErrorInfo();
    }));
    EXPECT_NE(screen->loginLocalRouterAlerView()->psw()->text().find(L("psw is wrong")), std::string::npos);
    EXPECT_FALSE(TAVOAccountManager::shareInstance()->currentRouter());
    app.screen().wait(1.0);

    // The right one: signed in, the sign-in kept for this access point, and
    // with no account the login screen is offered (it may be skipped).
    connectWith(kAdminPassword);
    ASSERT_TRUE(waitFor([&] { return screen->presentedViewController() != nullptr; }));
    auto presented = std::dynamic_pointer_cast<ui::NavigationController>(screen->presentedViewController());
    ASSERT_TRUE(presented);
    EXPECT_TRUE(std::dynamic_pointer_cast<TAVOAccountLoginTaking>(presented->viewControllers().front()));
    auto router = TAVOAccountManager::shareInstance()->currentRouter();
    ASSERT_TRUE(router);
    EXPECT_EQ(router->bssid, kHomeBSSID);
    EXPECT_EQ(router->adminPsw(), kAdminPassword);
    auto preferences = TAVORouterPreference::shareInstance();
    preferences->waitForFileOperations();
    const ns::Value record = preferences->getLocalRouterInfoAccording({{kLocalRouterBssid, kHomeBSSID}});
    ASSERT_TRUE(record.isDictionary());
    EXPECT_EQ(record[kLocalRouterTicket].stringValue(), router->ticket);
    EXPECT_EQ(record[kLocalRouterAdmin].stringValue(), kAdminPassword);
}

TEST_F(FirstScreen, ASavedSignInTheRouterAcceptsReachesTheTabsWithoutAPrompt) {
    app.peers().state().withRouter(EmulatedPeers::kHomeRouter,
                                   [](emulator::EmulatedRouter& r) { r.tickets.insert("saved-ticket"); });
    saveRecord("saved-ticket");
    ASSERT_TRUE(app.launch({.wifi = EmulatedPeers::kHomeWiFi}));
    ASSERT_TRUE(app.screen().waitUntil([&] { return callCount("system.checkticket") == 1; }, kAnswerSeconds));
    app.peers().waitUntilAnswered();
    app.screen().waitUntil([] { return false; }, 0.3);
    EXPECT_FALSE(tabsShown()) << "the tabs wait for the splash";
    ASSERT_TRUE(app.reachTabs(kAnswerSeconds));
    EXPECT_FALSE(app.screen().alert()) << "no prompt";
    auto router = TAVOAccountManager::shareInstance()->currentRouter();
    EXPECT_EQ(router->ticket, "saved-ticket");
    EXPECT_EQ(router->router_id, EmulatedPeers::kHomeRouter);
    EXPECT_EQ(router->bssid, kHomeBSSID);
    EXPECT_EQ(router->adminPsw(), kAdminPassword);
    EXPECT_EQ(root()->viewState(), Root::ViewStateSettled);
}

TEST_F(FirstScreen, ASavedSignInTheRouterRefusesAsksForThePassword) {
    saveRecord("stale-ticket");
    ASSERT_TRUE(app.launch({.wifi = EmulatedPeers::kHomeWiFi}));
    app.screen().wait(2.5);
    ASSERT_TRUE(waitFor([&] { return root()->loginLocalRouterAlerView() != nullptr; }));
    EXPECT_EQ(root()->viewState(), Root::ViewStateSettled);
    EXPECT_FALSE(tabsShown());
}

TEST_F(FirstScreen, ARouterNotSetUpIsOfferedItsSetUpPage) {
    struct Case {
        const char* what;
        ns::Value vdata;
        bool reminder;
    };
    const std::vector<Case> cases{
        {"type 0", ns::Value::dictionary({{"type", "0"}}), true},
        {"type 1", ns::Value::dictionary({{"type", 1}}), true},
        {"no type", ns::Value::dictionary({}), true},
        {"type 2", ns::Value::dictionary({{"type", "2"}}), false},
    };
    ASSERT_TRUE(app.launch({.wifi = EmulatedPeers::kHomeWiFi}));
    app.screen().wait(2.5);
    ASSERT_TRUE(waitFor([&] { return root()->loginLocalRouterBtn()->isEnabled(); }));
    auto application = ui::Application::existing();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        app.peers().state().withRouter(EmulatedPeers::kHomeRouter,
                                       [&](emulator::EmulatedRouter& r) { r.model.set("init_check_vdata", c.vdata); });
        const std::size_t before = callCount("init.check");
        // Coming back from the background asks again.
        root()->applicationWillEnterForeground();
        ASSERT_TRUE(waitFor([&] { return callCount("init.check") > before && root()->loginLocalRouterBtn()->isEnabled(); }));
        app.peers().waitUntilAnswered();
        app.screen().wait(0.5);
        ASSERT_EQ(app.screen().alert() != nullptr, c.reminder);
        if (!c.reminder) continue;
        EXPECT_EQ(app.screen().alert()->message(), std::string("\"") + kHomeSSID + "\" " + L("need to initialize the router"));
        ASSERT_TRUE(app.screen().pressAlertButton(L("sure")));
        EXPECT_EQ(application->openedURLs().back(), TAVORouterSetupPage::address());
        app.screen().wait(1.0);
    }
}

TEST_F(FirstScreen, OnNoWiFiOrAFailedCheckNoRouterIsFound) {
    ASSERT_TRUE(app.launch());
    app.screen().wait(2.5);
    EXPECT_EQ(root()->welcomeView()->infoLabel()->text(), L("not found the Ardo router"));
    EXPECT_FALSE(root()->loginLocalRouterBtn()->isEnabled());
    EXPECT_EQ(callCount("init.check"), 0u);

    // On the router's Wi-Fi, but the router does not answer the check.
    app.network().setWiFi(sc::WiFiNetwork{kHomeSSID, kHomeBSSID});
    app.peers().router().setCallFault("init.check", emulator::CallFault::error(-1, "blocked"));
    root()->applicationWillEnterForeground();
    ASSERT_TRUE(waitFor([&] { return callCount("init.check") == 1; }));
    app.peers().waitUntilAnswered();
    EXPECT_TRUE(waitFor([&] { return root()->welcomeView()->infoLabel()->text() == L("not found the Ardo router"); }));
    EXPECT_FALSE(root()->loginLocalRouterBtn()->isEnabled());
}

TEST_F(FirstScreen, TheSavedAccountSignsInListsItsRoutersAndOpensTheTabs) {
    ASSERT_TRUE(app.launch({.wifi = EmulatedPeers::kHomeWiFi, .storedAccount = EmulatedPeers::kDemoUser}));
    EXPECT_EQ(root()->viewState(), Root::ViewStateAccountLogin);
    ASSERT_TRUE(app.reachTabs(kAnswerSeconds));
    EXPECT_EQ(callCount("init.check"), 0u) << "the Wi-Fi is not looked at while the account signs in";
    auto facade = TAVOAccountManager::shareInstance();
    EXPECT_EQ(facade->currentRoutersList().size(), 2u);
    ASSERT_TRUE(facade->currentRouter());
    EXPECT_EQ(root()->viewState(), Root::ViewStateSettled);
}

TEST_F(FirstScreen, ARefusedRoutersListFallsBackToTheHomeRouter) {
    app.peers().cloud().setCallFault("router.getRouterList", emulator::CallFault::error(-1, "down"));
    ASSERT_TRUE(app.launch({.wifi = EmulatedPeers::kHomeWiFi, .storedAccount = EmulatedPeers::kDemoUser}));
    app.screen().wait(2.5);
    ASSERT_TRUE(waitFor([&] { return callCount("init.check") == 1 && root()->loginLocalRouterBtn()->isEnabled(); }));
    EXPECT_EQ(root()->viewState(), Root::ViewStateSettled);
    EXPECT_FALSE(tabsShown());
}

}  // namespace
}  // namespace keelbox::test
