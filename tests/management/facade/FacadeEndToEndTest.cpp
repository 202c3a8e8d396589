// The engine under the screens against the emulated account service, cloud
// and router: sign in, fetch the routers list, select the saved router, and
// watch status and live speeds arrive, over the cloud and over the home
// network.
#include <gtest/gtest.h>

#include "emulator/CallFault.h"
#include "management/pollers/TAVORouterGetSpeedListener.h"
#include "protocol/records/TAVORouterStaticInfo.h"
#include "tests/management/facade/EmulatedRouterFixture.h"

namespace keelbox::test {
namespace {

struct SpeedRecorder : TAVORouterGetSpeedListenerDelegate {
    std::vector<ns::Array> speeds;
    std::vector<std::pair<int, int>> downUp;
    std::vector<TAVOErrorPtr> errors;
    void lisenerSpeed(TAVORouterGetSpeedListener&, const ns::Array& s) override { speeds.push_back(s); }
    void lisenerDownSpeedUpSpeed(TAVORouterGetSpeedListener&, int d, int u) override { downUp.push_back({d, u}); }
    void lisenerError(TAVORouterGetSpeedListener&, const TAVOErrorPtr& e) override { errors.push_back(e); }
};

class FacadeEndToEnd : public EmulatedRouterTest {
protected:
    void TearDown() override {
        if (speed) speed->endLisener();
        EmulatedRouterTest::TearDown();
    }

    void watchSpeeds() {
        speed = TAVORouterGetSpeedListener::create();
        recorder = std::make_shared<SpeedRecorder>();
        speed->startLisener(facade->currentRouter(), facade->currentAccountData(), recorder);
        ASSERT_TRUE(runMainLoopUntil([&] { return !recorder->speeds.empty() && !recorder->downUp.empty(); }, 15.0));
        EXPECT_TRUE(recorder->errors.empty());
        EXPECT_EQ(recorder->speeds[0].size(), 3u);
        EXPECT_EQ(recorder->downUp[0], (std::pair<int, int>{20480, 1024}));
        EXPECT_EQ(facade->currentRouter()->status->staticInfo->all_downspeed, "20480");
        // The next samples come 5 s after the answer.
        const std::size_t before = recorder->speeds.size();
        advance(5.0);
        EXPECT_TRUE(runMainLoopUntil([&] { return recorder->speeds.size() > before; }, 15.0));
    }

    std::shared_ptr<TAVORouterGetSpeedListener> speed;
    std::shared_ptr<SpeedRecorder> recorder;
};

TEST_F(FacadeEndToEnd, TheSavedRouterOverTheCloud) {
    TAVORouterPreference::shareInstance()->saveOnlineRouter("R2");
    signInAndListRouters();
    facade->selectPreviousRouter(facade->currentRoutersList());
    ASSERT_TRUE(facade->currentRouter());
    EXPECT_EQ(facade->currentRouter()->router_id, "R2");
    EXPECT_FALSE(facade->currentRouter()->isLocalRouter);
    EXPECT_EQ(events, std::vector<int>{2});
    watchSpeeds();
}

TEST_F(FacadeEndToEnd, TheRouterOfTheHomeWiFiOverTheHomeNetwork) {
    wifi->setWiFi(sc::WiFiNetwork{"Keelbox-R1", "aa:bb:cc:00:00:02"});
    TAVORouterPreference::shareInstance()->saveOnlineRouter("R1");
    TAVORouterPreference::shareInstance()->saveLocalRouterInfo({{kLocalRouterBssid, "aa:bb:cc:00:00:02"},
                                                                {kLocalRouterTicket, "TK-1"},
                                                                {kLocalRouterMac, "AA:BB:CC:00:00:01"},
                                                                {kLocalRouterRouterId, "R1"},
                                                                {kLocalRouterAdmin, "admin1234"}});
    TAVORouterPreference::shareInstance()->waitForFileOperations();
    signInAndListRouters();
    facade->selectPreviousRouter(facade->currentRoutersList());
    auto current = facade->currentRouter();
    ASSERT_TRUE(current);
    EXPECT_EQ(current->router_id, "R1");
    EXPECT_TRUE(current->isLocalRouter);
    EXPECT_EQ(current->ticket, "TK-1");
    EXPECT_EQ(current->ssid, "Keelbox-R1");
    EXPECT_EQ(events, std::vector<int>{2});
    watchSpeeds();
}

// The push token registered at the cloud for the listed routers (again 5 s
// after a failure), and cleared there at sign-out.
TEST_F(FacadeEndToEnd, ThePushTokenFollowsTheRoutersListAndSignOut) {
    TAVORouterPreference::shareInstance()->saveDeviceToken("0a1b2c");
    auto sentTo = [&](const std::string& path) {
        std::vector<emulator::LoggedRequest> out;
        for (const auto& e : cloud->server().log().entries())
            if (e.path == path) out.push_back(e);
        return out;
    };
    int refused = 0;
    auto token = ns::NotificationCenter::defaultCenter()->addObserverForName(
        "router reg device token notofication_NG", {}, nullptr, [&](const ns::NotificationPtr&) { ++refused; });
    cloud->setCallFault("device.registerApnsToken", emulator::CallFault::error(-3, "busy"));
    signInAndListRouters();
    ASSERT_TRUE(runMainLoopUntil([&] { return refused == 1; }, 15.0));
    ns::NotificationCenter::defaultCenter()->removeObserver(token);
    ASSERT_EQ(sentTo("/device/registerApnsToken").size(), 1u);
    auto reg = sentTo("/device/registerApnsToken")[0];
    EXPECT_EQ(reg.field("router_ids"), "R1,R2");
    EXPECT_EQ(reg.field("device_token"), "0a1b2c");

    cloud->clearCallFaults();
    advance(5.0);
    ASSERT_TRUE(runMainLoopUntil([&] { return sentTo("/device/registerApnsToken").size() == 2; }, 15.0));
    EXPECT_EQ(sentTo("/device/registerApnsToken")[1].field("router_ids"), "R1,R2");
    ASSERT_TRUE(runMainLoopUntil([&] { return facade->dataProvider(1)->remoteRequests().empty(); }, 15.0));
    advance(15.0);
    drainMainLoop();
    EXPECT_EQ(sentTo("/device/registerApnsToken").size(), 2u);

    facade->selectPreviousRouter(facade->currentRoutersList());
    int cleared = 0;
    auto center = ns::NotificationCenter::defaultCenter();
    auto okToken = center->addObserverForName("router clear device token notofication_OK", {}, nullptr,
                                              [&](const ns::NotificationPtr&) { ++cleared; });
    facade->quitArdoAccount();
    // Both answers are awaited: the provider forgets the first request when
    // the second one goes out with no router, so its queue tells nothing.
    EXPECT_TRUE(runMainLoopUntil([&] { return cleared == 2; }, 15.0));
    center->removeObserver(okToken);
    ASSERT_EQ(sentTo("/device/clearApnsToken").size(), 2u);
    for (const auto& clear : sentTo("/device/clearApnsToken")) EXPECT_EQ(clear.field("device_token"), "0a1b2c");
}

}  // namespace
}  // namespace keelbox::test
