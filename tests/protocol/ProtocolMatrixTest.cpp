// Every row of the request catalogue through reqData to the emulated router
// and cloud, on the channel the catalogue gives, back as "_OK" with its record.
#include <gtest/gtest.h>

#include <functional>

#include "protocol/TAVOAppInfoProvider.h"
#include "protocol/TAVOAppInfoProviderSource.h"
#include "protocol/TAVODataProviderFactory.h"
#include "protocol/TAVODeviceDataProvider.h"
#include "protocol/records/TAVOAppUpdateInfo.h"
#include "protocol/records/TAVOChannelInfo.h"
#include "protocol/records/TAVODGBaseDiagnoseItem.h"
#include "protocol/records/TAVORouterBlackDevicesList.h"
#include "protocol/records/TAVORouterJoiningDevicesList.h"
#include "protocol/records/TAVORouterJoiningGuestDevice.h"
#include "protocol/records/TAVORouterRadioPower.h"
#include "protocol/records/TAVORouterRomUpdataInfo.h"
#include "protocol/records/TAVORouterRomUpdateProgressInfo.h"
#include "protocol/records/TAVORouterSafeIndicator.h"
#include "protocol/records/TAVORouterStatus.h"
#include "protocol/records/TAVORouterTestSpeed.h"
#include "protocol/records/TAVOSafetyLog.h"
#include "protocol/records/TAVOWIFITime.h"
#include "protocol/requests/TAVORequestCatalogue.h"
#include "tests/protocol/ProtocolEmulatorFixture.h"

