#include <gtest/gtest.h>

#include <arpa/inet.h>

#include "net/reachability/TNNetworkReachabilityManager.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/net/InjectableNetworkInfoSource.h"
#include "tests/support/Harness.h"

namespace {

class TNNetworkReachabilityManagerTest : public ::testing::Test {
protected:
    void SetUp() override { sc::NetworkInfo::setSource(source); }
    std::shared_ptr<sc::InjectableNetworkInfoSource> source = std::make_shared<sc::InjectableNetworkInfoSource>();
};

TEST_F(TNNetworkReachabilityManagerTest, StatusFromFlagsTable) {
    const std::uint32_t R = 2, C = 4, OT = 8, I = 16, OD = 32, W = 1u << 18;
    const std::vector<std::pair<std::uint32_t, int>> cases = {
        {0, 0}, {R, 2}, {R | C | OT, 2}, {R | C | OT | I, 0}, {R | C, 0}, {R | C | OD, 2}, {R | W, 1}, {C | OT, 0},
    };
    for (const auto& [flags, status] : cases)
        EXPECT_EQ(TNNetworkReachabilityManager::statusForFlags(flags), status) << flags;
}

TEST_F(TNNetworkReachabilityManagerTest, StartsUnknownAndReportsOnTheMainThread) {
    auto manager = TNNetworkReachabilityManager::sharedManager();
    EXPECT_EQ(manager, TNNetworkReachabilityManager::sharedManager());
    EXPECT_EQ(manager->networkReachabilityStatus(), TNNetworkReachabilityStatusUnknown);
    EXPECT_FALSE(manager->isReachable());
    EXPECT_EQ(manager->localizedNetworkReachabilityStatusString(), "Unknown");

    std::vector<int> fromBlock, fromNotification;
    manager->setReachabilityStatusChangeBlock([&](TNNetworkReachabilityStatus s) { fromBlock.push_back(s); });
    auto token = ns::NotificationCenter::defaultCenter()->addObserverForName(
        TNNetworkingReachabilityDidChangeNotification, ns::Value(), nullptr, [&](const ns::NotificationPtr& n) {
            fromNotification.push_back(n->userInfo()[TNNetworkingReachabilityNotificationStatusItem].intValue());
        });
    manager->startMonitoring();  // an address target reads its flags at once
    ASSERT_TRUE(keelbox::test::runMainLoopUntil([&] { return fromNotification.size() == 1; }));
    EXPECT_EQ(manager->networkReachabilityStatus(), TNNetworkReachabilityStatusNotReachable);

    source->setWiFi(sc::WiFiNetwork{"HomeNet", "aa:bb:cc:00:11:22"});
    ASSERT_TRUE(keelbox::test::runMainLoopUntil([&] { return fromNotification.size() == 2; }));
    EXPECT_EQ(fromBlock, (std::vector<int>{0, 2}));
    EXPECT_EQ(fromNotification, (std::vector<int>{0, 2}));
    EXPECT_TRUE(manager->isReachableViaWiFi());
    EXPECT_EQ(manager->localizedNetworkReachabilityStatusString(), "Reachable via WiFi");

    manager->stopMonitoring();
    source->setWiFi(std::nullopt);
    keelbox::test::drainMainLoop();
    EXPECT_EQ(fromBlock.size(), 2u);
    ns::NotificationCenter::defaultCenter()->removeObserver(token);

    // A domain target waits for the first change.
    auto domain = TNNetworkReachabilityManager::managerForDomain("router.test");
    domain->startMonitoring();
    keelbox::test::drainMainLoop();
    EXPECT_EQ(domain->networkReachabilityStatus(), TNNetworkReachabilityStatusUnknown);
}

}  // namespace
