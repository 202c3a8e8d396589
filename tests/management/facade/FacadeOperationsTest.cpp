// Every router operation of the facade: which provider, which request
// number and exactly which parameters (numbers and texts kept apart), signed
// in and signed out.
#include <gtest/gtest.h>

#include <functional>

#include "tests/management/facade/FacadeFixture.h"

namespace keelbox::test {
namespace {

// Equal values of equal kinds, all the way down: a number 1 and the text "1"
// differ on the local channel's wire.
bool sameTyped(const ns::Value& a, const ns::Value& b) {
    if (a.isDictionary() && b.isDictionary()) {
        const auto& da = a.asDictionary();
        const auto& db = b.asDictionary();
        if (da.count() != db.count()) return false;
        for (const auto& [key, value] : da) {
            const ns::Value* other = db.find(key);
            if (!other || !sameTyped(value, *other)) return false;
        }
        return true;
    }
    return a.kind() == b.kind() && a.isEqual(b);
}

struct Row {
    const char* name;
    std::function<std::int32_t(TAVOAccountManager&)> call;
    int provider;
    int request;
    // The parameters for a signed-in account (BASE = {"qt", "router_id"})
    // and signed out (BASE empty); nil means no parameters at all.
    std::function<ns::Value(const ns::Dictionary& base, bool signedIn)> expected;
};

ns::Value withKeys(ns::Dictionary base, std::initializer_list<std::pair<std::string, ns::Value>> keys) {
    for (const auto& [k, v] : keys) base.set(k, v);
    return base.empty() ? ns::Value() : ns::Value(base);
}

auto baseWith(std::initializer_list<std::pair<std::string, ns::Value>> keys) {
    std::vector<std::pair<std::string, ns::Value>> copy(keys);
    return [copy](const ns::Dictionary& base, bool) {
        ns::Dictionary d = base;
        for (const auto& [k, v] : copy) d.set(k, v);
        return d.empty() ? ns::Value() : ns::Value(d);
    };
}

class FacadeOperations : public FacadeTest {
protected:
    std::vector<Row> rows() {
        auto current = facade->currentRouter();
        auto qtText = qt;
        auto plain = baseWith({});
        return {
            {"requestRoutersList", [](auto& f) { return f.requestRoutersList(); }, 0, 0,
             [qtText](const ns::Dictionary&, bool) { return withKeys({{"qt", qtText}}, {{"check_online", "1"}}); }},
            {"unbindRouter", [current](auto& f) { return f.unbindRouter(current); }, 0, 1,
             [](const ns::Dictionary& base, bool) { return base.empty() ? ns::Value() : ns::Value(base); }},
            {"checkRouterInit", [](auto& f) { return f.checkRouterInit(); }, 1, 4,
             [](const ns::Dictionary&, bool) { return ns::Value(); }},
            {"ticketCheck", [](auto& f) { return f.ticketCheck("TK"); }, 1, 5,
             [](const ns::Dictionary&, bool) { return withKeys({}, {{"ticket", "TK"}}); }},
            {"loginRouter", [](auto& f) { return f.loginRouter(); }, 1, 6,
             [current](const ns::Dictionary&, bool) { return withKeys({}, {{"router", ns::Value(current)}}); }},
            {"bindRouter", [](auto& f) { return f.bindRouter(); }, 1, 7,
             [current, qtText](const ns::Dictionary&, bool signedIn) {
                 return signedIn ? withKeys({}, {{"router", ns::Value(current)}, {"qt", qtText}})
                                 : withKeys({}, {{"router", ns::Value(current)}});
             }},
            {"restartRouter", [](auto& f) { return f.restartRouter(); }, 1, 8, plain},
            {"recoveryBreakdown", [](auto& f) { return f.recoveryBreakdown(3); }, 1, 12,
             [current, qtText](const ns::Dictionary& base, bool signedIn) {
                 return signedIn ? withKeys({}, {{"router", ns::Value(current)}, {"qt", qtText},
                                                 {"router_id", base["router_id"]}, {"task", "3"}})
                                 : withKeys({}, {{"task", "3"}});
             }},
            {"queryBlacklist", [](auto& f) { return f.queryBlacklist(); }, 1, 13, plain},
            {"restoreFromBlacklist", [](auto& f) { return f.restoreFromBlacklist("AA:00"); }, 1, 14,
             baseWith({{"mac", "AA:00"}})},
            {"getDeviceList", [](auto& f) { return f.getDeviceList(); }, 1, 21, baseWith({{"need_check", 1}})},
            {"checkRouterRomUpdate", [](auto& f) { return f.checkRouterRomUpdate(); }, 1, 25,
             baseWith({{"rom_version", ""}})},
            {"setAntiWiFiBruder", [](auto& f) { return f.setAntiWiFiBruder(1); }, 1, 28,
             baseWith({{"sw", 1}, {"type", 7}})},
            {"setAntiAccountStealer", [](auto& f) { return f.setAntiAccountStealer(0); }, 1, 28,
             baseWith({{"sw", 0}, {"type", 2}})},
            {"setBlockDangerousWebsites", [](auto& f) { return f.setBlockDangerousWebsites(1); }, 1, 28,
             baseWith({{"sw", 1}, {"type", 1}})},
            {"setAntiDNSCheats", [](auto& f) { return f.setAntiDNSCheats(1); }, 1, 28,
             baseWith({{"sw", 1}, {"type", 4}})},
            {"setHeartBloodProtection", [](auto& f) { return f.setHeartBloodProtection(1); }, 1, 28,
             baseWith({{"sw", 1}, {"type", 8}})},
            {"setLocalDomainNetworkProtection", [](auto& f) { return f.setLocalDomainNetworkProtection(1); }, 1, 28,
             baseWith({{"sw", 1}, {"type", 9}})},
            {"requestControlLED", [](auto& f) { return f.requestControlLED(1); }, 1, 29, baseWith({{"sw", "1"}})},
            {"requestWIFIControl", [](auto& f) { return f.requestWIFIControl(0); }, 1, 30, baseWith({{"sw", "0"}})},
            {"getWifiTimer", [](auto& f) { return f.getWifiTimer(); }, 1, 31, plain},
            // The argument's own router id wins over the current router's.
            {"setWifiTimer", [](auto& f) { return f.setWifiTimer({{"start", "22:00"}, {"router_id", "X"}}); }, 1, 32,
             baseWith({{"start", "22:00"}, {"router_id", "X"}})},
            {"closeWifiTimer", [](auto& f) { return f.closeWifiTimer({{"id", 2}}); }, 1, 33, baseWith({{"id", 2}})},
            {"getRadio", [](auto& f) { return f.getRadio(); }, 1, 34, plain},
            {"setRadio", [](auto& f) { return f.setRadio(80); }, 1, 35, baseWith({{"freq", "2.4G"}, {"power", 80}})},
            {"setPermitState", [](auto& f) { return f.setPermitState(1); }, 1, 36,
             baseWith({{"need_permit", 1}, {"pw_ability", 1}})},
            {"setAdvancedPermitState", [](auto& f) { return f.setAdvancedPermitState(0); }, 1, 37,
             baseWith({{"sw", 0}, {"sw_type", 1}})},
            {"testRouterSpeed", [](auto& f) { return f.testRouterSpeed(2); }, 1, 39, baseWith({{"type", "2"}})},
            {"getChannelQuality", [](auto& f) { return f.getChannelQuality(); }, 1, 40, plain},
            {"optChannel", [](auto& f) { return f.optChannel(1); }, 1, 41, baseWith({{"type", 1}})},
            {"accelerateDevice", [](auto& f) { return f.accelerateDevice("AA:01"); }, 1, 43,
             baseWith({{"mac", "AA:01"}})},
            {"cancelAcceleratingDevice", [](auto& f) { return f.cancelAcceleratingDevice(); }, 1, 44, plain},
            {"cancelAcceleratingDevice:", [](auto& f) { return f.cancelAcceleratingDevice("AA:01"); }, 1, 44,
             baseWith({{"mac", "AA:01"}})},
            {"getAcceleratingDevice", [](auto& f) { return f.getAcceleratingDevice(); }, 1, 45, plain},
            {"getSafetyLogs", [](auto& f) { return f.getSafetyLogs(2); }, 1, 46,
             baseWith({{"type", 2}, {"compress", 0}})},
            {"getChannelProbedDevices", [](auto& f) { return f.getChannelProbedDevices(); }, 1, 47, plain},
            {"updateWIFIPwd", [](auto& f) { return f.updateWIFIPwd("newpw", "old", "Home"); }, 1, 48,
             baseWith({{"ssid", "Home"}, {"pwd", "newpw"}})},
            {"updateWIFIPwd empty", [](auto& f) { return f.updateWIFIPwd("", "old", ""); }, 1, 48, plain},
            {"updateWIFIPwd combined", [](auto& f) { return f.updateWIFIPwd("newpw", "old", "", true); }, 1, 48,
             baseWith({{"pwd", "newpw"}, {"diff_ssid_sw", 0}})},
            {"updateWIFIPwd separate", [](auto& f) { return f.updateWIFIPwd("newpw", "old", "Home", false); }, 1,
             48, baseWith({{"ssid", "Home"}, {"pwd", "newpw"}, {"diff_ssid_sw", 1}})},
            {"queryWIFIPwdStrength", [](auto& f) { return f.queryWIFIPwdStrength(); }, 1, 49, plain},
            {"setWifiChannel", [](auto& f) { return f.setWifiChannel(1, 6); }, 1, 50,
             baseWith({{"type", 1}, {"channel", 6}})},
            {"setWifiBandWidth restart", [](auto& f) { return f.setWifiBandWidth(40, true); }, 1, 51,
             baseWith({{"bw", 40}, {"restart", 1}})},
            {"setWifiBandWidth", [](auto& f) { return f.setWifiBandWidth(20, false); }, 1, 51,
             baseWith({{"bw", 20}, {"restart", 0}})},
            {"updateAdminPwd", [](auto& f) { return f.updateAdminPwd("n1", "c1"); }, 1, 52,
             baseWith({{"newpass", "n1"}, {"curpass", "c1"}})},
            {"getAdminPwdSafety", [](auto& f) { return f.getAdminPwdSafety(); }, 1, 53, plain},
            {"getProtectElapse", [](auto& f) { return f.getProtectElapse(); }, 1, 54, plain},
            {"getSafetyIndicators", [](auto& f) { return f.getSafetyIndicators(); }, 1, 55, plain},
            {"getVirusLibraryInfo", [](auto& f) { return f.getVirusLibraryInfo(); }, 1, 56, plain},
            {"updateVirusLibrary", [](auto& f) { return f.updateVirusLibrary(); }, 1, 57, plain},
            {"regDeviceToken", [](auto& f) { return f.regDeviceToken({{"token", "ab"}}); }, 1, 58,
             [](const ns::Dictionary&, bool) { return withKeys({}, {{"token", "ab"}}); }},
            {"clearDeviceToken", [](auto& f) { return f.clearDeviceToken({{"token", "ab"}}); }, 1, 59,
             [](const ns::Dictionary&, bool) { return withKeys({}, {{"token", "ab"}}); }},
            {"factoryResetRouter", [](auto& f) { return f.factoryResetRouter(); }, 1, 63, plain},
        };
    }

