#include <gtest/gtest.h>

#include "core/app/TAVOLocalizedString.h"

#include "management/push/TAVOAppUpdatePushInfo.h"
#include "management/push/TAVONewDevicePushInfo.h"
#include "management/push/TAVOPushInfoFactory.h"
#include "management/push/TAVOPushInfoHolder.h"
#include "management/push/TAVORomUpdatePushInfo.h"
#include "management/push/TAVORomUpdateResultPushInfo.h"

namespace {

ns::Value payload(ns::Value type, ns::Value data = ns::Value::dictionary({})) {
    return ns::Value::dictionary(
        {{"rudi", ns::Value::dictionary({{"type", type}, {"router_id", "r1"}, {"mac", "AA:BB:CC:DD:EE:01"}, {"data", data}})}});
}

}  // namespace

TEST(TAVOPushInfoFactory, BuildsEachKind) {
    auto device = std::dynamic_pointer_cast<TAVONewDevicePushInfo>(
        TAVOPushInfoFactory::createPushInfoByType(payload(1, ns::Value::dictionary({{"endmac", "11:22"}}))["rudi"]));
    ASSERT_TRUE(device);
    EXPECT_EQ(device->type, TAVOPushTypeNewDevice);
    EXPECT_EQ(device->end_mac, "11:22");
    EXPECT_EQ(device->router_id, "r1");
    EXPECT_EQ(device->mac, "AA:BB:CC:DD:EE:01");
    EXPECT_EQ(device->desc(), TAVOLocalizedString("push-new device join"));

    // The kind may come as text.
    auto rom = std::dynamic_pointer_cast<TAVORomUpdatePushInfo>(
        TAVOPushInfoFactory::createPushInfoByType(payload("2", ns::Value::dictionary({{"version", "3.1"}}))["rudi"]));
    ASSERT_TRUE(rom);
    EXPECT_EQ(rom->type, TAVOPushTypeRomUpdate);
    EXPECT_EQ(rom->version, "3.1");

    for (auto [code, key] : {std::pair<int, const char*>{0, "ok to update rom"}, {5, "fail to update rom"}}) {
        auto result = std::dynamic_pointer_cast<TAVORomUpdateResultPushInfo>(TAVOPushInfoFactory::createPushInfoByType(
            payload(3, ns::Value::dictionary({{"errcode", code}}))["rudi"]));
        ASSERT_TRUE(result);
        EXPECT_EQ(result->type, TAVOPushTypeRomUpdateResult);
        EXPECT_EQ(result->result, TAVOLocalizedString(key));
    }

    auto app = std::dynamic_pointer_cast<TAVOAppUpdatePushInfo>(TAVOPushInfoFactory::createPushInfoByType(
        payload(101, ns::Value::dictionary({{"version_code", "120"}}))["rudi"]));
    ASSERT_TRUE(app);
    EXPECT_EQ(app->type, TAVOPushTypeNewAppVersion);
    EXPECT_EQ(app->versionCode, 120);
    EXPECT_EQ(app->desc(), TAVOLocalizedString("push-new app version"));

    for (const ns::Value& rudi : {payload(7)["rudi"], ns::Value::dictionary({{"router_id", "r1"}}), ns::Value(),
                                  ns::Value("text")}) {
        EXPECT_FALSE(TAVOPushInfoFactory::createPushInfoByType(rudi)) << rudi.description();
    }
}

TEST(TAVOPushInfoHolder, KeepsOnlyTheLatestNotification) {
    auto holder = TAVOPushInfoHolder::shareInstance();
    EXPECT_EQ(holder, TAVOPushInfoHolder::shareInstance());
    holder->removeFirstPushInfo();  // empty: nothing happens
    EXPECT_FALSE(holder->firstPushInfo());

    holder->addPushInfo(payload(1));
    holder->addPushInfo(payload(2));
    ASSERT_TRUE(holder->firstPushInfo());
    EXPECT_EQ(holder->firstPushInfo()->type, TAVOPushTypeRomUpdate);

    holder->addPushInfo(payload(7));  // an unknown kind wipes the pending one
    EXPECT_FALSE(holder->firstPushInfo());

    holder->addPushInfo(payload(1));
    holder->addPushInfo(ns::Value::dictionary({{"aps", ns::Value::dictionary({})}}));  // no "rudi"
    EXPECT_FALSE(holder->firstPushInfo());

    holder->addPushInfo(payload(3));
    holder->removeFirstPushInfo();
    EXPECT_FALSE(holder->firstPushInfo());
}
