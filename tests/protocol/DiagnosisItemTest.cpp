#include <gtest/gtest.h>

#include "core/app/TAVOLocalizedString.h"
#include "net/json/TinyJson.h"
#include "protocol/records/TAVOChannelItem.h"
#include "protocol/records/TAVODGCpuItem.h"
#include "protocol/records/TAVODGMemItem.h"
#include "protocol/records/TAVODGWANDnsItem.h"
#include "protocol/records/TAVODnsSpeenItem.h"
#include "protocol/records/TAVOHwNatItem.h"

namespace {

TEST(DiagnosisItemTest, KindsReadTheirFiguresFromData) {
    auto cpu = TAVODGCpuItem::initWithDictionary(JSONValue(R"({"r":"1","data":{"usage":"0.25"}})"));
    EXPECT_EQ(cpu->state, 1);
    EXPECT_FLOAT_EQ(cpu->usePercent, 25.0f);
    EXPECT_EQ(cpu->itemName(), TAVOLocalizedString("detect cpu usage"));
    auto channel = TAVOChannelItem::initWithDictionary(JSONValue(R"({"data":{"channel":6,"dirty":"37.9"}})"));
    EXPECT_EQ(channel->channelNum, 6);
    EXPECT_FLOAT_EQ(channel->dirtyPercent, 37.0f);
    auto mem = TAVODGMemItem::initWithDictionary(JSONValue(R"({"data":{"free":"100","total":400}})"));
    EXPECT_EQ(mem->freeSpace, 100);
    EXPECT_EQ(mem->totalSpace, 400);
    EXPECT_EQ(TAVOHwNatItem::initWithDictionary(JSONValue(R"({"r":0})"))->sessionAmount, 0);
    auto wan = TAVODGWANDnsItem::initWithDictionary(JSONValue(R"({"data":["6.6.6.6"]})"));
    EXPECT_EQ(wan->maliciousDns, ns::Value::array({"6.6.6.6"}));
    EXPECT_EQ(TAVODGBaseDiagnoseItem::create()->itemName(), "");
}

TEST(DiagnosisItemTest, DnsSpeedsKeepOnlyAddressSpeedPairs) {
    auto dns = TAVODnsSpeenItem::initWithDictionary(JSONValue(R"({"data":["8.8.8.8:20","1.1.1.1","a:b:c"]})"));
    EXPECT_EQ(dns->speeds, ns::Value::array({ns::Value::dictionary({{"ip", "8.8.8.8"}, {"speed", "20"}})}));
    EXPECT_TRUE(TAVODnsSpeenItem::initWithDictionary(JSONValue(R"({"data":[]})"))->speeds.isNil());
    auto skipped = TAVODnsSpeenItem::initWithDictionary(JSONValue(R"({"data":["x"]})"));
    EXPECT_TRUE(skipped->speeds.isArray());
    EXPECT_EQ(skipped->speeds.count(), 0u);
}

}  // namespace
