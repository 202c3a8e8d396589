// The router binding screen against the emulated router on the phone's
// Wi-Fi: the set-up check finds the router (or not), the admin password
// logs in, the local record is kept and the router becomes local and
// current; a wrong password shows the attempts left and a locked router
// says so; in account mode the router is bound to the signed-in account.
#include <gtest/gtest.h>

#include "core/app/TAVORouterPreference.h"
#include "core/errors/TAVOErrorSystemManager.h"
#include "management/facade/TAVOAccountManager.h"
#include "platform/foundation/ApplicationNotifications.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Application.h"
#include "screens/account/TAVOBindRouterPswViewController.h"
#include "tests/screens/account/AccountScreensSupport.h"
#include "widgets/TAVORouterSetupPage.h"

namespace keelbox::test {
namespace {

using Bind = TAVOBindRouterPswViewController;

constexpr const char* kHomeSSID = "Keelbox-Home";
constexpr const char* kHomeBSSID = "aa:bb:cc:00:00:01";
constexpr const char* kAdminPassword = "admin1234";

class RouterBinding : public ::testing::Test {
public:
    // The phone on the home router's Wi-Fi, the first screen settled: the
    // router's set-up answers are heard by every screen that asks, so the
    // first screen's own question is answered (it names the Wi-Fi after the
    // splash) before this screen asks its own.
    bool launchAtHome() {
        if (!app.launch({.wifi = EmulatedPeers::kHomeWiFi})) return false;
        app.screen().wait(2.5);  // the splash
        const bool named = app.screen().waitWhileTimePasses(
            [&] { return app.screen().viewWithTextContaining(kHomeSSID) != nullptr; }, kAnswerSeconds);
        EXPECT_TRUE(named) << app.screen().describe();
        return named;
    }
    // The phone on the home router's Wi-Fi, the binding screen on top once
    // its set-up check has answered.
    bool open(std::shared_ptr<Bind> screen) {
        bind = std::move(screen);
        app.push(bind);
        return waitForCheck();
    }
    bool waitForCheck() {
        return app.screen().waitUntil([&] { return !bind->provider(); }, kAnswerSeconds);
    }
    std::vector<std::string> routerCalls() {
        std::vector<std::string> names;
        for (const auto& call : app.peers().router().calls()) names.push_back(call.cmd);
        return names;
    }
    // Types into the prompt and presses "connect".
    void connectWith(const std::string& password) {
        auto prompt = bind->loginLocalRouterAlerView();
        ASSERT_TRUE(prompt);
        ASSERT_TRUE(app.screen().tap(prompt->psw()));
        prompt->psw()->clear();
        ASSERT_TRUE(app.screen().type(password));
        ASSERT_TRUE(app.screen().pressAlertButton(L("connect")));
    }
    // Waits for the prompt to come back after a failed step; its field's text.
    std::string promptErrorAfterFailure(const MAPasswordAlertViewPtr& previous) {
        EXPECT_TRUE(app.screen().waitWhileTimePasses([&] {
            return bind->loginLocalRouterAlerView() != previous && bind->loginLocalRouterAlerView()->showErrorInfo();
        }, kAnswerSeconds));
        app.screen().wait(1.0);  // the old prompt leaves, the new one comes in
        return bind->loginLocalRouterAlerView()->psw()->text();
    }

