// The smaller reply records and parsers: diagnosis, updates, safety,
// channels and speeds, and the value parsers with their own error rules.
#include <gtest/gtest.h>

#include "core/app/TAVOLocalizedString.h"
#include "core/records/TAVORouterModel.h"
#include "protocol/records/TAVOAppQueryAppUpdateParser.h"
#include "protocol/records/TAVOAppUpdateInfo.h"
#include "protocol/records/TAVOCancelSpeedLimitParser.h"
#include "protocol/records/TAVOChannelInfo.h"
#include "protocol/records/TAVODGBaseDiagnoseItem.h"
#include "protocol/records/TAVODeviceAccelerateResultParser.h"
#include "protocol/records/TAVODiagnoseFixParser.h"
#include "protocol/records/TAVOGetAccelerateDeviceParser.h"
#include "protocol/records/TAVOGetChannelDeviceNumParser.h"
#include "protocol/records/TAVOGetChannelQualityRequestParser.h"
#include "protocol/records/TAVOGetSafetyIndicatorsParser.h"
#include "protocol/records/TAVOInterceptCollection.h"
#include "protocol/records/TAVOInterceptItem.h"
#include "protocol/records/TAVOQueryRomUpdateParser.h"
#include "protocol/records/TAVORouterDiagnoseParser.h"
#include "protocol/records/TAVORouterGetWIFITimeParser.h"
#include "protocol/records/TAVORouterInitCheckParser.h"
#include "protocol/records/TAVORouterInterceptListParser.h"
#include "protocol/records/TAVORouterQueryRadioPowerParser.h"
#include "protocol/records/TAVORouterRadioPower.h"
#include "protocol/records/TAVORouterRomUpdataInfo.h"
#include "protocol/records/TAVORouterRomUpdateProgressInfo.h"
#include "protocol/records/TAVORouterRomUpdateProgressParser.h"
#include "protocol/records/TAVORouterSafeIndicator.h"
#include "protocol/records/TAVORouterSpeedParser.h"
#include "protocol/records/TAVORouterTestSpeed.h"
#include "protocol/records/TAVORouterUpdateAdminPwdResultParser.h"
#include "protocol/records/TAVORoutersListParser.h"
#include "protocol/records/TAVOSafetyLog.h"
#include "protocol/records/TAVOSafetyLogResultParser.h"
#include "protocol/records/TAVOSetSpeedLimitParser.h"
#include "protocol/records/TAVOWIFITime.h"
#include "protocol/records/TAVOWifiPwdStrengthParser.h"
#include "tests/protocol/ReplyFixture.h"

