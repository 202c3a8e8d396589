// The router's system calls: a whole upgrade played step by step to the
// restart on the new firmware, the router away for a few calls after a
// restart or reset, the speed test's bands and the admin password rules.
#include <gtest/gtest.h>

#include "emulator/EmulatedRouterAPI.h"
#include "emulator/EmulatedRouterModel.h"
#include "tests/support/Harness.h"

namespace emulator {
namespace {

class RouterSystemCalls : public ::testing::Test {
protected:
    void SetUp() override {
        state = EmulatorState::create();
        state->addRouter(EmulatedRouterModel::makeRouter("R1", "AA:BB:CC:00:00:01"));
    }
    APIResult call(const std::string& cmd, ns::Dictionary params = {}) {
        return EmulatedRouterAPI::call(*state, "R1", cmd, params);
    }
    EmulatedRouter router() { return *state->router("R1"); }
    EmulatorStatePtr state;
};

TEST_F(RouterSystemCalls, AnUpgradeDownloadsInstallsAndRestartsOnTheNewFirmware) {
    const ns::Value offered = call("system.checkUpdate").vdata;
    ASSERT_EQ(offered["is_update"].intValue(), 1);
    EXPECT_EQ(call("system.updateRom", {{"uri", "elsewhere"}, {"md5", offered["md5"]}}).errcode, -2);
    ASSERT_EQ(call("system.updateRom", {{"uri", offered["uri"]}, {"md5", offered["md5"]}}).errcode, 0);

    std::vector<std::pair<int, int>> steps;
    for (int i = 0; i < 13; ++i) {
        const ns::Value step = call("system.upgradeStatus").vdata;
        steps.emplace_back(step["status"].intValue(), step["progress"].intValue());
    }
    ASSERT_EQ(steps.size(), 13u);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(steps[i], std::make_pair(1, (i + 1) * 10));
    EXPECT_EQ(steps[10].first, 2);
    EXPECT_EQ(steps[11].first, 2);
    EXPECT_EQ(steps[12].first, 100);
    EXPECT_EQ(router().romVersion, offered["version"].stringValue());

    // Away while it restarts, then on the new firmware with nothing newer.
    for (int i = 0; i < 3; ++i) EXPECT_EQ(call("router.getRouterInfo").errcode, 100004) << i;
    EXPECT_EQ(call("router.getRouterInfo").errcode, 0);
    EXPECT_EQ(call("system.checkUpdate").vdata["is_update"].intValue(), 0);
}

TEST_F(RouterSystemCalls, ARestartOrResetLeavesTheRouterAwayForAFewCalls) {
    for (const char* cmd : {"router.reboot", "router.factoryReset"}) {
        SCOPED_TRACE(cmd);
        ASSERT_EQ(call(cmd).errcode, 0);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(call("router.getRouterInfo").errcode, 100004);
        EXPECT_EQ(call("router.getRouterInfo").errcode, 0);
    }
    EXPECT_FALSE(router().initialised) << "the reset router waits to be set up";
}

TEST_F(RouterSystemCalls, TheSpeedTestAnswersInBandsPerDirection) {
    EXPECT_EQ(call("router.testSpeed", {{"type", "1"}}).vdata["bands"].intValue(), 1048576);
    EXPECT_EQ(call("router.testSpeed", {{"type", "0"}}).vdata["bands"].intValue(), 262144);
}

TEST_F(RouterSystemCalls, TheAdminPasswordChangeKeepsToItsRules) {
    struct Case {
        const char* current;
        const char* next;
        int type;
    };
    for (const auto& c : std::vector<Case>{{"wrong1234", "newpass123", -9},
                                           {"admin1234", "short", -2},
                                           {"admin1234", "newpass1234567890", -2},
                                           {"admin1234", "newpass123", 0}}) {
        SCOPED_TRACE(c.next);
        const ns::Value answer = call("login.loginChange", {{"curpass", c.current}, {"newpass", c.next}}).vdata;
        EXPECT_EQ(answer["type"].intValue(), c.type);
        if (c.type == 0) {
            EXPECT_EQ(router().adminPassword, c.next);
            ASSERT_EQ(router().tickets.size(), 1u);
            EXPECT_EQ(*router().tickets.begin(), answer["ticket"].stringValue());
        }
    }
}

}  // namespace
}  // namespace emulator
