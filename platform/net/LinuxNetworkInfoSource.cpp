#include "platform/net/LinuxNetworkInfoSource.h"

// net/if.h must come before linux/wireless.h, which otherwise pulls the
// kernel's own (conflicting) interface flag definitions.
#include <net/if.h>
// clang-format off
#include <arpa/inet.h>
#include <ifaddrs.h>
#include <linux/wireless.h>
// clang-format on
#include <netinet/in.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>

namespace sc {

std::vector<InterfaceAddress> LinuxNetworkInfoSource::interfaces() {
    std::vector<InterfaceAddress> list;
    ifaddrs* all = nullptr;
    if (getifaddrs(&all) != 0) return list;
    for (ifaddrs* entry = all; entry; entry = entry->ifa_next) {
        if (!entry->ifa_addr) continue;
        int family = entry->ifa_addr->sa_family;
        if (family != AF_INET && family != AF_INET6) continue;
        char text[INET6_ADDRSTRLEN] = {0};
        const void* raw = family == AF_INET
                              ? static_cast<const void*>(&reinterpret_cast<sockaddr_in*>(entry->ifa_addr)->sin_addr)
                              : static_cast<const void*>(&reinterpret_cast<sockaddr_in6*>(entry->ifa_addr)->sin6_addr);
        if (!inet_ntop(family, raw, text, sizeof text)) continue;
        InterfaceAddress address;
        address.name = entry->ifa_name;
        address.ipv6 = family == AF_INET6;
        address.address = text;
        address.up = entry->ifa_flags & IFF_UP;
        address.running = entry->ifa_flags & IFF_RUNNING;
        address.loopback = entry->ifa_flags & IFF_LOOPBACK;
        list.push_back(std::move(address));
    }
    freeifaddrs(all);
    return list;
}

std::uint32_t LinuxNetworkInfoSource::flagsFor(const ReachabilityTarget& target) {
    if (target.kind == ReachabilityTarget::Kind::Address) {
        const std::string& a = target.address;
        if (a.rfind("127.", 0) == 0 || a == "::1")
            return kReachabilityFlagsReachable | kReachabilityFlagsIsLocalAddress | kReachabilityFlagsIsDirect;
    }
    bool anyUp = false, ipv4Up = false;
    for (const auto& address : interfaces()) {
        if (address.loopback || !address.up || !address.running) continue;
        anyUp = true;
        ipv4Up = ipv4Up || !address.ipv6;
    }
    if (target.isLocalWiFiLink()) return ipv4Up ? kReachabilityFlagsReachable | kReachabilityFlagsIsDirect : 0u;
    if (target.kind == ReachabilityTarget::Kind::Host && (target.host == "localhost"))
        return kReachabilityFlagsReachable | kReachabilityFlagsIsLocalAddress | kReachabilityFlagsIsDirect;
    return anyUp ? kReachabilityFlagsReachable : 0u;
}

std::vector<std::string> LinuxNetworkInfoSource::wifiInterfaces() {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/sys/class/net", error)) {
        if (std::filesystem::exists(entry.path() / "wireless", error))
            names.push_back(entry.path().filename().string());
    }
    return names;
}

std::optional<WiFiNetwork> LinuxNetworkInfoSource::currentNetwork(const std::string& interface) {
    if (interface.empty() || interface.size() >= IFNAMSIZ) return std::nullopt;
    int fd = socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0) return std::nullopt;
    std::optional<WiFiNetwork> network;
    iwreq request{};
    std::strncpy(request.ifr_name, interface.c_str(), IFNAMSIZ - 1);
    char essid[IW_ESSID_MAX_SIZE + 1] = {0};
    request.u.essid.pointer = essid;
    request.u.essid.length = IW_ESSID_MAX_SIZE;
    if (ioctl(fd, SIOCGIWESSID, &request) == 0 && request.u.essid.length > 0) {
        WiFiNetwork found;
        found.ssid.assign(essid, std::min<std::size_t>(request.u.essid.length, IW_ESSID_MAX_SIZE));
        iwreq ap{};
        std::strncpy(ap.ifr_name, interface.c_str(), IFNAMSIZ - 1);
        if (ioctl(fd, SIOCGIWAP, &ap) == 0) {
            const auto* mac = reinterpret_cast<const unsigned char*>(ap.u.ap_addr.sa_data);
            char text[18];
            std::snprintf(text, sizeof text, "%02x:%02x:%02x:%02x:%02x:%02x", mac[0], mac[1], mac[2], mac[3], mac[4],
                          mac[5]);
            found.bssid = text;
        }
        network = std::move(found);
    }
    close(fd);
    return network;
}

}  // namespace sc
