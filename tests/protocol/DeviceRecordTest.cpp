#include <gtest/gtest.h>

#include "protocol/records/TAVORouterBlackDevicesList.h"
#include "protocol/records/TAVORouterGuestListParser.h"
#include "protocol/records/TAVORouterJoiningDevicesList.h"
#include "protocol/records/TAVORouterJoiningGuestDevice.h"
#include "protocol/records/TAVORouterQueryBlackListParser.h"
#include "protocol/records/TAVORouterQueryDeviceListParser.h"
#include "tests/protocol/ReplyFixture.h"

namespace {

using keelbox::test::parseVData;

std::shared_ptr<TAVORouterJoiningDevice> deviceAt(const ns::Value& list, std::size_t i) {
    return list[i].as<TAVORouterJoiningDevice>();
}

TEST(DeviceRecordTest, DeviceListReadsTotalsAndDevicesByTheRoutersKeys) {
    auto list = parseVData<TAVORouterQueryDeviceListParser>(R"({
      "boardinf": {"allspddown": "300", "allspdup": 20, "allflowdown": 7},
      "accelerate_mac": "AA:00:00:00:00:01",
      "list": [
        {"endname": "", "endmac": "AA:00:00:00:00:01", "endonline": 1, "endtdatdown": 500, "endsdatdown": 9,
         "device_model": "Phone", "device_type": "1001", "alias_name": "Kid", "is_wifi": "1", "connect_point": 2},
        {"endmac": "aa:00:00:00:00:01", "endonline": "1", "endsdatdown": 500}
      ]})").object<TAVORouterJoiningDevicesList>();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->allSpeedDown, 300);
    EXPECT_EQ(list->allSpeedUp, 20);
    EXPECT_EQ(list->allFlowDown, 7);
    EXPECT_EQ(list->allFlowUp, 0);
    EXPECT_EQ(list->speedupMac, "AA:00:00:00:00:01");
    ASSERT_EQ(list->devicesList.count(), 2u);
    auto first = deviceAt(list->devicesList, 0);
    auto second = deviceAt(list->devicesList, 1);
    EXPECT_EQ(first->end_name, "");
    EXPECT_EQ(first->end_online, 1);
    EXPECT_EQ(second->end_online, 1);
    EXPECT_EQ(first->end_sdatdown, 500);  // the router's key has a "t"
    EXPECT_EQ(second->end_sdatdown, 0);
    EXPECT_EQ(first->end_type, "Phone");
    EXPECT_EQ(first->end_type_id, 1001);
    EXPECT_EQ(first->alias, "Kid");
    EXPECT_EQ(first->connect_point, 2);
    // MAC equality is exact and case-sensitive.
    EXPECT_FALSE(first->isEqual(*second));
    EXPECT_TRUE(first->isEqual(*TAVORouterJoiningDevice::initWithDictionary(ns::Value::dictionary({{"endmac", "AA:00:00:00:00:01"}}))));
    auto noMac = TAVORouterJoiningDevice::create();
    EXPECT_FALSE(noMac->isEqual(*noMac));
}

TEST(DeviceRecordTest, SpeedLimitsBecomeKilobytesTruncatedTowardZero) {
    struct Row {
        ns::Value up, down;
        int upKB, downKB;
        bool limited;
    };
    const Row rows[] = {
        {1048576, 0, 1024, 0, false}, {1024, 1024, 1, 1, true}, {1023, 2048, 0, 2, false}, {-1500, "4096", -1, 4, true},
    };
    for (const auto& row : rows) {
        auto device = TAVORouterJoiningDevice::initWithDictionary(
            ns::Value::dictionary({{"limitupload", row.up}, {"limitdownload", row.down}}));
        EXPECT_EQ(device->uploadSpeed, row.upKB);
        EXPECT_EQ(device->downloadSpeed, row.downKB);
        EXPECT_EQ(device->isLimitSpeed, row.limited);
    }
}

TEST(DeviceRecordTest, EmptyListsAreNoListAndGuestsHaveNoTotals) {
    auto empty = parseVData<TAVORouterQueryDeviceListParser>(R"({"boardinf":{"allspddown":5},"list":[]})")
                     .object<TAVORouterJoiningDevicesList>();
    EXPECT_TRUE(empty->devicesList.isNil());
    EXPECT_EQ(empty->allSpeedDown, 5);
    auto guests = parseVData<TAVORouterGuestListParser>(
                      R"({"boardinf":{"allspddown":5},"accelerate_mac":"X","list":[{"endmac":"G1","connect_duration":600}]})")
                      .object<TAVORouterJoiningDevicesList>();
    EXPECT_EQ(guests->allSpeedDown, 0);
    EXPECT_EQ(guests->speedupMac, "");
    auto guest = guests->devicesList[0].as<TAVORouterJoiningGuestDevice>();
    ASSERT_NE(guest, nullptr);
    EXPECT_EQ(guest->remainTime, ns::Value(600));
    auto black = parseVData<TAVORouterQueryBlackListParser>("{}").object<TAVORouterBlackDevicesList>();
    ASSERT_NE(black, nullptr);
    EXPECT_TRUE(black->devicesList.isNil());
    EXPECT_TRUE(parseVData<TAVORouterQueryDeviceListParser>("\"none\"").dataInfo.isNil());
}

TEST(DeviceRecordTest, WrongValueKindsFailTheParse) {
    const char* bad[] = {
        R"({"list":[{"endname":null}]})", R"({"list":[{"endmac":12}]})", R"({"list":[{"endonline":null}]})",
        R"({"list":[{"endspdup":[1]}]})", R"({"list":["AA"]})", R"({"list":{"a":1}})", R"({"accelerate_mac":5})",
    };
    for (const char* vdata : bad) {
        SCOPED_TRACE(vdata);
        EXPECT_TRUE(parseVData<TAVORouterQueryDeviceListParser>(vdata).shapeFailure);
    }
}

}  // namespace
