// The facade with recording providers in place of the real ones (so a test
// sees exactly what each operation asked for) and the emulated account
// service to sign in against.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "emulator/AccountService.h"
#include "management/facade/TAVOAccountManager.h"
#include "platform/foundation/NotificationCenter.h"
#include "protocol/TAVODataProvider.h"
#include "tests/support/Harness.h"

namespace keelbox::test {

// Records every request it is asked for and answers a fixed token, sending
// nothing.
class RecordingProvider : public TAVODataProvider {
public:
    struct Asked {
        int no;
        ns::Value param;
    };
    static constexpr std::int32_t kToken = 1700000000;
    static std::shared_ptr<RecordingProvider> make() { return std::shared_ptr<RecordingProvider>(new RecordingProvider()); }
    bool checkParam(int no, const ns::Value& param) override {
        asked.push_back({no, param});
        return true;
    }
    std::int32_t execReq(int, const ns::Value&) override { return kToken; }
    std::vector<Asked> asked;
};

class FacadeTest : public ::testing::Test {
protected:
    void SetUp() override {
        facade = TAVOAccountManager::shareInstance();
        providers = {RecordingProvider::make(), RecordingProvider::make()};
        facade->setProviderSource([this](int id) -> TAVODataProviderPtr {
            return id >= 0 && id < 2 ? providers[static_cast<std::size_t>(id)] : nullptr;
        });
        eventsToken = ns::NotificationCenter::defaultCenter()->addObserverForName(
            kTAVOGlobalEventNotificationName, {}, nullptr,
            [this](const ns::NotificationPtr& n) { events.push_back(n->object().intValue()); });
    }
    void TearDown() override {
        ns::NotificationCenter::defaultCenter()->removeObserver(eventsToken);
        if (accountServiceStarted) emulator::AccountService::clearDeploymentValues();
    }

    // Signs "alice" in at the emulated account service through the facade.
    void signIn() {
        ASSERT_TRUE(accountService.start());
        accountServiceStarted = true;
        accountService.exportDeploymentValues();
        accountService.accounts().addAccount("alice", "pw1", "alice@example.org", "", "Al");
        ASSERT_EQ(facade->login("alice", "pw1"), std::nullopt);
        ASSERT_TRUE(runMainLoopUntil([&] { return facade->currentAccountData() != nullptr; }, 10.0));
        qt = facade->currentAccountData()->qt();
        ASSERT_FALSE(qt.empty());
    }

    static TAVORouterModelPtr router(const std::string& id, const std::string& mac, const std::string& ssid = "") {
        ns::Dictionary d{{"router_id", id}, {"mac", mac}};
        if (!ssid.empty()) d.set("ssid", ssid);
        return TAVORouterModel::initWithDictionary(ns::Value(d));
    }

    static constexpr const char* kTAVOGlobalEventNotificationName = "tavo global event notification";

    std::shared_ptr<TAVOAccountManager> facade;
    std::vector<std::shared_ptr<RecordingProvider>> providers;
    emulator::AccountService accountService;
    bool accountServiceStarted = false;
    std::string qt;
    ns::ObjectPtr eventsToken;
    std::vector<int> events;
};

}  // namespace keelbox::test
