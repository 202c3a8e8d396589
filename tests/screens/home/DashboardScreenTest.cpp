// The Wi-Fi dashboard against the emulated home router: what the polls put
// on it, poll errors as breakdowns, the global events, the push dialogs,
// and when its polls run.
#include <gtest/gtest.h>

#include <functional>

#include "core/app/TAVOAppEventHandler.h"
#include "core/app/TAVOLocalizedString.h"
#include "core/errors/TAVORouterErrorUtility.h"
#include "emulator/CallFault.h"
#include "management/facade/TAVOAccountManager.h"
#include "management/push/TAVOPushInfoHolder.h"
#include "platform/foundation/Format.h"
#include "screens/home/TAVOBreakdownSeasonViewController.h"
#include "tests/screens/home/DashboardFixture.h"
#include "tests/support/Harness.h"
#include "uikit/TKTab.h"
#include "uikit/TKTabBar.h"

namespace keelbox::test {
namespace {

using home::callCount;

constexpr const char* kSpeedCall = "router.getSpeed";
constexpr const char* kStatusCall = "router.getRouterInfo";
constexpr const char* kRadioCall = "router.getRadioPower";

std::string L(const std::string& key) { return TAVOLocalizedString(key); }

class DashboardScreen : public ::testing::Test {
protected:
    void open(bool signedIn = false) {
        d = home::openDashboard(app, signedIn);
        ASSERT_TRUE(d.screen) << app.screen().describe();
    }
    TAVORouterStatusView& status() { return *d.screen->statusView(); }
    std::string barTitle() {
        auto label = std::dynamic_pointer_cast<ui::Label>(d.screen->navBar()->titleView());
        return label ? label->text() : std::string();
    }
    TAVORouterModelPtr router() { return TAVOAccountManager::shareInstance()->currentRouter(); }
    void setFault(const std::string& cmd, const emulator::CallFault& fault) { app.peers().router().setCallFault(cmd, fault); }
    void clearFault(const std::string&) { app.peers().router().clearCallFaults(); }
    // Lets what the application sent reach the router and its answers
    // come back (for checks that nothing more is sent).
    void settle() {
        app.peers().waitUntilAnswered();
        app.screen().waitUntil([] { return false; }, 0.3);
        app.peers().waitUntilAnswered();
    }
    // Lets the polls run for a while on the virtual clock, answering each.
    void pollFor(double seconds) {
        for (double t = 0; t < seconds; t += 1.0) {
            app.screen().wait(1.0);
            settle();
        }
    }
    // Moves the clock a second at a time until the condition holds.
    bool pollUntil(const std::function<bool()>& condition) {
        return app.screen().waitWhileTimePasses([&] {
            return condition();
        });
    }
    // Holds a record for the push holder, of the wire kind given.
    static void addPush(int wireType, const std::string& routerId, const ns::Dictionary& data = {}) {
        TAVOPushInfoHolder::shareInstance()->addPushInfo(ns::Value::dictionary(
            {{"rudi", ns::Value::dictionary({{"type", wireType}, {"router_id", routerId}, {"data", ns::Value(data)}})}}));
    }

