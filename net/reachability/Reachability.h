// Reachability: one reachability target (a host, an address, the internet
// or the local Wi-Fi link) turned into a network status, with a change
// notification once its notifier is started.
//
// Status: 0 not reachable, 1 via the mobile network, 2 via Wi-Fi.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/net/NetworkReachability.h"

namespace ns {
class RunLoop;
}

enum NetworkStatus : int {
    NotReachable = 0,
    ReachableViaWWAN = 1,
    ReachableViaWiFi = 2,
};

// Posted with the Reachability whose target changed as its object.
inline constexpr const char* kReachabilityChangedNotification = "NetworkReachabilityChangedNotification";

// The platform's flag bits.
enum ReachabilityFlag : std::uint32_t {
    kReachabilityFlagsTransientConnection = 1u << 0,
    kReachabilityFlagsReachable = 1u << 1,
    kReachabilityFlagsConnectionRequired = 1u << 2,
    kReachabilityFlagsConnectionOnTraffic = 1u << 3,
    kReachabilityFlagsInterventionRequired = 1u << 4,
    kReachabilityFlagsConnectionOnDemand = 1u << 5,
    kReachabilityFlagsIsLocalAddress = 1u << 16,
    kReachabilityFlagsIsDirect = 1u << 17,
    kReachabilityFlagsIsWWAN = 1u << 18,
};

class Reachability : public ns::Object {
public:
    // nullptr when the target cannot be made.
    static std::shared_ptr<Reachability> reachabilityWithHostName(const std::string& hostName);
    // IPv4 address in network byte order; key "a.b.c.d".
    static std::shared_ptr<Reachability> reachabilityWithAddress(std::uint32_t networkOrderAddress);
    static std::shared_ptr<Reachability> reachabilityForInternetConnection();
    static std::shared_ptr<Reachability> reachabilityForLocalWiFi();
    static std::shared_ptr<Reachability> initWithReachabilityRef(sc::NetworkReachabilityPtr reference,
                                                                 std::string key);
    static std::string makeAddressKey(std::uint32_t networkOrderAddress);
    ~Reachability() override;

    const std::string& key() const { return key_; }

    // Delivers changes on the calling thread's run loop (default mode).
    bool startNotifier();
    void stopNotifier();

    NetworkStatus currentReachabilityStatus() const;
    NetworkStatus networkStatusForFlags(std::uint32_t flags) const;
    bool isReachable() const;
    bool isReachableViaWWAN() const { return currentReachabilityStatus() == ReachableViaWWAN; }
    bool isReachableViaWiFi() const { return currentReachabilityStatus() == ReachableViaWiFi; }
    bool isConnectionRequired() const;
    bool connectionRequired() const { return isConnectionRequired(); }
    bool isConnectionOnDemand() const;
    bool isInterventionRequired() const;
    // 0 when the flags cannot be read.
    std::uint32_t reachabilityFlags() const;

    bool isEqual(const ns::Object& other) const override;

private:
    Reachability(sc::NetworkReachabilityPtr reference, std::string key, bool isLocalWiFi)
        : reference_(std::move(reference)), key_(std::move(key)), isLocalWiFi_(isLocalWiFi) {}
    bool readFlags(std::uint32_t& flags) const;

    sc::NetworkReachabilityPtr reference_;
    std::string key_;
    // Only the object made by reachabilityForLocalWiFi reads its flags as
    // the Wi-Fi link (an equal key made otherwise does not).
    bool isLocalWiFi_ = false;
    std::weak_ptr<ns::RunLoop> scheduledLoop_;
};

using ReachabilityPtr = std::shared_ptr<Reachability>;
