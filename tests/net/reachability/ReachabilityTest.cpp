#include <gtest/gtest.h>

#include <arpa/inet.h>

#include "net/reachability/Reachability.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Thread.h"
#include "platform/net/InjectableNetworkInfoSource.h"
#include "tests/support/Harness.h"

namespace {

class ReachabilityTest : public ::testing::Test {
protected:
    void SetUp() override { sc::NetworkInfo::setSource(source); }
    std::shared_ptr<sc::InjectableNetworkInfoSource> source = std::make_shared<sc::InjectableNetworkInfoSource>();
};

TEST_F(ReachabilityTest, StatusFromFlagsTable) {
    auto internet = Reachability::reachabilityForInternetConnection();
    auto wifi = Reachability::reachabilityForLocalWiFi();
    auto host = Reachability::reachabilityWithHostName("router.local");
    ASSERT_TRUE(internet && wifi && host);
    struct Case {
        std::uint32_t flags;
        int internetStatus;
        int wifiStatus;
    };
    const std::uint32_t R = 2, T = 1, C = 4, OT = 8, I = 16, OD = 32, L = 1u << 16, D = 1u << 17, W = 1u << 18;
    const std::vector<Case> cases = {
        {0, 0, 0},         {R | D, 2, 2},     {R, 2, 0},       {R | T | C, 0, 0},  {R | C | OD, 2, 0},
        {R | W, 1, 0},     {R | L | D, 2, 2}, {R | T, 2, 0},   {R | OT, 0, 0},     {R | C | I, 2, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(internet->networkStatusForFlags(c.flags), c.internetStatus) << c.flags;
        EXPECT_EQ(wifi->networkStatusForFlags(c.flags), c.wifiStatus) << c.flags;
    }
    // Only the object made for the Wi-Fi link reads flags as the link does.
    auto sameKey = Reachability::initWithReachabilityRef(sc::NetworkReachability::createWithAddress("169.254.0.0"),
                                                         "LocalWiFiConnection");
    EXPECT_EQ(sameKey->networkStatusForFlags(R), 2);
    EXPECT_TRUE(sameKey->isEqual(*wifi));

    source->setFlags("router.local", R | C | I);
    EXPECT_TRUE(host->isConnectionRequired());
    EXPECT_TRUE(host->isInterventionRequired());
    EXPECT_FALSE(host->isConnectionOnDemand());
    EXPECT_EQ(host->reachabilityFlags(), R | C | I);
}

TEST_F(ReachabilityTest, KeysAndEquality) {
    EXPECT_EQ(Reachability::reachabilityWithAddress(inet_addr("10.0.0.1"))->key(), "10.0.0.1");
    EXPECT_EQ(Reachability::reachabilityForInternetConnection()->key(), "InternetConnection");
    EXPECT_EQ(Reachability::reachabilityForLocalWiFi()->key(), "LocalWiFiConnection");
    auto a = Reachability::reachabilityWithHostName("example.test");
    auto b = Reachability::reachabilityWithHostName("example.test");
    EXPECT_TRUE(a->isEqual(*b));
    EXPECT_FALSE(a->isEqual(*Reachability::reachabilityWithHostName("other.test")));
    EXPECT_FALSE(Reachability::reachabilityWithHostName(""));
}

TEST_F(ReachabilityTest, NotifierPostsChangesOnTheStartingRunLoop) {
    auto wifi = Reachability::reachabilityForLocalWiFi();
    std::vector<int> statuses;
    bool onMain = true;
    auto token = ns::NotificationCenter::defaultCenter()->addObserverForName(
        kReachabilityChangedNotification, ns::Value(), nullptr, [&](const ns::NotificationPtr& n) {
            auto object = n->object().as<Reachability>();
            ASSERT_TRUE(object);
            statuses.push_back(object->currentReachabilityStatus());
            onMain = onMain && ns::Thread::isMainThread();
        });
    ASSERT_TRUE(wifi->startNotifier());
    EXPECT_EQ(wifi->currentReachabilityStatus(), NotReachable);
    source->setWiFi(sc::WiFiNetwork{"HomeNet", "aa:bb:cc:00:11:22"});
    keelbox::test::drainMainLoop();
    source->setWiFi(std::nullopt);
    keelbox::test::drainMainLoop();
    EXPECT_EQ(statuses, (std::vector<int>{ReachableViaWiFi, NotReachable}));
    EXPECT_TRUE(onMain);

    wifi->stopNotifier();
    source->setWiFi(sc::WiFiNetwork{"HomeNet", "aa:bb:cc:00:11:22"});
    keelbox::test::drainMainLoop();
    EXPECT_EQ(statuses.size(), 2u);
    ns::NotificationCenter::defaultCenter()->removeObserver(token);
}

}  // namespace
