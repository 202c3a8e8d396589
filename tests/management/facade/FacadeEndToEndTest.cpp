// The engine under the screens against the emulated account service, cloud
// and router: sign in, fetch the routers list, select the saved router, and
// watch status and live speeds arrive, over the cloud and over the home
// network.
#include <gtest/gtest.h>

#include "core/app/TAVORouterPreference.h"
#include "emulator/CloudRouterService.h"
#include "emulator/EmulatedRouterModel.h"
#include "emulator/EmulatorState.h"
#include "emulator/RouterLocalService.h"
#include "management/facade/TAVOGlobalRouterEvent.h"
#include "management/pollers/TAVORouterGetSpeedListener.h"
#include "platform/net/InjectableNetworkInfoSource.h"
#include "protocol/records/TAVORouterStaticInfo.h"
#include "tests/management/facade/FacadeFixture.h"
#include "tests/support/Harness.h"

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

class FacadeEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        state = emulator::EmulatorState::create();
        auto r1 = emulator::EmulatedRouterModel::makeRouter("R1", "AA:BB:CC:00:00:01");
        r1.tickets.insert("TK-1");
        state->addRouter(r1);
        state->addRouter(emulator::EmulatedRouterModel::makeRouter("R2", "AA:BB:CC:00:00:02"));
        local = std::make_unique<emulator::RouterLocalService>(state);
        cloud = std::make_unique<emulator::CloudRouterService>(state);
        ASSERT_TRUE(local->start());
        ASSERT_TRUE(cloud->start());
        ASSERT_TRUE(accountService.start());
        ::setenv("KEELBOX_ROUTER_LOCAL_HOST", local->host().c_str(), 1);
        ::setenv("KEELBOX_CLOUD_ROUTER_BASE_URL", cloud->baseURL().c_str(), 1);
        ::setenv("KEELBOX_ACCOUNT_SERVICE_URL", accountService.endpointURL().c_str(), 1);
        accountService.accounts().addAccount("alice", "pw1", "alice@example.org", "", "Al");
        previousSource = sc::NetworkInfo::source();
        wifi = std::make_shared<sc::InjectableNetworkInfoSource>();
        sc::NetworkInfo::setSource(wifi);
        facade = TAVOAccountManager::shareInstance();
        eventsToken = ns::NotificationCenter::defaultCenter()->addObserverForName(
            kTAVOGlobalEventNotification, {}, nullptr,
            [this](const ns::NotificationPtr& n) { events.push_back(n->object().intValue()); });
    }
    void TearDown() override {
        if (speed) speed->endLisener();
        // Let the requests still on the wire finish, so none outlives the
        // servers and the run loop of this test.
        runMainLoopUntil([&] {
            for (int id : {0, 1}) {
                auto provider = facade->dataProvider(id);
                if (!provider->remoteRequests().empty() || !provider->cacheRequests().empty()) return false;
            }
            return true;
        }, 15.0);
        ns::NotificationCenter::defaultCenter()->removeObserver(eventsToken);
        sc::NetworkInfo::setSource(previousSource);
        for (const char* name : {"KEELBOX_ROUTER_LOCAL_HOST", "KEELBOX_CLOUD_ROUTER_BASE_URL", "KEELBOX_ACCOUNT_SERVICE_URL"})
            ::unsetenv(name);
    }

    // Sign-in at the account service; the cloud then knows the account's
    // credential and its two routers.
    void signInAndListRouters() {
        ASSERT_EQ(facade->login("alice", "pw1"), std::nullopt);
        ASSERT_TRUE(runMainLoopUntil([&] { return facade->currentAccountData() != nullptr; }, 10.0));
        state->signIn("alice", facade->currentAccountData()->qt());
        state->bindRouter("alice", "R1");
        state->bindRouter("alice", "R2");

        bool listed = false;
        auto token = ns::NotificationCenter::defaultCenter()->addObserverForName(
            "router list notification_OK", {}, nullptr, [&](const ns::NotificationPtr&) { listed = true; });
        ASSERT_GT(facade->requestRoutersList(), 0);
        ASSERT_TRUE(runMainLoopUntil([&] { return listed; }, 15.0));
        ns::NotificationCenter::defaultCenter()->removeObserver(token);
        ASSERT_EQ(facade->currentRoutersList().size(), 2u);
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

    emulator::EmulatorStatePtr state;
    std::unique_ptr<emulator::RouterLocalService> local;
    std::unique_ptr<emulator::CloudRouterService> cloud;
    emulator::AccountService accountService;
    std::shared_ptr<sc::NetworkInfoSource> previousSource;
    std::shared_ptr<sc::InjectableNetworkInfoSource> wifi;
    std::shared_ptr<TAVOAccountManager> facade;
    std::shared_ptr<TAVORouterGetSpeedListener> speed;
    std::shared_ptr<SpeedRecorder> recorder;
    ns::ObjectPtr eventsToken;
    std::vector<int> events;
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