namespace {

using keelbox::test::parseVData;

TEST(DiagnosisRecordTest, ObjectListAndOtherPayloads) {
    auto one = parseVData<TAVORouterDiagnoseParser>(R"({"r":"-1"})").dataInfo;
    ASSERT_EQ(one.count(), 1u);
    EXPECT_EQ(one[0].as<TAVODGBaseDiagnoseItem>()->state, -1);
    EXPECT_EQ(one[0].as<TAVODGBaseDiagnoseItem>()->optId, 0);
    auto text = parseVData<TAVORouterDiagnoseParser>("\"busy\"");
    EXPECT_TRUE(text.dataInfo.isArray());
    EXPECT_EQ(text.dataInfo.count(), 0u);
    auto listed = parseVData<TAVORouterDiagnoseParser>(R"([{"t3":{"r":2}},{"x":1}])", ns::Value::dictionary({{"tbit", 3}}));
    ASSERT_EQ(listed.dataInfo.count(), 2u);
    EXPECT_EQ(listed.dataInfo[0].as<TAVODGBaseDiagnoseItem>()->state, 2);
    EXPECT_EQ(listed.dataInfo[1].as<TAVODGBaseDiagnoseItem>()->state, 0);  // no such key: an empty item
    EXPECT_TRUE(parseVData<TAVORouterDiagnoseParser>(R"(["t"])").shapeFailure);
    EXPECT_EQ(parseVData<TAVODiagnoseFixParser>("[1]").dataInfo.count(), 0u);
    EXPECT_EQ(parseVData<TAVODiagnoseFixParser>(R"({"r":0})").dataInfo.count(), 1u);
}

TEST(UpdateRecordTest, RomCheckProgressAndAppVersion) {
    auto rom = parseVData<TAVOQueryRomUpdateParser>(R"({"is_update":"1","version":"2.0","uri":"http://r/rom","md5":"abc","time":null})")
                   .object<TAVORouterRomUpdataInfo>();
    ASSERT_NE(rom, nullptr);
    EXPECT_EQ(rom->update_type, 1);
    EXPECT_EQ(rom->verUri, "http://r/rom");
    EXPECT_EQ(rom->verMd5, "abc");
    EXPECT_TRUE(rom->timeNum.isNull());
    EXPECT_TRUE(parseVData<TAVOQueryRomUpdateParser>(R"({"is_update":0})").object<TAVORouterRomUpdataInfo>()->timeNum.isNil());
    EXPECT_TRUE(parseVData<TAVOQueryRomUpdateParser>(R"({"version":2})").shapeFailure);
    auto progress = parseVData<TAVORouterRomUpdateProgressParser>(R"({"status":1,"progress":42.7})")
                        .object<TAVORouterRomUpdateProgressInfo>();
    EXPECT_EQ(progress->status, 1);
    EXPECT_EQ(progress->progress, 42);
    auto app = parseVData<TAVOAppQueryAppUpdateParser>(R"({"version_code":"120","version_name":"1.2"})").object<TAVOAppUpdateInfo>();
    auto same = TAVOAppUpdateInfo::initWithDictionary(ns::Value::dictionary({{"version_code", 120}, {"version_name", "other"}}));
    auto older = TAVOAppUpdateInfo::initWithDictionary(ns::Value::dictionary({{"version_code", 100}}));
    EXPECT_EQ(app->verCode, 120);
    EXPECT_FALSE(app->isNewer(same));
    EXPECT_FALSE(same->isNewer(app));
    EXPECT_TRUE(app->isNewer(older));
}

TEST(SafetyRecordTest, LogIndicatorsAndIntercepts) {
    auto empty = parseVData<TAVOSafetyLogResultParser>(R"({"list":[]})");
    EXPECT_TRUE(empty.dataInfo.isArray());  // present even when empty
    auto rows = parseVData<TAVOSafetyLogResultParser>(R"({"list":[{"desc":"blocked","src_ip":"","dns_ip":"1.1.1.1"}]})").dataInfo;
    auto row = rows[0].as<TAVOSafetyLog>();
    EXPECT_EQ(row->desc, "blocked");
    EXPECT_EQ(row->srcIp, "");
    EXPECT_EQ(row->dnsIp, "1.1.1.1");
    EXPECT_TRUE(parseVData<TAVOSafetyLogResultParser>(R"({"list":[3]})").shapeFailure);
    auto indicator = parseVData<TAVOGetSafetyIndicatorsParser>(R"({"error_passwd_num":"3","anti_freeloader_num":4})")
                         .object<TAVORouterSafeIndicator>();
    EXPECT_EQ(indicator->err_pwd_num, 3);
    EXPECT_EQ(indicator->anti_freeloader_num, 4);
    auto intercepts = parseVData<TAVORouterInterceptListParser>(R"({"list":[{"type":1},{"type":6}],"clean_ts":"99"})")
                          .object<TAVOInterceptCollection>();
    EXPECT_EQ(intercepts->interceptList[0].as<TAVOInterceptItem>()->type,
              TAVOLocalizedString("trojan horse is plugged within this page"));
    EXPECT_EQ(intercepts->interceptList[1].as<TAVOInterceptItem>()->type, TAVOLocalizedString("unknown error"));
    EXPECT_EQ(intercepts->lastCleanTime, "99");
    EXPECT_TRUE(parseVData<TAVORouterInterceptListParser>(R"({"list":{"a":1}})").object<TAVOInterceptCollection>()->interceptList.isNil());
    EXPECT_TRUE(parseVData<TAVORouterInterceptListParser>("[1]").shapeFailure);
}

TEST(ChannelAndSpeedRecordTest, SamplesTestsAndChannels) {
    auto samples = parseVData<TAVORouterSpeedParser>(R"({"bands":[1,2,3],"band":9})").dataInfo;
    EXPECT_EQ(samples, ns::Value::array({1, 2, 3}));
    EXPECT_EQ(parseVData<TAVORouterSpeedParser>(R"({"bands":[]})").dataInfo, ns::Value(ns::Array{}));
    auto test = parseVData<TAVORouterSpeedParser>(R"({"band":2048})", ns::Value::dictionary({{"type", "1"}})).object<TAVORouterTestSpeed>();
    ASSERT_NE(test, nullptr);
    EXPECT_EQ(test->speed(), 2048);
    EXPECT_EQ(test->speedType(), 1);
    EXPECT_TRUE(parseVData<TAVORouterSpeedParser>(R"({"band":"2048"})").dataInfo.isNil());
    EXPECT_TRUE(parseVData<TAVORouterSpeedParser>("[1]").shapeFailure);
    auto quality = parseVData<TAVOGetChannelQualityRequestParser>(R"({"channel_5G":"149","quality_2.4G":3})").object<TAVOChannelInfo>();
    EXPECT_EQ(quality->currentChannelIndexFor50G, 149);
    EXPECT_EQ(quality->channelQualityFor24G, 3);
    EXPECT_EQ(quality->channelDeviceNumFor24G, 0);
    auto heard = parseVData<TAVOGetChannelDeviceNumParser>(R"({"2.4G":7,"5G":"2"})").object<TAVOChannelInfo>();
    EXPECT_EQ(heard->channelDeviceNumFor24G, 7);
    EXPECT_EQ(heard->channelDeviceNumFor50G, 2);
}

TEST(ValueParserTest, AccelerateAndAdminPasswordReportTheirOwnErrors) {
    auto accelerated = parseVData<TAVODeviceAccelerateResultParser>(R"({"status":0})");
    EXPECT_EQ(accelerated.errorInfo, nullptr);
    EXPECT_EQ(accelerated.dataInfo, ns::Value(0));
    auto refused = parseVData<TAVODeviceAccelerateResultParser>(R"({"status":3})");
    ASSERT_NE(refused.errorInfo, nullptr);
    EXPECT_EQ(refused.errorInfo->type(), TAVOErrorTypeRouter);
    EXPECT_EQ(refused.errorInfo->errorCode(), -1);
    EXPECT_EQ(refused.errorInfo->errorMsg(), "");
    auto wrongOld = parseVData<TAVORouterUpdateAdminPwdResultParser>(R"({"type":-9})");
    ASSERT_NE(wrongOld.errorInfo, nullptr);
    EXPECT_EQ(wrongOld.errorInfo->errorCode(), -9);
    EXPECT_EQ(wrongOld.errorInfo->errorMsg(), TAVOLocalizedString("old pwd is wrong"));
    EXPECT_EQ(wrongOld.errorInfo->sourceError()->domain(), "domain tavo");
    // Codes other than -9 and -2 take the fault table's text.
    const std::pair<const char*, std::string> otherCodes[] = {
        {R"({"type":-2})", TAVOLocalizedString("param is not right")},
        {R"({"type":7})", TAVOLocalizedString("DNS error")},
        {R"({"type":1})", TAVOLocalizedString("unknown error")},
        {R"({"type":-5})", TAVOLocalizedString("unknown error") + ":-5"},
    };
    for (const auto& [vdata, message] : otherCodes) {
        SCOPED_TRACE(vdata);
        auto failed = parseVData<TAVORouterUpdateAdminPwdResultParser>(vdata);
        ASSERT_NE(failed.errorInfo, nullptr);
        EXPECT_EQ(failed.errorInfo->errorMsg(), message);
    }
    auto changed = parseVData<TAVORouterUpdateAdminPwdResultParser>(R"({"type":0,"ticket":"T2"})");
    EXPECT_EQ(changed.errorInfo, nullptr);
    EXPECT_EQ(changed.dataInfo["ticket"], ns::Value("T2"));
}

TEST(ValueParserTest, ValuesTakenAsTheyCome) {
    struct Row {
        const char* vdata;
        ns::Value expected;
    };
    const Row strength[] = {
        {R"({"type":3,"type_5g":2})", 2}, {R"({"type":2,"type_5g":2})", 2}, {R"({"type":"3"})", "3"}, {R"({"type":1,"type_5g":4})", 1}};
    for (const auto& row : strength) EXPECT_EQ(parseVData<TAVOWifiPwdStrengthParser>(row.vdata).dataInfo, row.expected) << row.vdata;
    EXPECT_EQ(parseVData<TAVORouterInitCheckParser>(R"({"type":"1"})").dataInfo, ns::Value("1"));
    EXPECT_TRUE(parseVData<TAVORoutersListParser>(R"({"list":[]})").dataInfo.isNil());
    auto routers = parseVData<TAVORoutersListParser>(R"({"list":[{"router_id":"A"},{"router_id":"B"}]})").dataInfo;
    ASSERT_EQ(routers.count(), 2u);
    EXPECT_EQ(routers[1].as<TAVORouterModel>()->router_id, "B");
    // A wrong-typed entry costs only that property, not the list.
    auto odd = parseVData<TAVORoutersListParser>(R"({"list":[{"router_id":7,"ssid":"home"},{"router_id":"B","ssid":5}]})");
    EXPECT_FALSE(odd.shapeFailure);
    ASSERT_EQ(odd.dataInfo.count(), 2u);
    EXPECT_EQ(odd.dataInfo[0].as<TAVORouterModel>()->router_id, "");
    EXPECT_EQ(odd.dataInfo[0].as<TAVORouterModel>()->ssid, "home");
    EXPECT_EQ(odd.dataInfo[1].as<TAVORouterModel>()->ssid, "");
    EXPECT_TRUE(parseVData<TAVORoutersListParser>(R"({"list":[{"router_id":"A"},3]})").shapeFailure);
    EXPECT_TRUE(parseVData<TAVOSetSpeedLimitParser>("[1,2]").dataInfo.isNil());
    EXPECT_EQ(parseVData<TAVOCancelSpeedLimitParser>("{\"a\":1}").errorInfo, nullptr);
    EXPECT_TRUE(parseVData<TAVOGetAccelerateDeviceParser>(R"({"mac":""})").dataInfo.isNil());
    EXPECT_EQ(parseVData<TAVOGetAccelerateDeviceParser>(R"({"mac":"AA"})").dataInfo, ns::Value("AA"));
    auto timer = parseVData<TAVORouterGetWIFITimeParser>(R"({"open":"07:00","close":"23:00","open_sw":1,"close_sw":"0"})")
                     .object<TAVOWIFITime>();
    EXPECT_EQ(timer->openTime, ns::Value("07:00"));
    EXPECT_TRUE(timer->isOpenWork);
    EXPECT_FALSE(timer->isCloseWork);
    auto powers = parseVData<TAVORouterQueryRadioPowerParser>(R"([{"freq":"2.4G","power":80},{"freq":"5G","power":"60.5"}])").dataInfo;
    ASSERT_EQ(powers.count(), 2u);
    EXPECT_EQ(powers[0].as<TAVORouterRadioPower>()->frequency, "2.4G");
    EXPECT_FLOAT_EQ(powers[1].as<TAVORouterRadioPower>()->powerPercent, 60.5f);
    EXPECT_EQ(parseVData<TAVORouterQueryRadioPowerParser>("null").dataInfo.count(), 0u);
    EXPECT_TRUE(parseVData<TAVORouterQueryRadioPowerParser>("[3]").shapeFailure);
}

}  // namespace
