// An emulated router on the home network and the emulated cloud, one
// signed-in account ("alice", qt "QT-alice") owning both routers: "R1", the
// local router (already logged in: ticket "TK-1"), and "R2", reached only
// through the cloud. The application is pointed at both, the account facade
// is a fake whose current router the test chooses, and every error the
// error system sees is recorded.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "core/errors/TAVOErrorSystemManager.h"
#include "core/records/TAVORouterModel.h"
#include "core/services/TAVOAccountFacade.h"
#include "emulator/CloudRouterService.h"
#include "emulator/EmulatedRouterModel.h"
#include "emulator/EmulatorState.h"
#include "emulator/RouterLocalService.h"
#include "platform/foundation/NotificationCenter.h"
#include "protocol/TAVODataProvider.h"
#include "protocol/TAVODataProviderCommon.h"
#include "tests/support/FakeAccountFacade.h"
#include "tests/support/Harness.h"

namespace keelbox::test {

class RecordingErrorHandler : public TAVOErrorHandlerProtocol {
public:
    std::vector<TAVOErrorPtr> seen;
    bool run() override {
        seen.push_back(error());
        return true;
    }
};

// One delivered result notification.
struct Delivery {
    bool arrived = false;
    bool ok = false;
    ns::Value object;
    ns::Dictionary userInfo;
    TAVOErrorPtr error() const { return object.as<TAVOError>(); }
};

class ProtocolEmulatorTest : public ::testing::Test {
protected:
    static constexpr const char* kQt = "QT-alice";
    static constexpr const char* kTicket = "TK-1";
    static constexpr const char* kAdminPassword = "admin1234";

    void SetUp() override {
        state = emulator::EmulatorState::create();
        auto r1 = emulator::EmulatedRouterModel::makeRouter("R1", "AA:BB:CC:00:00:01");
        r1.tickets.insert(kTicket);
        state->addRouter(r1);
        state->addRouter(emulator::EmulatedRouterModel::makeRouter("R2", "AA:BB:CC:00:00:02"));
        state->signIn("alice", kQt);
        state->bindRouter("alice", "R1");
        state->bindRouter("alice", "R2");
        local = std::make_unique<emulator::RouterLocalService>(state);
        cloud = std::make_unique<emulator::CloudRouterService>(state);
        ASSERT_TRUE(local->start());
        ASSERT_TRUE(cloud->start());
        ::setenv("KEELBOX_ROUTER_LOCAL_HOST", local->host().c_str(), 1);
        ::setenv("KEELBOX_CLOUD_ROUTER_BASE_URL", cloud->baseURL().c_str(), 1);
        facade = std::make_shared<FakeAccountFacade>();
        TAVOAccountFacade::setShared(facade);
        errors = std::make_shared<RecordingErrorHandler>();
        TAVOErrorSystemManager::sharedManager()->registeHandler(errors);
        localRouter = TAVORouterModel::create();
        localRouter->router_id = "R1";
        localRouter->mac = "AA:BB:CC:00:00:01";
        localRouter->isLocalRouter = true;
        localRouter->ticket = kTicket;
        cloudRouter = TAVORouterModel::create();
        cloudRouter->router_id = "R2";
        cloudRouter->mac = "AA:BB:CC:00:00:02";
    }
    void TearDown() override {
        ::unsetenv("KEELBOX_ROUTER_LOCAL_HOST");
        ::unsetenv("KEELBOX_CLOUD_ROUTER_BASE_URL");
        TAVOErrorSystemManager::sharedManager()->removeAllHandlers();
    }

    // Sends request `number` through the provider and waits for its result
    // notification; checks that nothing arrives inside reqData itself.
    Delivery send(const TAVODataProviderPtr& provider, int number, const ns::Value& param, const std::string& className,
                  std::int32_t* tokenOut = nullptr) {
        const std::string base = TAVODataProviderCommon::shareInstance()->notificationBase(className);
        auto delivery = std::make_shared<Delivery>();
        auto center = ns::NotificationCenter::defaultCenter();
        auto record = [delivery](bool ok) {
            return [delivery, ok](const ns::NotificationPtr& n) {
                delivery->arrived = true;
                delivery->ok = ok;
                delivery->object = n->object();
                delivery->userInfo = n->userInfo();
            };
        };
        ns::ScopedObserver okObserver(center, center->addObserverForName(base + "_OK", {}, nullptr, record(true)));
        ns::ScopedObserver ngObserver(center, center->addObserverForName(base + "_NG", {}, nullptr, record(false)));
        const std::int32_t token = provider->reqData(number, param);
        if (tokenOut) *tokenOut = token;
        EXPECT_FALSE(delivery->arrived) << "delivered inside reqData";
        runMainLoopUntil([&] { return delivery->arrived; }, 15.0);
        return *delivery;
    }

    emulator::EmulatorStatePtr state;
    std::unique_ptr<emulator::RouterLocalService> local;
    std::unique_ptr<emulator::CloudRouterService> cloud;
    std::shared_ptr<FakeAccountFacade> facade;
    std::shared_ptr<RecordingErrorHandler> errors;
    std::shared_ptr<TAVORouterModel> localRouter;
    std::shared_ptr<TAVORouterModel> cloudRouter;
};

}  // namespace keelbox::test
