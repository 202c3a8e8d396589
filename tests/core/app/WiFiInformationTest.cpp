#include <gtest/gtest.h>

#include "core/app/TAVOWIFIUtility.h"
#include "platform/net/InjectableNetworkInfoSource.h"

TEST(WiFiInformation, NetworkAndAddresses) {
    auto source = std::make_shared<sc::InjectableNetworkInfoSource>();
    sc::NetworkInfo::setSource(source);
    EXPECT_TRUE(TAVOWIFIUtility::fetchSSIDInfo().empty());
    EXPECT_FALSE(TAVOWIFIUtility::fetchSSIDName());

    source->setWiFi(sc::WiFiNetwork{"Home", "aa:bb:cc:dd:ee:ff"});
    EXPECT_EQ(TAVOWIFIUtility::fetchSSIDInfo()["BSSID"].stringValue(), "aa:bb:cc:dd:ee:ff");
    EXPECT_EQ(TAVOWIFIUtility::fetchSSIDName(), std::optional<std::string>("Home"));

    const struct {
        std::vector<sc::InterfaceAddress> interfaces;
        bool preferIPv4;
        const char* expected;
    } cases[] = {
        {{{"pdp_ip0", false, "10.20.30.40", true, true, false}}, true, "10.20.30.40"},
        {{}, true, "0.0.0.0"},
        {{{"lo0", false, "127.0.0.1", true, true, true}}, true, "0.0.0.0"},
        {{{"en0", true, "fe80::1", true, true, false}, {"en0", false, "192.168.1.5", true, true, false}},
         true, "192.168.1.5"},
        {{{"en0", true, "fe80::1", true, true, false}, {"en0", false, "192.168.1.5", true, true, false}},
         false, "fe80::1"},
        {{{"en0", false, "192.168.1.5", false, false, false}, {"pdp_ip0", true, "2001:db8::7", true, true, false}},
         true, "2001:db8::7"},
    };
    for (const auto& c : cases) {
        source->setInterfaces(c.interfaces);
        EXPECT_EQ(TAVOWIFIUtility::getIPAddress(c.preferIPv4), c.expected);
    }
    source->setInterfaces(std::vector<sc::InterfaceAddress>{{"en0", false, "192.168.7.9", true, true, false}});
    EXPECT_EQ(TAVOWIFIUtility::localIPAddress(), std::optional<std::string>("192.168.7.9"));
    source->setInterfaces(std::vector<sc::InterfaceAddress>{{"en0", false, "10.0.0.9", true, true, false}});
    EXPECT_FALSE(TAVOWIFIUtility::localIPAddress());
    EXPECT_TRUE(TAVOWIFIUtility::hostname().value_or("").ends_with(".local"));
    sc::NetworkInfo::setSource(nullptr);
}
