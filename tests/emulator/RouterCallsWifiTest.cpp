// The Wi-Fi settings calls of the emulated router: what each accepts,
// what it refuses, and what it leaves in the router's state.
#include <gtest/gtest.h>

#include "emulator/EmulatedRouterAPI.h"
#include "emulator/EmulatedRouterModel.h"
#include "emulator/EmulatorState.h"

namespace emulator {
namespace {

class RouterCallsWifi : public ::testing::Test {
protected:
    void SetUp() override { state->addRouter(EmulatedRouterModel::makeRouter("R1", "AA:BB:CC:00:00:01")); }
    APIResult call(const std::string& cmd, const ns::Dictionary& params = {}) {
        return EmulatedRouterAPI::call(*state, "R1", cmd, params);
    }
    ns::Value model(const char* key) const { return state->router("R1")->model[key]; }
    EmulatorStatePtr state = EmulatorState::create();
};

TEST_F(RouterCallsWifi, ChannelsAndBandwidthStayWithinTheRoutersLists) {
    struct Case {
        const char* cmd;
        ns::Dictionary params;
        int errcode;
        const char* band;
        const char* field;
        const char* stored;
    };
    const std::vector<Case> cases{
        {"wifi.setchannel", {{"type", 1}, {"channel", 11}}, 0, "wifi_2g", "channel_set", "11"},
        {"wifi.setchannel", {{"type", 1}, {"channel", 0}}, 0, "wifi_2g", "channel_set", "0"},
        {"wifi.setchannel", {{"type", 1}, {"channel", 14}}, -2, "wifi_2g", "channel_set", "0"},
        {"wifi.setchannel", {{"type", 2}, {"channel", 157}}, 0, "wifi_5g", "channel_set", "157"},
        {"wifi.setchannel", {{"type", 2}, {"channel", 36}}, -2, "wifi_5g", "channel_set", "157"},
        {"wifi.setwifibandwidth", {{"bw", 1}, {"restart", 1}}, 0, "wifi_2g", "bandwidth_set", "1"},
        {"wifi.setwifibandwidth", {{"bw", 3}, {"restart", 1}}, -2, "wifi_2g", "bandwidth_set", "1"},
        {"wifi.setwifibandwidth", {{"restart", 1}}, -2, "wifi_2g", "bandwidth_set", "1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.cmd) + " " + ns::Value(c.params).description());
        EXPECT_EQ(call(c.cmd, c.params).errcode, c.errcode);
        EXPECT_EQ(model(c.band)[c.field].stringValue(), c.stored);
    }
    EXPECT_EQ(model("wifi_2g")["channel"].stringValue(), "11") << "a fixed channel is the working one";
}

TEST_F(RouterCallsWifi, TheTimerAnswersUnderBothSpellingsAndChecksItsTimes) {
    for (const char* cmd : {"router.setwifitimer", "router.setWifiTimer"}) {
        SCOPED_TRACE(cmd);
        EXPECT_EQ(call(cmd, {{"time", "24:00"}, {"type", 1}}).errcode, -2);
        EXPECT_EQ(call(cmd, {{"time", "7:05"}, {"type", 1}}).errcode, -2);
        EXPECT_EQ(call(cmd, {{"time", "07:05"}, {"type", 3}}).errcode, -2);
    }
    EXPECT_EQ(call("router.setWifiTimer", {{"time", "06:30"}, {"type", 1}}).errcode, 0);
    EXPECT_EQ(call("router.setwifitimer", {{"time", "22:15"}, {"type", 2}}).errcode, 0);
    for (const char* cmd : {"router.getwifitimer", "router.getWifiTimer"}) {
        const auto timer = call(cmd).vdata;
        EXPECT_EQ(timer["open"].stringValue(), "06:30");
        EXPECT_EQ(timer["close"].stringValue(), "22:15");
        EXPECT_EQ(timer["open_sw"].intValue(), 1);
        EXPECT_EQ(timer["close_sw"].intValue(), 1);
    }
    EXPECT_EQ(call("router.closeWifiTimer", {{"type", 2}}).errcode, 0);
    EXPECT_EQ(call("router.closeWifiTimer", {}).errcode, -2);
    EXPECT_EQ(model("wifi_timer")["close_sw"].intValue(), 0);
    EXPECT_EQ(model("wifi_timer")["close"].stringValue(), "22:15") << "closing keeps the time";
}

TEST_F(RouterCallsWifi, RadioPowerAndTheLedTakeOnlyTheirValues) {
    EXPECT_EQ(call("router.updateRadioPower", {{"freq", "2.4G"}, {"power", 75}}).errcode, 0);
    EXPECT_EQ(call("router.updateRadioPower", {{"freq", "2.4G"}, {"power", 0}}).errcode, -2);
    EXPECT_EQ(call("router.updateRadioPower", {{"freq", "60G"}, {"power", 50}}).errcode, -2);
    const auto powers = call("router.getRadioPower").vdata;
    ASSERT_EQ(powers.count(), 2u);
    EXPECT_EQ(powers[0]["power"].intValue(), 75);
    EXPECT_EQ(powers[1]["power"].intValue(), 100);

    EXPECT_EQ(call("router.ledControl", {{"sw", 0}}).errcode, 0);
    EXPECT_EQ(model("led").stringValue(), "0");
    EXPECT_EQ(call("router.ledControl", {{"sw", 2}}).errcode, -2);
    EXPECT_EQ(call("router.ledControl", {}).errcode, -2);
    EXPECT_EQ(model("led").stringValue(), "0");
}

}  // namespace
}  // namespace emulator
