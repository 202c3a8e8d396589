#include <gtest/gtest.h>

#include "core/crypto/DataCommonCryptor.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "core/records/TAVORouterModel.h"
#include "platform/foundation/UserDefaults.h"

namespace {

std::shared_ptr<TAVORouterModel> routerWith(const std::string& mac, const std::string& routerId) {
    auto r = TAVORouterModel::create();
    r->mac = mac;
    r->router_id = routerId;
    return r;
}

}  // namespace

TEST(TAVORouterModel, ReadsRouterListEntry) {
    auto r = TAVORouterModel::initWithDictionary(ns::Value::dictionary({{"mac", ""},
                                                                        {"router_id", "r1"},
                                                                        {"is_online", "1"},
                                                                        {"qid", 12345},
                                                                        {"board_id", ns::Value::null()},
                                                                        {"rom_version", "2.1"},
                                                                        {"ticket", "tk"}}));
    EXPECT_EQ(r->mac, "");
    EXPECT_EQ(r->router_id, "r1");
    EXPECT_EQ(r->is_online, 1);
    EXPECT_FALSE(r->hasBind);
    EXPECT_EQ(r->qid, "12345");
    EXPECT_EQ(r->board_id, "");
    EXPECT_EQ(r->rom_version, "2.1");
    EXPECT_EQ(r->ticket, "tk");
    EXPECT_FALSE(r->isLocalRouter);
    EXPECT_EQ(r->description(),
              "qid = 12345, board_id = (null), board_version = (null), rom_version = 2.1, mac = (null), "
              "router_id = r1, rtoken = (null), ssid = (null), is_online = 1, ticket = tk");

    auto bound = TAVORouterModel::initWithDictionary(ns::Value::dictionary({{"has_bind", "true"}, {"is_online", 1}}));
    EXPECT_TRUE(bound->hasBind);
    EXPECT_EQ(bound->is_online, 1);
}

TEST(TAVORouterModel, WrongTypedEntriesStayAbsent) {
    auto r = TAVORouterModel::initWithDictionary(ns::Value::dictionary({{"mac", 5},
                                                                        {"router_id", ns::Value::array({"r1"})},
                                                                        {"ssid", true},
                                                                        {"ticket", ns::Value::dictionary({})},
                                                                        {"qid", ns::Value::dictionary({})},
                                                                        {"rtoken", "rt"},
                                                                        {"is_online", 1}}));
    EXPECT_EQ(r->mac, "");
    EXPECT_EQ(r->router_id, "");
    EXPECT_EQ(r->ssid, "");
    EXPECT_EQ(r->ticket, "");
    EXPECT_EQ(r->qid, "");
    EXPECT_EQ(r->rtoken, "rt");
    EXPECT_EQ(r->is_online, 1);
    // Only something that is no record at all fails.
    for (const auto& v : {ns::Value("not a dictionary"), ns::Value()}) {
        EXPECT_THROW(TAVORouterModel::initWithDictionary(v), TAVORouterModel::InvalidRecord) << v.description();
    }
}

TEST(TAVORouterModel, RouterEquality) {
    struct Case {
        std::string macA, idA, macB, idB;
        bool equal;
    } cases[] = {
        {"AA:BB:CC:DD:EE:01", "r1", "aa:bb:cc:dd:ee:01", "r2", true},   // MACs decide whatever the ids
        {"AA:BB:CC:DD:EE:01", "r1", "AA:BB:CC:DD:EE:02", "r1", true},   // different MACs, same id
        {"AA:BB:CC:DD:EE:01", "r1", "AA:BB:CC:DD:EE:02", "r2", false},
        {"", "cloud", "AA:BB:CC:DD:EE:01", "home", false},             // no MAC never matches by MAC
        {"AA:BB:CC:DD:EE:01", "home", "", "cloud", false},
        {"", "r1", "", "r1", true},
        {"", "", "", "", false},  // an absent id matches nothing
    };
    for (const auto& c : cases) {
        auto a = routerWith(c.macA, c.idA);
        auto b = routerWith(c.macB, c.idB);
        EXPECT_EQ(a->isEqualToRouter(b), c.equal) << c.macA << "/" << c.idA << " vs " << c.macB << "/" << c.idB;
    }
    auto a = routerWith("", "");
    EXPECT_TRUE(a->isEqualToRouter(a));
    EXPECT_FALSE(a->isEqualToRouter(nullptr));
    EXPECT_FALSE(routerWith("", "r1")->isEqualToRouterId("R1"));
}

