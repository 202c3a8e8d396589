// The router calls of the safety screens, answered from the router's
// model: switches by protection type, admission control and its advanced
// mode, the safety log by kind, the password checks, the days protected,
// the virus library update and the devices heard nearby.
#include <gtest/gtest.h>

#include "emulator/EmulatedRouterAPI.h"
#include "emulator/EmulatedRouterModel.h"
#include "emulator/EmulatorState.h"

namespace {

class SafetyCalls : public ::testing::Test {
protected:
    void SetUp() override { state->addRouter(emulator::EmulatedRouterModel::makeRouter("R1", "AA:BB:CC:00:00:01")); }
    emulator::APIResult call(const std::string& cmd, const ns::Dictionary& params = {}) {
        return emulator::EmulatedRouterAPI::call(*state, "R1", cmd, params);
    }
    ns::Value model(const std::string& key) { return state->router("R1")->model[key]; }
    emulator::EmulatorStatePtr state = emulator::EmulatorState::create();
};

TEST_F(SafetyCalls, EachProtectionTypeSwitchesItsOwnSwitch) {
    const std::vector<std::pair<int, const char*>> types{{1, "stat_urlcheck"},        {2, "stat_anti_stealer"},
                                                         {4, "stat_anti_dns_cheat"},  {7, "stat_brute_attack_switch"},
                                                         {8, "stat_anti_heart_bleed"}, {9, "stat_arp_attack_switch"}};
    for (const auto& [type, key] : types) {
        SCOPED_TRACE(key);
        for (int sw : {0, 1}) {
            EXPECT_EQ(call("router.setCommonSW", {{"type", type}, {"sw", sw}}).errcode, 0);
            EXPECT_EQ(model("switches")[key].stringValue(), std::to_string(sw));
            const auto status = emulator::EmulatedRouterModel::statusPayload(*state->router("R1"));
            EXPECT_EQ(status["safe_switch"][key].stringValue(), std::to_string(sw));
        }
    }
    EXPECT_NE(call("router.setCommonSW", {{"type", 3}, {"sw", 1}}).errcode, 0) << "no such protection";
    EXPECT_NE(call("router.setCommonSW", {{"type", 1}, {"sw", 5}}).errcode, 0);
}

TEST_F(SafetyCalls, CountersAdmissionAndAdvancedModeShowInTheStatus) {
    auto status = [&] { return emulator::EmulatedRouterModel::statusPayload(*state->router("R1")); };
    EXPECT_EQ(status()["dynamic_info"]["stat_anti_dnshacking"].stringValue(), "3");
    EXPECT_EQ(status()["dynamic_info"]["stat_intercept"].stringValue(), "12");
    call("router.setneedpermit", {{"need_permit", 1}, {"pw_ability", 1}});
    EXPECT_EQ(status()["station_info"]["need_permit"].stringValue(), "1");
    call("router.setPermitAdvance", {{"sw", 1}, {"sw_type", 1}});
    EXPECT_EQ(status()["safe_switch"]["visitor_auto_switch"].stringValue(), "1");
}

TEST_F(SafetyCalls, SafetyLogsByKindAndTheOtherFigures) {
    for (const char* kind : {"5", "0", "3", "2", "6"}) {
        const auto out = call("router.getSafetyLog", {{"type", kind}, {"compress", 0}});
        EXPECT_GT(out.vdata["list"].count(), 0u) << kind;
    }
    EXPECT_EQ(call("router.getSafetyLog", {{"type", 9}}).vdata["list"].count(), 0u);
    EXPECT_EQ(call("security.getAdminPwdSafety").vdata["type"].intValue(), 0) << "a long enough password";
    EXPECT_EQ(call("security.getProtectElapse").vdata["num"].intValue(), 30);
    EXPECT_EQ(call("wifi.wifiPwdStrength").vdata["type"].intValue(), 3);
    const auto nearby = call("wifi.getChannelDeviceNum").vdata;
    EXPECT_EQ(nearby["2.4G"].intValue() + nearby["5G"].intValue(), 9);
}

TEST_F(SafetyCalls, TheVirusLibraryUpdatesOnce) {
    state->withRouter("R1", [](emulator::EmulatedRouter& r) {
        ns::Value virus = r.model["virus"];
        virus.mutableDictionary().set("download_time", 1);
        r.model.set("virus", virus);
    });
    EXPECT_EQ(call("security.updateVirusLibrary").vdata["is_update"].intValue(), 1);
    EXPECT_GT(model("virus")["download_time"].longLongValue(), 1) << "the library's new date";
    EXPECT_EQ(call("security.updateVirusLibrary").vdata["is_update"].intValue(), 0);
    EXPECT_EQ(call("security.getVirusLibraryInfo").vdata["version"].stringValue(), "2026.12.01");
}

}  // namespace
