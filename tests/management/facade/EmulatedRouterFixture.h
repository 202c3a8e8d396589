// The facade against the emulated account service, cloud and router: two
// routers (R1 on the home network, with the local ticket TK-1, and R2), the
// account "alice" that owns both, and an injected Wi-Fi source. Helpers sign
// in, fetch the routers list and choose the current router over the cloud or
// over the home network, as the application does at start.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "core/app/TAVORouterPreference.h"
#include "emulator/AccountService.h"
#include "emulator/CloudRouterService.h"
#include "emulator/EmulatedRouterModel.h"
#include "emulator/EmulatorState.h"
#include "emulator/RouterLocalService.h"
#include "management/facade/TAVOAccountManager.h"
#include "management/facade/TAVOGlobalRouterEvent.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/net/InjectableNetworkInfoSource.h"
#include "tests/support/Harness.h"

namespace keelbox::test {

class EmulatedRouterTest : public ::testing::Test {
protected:
    static constexpr const char* kHomeBssid = "aa:bb:cc:00:00:02";

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
        accountService.exportDeploymentValues();
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
        for (const char* name : {"KEELBOX_ROUTER_LOCAL_HOST", "KEELBOX_CLOUD_ROUTER_BASE_URL"}) ::unsetenv(name);
        emulator::AccountService::clearDeploymentValues();
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

    // The saved router chosen after the routers list, reached over the cloud.
    void selectOverTheCloud(const std::string& routerId) {
        TAVORouterPreference::shareInstance()->saveOnlineRouter(routerId);
        signInAndListRouters();
        facade->selectPreviousRouter(facade->currentRoutersList());
        ASSERT_TRUE(facade->currentRouter());
        ASSERT_EQ(facade->currentRouter()->router_id, routerId);
        ASSERT_FALSE(facade->currentRouter()->isLocalRouter);
    }

    // R1 chosen while the phone is on its Wi-Fi with a saved local record
    // (admin password `admin`): reached over the home network with TK-1.
    void selectOverTheHomeNetwork(const std::string& admin = "admin1234") {
        wifi->setWiFi(sc::WiFiNetwork{"Keelbox-R1", kHomeBssid});
        TAVORouterPreference::shareInstance()->saveOnlineRouter("R1");
        TAVORouterPreference::shareInstance()->saveLocalRouterInfo({{kLocalRouterBssid, kHomeBssid},
                                                                    {kLocalRouterTicket, "TK-1"},
                                                                    {kLocalRouterMac, "AA:BB:CC:00:00:01"},
                                                                    {kLocalRouterRouterId, "R1"},
                                                                    {kLocalRouterAdmin, admin}});
        TAVORouterPreference::shareInstance()->waitForFileOperations();
        signInAndListRouters();
        facade->selectPreviousRouter(facade->currentRoutersList());
        ASSERT_TRUE(facade->currentRouter());
        ASSERT_EQ(facade->currentRouter()->router_id, "R1");
        ASSERT_TRUE(facade->currentRouter()->isLocalRouter);
    }

    // How many calls of "module.call" reached the router, on either channel.
    std::size_t callsOf(const std::string& cmd) const {
        std::size_t n = 0;
        for (const auto& c : local->calls()) n += c.cmd == cmd;
        const std::string path = "/" + cmd.substr(0, cmd.find('.')) + "/" + cmd.substr(cmd.find('.') + 1);
        for (const auto& e : cloud->server().log().entries()) n += e.path == path;
        return n;
    }

    // A copy of a router's state as the emulator holds it now.
    emulator::EmulatedRouter routerState(const std::string& routerId) const { return *state->router(routerId); }

    emulator::EmulatorStatePtr state;
    std::unique_ptr<emulator::RouterLocalService> local;
    std::unique_ptr<emulator::CloudRouterService> cloud;
    emulator::AccountService accountService;
    std::shared_ptr<sc::NetworkInfoSource> previousSource;
    std::shared_ptr<sc::InjectableNetworkInfoSource> wifi;
    std::shared_ptr<TAVOAccountManager> facade;
    ns::ObjectPtr eventsToken;
    std::vector<int> events;
};

}  // namespace keelbox::test
