#include <gtest/gtest.h>

#include "core/app/TAVORouterPreference.h"
#include "core/crypto/AppInfoUtility.h"
#include "platform/foundation/FileData.h"
#include "platform/foundation/Singleton.h"
#include "platform/foundation/UserDefaults.h"

namespace {

ns::Dictionary record(const std::string& bssid, const std::string& ticket) {
    return ns::Dictionary{{kLocalRouterBssid, bssid}, {kLocalRouterTicket, ticket}, {kLocalRouterAdmin, "secret-" + ticket}};
}

std::string bssid(int i) {
    char text[32];
    std::snprintf(text, sizeof text, "aa:bb:cc:dd:%02x:%02x", i / 256, i % 256);
    return text;
}

// Ends the store's pending writes and the defaults, then starts afresh as a
// new run of the application would.
std::shared_ptr<TAVORouterPreference> restart() {
    TAVORouterPreference::shareInstance()->waitForFileOperations();
    ns::UserDefaults::standardUserDefaults()->synchronize();
    ns::resetSingletonsForTesting();
    return TAVORouterPreference::shareInstance();
}

}  // namespace

TEST(RouterPreference, LocalRoutersPersistEncryptedAcrossARestart) {
    auto store = TAVORouterPreference::shareInstance();
    for (int i = 0; i < 3; ++i) store->saveLocalRouterInfo(record(bssid(i), "t" + std::to_string(i)));
    store->waitForFileOperations();
    auto file = ns::dataWithContentsOfFile(store->localRouterInfoFile());
    ASSERT_TRUE(file);
    const std::string bytes = file->toString();
    EXPECT_EQ(bytes.find("secret-t1"), std::string::npos) << "the file must be encrypted";
    EXPECT_EQ(bytes.find("local router"), std::string::npos);

    store = restart();
    auto found = store->getLocalRouterInfoAccording(ns::Dictionary{{kLocalRouterBssid, "AA:BB:CC:DD:00:01"}});
    ASSERT_TRUE(found.isDictionary());
    EXPECT_EQ(found[kLocalRouterTicket].stringValue(), "t1");
    EXPECT_EQ(found[kLocalRouterAdmin].stringValue(), "secret-t1");
    EXPECT_FALSE(store->getLocalRouterInfoAccording(ns::Dictionary{{kLocalRouterBssid, "00:00:00:00:00:00"}}));
}

TEST(RouterPreference, ASaveRightAfterStartKeepsTheRoutersOnDisk) {
    // The creation-time read and the first save race for the list: the save
    // must build on what the file held, not on an empty list.
    auto store = TAVORouterPreference::shareInstance();
    for (int i = 0; i < 49; ++i) store->saveLocalRouterInfo(record(bssid(i), "t"));
    for (int round = 0; round < 5; ++round) {
        store = restart();
        store->saveLocalRouterInfo(record(bssid(100 + round), "new"));
        EXPECT_EQ(store->localRouterList().count(), std::min<std::size_t>(50, 50 + round)) << round;
    }
    store = restart();
    auto list = store->localRouterList();
    ASSERT_EQ(list.count(), 50u);
    EXPECT_EQ(list[0][kLocalRouterBssid].stringValue(), bssid(4)) << "the four oldest were dropped";
    EXPECT_EQ(list[49][kLocalRouterBssid].stringValue(), bssid(104));
}

TEST(RouterPreference, SameAccessPointIgnoringCaseMovesToTheEndAndTheCapHolds) {
    auto store = TAVORouterPreference::shareInstance();
    for (int i = 0; i < 50; ++i) store->saveLocalRouterInfo(record(bssid(i), "old"));
    store->saveLocalRouterInfo(record("AA:BB:CC:DD:00:05", "renewed"));
    auto list = store->localRouterList();
    ASSERT_EQ(list.count(), 50u);
    EXPECT_EQ(list[49][kLocalRouterTicket].stringValue(), "renewed");
    EXPECT_EQ(list[0][kLocalRouterBssid].stringValue(), bssid(0));

    store->saveLocalRouterInfo(record(bssid(60), "fresh"));
    list = store->localRouterList();
    ASSERT_EQ(list.count(), 50u);
    EXPECT_EQ(list[0][kLocalRouterBssid].stringValue(), bssid(1)) << "a 51st router drops the oldest";
}

