// The firmware upgrade and the channel-promotion poller against the emulated
// router, on the virtual clock: each query goes over the wire, the router
// answers from its own (scripted) state, and the pollers keep their cadence
// and stop when they should.
#include <gtest/gtest.h>

#include "emulator/CallFault.h"
#include "management/pollers/TAVOOptChannelListener.h"
#include "management/pollers/TAVORouterStatusLisener.h"
#include "management/pollers/TAVORouterRomUpdateListener.h"
#include "tests/management/pollers/UpgradeRecorder.h"
#include "protocol/records/TAVORouterRomUpdataInfo.h"
#include "tests/management/facade/EmulatedRouterFixture.h"

namespace keelbox::test {
namespace {

struct PromotionRecorder : TAVOOptChannelListenerDelegate {
    std::vector<ns::Value> data;
    int errors = 0;
    std::size_t endAfter = 0;  // ends the listener inside the delegate at this many answers
    void lisenerData(TAVOOptChannelListener& l, const ns::Value& d) override {
        data.push_back(d);
        if (data.size() == endAfter) l.endLisener();
    }
    void lisenerErrorCode(TAVOOptChannelListener&, const TAVOErrorPtr&) override { ++errors; }
};

struct StatusRecorder : TAVORouterStatusLisenerDelegate {
    std::vector<TAVORouterStatusPtr> reports;
    int errors = 0;
    void lisenerRouterStatus(TAVORouterStatusLisener&, const TAVORouterStatusPtr& s) override { reports.push_back(s); }
    void lisenerError(TAVORouterStatusLisener&, const TAVOErrorPtr&) override { ++errors; }
};

class PollersEndToEnd : public EmulatedRouterTest {
protected:
    void TearDown() override {
        if (upgrade) upgrade->endCheckUpdateProgress();
        if (promotion) promotion->endLisener();
        if (status) status->endLisener();
        EmulatedRouterTest::TearDown();
    }

    // Waits for the router to take the query due at the next tick of
    // `delay`, checking that none went out before it.
    void expectQueryAfter(double delay, const std::string& cmd) {
        const std::size_t before = callsOf(cmd);
        advance(delay * 0.9);
        drainMainLoop();
        EXPECT_EQ(callsOf(cmd), before) << "queried early";
        advance(delay * 0.1);
        EXPECT_TRUE(runMainLoopUntil([&] { return callsOf(cmd) == before + 1; }, 15.0));
    }