TEST(TAVORouterModel, MatchesAccessPointByBSSID) {
    auto r = routerWith("AA:BB:CC:DD:EE:10", "r1");
    const std::pair<std::string, bool> cases[] = {
        {"aa:bb:cc:dd:ee:12", true}, {"aa:bb:cc:dd:ee:0d", true}, {"aa:bb:cc:dd:ee:0c", false},
        {"aa:bb:cc:dd:ef:10", false}, {"aa:bb:cc:dd:ee:ff", true}, {"a", false},
        {"aa:bb:cc:dd:e", false},    {"", false},
    };
    for (const auto& [bssid, match] : cases) EXPECT_EQ(r->isEqualBSSID(bssid), match) << bssid;

    r->bssid = "11:22:33:44:55:66";
    EXPECT_TRUE(r->isEqualBSSID("11:22:33:44:55:66"));
    EXPECT_FALSE(routerWith("", "")->isEqualBSSID(""));  // nothing known matches nothing
}

TEST(TAVORouterModel, AdminPasswordIsStoredEncryptedAndShared) {
    auto defaults = ns::UserDefaults::standardUserDefaults();
    auto a = TAVORouterModel::create();
    a->setAdminPsw("s3cret");
    auto stored = defaults->dataForKey(TAVORouterModel::kAdminPswKey);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->length(), 8u);
    EXPECT_EQ(stored->toString().find("s3cret"), std::string::npos);

    // Another record with no password of its own reads the stored one.
    auto b = TAVORouterModel::create();
    EXPECT_EQ(b->adminPsw(), "s3cret");

    // An absent password set over an absent one writes nothing: the stored
    // password survives.
    auto c = TAVORouterModel::create();
    c->setAdminPsw("");
    EXPECT_TRUE(defaults->dataForKey(TAVORouterModel::kAdminPswKey));

    // The same value again writes nothing either.
    defaults->setObject(ns::Value("marker"), TAVORouterModel::kAdminPswKey);
    a->setAdminPsw("s3cret");
    EXPECT_EQ(defaults->stringForKey(TAVORouterModel::kAdminPswKey), "marker");

    // Clearing a set password removes the entry; a new record then reads nothing.
    a->setAdminPsw("");
    EXPECT_FALSE(defaults->objectForKey(TAVORouterModel::kAdminPswKey));
    EXPECT_EQ(TAVORouterModel::create()->adminPsw(), "");
}

TEST(TAVORouterModel, UnreadableStoredPasswordReadsAsAbsent) {
    ns::UserDefaults::standardUserDefaults()->setObject(ns::Value(ns::Data::fromString("garbage!!")),
                                                        TAVORouterModel::kAdminPswKey);
    EXPECT_EQ(TAVORouterModel::create()->adminPsw(), "");
}

TEST(TAVOCommonUtility, SeedToKeyBytes) {
    EXPECT_EQ(TAVOCommonUtility::getTAVOValue("abc"), ns::Data({0x64, 0x67, 0x66}));
    EXPECT_TRUE(TAVOCommonUtility::getTAVOValue("").empty());
    // Seeds of any length: no fixed work area to overflow.
    std::string longSeed(300, 'a');
    auto key = TAVOCommonUtility::getTAVOValue(longSeed);
    ASSERT_EQ(key.length(), 300u);
    EXPECT_EQ(key[299], 0x64);
}