    AppFixture app;
    std::shared_ptr<Bind> bind;
};

TEST_F(RouterBinding, TheAdminPasswordLogsInKeepsTheRecordAndMakesTheRouterLocalAndCurrent) {
    ASSERT_TRUE(launchAtHome());
    bind = jumpTo<Bind>(app, &TAVOAppJumper::jumpToLocalAccountPage);
    ASSERT_TRUE(bind);
    EXPECT_FALSE(bind->isCheckRouterArdoAccount()) << "the error system's jump opens the local mode";
    EXPECT_TRUE(TAVOErrorSystemManager::sharedManager()->shouldIgnorePreErrorHandler());
    ASSERT_TRUE(waitForCheck());
    EXPECT_TRUE(bind->loginLocalRouterBtn()->isEnabled());
    EXPECT_EQ(bind->welcomeView()->infoLabel()->text(), kHomeSSID);
    EXPECT_FALSE(bind->welcomeView()->isSpinning());
    EXPECT_FALSE(app.screen().alert()) << "a router that has been set up needs no reminder";

    ASSERT_TRUE(app.screen().tap(bind->loginLocalRouterBtn()));
    auto prompt = bind->loginLocalRouterAlerView();
    ASSERT_TRUE(prompt);
    EXPECT_EQ(app.screen().alert()->title(), kHomeSSID);

    // "connect" with nothing typed: the field says so and nothing is sent.
    ASSERT_TRUE(app.screen().pressAlertButton(L("connect")));
    EXPECT_EQ(prompt->psw()->text(), L("psw is null"));
    EXPECT_TRUE(prompt->showErrorInfo());

    connectWith("wrong-one");
    const std::string wrong = promptErrorAfterFailure(prompt);
    EXPECT_NE(wrong.find(L("psw is wrong")), std::string::npos) << wrong;
    EXPECT_NE(wrong.find('4'), std::string::npos) << "four attempts left: " << wrong;
    EXPECT_EQ(TAVORouterPreference::shareInstance()->localRouterList().count(), 0u) << "nothing saved";

    connectWith(kAdminPassword);
    ASSERT_TRUE(waitForTabScreen(app)) << "without an account the local login is the end";
    const auto calls = routerCalls();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "device.bind"), 0);

    auto facade = TAVOAccountManager::shareInstance();
    auto local = facade->localRouter();
    ASSERT_TRUE(local);
    EXPECT_FALSE(local->ticket.empty());
    EXPECT_EQ(local->bssid, kHomeBSSID);
    EXPECT_EQ(facade->currentRouter(), local);
    EXPECT_TRUE(local->isLocalRouter);

    auto preferences = TAVORouterPreference::shareInstance();
    preferences->waitForFileOperations();
    const ns::Value list = preferences->localRouterList();
    ASSERT_EQ(list.count(), 1u);
    const ns::Value record = list.asArray()[0];
    EXPECT_EQ(record[kLocalRouterBssid].stringValue(), kHomeBSSID);
    EXPECT_EQ(record[kLocalRouterTicket].stringValue(), local->ticket);
    EXPECT_EQ(record[kLocalRouterAdmin].stringValue(), kAdminPassword);
    EXPECT_EQ(record[kLocalRouterRouterId].stringValue(), EmulatedPeers::kHomeRouter);

    // The screen hands the error system back when it goes.
    bind.reset();
    app.screen().wait(1.0);
    EXPECT_FALSE(TAVOErrorSystemManager::sharedManager()->shouldIgnorePreErrorHandler());
}

TEST_F(RouterBinding, InAccountModeTheRouterIsBoundToTheSignedInAccount) {
    ASSERT_TRUE(app.launch({.wifi = EmulatedPeers::kHomeWiFi, .storedAccount = EmulatedPeers::kDemoUser}));
    auto facade = TAVOAccountManager::shareInstance();
    ASSERT_TRUE(app.screen().waitUntil([&] { return facade->currentAccountData() != nullptr; }, kAnswerSeconds));
    ASSERT_TRUE(open(Bind::create()));
    ASSERT_TRUE(app.screen().tap(bind->loginLocalRouterBtn()));
    connectWith(kAdminPassword);
    ASSERT_TRUE(waitForToast(app, L("ok to bind")));
    EXPECT_EQ(app.screen().toast()->view->superview(), app.window());
    const auto calls = routerCalls();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "device.bind"), 1);

    auto current = facade->currentRouter();
    ASSERT_TRUE(current);
    EXPECT_EQ(current->router_id, EmulatedPeers::kHomeRouter);
    EXPECT_TRUE(current->isManagedByArdoAccount);
    EXPECT_TRUE(current->isLocalRouter);
    ASSERT_TRUE(facade->localRouter());
    EXPECT_EQ(facade->localRouter()->bssid, kHomeBSSID);
    app.screen().wait(1.0);
    EXPECT_FALSE(topScreenAs<Bind>(app)) << "a finished binding leaves the screen";
}

TEST_F(RouterBinding, AccountModeWithoutAnAccountRefusesBeforeAnythingIsSent) {
    ASSERT_TRUE(launchAtHome());
    ASSERT_TRUE(open(Bind::create()));
    ASSERT_TRUE(app.screen().tap(bind->loginLocalRouterBtn()));
    connectWith(kAdminPassword);
    ASSERT_TRUE(app.screen().toast());
    EXPECT_EQ(app.screen().toast()->text, L("fail to bind"));
    EXPECT_EQ(app.screen().toast()->type, CustomizedHUDTypeWarning);
    const auto calls = routerCalls();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "login.login"), 0);
}