    AppFixture app;
    home::Dashboard d;
};

TEST_F(DashboardScreen, ThePollsShowTheDeviceCountSpeedsRadioAndRouterName) {
    app.peers().state().withRouter(EmulatedPeers::kHomeRouter, [](emulator::EmulatedRouter& r) {
        // A negative sample is left out; two large ones overflow 32 bits.
        r.model.set("speed_samples", ns::Value::array({-4096, 2000000000, 2000000000}));
        r.model.set("radio_power", ns::Value::array({ns::Value::dictionary({{"freq", "2.4G"}, {"power", 85.9}}),
                                                     ns::Value::dictionary({{"freq", "5G"}, {"power", 101}})}));
    });
    open();
    std::size_t devices = 0;
    app.peers().state().withRouter(EmulatedPeers::kHomeRouter,
                                   [&](emulator::EmulatedRouter& r) { devices = r.model["devices"].count(); });
    ASSERT_GT(devices, 0u);
    EXPECT_EQ(d.screen->currentConnectDevices(), static_cast<int>(devices));
    auto badge = d.screen->deviceListButton()->indicator();
    EXPECT_FALSE(badge->isHidden());
    EXPECT_EQ(badge->content(), std::to_string(devices));
    EXPECT_DOUBLE_EQ(status().speedIndicator()->avgSpeed(), 2000000000.0);
    EXPECT_DOUBLE_EQ(status().speedIndicator()->topSpeed(), 12500000.0);
    EXPECT_EQ(barTitle(), "Keelbox");
    ASSERT_TRUE(status().doubleChannelIndicator());
    // The radio answer may come after the first status on a busy machine.
    EXPECT_TRUE(app.screen().waitWhileTimePasses([&] {
        return !status().doubleChannelIndicator()->state_signalStrength_5G()->currentTitle().empty();
    }));
    EXPECT_EQ(callCount(app, kRadioCall), 1u);
    EXPECT_EQ(status().doubleChannelIndicator()->state_signalStrength_24G()->currentTitle(), L("standard lelve"));
    EXPECT_EQ(status().doubleChannelIndicator()->state_signalStrength_5G()->currentTitle(), L("energy conservation"));

    // Each poll asks again 5 s after its answer; a count of 0 hides the badge.
    app.peers().state().withRouter(EmulatedPeers::kHomeRouter,
                                   [](emulator::EmulatedRouter& r) { r.model.set("devices", ns::Value(ns::Array{})); });
    const std::size_t speeds = callCount(app, kSpeedCall), statuses = callCount(app, kStatusCall);
    ASSERT_TRUE(pollUntil([&] { return d.screen->currentConnectDevices() == 0; }));
    EXPECT_GT(callCount(app, kSpeedCall), speeds);
    EXPECT_GT(callCount(app, kStatusCall), statuses);
    EXPECT_TRUE(badge->isHidden());
}

TEST(DashboardValues, AverageSpeedAndStrengthTexts) {
    struct Average {
        ns::Array samples;
        std::int64_t average;
    };
    const Average averages[] = {
        {{}, 0},
        {{ns::Value(1), ns::Value(2), ns::Value(2)}, 1},
        {{ns::Value(-10), ns::Value(-20)}, 0},
        {{ns::Value(-10), ns::Value(30), ns::Value(10)}, 20},
        {{ns::Value(3000000000LL), ns::Value(3000000000LL)}, 3000000000LL},
    };
    for (const auto& a : averages) EXPECT_EQ(TAVOMyWiFiViewController::averageSpeed(a.samples), a.average);

    struct Strength {
        int percent;
        const char* band24;
        const char* band5;
    };
    const Strength strengths[] = {
        {0, "energy conservation", "energy conservation"},   {50, "energy conservation", "energy conservation"},
        {75, "energy conservation", "energy conservation"},  {85, "standard lelve", "hight-speed"},
        {100, "through-wall", "hight-speed"},                 {101, "energy conservation", "energy conservation"},
    };
    for (const auto& s : strengths) {
        EXPECT_EQ(TAVOMyWiFiViewController::strengthTextFor24G(s.percent), L(s.band24)) << s.percent;
        EXPECT_EQ(TAVOMyWiFiViewController::strengthTextFor5G(s.percent), L(s.band5)) << s.percent;
    }
}

TEST_F(DashboardScreen, PollErrorsOfAnUnreachableRouterShowAsBreakdownsUntilAGoodAnswer) {
    open();
    struct Case {
        int routerCode;
        int shown;
    };
    for (const Case c : {Case{-1100, 100001}, Case{-1101, 100002}, Case{-1002, 100004}}) {
        SCOPED_TRACE(c.shown);
        setFault(kStatusCall, emulator::CallFault::error(c.routerCode));
        ASSERT_TRUE(app.screen().waitWhileTimePasses([&] {
            return status().breakdownErr() == c.shown;
        })) << status().breakdownErr();
        EXPECT_EQ(router()->criticalErrorCode, c.shown);
        EXPECT_EQ(d.screen->currentConnectDevices(), 0);
        EXPECT_TRUE(d.screen->deviceListButton()->indicator()->isHidden());
        EXPECT_EQ(status().speedIndicator()->topSpeed(), 0);

        clearFault(kStatusCall);
        ASSERT_TRUE(app.screen().waitWhileTimePasses([&] {
            return status().breakdownErr() == 0;
        }));
        EXPECT_EQ(router()->criticalErrorCode, 0);
        EXPECT_GT(d.screen->currentConnectDevices(), 0);
    }

    // Any other failure leaves the dashboard as it is.
    setFault(kStatusCall, emulator::CallFault::error(-7, "busy"));
    const std::size_t statuses = callCount(app, kStatusCall);
    ASSERT_TRUE(app.screen().waitWhileTimePasses([&] {
        return callCount(app, kStatusCall) > statuses + 1;
    }));
    app.peers().waitUntilAnswered();
    app.screen().wait(0.1);
    EXPECT_EQ(status().breakdownErr(), 0);
    EXPECT_EQ(router()->criticalErrorCode, 0);
}

TEST_F(DashboardScreen, ABreakdownInTheStatusIsShownAndRepairedFromItsPanel) {
    app.peers().state().withRouter(EmulatedPeers::kHomeRouter, [](emulator::EmulatedRouter& r) {
        r.model.set("counters", ns::Value::dictionary({{"stat_breakdown", "6"}}));
    });
    open();
    ASSERT_EQ(status().breakdownErr(), 6);
    app.screen().wait(0.5);

    // The router refuses first: the panel says so.
    setFault("router.netDiagnoseFix", emulator::CallFault::error(-3, "cannot"));
    ASSERT_TRUE(app.screen().tap(status().breakdownView()->recoveryBtn())) << app.screen().describe();
    ASSERT_TRUE(app.screen().waitUntil([&] { return !status().breakdownView()->isRecoverying(); }));
    auto fix = wifi::callsOf(app, "router.netDiagnoseFix");
    ASSERT_EQ(fix.size(), 1u);
    EXPECT_EQ(fix[0]["task"].stringValue(), "6");
    EXPECT_NE(app.screen().viewWithText(L("fail to recovery")), nullptr);
    EXPECT_EQ(status().breakdownErr(), 6);

    // Then it repairs: the fault clears a second later.
    clearFault("router.netDiagnoseFix");
    app.screen().wait(5.0);
    app.peers().waitUntilAnswered();
    app.screen().wait(0.1);
    ASSERT_TRUE(app.screen().tap(status().breakdownView()->recoveryBtn())) << app.screen().describe();
    ASSERT_TRUE(app.screen().waitUntil([&] { return !status().breakdownView()->isRecoverying(); }));
    EXPECT_NE(app.screen().viewWithText(L("ok to recovery")), nullptr);
    EXPECT_EQ(status().breakdownErr(), 6);
    app.screen().wait(1.0);
    EXPECT_EQ(status().breakdownErr(), 0);
    EXPECT_EQ(wifi::callsOf(app, "router.netDiagnoseFix").size(), 2u);
}

TEST_F(DashboardScreen, BreakdownCodesEachGetTheirOwnAnswer) {
    open();
    auto nav = d.tabs->navigationController();
    ASSERT_TRUE(nav);
    const std::size_t depth = nav->viewControllers().size();
    // Codes with nothing to do: no request, no screen, no dialog.
    for (int code : {100002, 100003, 100005, 2, 3}) {
        d.screen->statusViewBreakdownRecovery(status(), code);
        app.screen().wait(0.5);
        EXPECT_EQ(nav->viewControllers().size(), depth) << code;
        EXPECT_TRUE(app.screen().alerts().empty()) << code;
    }
    app.peers().waitUntilAnswered();
    EXPECT_EQ(callCount(app, "router.netDiagnoseFix"), 0u);

    // A code with details opens the reason screen.
    d.screen->statusViewBreakdownRecovery(status(), 691);
    app.screen().wait(1.0);
    auto reason = std::dynamic_pointer_cast<TAVOBreakdownSeasonViewController>(nav->topViewController());
    ASSERT_TRUE(reason);
    EXPECT_EQ(reason->errorId(), 691);
    nav->popViewControllerAnimated(false);
    app.screen().wait(0.5);

    // The router left the account: the reminder, whose NO keeps everything.
    d.screen->statusViewBreakdownRecovery(status(), 100001);
    app.screen().wait(0.5);
    ASSERT_TRUE(app.screen().alert());
    EXPECT_TRUE(app.screen().viewWithText(L("router is not exist, whether to switch to others")));
    ASSERT_TRUE(app.screen().pressAlertButton(L("NO")));
    app.screen().wait(0.5);
    EXPECT_TRUE(router());

    // No router at all: back to the first screen without one.
    d.screen->statusViewBreakdownRecovery(status(), 100004);
    app.screen().wait(1.0);
    EXPECT_FALSE(router());
    EXPECT_EQ(nav->viewControllers().size(), 1u);
}

TEST_F(DashboardScreen, LosingTheRouterDropsTheValuesAndEveryPoll) {
    open();
    TAVOAccountManager::shareInstance()->setCurrentRouter(nullptr);
    app.screen().wait(0.1);
    EXPECT_EQ(status().breakdownErr(), 100006);
    EXPECT_EQ(d.screen->currentConnectDevices(), 0);
    EXPECT_EQ(barTitle(), L("not wifi available"));
    EXPECT_FALSE(TAVOAccountManager::shareInstance()->statusLisener());
    settle();
    const std::size_t speeds = callCount(app, kSpeedCall), statuses = callCount(app, kStatusCall);
    pollFor(12);
    EXPECT_EQ(callCount(app, kSpeedCall), speeds);
    EXPECT_EQ(callCount(app, kStatusCall), statuses);

    // Events 0 and 5 change nothing; the router coming back (event 2 from
    // the facade) starts the polls again.
    for (int event : {0, 5}) TAVOAppEventHandler::shareInstance()->handleGlobalRouterEvent(event);
    EXPECT_EQ(status().breakdownErr(), 100006);
    auto again = TAVORouterModel::create();
    again->router_id = EmulatedPeers::kHomeRouter;
    again->mac = "AA:BB:CC:00:00:01";
    again->ticket = wifi::kTicket;
    TAVOAccountManager::shareInstance()->setLocalRouter(again);
    TAVOAccountManager::shareInstance()->setCurrentRouter(again);
    ASSERT_TRUE(pollUntil([&] { return status().breakdownErr() == 0 && d.screen->currentConnectDevices() > 0; }));
    EXPECT_GT(callCount(app, kSpeedCall), speeds);
}

TEST_F(DashboardScreen, LeavingStopsTheSpeedPollAndFreeingStopsBoth) {
    open();
    auto cover = ui::ViewController::create();
    app.push(cover);
    settle();
    const std::size_t speeds = callCount(app, kSpeedCall), statuses = callCount(app, kStatusCall);
    ASSERT_TRUE(pollUntil([&] { return callCount(app, kStatusCall) >= statuses + 2; }))
        << "the status poll stays for the screens over the dashboard";
    EXPECT_EQ(callCount(app, kSpeedCall), speeds);

    // Back on top: both run again.
    d.tabs->navigationController()->popViewControllerAnimated(false);
    ASSERT_TRUE(pollUntil([&] { return callCount(app, kSpeedCall) > speeds; }));

    // Freed: nothing of it polls on.
    auto nav = d.tabs->navigationController();
    nav->popToRootViewControllerAnimated(false);
    std::weak_ptr<TAVOMyWiFiViewController> weak = d.screen;
    d = {};
    app.screen().wait(0.5);
    EXPECT_TRUE(weak.expired());
    settle();
    const std::size_t speedsAfter = callCount(app, kSpeedCall), statusesAfter = callCount(app, kStatusCall);
    pollFor(12);
    EXPECT_EQ(callCount(app, kSpeedCall), speedsAfter);
    EXPECT_EQ(callCount(app, kStatusCall), statusesAfter);
}

TEST_F(DashboardScreen, EachWaitingPushRecordBecomesItsDialog) {
    open();
    const std::string ssid = router()->ssid;
    struct Case {
        int wireType;
        ns::Dictionary data;
        std::string message;
        std::vector<std::string> buttons;
    };
    const Case cases[] = {
        {1, {{"endmac", "02:00:00:00:00:09"}},
         ns::format("%@ %@, %@", L("have new device join").c_str(), ssid.c_str(), L("to check them?").c_str()),
         {L("cancel"), L("view")}},
        {2, {}, ns::format("%@ %@", ssid.c_str(), L("have new rom").c_str()), {L("cancel"), L("view")}},
        {3, {{"errcode", 1}}, ns::format("%@ %@", ssid.c_str(), L("rom fail to update").c_str()), {L("have known")}},
        {3, {{"errcode", 0}}, ns::format("%@ %@", ssid.c_str(), L("rom has completed to update").c_str()), {L("have known")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        addPush(c.wireType, EmulatedPeers::kHomeRouter, c.data);
        TAVOAppEventHandler::shareInstance()->handleGlobalRouterEvent(TAVOGlobalEvent::PushInfoWaiting);
        app.screen().wait(0.5);
        auto alert = app.screen().alert();
        ASSERT_TRUE(alert);
        EXPECT_EQ(alert->title(), L("dialog reminder"));
        EXPECT_EQ(alert->message(), c.message);
        EXPECT_EQ(alert->buttonTitles(), c.buttons);
        EXPECT_FALSE(TAVOPushInfoHolder::shareInstance()->firstPushInfo());
        ASSERT_TRUE(app.screen().pressAlertButton(c.buttons.front()));
        app.screen().wait(0.5);
    }
    // The new device's "cancel" left a badge on the first tab; the device
    // list button takes it off even while the router cannot be reached.
    const auto& tab = d.tabs->tabBar()->tabs().front();
    EXPECT_TRUE(tab->indicatorImage());
    router()->criticalErrorCode = 100002;
    ASSERT_TRUE(app.screen().tap(d.screen->deviceListButton()));
    EXPECT_FALSE(tab->indicatorImage());

    // A record of a router that is neither current nor the account's: nothing, and gone.
    addPush(1, "R9");
    TAVOAppEventHandler::shareInstance()->handleGlobalRouterEvent(TAVOGlobalEvent::PushInfoWaiting);
    app.screen().wait(0.5);
    EXPECT_FALSE(app.screen().alert());
    EXPECT_FALSE(TAVOPushInfoHolder::shareInstance()->firstPushInfo());
}

}  // namespace
}  // namespace keelbox::test
