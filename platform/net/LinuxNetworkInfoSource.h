// The real network information of a Linux machine, best effort: interfaces
// from getifaddrs, Wi-Fi from the wireless extensions of interfaces that
// have them (none on most desktops and containers). Linux sends no change
// events here, so nothing is ever announced; a reachability object reads the
// current state whenever asked.
//
// Reachability: a target is reachable when some interface other than
// loopback is up and running with an address; loopback and link-local
// addresses are always reachable, directly. The local Wi-Fi link counts as
// reachable and direct when a non-loopback IPv4 interface is up: on a
// desktop the wired LAN plays the phone's Wi-Fi.
#pragma once

#include "platform/net/NetworkInfoSource.h"

namespace sc {

class LinuxNetworkInfoSource : public NetworkInfoSource {
public:
    std::uint32_t flagsFor(const ReachabilityTarget& target) override;
    std::vector<InterfaceAddress> interfaces() override;
    std::vector<std::string> wifiInterfaces() override;
    std::optional<WiFiNetwork> currentNetwork(const std::string& interface) override;
};

}  // namespace sc
