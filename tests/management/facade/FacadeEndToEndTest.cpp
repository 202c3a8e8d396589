// The engine under the screens against the emulated account service, cloud
// and router: sign in, fetch the routers list, select the saved router, and
// watch status and live speeds arrive, over the cloud and over the home
// network.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace keelbox::test
