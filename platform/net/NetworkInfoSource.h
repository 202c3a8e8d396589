// Where network information comes from: reachability flags, the interface
// list and the current Wi-Fi network. The application reads it through
// sc::NetworkReachability, sc::CaptiveNetwork and sc::NetworkInterfaces; the
// source behind them is pluggable (sc::NetworkInfo::setSource): the real one
// reads Linux, the injectable one is set by tests and emulator runs, and
// every change it makes reaches the scheduled reachability callbacks.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace sc {

// The platform's reachability flag values.
inline constexpr std::uint32_t kReachabilityFlagsTransientConnection = 1u << 0;
inline constexpr std::uint32_t kReachabilityFlagsReachable = 1u << 1;
inline constexpr std::uint32_t kReachabilityFlagsConnectionRequired = 1u << 2;
inline constexpr std::uint32_t kReachabilityFlagsConnectionOnTraffic = 1u << 3;
inline constexpr std::uint32_t kReachabilityFlagsInterventionRequired = 1u << 4;
inline constexpr std::uint32_t kReachabilityFlagsConnectionOnDemand = 1u << 5;
inline constexpr std::uint32_t kReachabilityFlagsIsLocalAddress = 1u << 16;
inline constexpr std::uint32_t kReachabilityFlagsIsDirect = 1u << 17;
inline constexpr std::uint32_t kReachabilityFlagsIsWWAN = 1u << 18;

// What a reachability object asks about.
struct ReachabilityTarget {
    enum class Kind { Host, Address };
    Kind kind = Kind::Address;
    std::string host;     // host name, for Kind::Host
    std::string address;  // numeric text ("0.0.0.0", "169.254.0.0", "10.0.0.1"), for Kind::Address

    bool isInternet() const { return kind == Kind::Address && address == "0.0.0.0"; }
    bool isLocalWiFiLink() const { return kind == Kind::Address && address == "169.254.0.0"; }
};

struct InterfaceAddress {
    std::string name;     // "en0", "wlan0"
    bool ipv6 = false;
    std::string address;  // numeric text
    bool up = false;
    bool running = false;
    bool loopback = false;
};

struct WiFiNetwork {
    std::string ssid;
    std::string bssid;  // the access point's MAC address text, "aa:bb:cc:dd:ee:ff"
};

class NetworkInfoSource {
public:
    virtual ~NetworkInfoSource() = default;
    // Current flags for a target (0: not reachable).
    virtual std::uint32_t flagsFor(const ReachabilityTarget& target) = 0;
    virtual std::vector<InterfaceAddress> interfaces() = 0;
    // Names of the interfaces that can carry Wi-Fi information.
    virtual std::vector<std::string> wifiInterfaces() = 0;
    // The network an interface is joined to; none when it is not on one.
    virtual std::optional<WiFiNetwork> currentNetwork(const std::string& interface) = 0;

    // Change listeners: told (on the changing thread) whenever the source's
    // answers may have changed. The token removes the listener.
    using Listener = std::function<void()>;
    std::uint64_t addListener(Listener listener);
    void removeListener(std::uint64_t token);

protected:
    void notifyChanged();

private:
    std::mutex listenerMutex_;
    std::map<std::uint64_t, Listener> listeners_;
    std::uint64_t nextToken_ = 1;
};

// The process's current source.
class NetworkInfo {
public:
    // The injectable source when KEELBOX_WIFI="<ssid>,<bssid>" is set (an
    // emulator run), else the real Linux source; tests replace it.
    static std::shared_ptr<NetworkInfoSource> source();
    static void setSource(std::shared_ptr<NetworkInfoSource> source);
};

}  // namespace sc