    void checkTable(bool signedIn) {
        const ns::Dictionary base = facade->createQtAndRouterIdDic().asDictionary();
        EXPECT_EQ(base.empty(), !signedIn);
        for (const Row& row : rows()) {
            if (!signedIn && std::string(row.name) == "requestRoutersList") continue;
            SCOPED_TRACE(row.name);
            for (auto& p : providers) p->asked.clear();
            EXPECT_EQ(row.call(*facade), RecordingProvider::kToken);
            const auto& asked = providers[static_cast<std::size_t>(row.provider)]->asked;
            ASSERT_EQ(asked.size(), 1u);
            EXPECT_TRUE(providers[static_cast<std::size_t>(1 - row.provider)]->asked.empty());
            EXPECT_EQ(asked[0].no, row.request);
            const ns::Value want = row.expected(base, signedIn);
            EXPECT_TRUE(sameTyped(asked[0].param, want))
                << "sent " << asked[0].param.description() << "\nwanted " << want.description();
        }
    }
};

TEST_F(FacadeOperations, EveryOperationSignedIn) {
    signIn();
    facade->setCurrentRouter(router("R1", "AA:BB:CC:00:00:01"));
    checkTable(true);
}

TEST_F(FacadeOperations, EveryOperationSignedOutSendsOnlyItsOwnKeys) {
    facade->setCurrentRouter(router("R1", "AA:BB:CC:00:00:01"));
    checkTable(false);
}

TEST_F(FacadeOperations, RefusalsSendAndPostNothing) {
    std::vector<std::string> posted;
    auto token = ns::NotificationCenter::defaultCenter()->addObserverForName(
        "", {}, nullptr, [&](const ns::NotificationPtr& n) { posted.push_back(n->name()); });
    facade->setCurrentRouter(router("R1", "AA:BB:CC:00:00:01"));
    drainMainLoop();
    posted.clear();
    EXPECT_EQ(facade->requestRoutersList(), TAVOAccountManager::kNothingSent);  // signed out
    EXPECT_EQ(facade->ticketCheck(""), TAVOAccountManager::kNothingSent);
    drainMainLoop();
    EXPECT_TRUE(providers[0]->asked.empty());
    EXPECT_TRUE(providers[1]->asked.empty());
    EXPECT_TRUE(posted.empty());
    ns::NotificationCenter::defaultCenter()->removeObserver(token);
}

TEST_F(FacadeOperations, WithoutCurrentRouterRouterBoundRequestsCarryNoRouter) {
    EXPECT_EQ(facade->loginRouter(), RecordingProvider::kToken);
    EXPECT_EQ(facade->bindRouter(), RecordingProvider::kToken);
    EXPECT_EQ(facade->unbindRouter(nullptr), RecordingProvider::kToken);
    ASSERT_EQ(providers[1]->asked.size(), 2u);
    EXPECT_TRUE(providers[1]->asked[0].param.isNil());
    EXPECT_TRUE(providers[1]->asked[1].param.isNil());
    ASSERT_EQ(providers[0]->asked.size(), 1u);
    EXPECT_TRUE(providers[0]->asked[0].param.isNil());
}

// The cloud addresses a router by its id: repairing one must say which.
TEST_F(FacadeOperations, RecoveryOverTheCloudNamesTheRouterOverTheHomeNetworkNot) {
    signIn();
    auto r1 = router("R1", "AA:BB:CC:00:00:01");
    facade->setCurrentRouter(r1);
    (void)facade->recoveryBreakdown(5);
    auto local = router("R1", "AA:BB:CC:00:00:01");
    local->ticket = "TK-1";
    facade->setLocalRouter(local);
    ASSERT_TRUE(r1->isLocalRouter);
    (void)facade->recoveryBreakdown(5);
    ASSERT_EQ(providers[1]->asked.size(), 2u);
    EXPECT_EQ(providers[1]->asked[0].param["router_id"].asString(), "R1");
    EXPECT_TRUE(providers[1]->asked[1].param["router_id"].isNil());
    EXPECT_EQ(providers[1]->asked[1].param["task"].asString(), "5");
}

}  // namespace
}  // namespace keelbox::test
