// TNNetworkReachabilityManager: the HTTP client library's own reachability
// observer. It keeps a status (-1 unknown until monitoring reports one),
// calls a change callback and posts a notification on the main thread.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/net/NetworkReachability.h"

enum TNNetworkReachabilityStatus : int {
    TNNetworkReachabilityStatusUnknown = -1,
    TNNetworkReachabilityStatusNotReachable = 0,
    TNNetworkReachabilityStatusReachableViaWWAN = 1,
    TNNetworkReachabilityStatusReachableViaWiFi = 2,
};

inline constexpr const char* TNNetworkingReachabilityDidChangeNotification =
    "com.tavonet.networking.reachability.change";
inline constexpr const char* TNNetworkingReachabilityNotificationStatusItem =
    "TNNetworkingReachabilityNotificationStatusItem";

class TNNetworkReachabilityManager : public ns::Object {
public:
    enum Association { ForAddress = 1, ForAddressPair = 2, ForName = 3 };

    // Made once, for the address 0.0.0.0.
    static std::shared_ptr<TNNetworkReachabilityManager> sharedManager();
    static std::shared_ptr<TNNetworkReachabilityManager> managerForDomain(const std::string& domain);
    // IPv4 address in network byte order.
    static std::shared_ptr<TNNetworkReachabilityManager> managerForAddress(std::uint32_t networkOrderAddress);
    static std::shared_ptr<TNNetworkReachabilityManager> initWithReachability(sc::NetworkReachabilityPtr reachability,
                                                                              Association association = ForAddress);
    ~TNNetworkReachabilityManager() override;

    static TNNetworkReachabilityStatus statusForFlags(std::uint32_t flags);

    void startMonitoring();
    void stopMonitoring();
    void setReachabilityStatusChangeBlock(std::function<void(TNNetworkReachabilityStatus)> block);

    TNNetworkReachabilityStatus networkReachabilityStatus() const { return status_.load(); }
    Association networkReachabilityAssociation() const { return association_; }
    bool isReachable() const { return isReachableViaWWAN() || isReachableViaWiFi(); }
    bool isReachableViaWWAN() const { return status_ == TNNetworkReachabilityStatusReachableViaWWAN; }
    bool isReachableViaWiFi() const { return status_ == TNNetworkReachabilityStatusReachableViaWiFi; }
    std::string localizedNetworkReachabilityStatusString() const;

private:
    TNNetworkReachabilityManager(sc::NetworkReachabilityPtr reachability, Association association)
        : reachability_(std::move(reachability)), association_(association) {}
    // Stores the status, runs the change callback, then posts the notification.
    void report(TNNetworkReachabilityStatus status, bool postLater);

    sc::NetworkReachabilityPtr reachability_;
    Association association_;
    std::atomic<TNNetworkReachabilityStatus> status_{TNNetworkReachabilityStatusUnknown};
    mutable std::mutex mutex_;
    std::function<void(TNNetworkReachabilityStatus)> block_;
    bool monitoring_ = false;
};

using TNNetworkReachabilityManagerPtr = std::shared_ptr<TNNetworkReachabilityManager>;