TEST(RouterPreference, ADamagedFileReadsAsNoListAndIsReplacedByTheNextSave) {
    auto store = TAVORouterPreference::shareInstance();
    const std::string path = store->localRouterInfoFile();
    store->waitForFileOperations();
    ASSERT_TRUE(ns::writeDataToFile(ns::Data::fromString("not an encrypted archive at all"), path, true));
    store = restart();
    EXPECT_TRUE(store->localRouterList().isNil() || store->localRouterList().count() == 0);
    store->saveLocalRouterInfo(record(bssid(1), "t"));
    store = restart();
    EXPECT_EQ(store->localRouterList().count(), 1u);
}

TEST(RouterPreference, TicketPairAndOnlineRouter) {
    auto store = TAVORouterPreference::shareInstance();
    auto defaults = ns::UserDefaults::standardUserDefaults();
    EXPECT_TRUE(store->getQT().isNil());
    store->saveQT("Q1", "T1");
    auto stored = defaults->dataForKey("router qt storage");
    ASSERT_TRUE(stored);
    defaults->setObject(ns::Value(ns::Data::fromString("marker")), "router qt storage");
    store->saveQT("Q1", "T1");  // the same pair writes nothing
    EXPECT_EQ(defaults->dataForKey("router qt storage"), ns::Data::fromString("marker"));
    defaults->setObject(ns::Value(*stored), "router qt storage");

    store->saveOnlineRouter("router-42");
    store->saveOnlineRouter("");  // changes nothing
    store = restart();
    EXPECT_EQ(store->accountDic()["q"].stringValue(), "Q1");
    EXPECT_EQ(store->getQT()["t"].stringValue(), "T1");
    EXPECT_EQ(store->getOnlineRouter(), std::optional<std::string>("router-42"));

    store->saveQT("Q1", "");
    EXPECT_TRUE(store->accountDic().isNil());
    EXPECT_FALSE(ns::UserDefaults::standardUserDefaults()->dataForKey("router qt storage"));

    ns::UserDefaults::standardUserDefaults()->setObject(ns::Value(ns::Data::fromString("12345678")), "ArdoKeelboxDef10");
    EXPECT_FALSE(store->getOnlineRouter());
}

TEST(RouterPreference, StartupVersionAndSettings) {
    auto store = TAVORouterPreference::shareInstance();
    EXPECT_TRUE(store->isFirstStartup());
    store->updateShowAppUpdateSetting(true);
    EXPECT_TRUE(store->shouldShowIntroduce());
    EXPECT_FALSE(store->shouldNotShowAppUpdate()) << "the version prompt comes back";
    store->finishStartup();
    EXPECT_FALSE(store->isFirstStartup());
    EXPECT_FALSE(store->shouldShowIntroduce());
    ns::UserDefaults::standardUserDefaults()->setFloat(
        static_cast<float>(AppInfoUtility::currentBundleVersionNumber()) - 0.5f, "router app bundle version");
    EXPECT_TRUE(store->shouldShowIntroduce()) << "an upgrade shows the introduction again";

    store->saveDeviceToken("");
    EXPECT_FALSE(store->deviceToken());
    store->saveDeviceToken("0a1b");
    EXPECT_EQ(store->deviceToken(), std::optional<std::string>("0a1b"));
    store->saveLastArdoAccountName("alice");
    store->saveLastArdoAccountName("");
    EXPECT_EQ(store->lastArdoAccountName(), std::optional<std::string>("alice"));
    store->setInitializedVirusLibrary(true);
    EXPECT_TRUE(store->hasInitializedVirusLibrary());

    store->setVirusLibraryUpdateDate(ns::Date::withTimeIntervalSince1970(1000));
    EXPECT_EQ(store->virusLibraryUpdateDate()->timeIntervalSince1970(), 1000);
    ns::UserDefaults::standardUserDefaults()->setObject(ns::Value("yesterday"), "db update date");
    EXPECT_FALSE(store->virusLibraryUpdateDate());
    store->setVirusLibraryUpdateDate(std::nullopt);
    EXPECT_TRUE(ns::UserDefaults::standardUserDefaults()->objectForKey("db update date").isNil());
}