TEST_F(RouterBinding, ALockedRouterSaysSoInThePrompt) {
    ASSERT_TRUE(launchAtHome());
    app.peers().state().withRouter(EmulatedPeers::kHomeRouter, [](emulator::EmulatedRouter& r) { r.failedLogins = 5; });
    auto screen = Bind::create();
    screen->setIsCheckRouterArdoAccount(false);
    ASSERT_TRUE(open(screen));
    ASSERT_TRUE(app.screen().tap(bind->loginLocalRouterBtn()));
    auto prompt = bind->loginLocalRouterAlerView();
    connectWith(kAdminPassword);
    EXPECT_EQ(promptErrorAfterFailure(prompt), L("account is locked"));
    EXPECT_TRUE(topScreenAs<Bind>(app));
}

TEST_F(RouterBinding, TheSetUpCheckDecidesTheReminderAndANotFoundRouterDisablesTheButton) {
    ASSERT_TRUE(launchAtHome());
    ASSERT_TRUE(open(Bind::create()));
    struct Case {
        const char* what;
        ns::Value vdata;
        bool reminder;
    };
    const std::vector<Case> cases{
        {"not set up", ns::Value::dictionary({{"type", "0"}}), true},
        {"type 1", ns::Value::dictionary({{"type", 1}}), true},
        {"no type", ns::Value::dictionary({}), true},
        {"set up", ns::Value::dictionary({{"type", "2"}}), false},
    };
    auto application = ui::Application::existing();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        app.peers().state().withRouter(EmulatedPeers::kHomeRouter, [&](emulator::EmulatedRouter& r) {
            r.model.set("init_check_vdata", c.vdata);
        });
        bind->checkCurrentWIFI();
        EXPECT_FALSE(bind->loginLocalRouterBtn()->isEnabled()) << "checking";
        EXPECT_TRUE(bind->welcomeView()->isSpinning());
        ASSERT_TRUE(waitForCheck());
        // The first screen underneath may still be asking the same question;
        // its answer reaches this screen too, so wait for the screen's own.
        if (c.reminder) {
            EXPECT_TRUE(app.screen().waitUntil([&] { return app.screen().alert() != nullptr; }, kAnswerSeconds));
        } else {
            app.peers().waitUntilAnswered();
            app.screen().wait(0.5);
        }
        EXPECT_TRUE(bind->loginLocalRouterBtn()->isEnabled());
        ASSERT_EQ(app.screen().alert() != nullptr, c.reminder);
        if (c.reminder) {
            EXPECT_EQ(app.screen().alert()->message(),
                      std::string("\"") + kHomeSSID + "\" " + L("need to initialize the router"));
            ASSERT_TRUE(app.screen().pressAlertButton(L("sure")));
            EXPECT_EQ(application->openedURLs().back(), TAVORouterSetupPage::address());
            app.screen().wait(1.0);
        }
        while (app.screen().alert()) {
            ASSERT_TRUE(app.screen().pressAlertButton(L("cancel")));
            app.screen().wait(1.0);
        }
    }

    // Coming back from the background looks for the router again (the first
    // screen underneath asks too; either failure reaches this screen).
    app.peers().router().setCallFault("init.check", emulator::CallFault::error(-1));
    ns::NotificationCenter::defaultCenter()->postNotificationName(ns::UIApplicationWillEnterForegroundNotification);
    ASSERT_TRUE(waitForCheck());
    EXPECT_FALSE(bind->loginLocalRouterBtn()->isEnabled());
    EXPECT_EQ(bind->welcomeView()->infoLabel()->text(), L("not found the Ardo router"));
    EXPECT_FALSE(bind->welcomeView()->isSpinning());
}

TEST(RouterBindingRecord, OnlyNonEmptyValuesAreKept) {
    auto router = TAVORouterModel::create();
    router->ticket = "t1";
    router->router_id = "R1";
    const ns::Dictionary record = TAVORouterPreference::localRouterRecord(*router, "aa:bb", "");
    EXPECT_EQ(record.count(), 3u);
    EXPECT_FALSE(record.contains(kLocalRouterMac));
    EXPECT_FALSE(record.contains(kLocalRouterAdmin));
    EXPECT_EQ(record[kLocalRouterBssid].stringValue(), "aa:bb");
}

}  // namespace
}  // namespace keelbox::test
