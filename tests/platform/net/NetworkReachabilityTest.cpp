#include <gtest/gtest.h>

#include <arpa/inet.h>

#include <atomic>

#include "platform/foundation/Thread.h"
#include "platform/net/CaptiveNetwork.h"
#include "platform/net/InjectableNetworkInfoSource.h"
#include "platform/net/LinuxNetworkInfoSource.h"
#include "platform/net/NetworkInterfaces.h"
#include "platform/net/NetworkReachability.h"
#include "tests/platform/net/WorkerLoop.h"
#include "tests/support/Harness.h"

namespace {

using keelbox::test::drainMainLoop;
using keelbox::test::runMainLoopUntil;
using sc::NetworkReachability;

class NetworkReachabilityTest : public ::testing::Test {
protected:
    void SetUp() override { sc::NetworkInfo::setSource(source); }
    std::shared_ptr<sc::InjectableNetworkInfoSource> source = std::make_shared<sc::InjectableNetworkInfoSource>();
};

TEST_F(NetworkReachabilityTest, WiFiChangesReachAMainLoopObserverOnTheMainThread) {
    auto wifi = NetworkReachability::createWithAddress("169.254.0.0");
    ASSERT_TRUE(wifi);
    std::vector<std::uint32_t> seen;
    bool onMain = true;
    wifi->setCallback([&](std::uint32_t flags) {
        seen.push_back(flags);
        onMain = onMain && ns::Thread::isMainThread();
    });
    ASSERT_TRUE(wifi->scheduleWithRunLoop(ns::RunLoop::main(), ns::kDefaultRunLoopMode));

    source->setWiFi(sc::WiFiNetwork{"HomeNet", "aa:bb:cc:00:11:22"});
    EXPECT_TRUE(seen.empty());  // delivered on a later turn, never inside the change
    ASSERT_TRUE(runMainLoopUntil([&] { return seen.size() == 1; }));
    EXPECT_EQ(seen[0], sc::kReachabilityFlagsReachable | sc::kReachabilityFlagsIsDirect);
    auto info = sc::CaptiveNetwork::copyCurrentNetworkInfo(sc::CaptiveNetwork::copySupportedInterfaces().at(0));
    ASSERT_TRUE(info);
    EXPECT_EQ((*info)["SSID"].asString(), "HomeNet");
    EXPECT_EQ((*info)["BSSID"].asString(), "aa:bb:cc:00:11:22");

    // A change that leaves this target's flags alone is not announced.
    source->setCellular(true);
    drainMainLoop();
    EXPECT_EQ(seen.size(), 1u);

    source->setWiFi(std::nullopt);
    ASSERT_TRUE(runMainLoopUntil([&] { return seen.size() == 2; }));
    EXPECT_EQ(seen[1], 0u);
    EXPECT_FALSE(sc::CaptiveNetwork::copyCurrentNetworkInfo("en0"));
    EXPECT_TRUE(onMain);

    wifi->unscheduleFromRunLoop(ns::RunLoop::main(), ns::kDefaultRunLoopMode);
    source->setWiFi(sc::WiFiNetwork{"HomeNet", "aa:bb:cc:00:11:22"});
    drainMainLoop();
    EXPECT_EQ(seen.size(), 2u);
}

TEST_F(NetworkReachabilityTest, CallbacksRunOnTheWorkerLoopTheyAreScheduledOn) {
    keelbox::test::WorkerLoop worker;
    auto internet = NetworkReachability::createWithAddress("0.0.0.0");
    std::atomic<std::uint32_t> flags{0};
    std::atomic<bool> onWorker{false};
    internet->setCallback([&](std::uint32_t f) {
        onWorker = ns::Thread::currentThread() == worker.thread();
        flags = f;
    });
    internet->scheduleWithRunLoop(worker.runLoop(), ns::kDefaultRunLoopMode);
    source->setCellular(true);
    ASSERT_TRUE(runMainLoopUntil([&] { return flags != 0; }));
    EXPECT_TRUE(onWorker);
    EXPECT_TRUE(flags & sc::kReachabilityFlagsIsWWAN);
    internet->unscheduleFromRunLoop(worker.runLoop(), ns::kDefaultRunLoopMode);
}

TEST_F(NetworkReachabilityTest, TargetsAndFlagsFromTheSource) {
    EXPECT_FALSE(NetworkReachability::createWithAddress("not an address"));
    EXPECT_FALSE(NetworkReachability::createWithName(""));
    auto host = NetworkReachability::createWithName("router.example");
    auto address = NetworkReachability::createWithIPv4(htonl(0x0A000001));
    ASSERT_TRUE(address);
    EXPECT_EQ(address->target().address, "10.0.0.1");

    std::uint32_t flags = 99;
    ASSERT_TRUE(host->getFlags(flags));
    EXPECT_EQ(flags, 0u);
    source->setWiFi(sc::WiFiNetwork{"n", "b"});
    host->getFlags(flags);
    EXPECT_EQ(flags, sc::kReachabilityFlagsReachable);
    source->setFlags("router.example", sc::kReachabilityFlagsReachable | sc::kReachabilityFlagsConnectionRequired);
    host->getFlags(flags);
    EXPECT_EQ(flags, sc::kReachabilityFlagsReachable | sc::kReachabilityFlagsConnectionRequired);
    address->getFlags(flags);
    EXPECT_EQ(flags, sc::kReachabilityFlagsReachable);

    auto interfaces = sc::NetworkInterfaces::addresses();
    ASSERT_EQ(interfaces.size(), 2u);
    EXPECT_EQ(interfaces[1].name, "en0");
}

TEST(LinuxNetworkInfoSourceTest, ReadsTheMachinesInterfacesBestEffort) {
    sc::LinuxNetworkInfoSource linux;
    bool loopback = false;
    for (const auto& a : linux.interfaces()) loopback |= a.loopback && a.address == "127.0.0.1";
    EXPECT_TRUE(loopback);
    sc::ReachabilityTarget local{sc::ReachabilityTarget::Kind::Address, "", "127.0.0.1"};
    EXPECT_TRUE(linux.flagsFor(local) & sc::kReachabilityFlagsReachable);
    // Wi-Fi information is optional on Linux; asking never fails.
    for (const auto& name : linux.wifiInterfaces()) (void)linux.currentNetwork(name);
    EXPECT_FALSE(linux.currentNetwork("no-such-if0"));
}

}  // namespace
