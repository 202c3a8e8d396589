// Registering the phone's push token for the account's routers and clearing
// it, with the retries of a failed sending, on the virtual clock.
#include <gtest/gtest.h>

#include "core/app/TAVORouterPreference.h"
#include "management/push/TAVODeviceTokenUploadEngine.h"
#include "protocol/TAVOAppInfoProvider.h"
#include "tests/management/facade/FacadeFixture.h"

namespace keelbox::test {
namespace {

class DeviceTokenEngine : public FacadeTest {
protected:
    std::vector<ns::Value> sent(int no) const {
        std::vector<ns::Value> out;
        for (const auto& a : providers[1]->asked)
            if (a.no == no) out.push_back(a.param);
        return out;
    }
    static void post(const char* base, bool ok) {
        ns::NotificationCenter::defaultCenter()->postNotificationName(
            std::string(base) + (ok ? "_OK" : "_NG"),
            ok ? ns::Value() : ns::Value(TAVOError::errorWithType(2, -1001, "timed out")));
    }
    std::shared_ptr<TAVODeviceTokenUploadEngine> engine = TAVODeviceTokenUploadEngine::shareInstance();
};

TEST_F(DeviceTokenEngine, RegistersTheTokenForTheJoinedRouterIds) {
    EXPECT_EQ(TAVODeviceTokenUploading::shared(), std::static_pointer_cast<TAVODeviceTokenUploading>(engine));
    engine->uploadDeviceTokenWithRouter({"r1", "r2"});  // no token yet: nothing, and nothing later
    TAVORouterPreference::shareInstance()->saveDeviceToken("0a1b2c");
    advance(30);
    EXPECT_TRUE(sent(58).empty());

    engine->uploadDeviceTokenWithRouter({});
    EXPECT_TRUE(sent(58).empty());
    engine->uploadDeviceTokenWithRouter({"r1", "r2"});
    auto regs = sent(58);
    ASSERT_EQ(regs.size(), 1u);
    EXPECT_EQ(regs[0].count(), 4u);
    EXPECT_EQ(regs[0]["router_ids"], ns::Value("r1,r2"));
    EXPECT_EQ(regs[0]["device_token"], ns::Value("0a1b2c"));
    EXPECT_EQ(regs[0]["version"], ns::Value(std::to_string(TAVOAppInfoProvider::currentAppVersionCode())));
    EXPECT_TRUE(regs[0]["app_id"].isString());
}

TEST_F(DeviceTokenEngine, AFailedSendingIsRetriedTwiceFiveSecondsApart) {
    TAVORouterPreference::shareInstance()->saveDeviceToken("0a1b2c");
    engine->uploadDeviceTokenWithRouter({"r1"});
    for (int retry = 1; retry <= 2; ++retry) {
        post("router reg device token notofication", false);
        advance(4.9);
        EXPECT_EQ(sent(58).size(), static_cast<std::size_t>(retry));
        advance(0.1);
        EXPECT_EQ(sent(58).size(), static_cast<std::size_t>(retry + 1));
    }
    post("router reg device token notofication", false);
    advance(30);
    EXPECT_EQ(sent(58).size(), 3u);

    // A success ends the retries.
    engine->clearDeviceToken();
    post("router clear device token notofication", false);
    advance(5);
    EXPECT_EQ(sent(59).size(), 2u);
    post("router clear device token notofication", true);
    EXPECT_EQ(engine->retryClearCount(), 0);
    post("router clear device token notofication", false);
    advance(30);
    EXPECT_EQ(sent(59).size(), 2u);
}

TEST_F(DeviceTokenEngine, SigningOutClearsTheRegistration) {
    TAVORouterPreference::shareInstance()->saveDeviceToken("0a1b2c");
    signIn();
    facade->setCurrentRouter(router("R1", "AA:BB:CC:00:00:01"));
    facade->quitArdoAccount();
    EXPECT_TRUE(sent(59).empty());  // on a later turn
    drainMainLoop();
    auto clears = sent(59);
    ASSERT_EQ(clears.size(), 2u);
    EXPECT_TRUE(clears[0] == ns::Value(ns::Dictionary{{"device_token", "0a1b2c"}}));

    // A router chosen again within the same turn keeps the registration.
    facade->setCurrentRouter(nullptr);
    facade->setCurrentRouter(router("R2", "AA:BB:CC:00:00:02"));
    drainMainLoop();
    EXPECT_EQ(sent(59).size(), 2u);
}

}  // namespace
}  // namespace keelbox::test