namespace keelbox::test {
namespace {

using Check = std::function<bool(const ns::Value&)>;
template <class T>
Check is() {
    return [](const ns::Value& v) { return v.as<T>() != nullptr; };
}
template <class T>
Check arrayOf() {
    return [](const ns::Value& v) { return v.isArray() && v.count() > 0 && v[0].as<T>() != nullptr; };
}
Check equals(ns::Value expected) {
    return [expected](const ns::Value& v) { return v == expected; };
}
Check nothing() {
    return [](const ns::Value& v) { return v.isNil(); };
}
Check dictionaryWith(const char* key) {
    return [key](const ns::Value& v) { return v.isDictionary() && !v[key].isNil(); };
}

enum Channels { Both, LocalOnly, CloudOnly };

struct Row {
    int number;
    ns::Value param;
    Check check;
    Channels channels = Both;
};

const std::string kDevice1 = "02:00:00:00:00:01";
const std::string kDevice2 = "02:00:00:00:00:02";
const std::string kDevice3 = "02:00:00:00:00:03";

std::vector<Row> deviceRows() {
    using V = ns::Value;
    return {
        {3, V::dictionary({}), is<TAVORouterStatus>()},
        // "2": the router is set up.
        {4, V::dictionary({}), equals("2"), LocalOnly},
        {5, V::dictionary({}), equals(V(ns::Dictionary{})), LocalOnly},
        {6, V::dictionary({}), is<TAVORouterModel>(), LocalOnly},
        {7, V::dictionary({{"qt", "QT-alice"}}), is<TAVORouterModel>(), LocalOnly},
        {8, V::dictionary({}), equals(V(ns::Dictionary{}))},
        {9, V::dictionary({{"tasks", 1}}), arrayOf<TAVODGBaseDiagnoseItem>()},
        {10, V::dictionary({{"task", 1}}), arrayOf<TAVODGBaseDiagnoseItem>()},
        {11, V::dictionary({}), arrayOf<TAVODGBaseDiagnoseItem>()},
        {12, V::dictionary({{"task", 2}}), arrayOf<TAVODGBaseDiagnoseItem>()},
        {13, V::dictionary({}), is<TAVORouterBlackDevicesList>()},
        {14, V::dictionary({{"mac", "0A:00:00:00:00:01"}}), equals(V::dictionary({{"is_online", 1}}))},
        {15, V::dictionary({{"mac", kDevice1}}), equals(V(ns::Dictionary{}))},
        {16, V::dictionary({{"mac", kDevice1}}), equals(V(ns::Dictionary{}))},
        {17, V::dictionary({{"mac", kDevice2}}), equals(V(ns::Dictionary{}))},
        {18, V::dictionary({{"mac", kDevice1}}), equals(V(ns::Dictionary{}))},
        {19, V::dictionary({{"mac", kDevice3}}), equals(V(ns::Dictionary{}))},
        {20, V::dictionary({{"mac", kDevice1}, {"alias", "Kid's phone & tablet"}}), equals(V(ns::Dictionary{}))},
        {21, V::dictionary({}), is<TAVORouterJoiningDevicesList>()},
        {22, V::dictionary({}), is<TAVORouterJoiningDevicesList>()},
        {23, V::dictionary({{"mac", "06:00:00:00:00:01"}}), equals(V(ns::Dictionary{}))},
        {24, V::dictionary({}), equals(V(ns::Dictionary{}))},
        {25, V::dictionary({}), is<TAVORouterRomUpdataInfo>()},
        // The firmware the router offers (its check answer names it).
        {26, V::dictionary({{"uri", "http://rom.example/2.0.0.bin"}, {"md5", "0123456789abcdef0123456789abcdef"}}),
         equals(V(ns::Dictionary{}))},
        {27, V::dictionary({}), is<TAVORouterRomUpdateProgressInfo>()},
        // Type 1: the dangerous-sites protection.
        {28, V::dictionary({{"type", 1}, {"sw", 0}}), equals(V(ns::Dictionary{}))},
        {29, V::dictionary({{"sw", 0}}), equals(V(ns::Dictionary{}))},
        {30, V::dictionary({{"sw", 1}, {"type", 2}}), equals(V(ns::Dictionary{}))},
        {31, V::dictionary({}), is<TAVOWIFITime>()},
        {32, V::dictionary({{"time", "08:00"}, {"type", 1}}), equals(V(ns::Dictionary{}))},
        {33, V::dictionary({{"type", 1}}), equals(V(ns::Dictionary{}))},
        {34, V::dictionary({}), arrayOf<TAVORouterRadioPower>()},
        {35, V::dictionary({{"freq", "5G"}, {"power", 60}}), equals(V(ns::Dictionary{}))},
        {36, V::dictionary({{"need_permit", 1}}), equals(V(ns::Dictionary{}))},
        {37, V::dictionary({{"sw", 1}}), equals(V(ns::Dictionary{}))},
        {38, V::dictionary({}), equals(V::array({1024, 2048, 3072}))},
        {39, V::dictionary({{"type", 1}}), is<TAVORouterTestSpeed>()},
        {40, V::dictionary({}), is<TAVOChannelInfo>()},
        {41, V::dictionary({}), nothing()},
        {42, V::dictionary({}), dictionaryWith("promotion")},
        {43, V::dictionary({{"mac", kDevice1}}), equals(0)},
        {45, V::dictionary({}), equals(V(kDevice1))},
        {44, V::dictionary({{"mac", kDevice1}}), equals(0)},
        {46, V::dictionary({{"type", 0}, {"compress", 0}}), arrayOf<TAVOSafetyLog>()},
        {47, V::dictionary({}), is<TAVOChannelInfo>()},
        {48, V::dictionary({{"ssid", "Home"}, {"pwd", "new-password"}}), equals(0)},
        {49, V::dictionary({}), equals(3)},
        {50, V::dictionary({{"channel", "11"}, {"type", 1}}), equals(V(ns::Dictionary{}))},
        // Bandwidth 1: 40 MHz.
        {51, V::dictionary({{"bw", 1}, {"type", 1}}), equals(V(ns::Dictionary{}))},
        {53, V::dictionary({}), equals(0)},  // safe
        {54, V::dictionary({}), equals(30)},
        {55, V::dictionary({}), is<TAVORouterSafeIndicator>()},
        {56, V::dictionary({}), dictionaryWith("trojan_num")},
        {57, V::dictionary({}), equals(V::dictionary({{"is_update", 1}}))},
        {58, V::dictionary({{"token", "apns-1"}}), equals(V(ns::Dictionary{})), CloudOnly},
        {59, V::dictionary({{"token", "apns-1"}}), equals(V(ns::Dictionary{})), CloudOnly},
        {61, V::dictionary({{"mac", kDevice1}, {"upload", 100}, {"download", 200}}), nothing()},
        {62, V::dictionary({{"mac", kDevice1}}), nothing()},
        // A new admin password replaces the router's tickets; the reset comes last.
        {52, V::dictionary({{"curpass", "admin1234"}, {"newpass", "new-admin-1"}}), dictionaryWith("ticket")},
        {63, V::dictionary({}), nothing()},
    };
}

class ProtocolMatrixTest : public ProtocolEmulatorTest {
protected:
    void runRows(bool onLocal) {
        auto provider = TAVODataProviderFactory::shareInstance()->getDataProviderById(1);
        auto router = onLocal ? localRouter : cloudRouter;
        facade->current = router;
        router->setAdminPsw(kAdminPassword);
        const std::string routerId = router->router_id;
        for (const auto& row : deviceRows()) {
            if ((onLocal && row.channels == CloudOnly) || (!onLocal && row.channels == LocalOnly)) continue;
            const std::string className = TAVODataProviderCommon::shareInstance()->classNameForRequest(row.number);
            SCOPED_TRACE(std::to_string(row.number) + " " + className + (onLocal ? " local" : " cloud"));
            ns::Value param = row.param;
            if (!onLocal || row.channels == CloudOnly) {
                param.mutableDictionary().set("qt", kQt);
                param.mutableDictionary().set("router_id", routerId);
            }
            const std::size_t cloudBefore = cloud->server().log().count();
            const std::size_t localBefore = local->server().log().count();
            std::int32_t token = 0;
            Delivery d = send(provider, row.number, param, className, &token);
            EXPECT_NE(token, 0);
            ASSERT_TRUE(d.arrived);
            ASSERT_TRUE(d.ok) << (d.error() ? d.error()->description() : d.object.description());
            EXPECT_TRUE(row.check(d.object)) << d.object.description();
            // The channel the catalogue gives: the class's own, else the router's.
            const bool expectLocal = row.channels == LocalOnly || (row.channels == Both && onLocal);
            EXPECT_EQ(local->server().log().count() - localBefore, expectLocal ? 1u : 0u);
            EXPECT_EQ(cloud->server().log().count() - cloudBefore, expectLocal ? 0u : 1u);
            EXPECT_EQ(d.userInfo["local"], ns::Value(expectLocal));
            // What the facade does with a new admin password: keep the new ticket.
            if (row.number == 52) router->ticket = d.object["ticket"].stringValue();
            // A restart or reset leaves the router away for a few calls; the
            // matrix wants it back at once for the next row.
            state->withRouter(routerId, [](emulator::EmulatedRouter& r) { r.model.set("restarting_calls", 0); });
        }
    }
};

TEST_F(ProtocolMatrixTest, EveryDeviceRequestOnTheLocalChannel) {
    runRows(true);
    // The local calls carried the module and call, the ticket and the phone's identifier.
    auto calls = local->calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front().cmd, "router.getRouterInfo");
    EXPECT_EQ(calls.front().params["ticket"], ns::Value(kTicket));
    EXPECT_FALSE(calls.front().params["user_mac"].stringValue().empty());
    EXPECT_EQ(state->router("R1")->adminPassword, "new-admin-1");
    // The alias went out as it was typed, without any escaping left over.
    auto devices = state->router("R1")->model["devices"];
    EXPECT_EQ(devices[0]["alias_name"], ns::Value("Kid's phone & tablet"));
}

TEST_F(ProtocolMatrixTest, EveryDeviceRequestOnTheCloudChannel) {
    runRows(false);
    EXPECT_EQ(state->router("R2")->adminPassword, "new-admin-1");
    // Cloud form values are escaped once and read back exactly.
    auto devices = state->router("R2")->model["devices"];
    EXPECT_EQ(devices[0]["alias_name"], ns::Value("Kid's phone & tablet"));
    auto last = cloud->server().log().last();
    ASSERT_TRUE(last);
    EXPECT_EQ(last->path, "/router/factoryReset");
}

TEST_F(ProtocolMatrixTest, AccountAndApplicationProviders) {
    auto account = TAVODataProviderFactory::shareInstance()->getDataProviderById(0);
    Delivery list = send(account, 0, ns::Value::dictionary({{"qt", kQt}}), "TAVORoutersListRequest");
    ASSERT_TRUE(list.ok);
    ASSERT_EQ(list.object.count(), 2u);
    EXPECT_EQ(list.object[1].as<TAVORouterModel>()->router_id, "R2");
    Delivery unbind = send(account, 1, ns::Value::dictionary({{"qt", kQt}, {"router_id", "R2"}}), "TAVORouterUnbindRequest");
    ASSERT_TRUE(unbind.ok);
    EXPECT_EQ(state->routerIdsOfAccount("alice"), std::vector<std::string>{"R1"});

    auto app = std::dynamic_pointer_cast<TAVOAppInfoProvider>(TAVODataProviderFactory::shareInstance()->getDataProviderById(2));
    ASSERT_NE(app, nullptr);
    EXPECT_FALSE(app->hasNewVersion());
    Delivery version = send(app, 61, ns::Value(), "TAVORemoteQueryAppUpdateRequest");
    ASSERT_TRUE(version.ok);
    EXPECT_EQ(version.object.as<TAVOAppUpdateInfo>()->verCode, 200);
    EXPECT_TRUE(app->hasNewVersion());
    Delivery feedback = send(app, 62, ns::Value::dictionary({{"content", "a=b&c d"}}), "TAVOAppFeedbackRequest");
    ASSERT_TRUE(feedback.ok);
    auto sent = cloud->server().log().last();
    ASSERT_TRUE(sent);
    EXPECT_EQ(sent->path, "/system/addFeedback");
    // Sorted keys, common pairs last, every key and value escaped once.
    EXPECT_EQ(sent->body, "content=a%3Db%26c%20d&plat=iphone&versioncode=100&");
}

TEST_F(ProtocolMatrixTest, TheSharedApplicationProviderIsTheCoresVersionSource) {
    TAVOAppInfoProviderSource::registerShared();
    auto source = TAVOAppInfoSource::shared();
    ASSERT_NE(source, nullptr);
    EXPECT_FALSE(source->hasNewVersion());
    EXPECT_FALSE(source->nextAppVersionInfo());
    cloud->setLatestAppVersion(300, "3.0");
    ASSERT_TRUE(send(TAVOAppInfoProvider::shareInstance(), 61, ns::Value(), "TAVORemoteQueryAppUpdateRequest").ok);
    EXPECT_TRUE(source->hasNewVersion());
    ASSERT_TRUE(source->nextAppVersionInfo());
    EXPECT_EQ(source->nextAppVersionInfo()->verName, "3.0");
}

TEST_F(ProtocolMatrixTest, CatalogueTimeOutsAndChannels) {
    for (const auto& row : TAVORequestCatalogue::rows()) {
        auto request = TAVORequestCatalogue::createRequest(row.className);
        ASSERT_NE(request, nullptr) << row.className;
        const double expected = row.number == TAVORequestNumber::RouterInitCheck ? 10.0
                                : row.number == TAVORequestNumber::RouterTicketVerification ? 5.0
                                                                                            : 30.0;
        EXPECT_EQ(request->timeout(), expected) << row.className;
    }
    EXPECT_EQ(TAVODataProviderCommon::shareInstance()->requestIDMatchTabel().size(), 62u);
    EXPECT_EQ(TAVODataProviderCommon::shareInstance()->dpNotifications().size(), 64u);
}

}  // namespace
}  // namespace keelbox::test