    std::shared_ptr<TAVORouterRomUpdateListener> upgrade;
    std::shared_ptr<TAVOOptChannelListener> promotion;
    std::shared_ptr<TAVORouterStatusLisener> status;
};

// The safety tab's poller: status, Wi-Fi password strength, admin password
// safety and protection days from the router, one report per cycle, the next
// cycle 5 s after the last answer; an admin password changed through the
// facade shows in the next cycle.
TEST_F(PollersEndToEnd, StatusWithPasswordChecksFollowsTheRouter) {
    // A weak Wi-Fi password and an admin password too short to be safe.
    state->withRouter("R2", [](emulator::EmulatedRouter& r) {
        r.model.set("wifi_pwd_strength", 2);
        r.adminPassword = "admin12";
    });
    selectOverTheCloud("R2");
    status = TAVORouterStatusLisener::create();
    status->wantsPasswordStrength = true;
    auto recorder = std::make_shared<StatusRecorder>();
    status->delegate = recorder;
    status->startLisener(facade->currentRouter(), facade->currentAccountData());
    ASSERT_TRUE(runMainLoopUntil([&] { return recorder->reports.size() == 1; }, 15.0));
    ASSERT_TRUE(recorder->reports[0]);
    EXPECT_EQ(status->wifiPasswordStrength(), 2);
    EXPECT_EQ(status->adminPasswordSafety(), 1);  // not safe
    EXPECT_EQ(status->protectElapse(), 30);
    EXPECT_EQ(recorder->errors, 0);

    bool changed = false;
    auto token = ns::NotificationCenter::defaultCenter()->addObserverForName(
        "router update admin pwd notification_OK", {}, nullptr, [&](const ns::NotificationPtr&) { changed = true; });
    ASSERT_GT(facade->updateAdminPwd("a-much-longer-admin", "admin12"), 0);
    ASSERT_TRUE(runMainLoopUntil([&] { return changed; }, 15.0));
    ns::NotificationCenter::defaultCenter()->removeObserver(token);
    EXPECT_EQ(routerState("R2").adminPassword, "a-much-longer-admin");

    expectQueryAfter(TAVORouterStatusLisener::kCycleDelay, "router.getRouterInfo");
    ASSERT_TRUE(runMainLoopUntil([&] { return recorder->reports.size() == 2; }, 15.0));
    EXPECT_EQ(status->adminPasswordSafety(), 0);  // safe now
    EXPECT_EQ(callsOf("security.getAdminPwdSafety"), 2u);

    status->endLisener();
    const std::size_t cycles = callsOf("router.getRouterInfo");
    advance(3 * TAVORouterStatusLisener::kCycleDelay);
    drainMainLoop();
    EXPECT_EQ(callsOf("router.getRouterInfo"), cycles);
}

// The update found by the check is ordered, then its progress is polled
// every second until the router reports the final status.
TEST_F(PollersEndToEnd, AScriptedUpgradeIsFollowedToItsEnd) {
    selectOverTheCloud("R2");
    auto router = facade->currentRouter();
    const std::string qt = facade->currentAccountData()->qt();
    upgrade = TAVORouterRomUpdateListener::create();
    auto recorder = std::make_shared<UpgradeRecorder>();
    upgrade->delegate = recorder;

    // Without the update's address the router refuses the order, and the
    // delegate hears a failure with text.
    ASSERT_GT(upgrade->requestUpdateRom(router, qt), 0);
    ASSERT_TRUE(runMainLoopUntil([&] { return recorder->orders.size() == 1; }, 15.0));
    ASSERT_TRUE(recorder->orders[0].has_value());
    EXPECT_FALSE(recorder->orders[0]->empty());

    std::shared_ptr<TAVORouterRomUpdataInfo> info;
    auto token = ns::NotificationCenter::defaultCenter()->addObserverForName(
        "router check rom update notification_OK", {}, nullptr,
        [&](const ns::NotificationPtr& n) { info = n->object().as<TAVORouterRomUpdataInfo>(); });
    ASSERT_GT(facade->checkRouterRomUpdate(), 0);
    ASSERT_TRUE(runMainLoopUntil([&] { return info != nullptr; }, 15.0));
    ns::NotificationCenter::defaultCenter()->removeObserver(token);
    EXPECT_EQ(info->version, "2.0.0");
    router->updateInfo = info;

    ASSERT_GT(upgrade->requestUpdateRom(router, qt), 0);
    ASSERT_TRUE(runMainLoopUntil([&] { return recorder->orders.size() == 2; }, 15.0));
    EXPECT_EQ(recorder->orders[1], std::nullopt);
    EXPECT_GT(routerState("R2").model["upgrade_script"].count(), 0u);  // the router is upgrading

    state->withRouter("R2", [](emulator::EmulatedRouter& r) {
        emulator::EmulatedRouterModel::scriptUpgrade(r, {{1, 10}, {1, 50}, {1, 90}, {100, 100}});
    });
    upgrade->startCheckUpdateProgress(router, qt);
    ASSERT_TRUE(runMainLoopUntil([&] { return recorder->reports() == 1; }, 15.0));
    for (std::size_t n = 2; n <= 4; ++n) {
        expectQueryAfter(TAVORouterRomUpdateListener::kProgressDelay, "system.upgradeStatus");
        ASSERT_TRUE(runMainLoopUntil([&] { return recorder->reports() == n; }, 15.0));
    }
    EXPECT_EQ(recorder->progress, (std::vector<float>{10.0f, 50.0f, 90.0f}));
    EXPECT_EQ(recorder->statuses, std::vector<int>{100});

    // Final: no query follows.
    const std::size_t queries = callsOf("system.upgradeStatus");
    EXPECT_EQ(queries, 4u);
    advance(5 * TAVORouterRomUpdateListener::kProgressDelay);
    drainMainLoop();
    EXPECT_EQ(callsOf("system.upgradeStatus"), queries);
}

// Over the home network: the promotion every 3 s, a failing query followed
// by another 3 s later, and no query after the delegate ends the poller.
TEST_F(PollersEndToEnd, ChannelPromotionIsPolledUntilEnded) {
    selectOverTheHomeNetwork();
    promotion = TAVOOptChannelListener::create();
    auto recorder = std::make_shared<PromotionRecorder>();
    recorder->endAfter = 2;
    promotion->delegate = recorder;
    promotion->startLisener(facade->currentRouter(), facade->currentAccountData());
    ASSERT_TRUE(runMainLoopUntil([&] { return recorder->data.size() == 1; }, 15.0));
    EXPECT_EQ(recorder->data[0]["promotion"].intValue(), 30);

    local->setCallFault("wifi.getChannelPromotion", emulator::CallFault::error(-3, "busy"));
    expectQueryAfter(TAVOOptChannelListener::kQueryDelay, "wifi.getChannelPromotion");
    ASSERT_TRUE(runMainLoopUntil([&] { return recorder->errors == 1; }, 15.0));

    local->clearCallFaults();
    expectQueryAfter(TAVOOptChannelListener::kQueryDelay, "wifi.getChannelPromotion");
    ASSERT_TRUE(runMainLoopUntil([&] { return recorder->data.size() == 2; }, 15.0));

    const std::size_t queries = callsOf("wifi.getChannelPromotion");
    EXPECT_EQ(queries, 3u);
    advance(3 * TAVOOptChannelListener::kQueryDelay);
    drainMainLoop();
    EXPECT_EQ(callsOf("wifi.getChannelPromotion"), queries);
}

}  // namespace
}  // namespace keelbox::test
