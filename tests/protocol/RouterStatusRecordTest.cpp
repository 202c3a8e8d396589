#include <gtest/gtest.h>

#include "protocol/records/TAVORouterQueryStatusParser.h"
#include "protocol/records/TAVORouterStatus.h"
#include "tests/protocol/ReplyFixture.h"

namespace {

using keelbox::test::parseVData;
using keelbox::test::ParseOutcome;

const char* kStatus = R"({
  "profile": {"router_name": "", "rom_version": "2.1.0", "5g_chip": "MT7612", "antenna": 2, "mac": "AA:BB:CC:00:11:22"},
  "wan_config": {"wan_type": "pppoe", "wan_pppoe_pw": "secret"},
  "wan_status": {"wan_ip": "10.0.0.2"},
  "lan_config": {"dhcp_ip_start": "100"},
  "lan_status": {"led_status": "1"},
  "wifi_2gconfig": {"wifi_ssid_2g": "home", "wifi_channel_2g": "6", "wifi_bandwith_2g_set": "40", "wifi_status_2g": "1"},
  "wifi_5gconfig": {"wifi_ssid_5g": "home-5g", "wifi_bandwidth_5g_set": "80", "wifi_pw_5g": ""},
  "dynamic_info": {"stat_breakdown": "3", "stat_intercept": "12", "stat_anti_freeloader": "", "stat_cpu": "5%"},
  "station_info": {"stat_client": "4", "need_permit": "1", "all_downspeed": "2048"},
  "safe_switch": {"stat_urlcheck": "1", "stat_anti_stealer": "1", "stat_anti_dns_cheat": "1", "stat_brute_attack_switch": "1",
                  "stat_anti_heart_bleed": "1", "stat_arp_attack_switch": "0", "stat_heart_bleed_switch": "0", "stat_safe_dns": "0"},
  "internet_status": {"isp": "LineCo", "max_speed": "100", "avg_speed": "80"}
})";

TEST(RouterStatusRecordTest, ReadsEverySectionByTheRoutersKeys) {
    auto status = parseVData<TAVORouterQueryStatusParser>(kStatus).object<TAVORouterStatus>();
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->hardwareInfo->router_name, "");
    EXPECT_EQ(status->hardwareInfo->rom_version, "2.1.0");
    EXPECT_EQ(status->hardwareInfo->chip_5g, "MT7612");
    EXPECT_EQ(status->hardwareInfo->antenna, "2");
    EXPECT_EQ(status->wanConfig->wan_type, "pppoe");
    EXPECT_EQ(status->wanConfig->wan_pppoe_pw, "");  // never read
    EXPECT_EQ(status->wanStatus->wan_ip, "10.0.0.2");
    EXPECT_EQ(status->lanConfig->dhcp_ip_start, "100");
    EXPECT_EQ(status->lanStatus->led_status, "1");
    EXPECT_EQ(status->twoGConfig->wifi_ssid, ns::Value("home"));
    EXPECT_EQ(status->twoGConfig->wifi_channel, ns::Value("6"));
    EXPECT_EQ(status->twoGConfig->wifi_bandwidth_set, ns::Value("40"));
    // Only the router's misspelt key fills the bandwidth setting.
    EXPECT_TRUE(status->fiveGConfig->wifi_bandwidth_set.isNil());
    EXPECT_EQ(status->fiveGConfig->wifi_psw, ns::Value(""));  // taken unchanged, even empty
    EXPECT_EQ(status->dynamicInfo->stat_breakdown, 3);
    EXPECT_EQ(status->dynamicInfo->stat_anti_freeloader, 0);
    EXPECT_EQ(status->dynamicInfo->stat_intercept, "12");
    EXPECT_EQ(status->staticInfo->stat_client, "4");
    EXPECT_EQ(status->staticInfo->need_permit, 1);
    EXPECT_EQ(status->safeSwitch->stat_heart_bleed_switch, 1);  // from "stat_anti_heart_bleed"
    EXPECT_EQ(status->internetStatus->topSpeed, "100");
    // The ARP switch is off; "stat_safe_dns" does not count; permit is on.
    EXPECT_EQ(status->safeSwitch->safeSwitchOffCount(), 1);
    EXPECT_EQ(status->unopenedSafeItemCount(), 1);
}

TEST(RouterStatusRecordTest, EmptyPayloadCountsOnlyTheMissingAdmissionControl) {
    auto status = parseVData<TAVORouterQueryStatusParser>("{}").object<TAVORouterStatus>();
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->hardwareInfo, nullptr);
    EXPECT_EQ(status->safeSwitch, nullptr);
    EXPECT_EQ(status->internetStatus, nullptr);
    EXPECT_EQ(status->unopenedSafeItemCount(), 1);
    auto allOn = parseVData<TAVORouterQueryStatusParser>(
                     R"({"station_info":{"need_permit":"1"},"safe_switch":{"stat_urlcheck":"1","stat_anti_stealer":"1",
                     "stat_anti_dns_cheat":"1","stat_brute_attack_switch":"1","stat_anti_heart_bleed":"1","stat_arp_attack_switch":"1"}})")
                     .object<TAVORouterStatus>();
    EXPECT_EQ(allOn->unopenedSafeItemCount(), 0);
    EXPECT_TRUE(parseVData<TAVORouterQueryStatusParser>("[]").dataInfo.isNil());
}

TEST(RouterStatusRecordTest, WrongValueKindsFailTheWholeParse) {
    const char* bad[] = {
        R"({"profile":{"rom_version":2}})",          // a number where text is read
        R"({"profile":{"antenna":"2"}})",            // the one number given as text
        R"({"dynamic_info":{"stat_breakdown":3}})",  // counters come as text
        R"({"wan_status":{"wan_ip":null}})",
        R"({"lan_status":["1"]})",                   // a section that is not an object
        R"({"wifi_2gconfig":"off"})",
    };
    for (const char* vdata : bad) {
        SCOPED_TRACE(vdata);
        ParseOutcome outcome = parseVData<TAVORouterQueryStatusParser>(vdata);
        EXPECT_TRUE(outcome.shapeFailure);
        EXPECT_TRUE(outcome.dataInfo.isNil());  // no partial aggregate
    }
}

}  // namespace
