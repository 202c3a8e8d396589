// sc::NetworkReachability: whether a host, an address, the internet or the
// local Wi-Fi link can be reached, as the platform's flag word, with change
// callbacks delivered on the run loops the object is scheduled on.
//
// The answers come from the process's network information source
// (sc::NetworkInfo); a change the source announces fires the callback once
// per scheduled run loop and mode, on that loop, when the flags changed.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "platform/foundation/Object.h"
#include "platform/net/NetworkInfoSource.h"

namespace ns {
class RunLoop;
}

namespace sc {

class NetworkReachability : public ns::Object {
public:
    // nullptr for an empty name.
    static std::shared_ptr<NetworkReachability> createWithName(const std::string& hostName);
    // Numeric IPv4 or IPv6 text ("0.0.0.0" is the internet, "169.254.0.0"
    // the local Wi-Fi link); nullptr when the text is not an address.
    static std::shared_ptr<NetworkReachability> createWithAddress(const std::string& numericAddress);
    // IPv4 address bytes in network order.
    static std::shared_ptr<NetworkReachability> createWithIPv4(std::uint32_t networkOrderAddress);
    ~NetworkReachability() override;

    const ReachabilityTarget& target() const { return target_; }
    // False when the flags cannot be read.
    bool getFlags(std::uint32_t& flags) const;

    using Callback = std::function<void(std::uint32_t flags)>;
    // Replaces the callback (nullptr removes it).
    bool setCallback(Callback callback);
    bool scheduleWithRunLoop(const std::shared_ptr<ns::RunLoop>& runLoop, const std::string& mode);
    bool unscheduleFromRunLoop(const std::shared_ptr<ns::RunLoop>& runLoop, const std::string& mode);

    std::string description() const override;

private:
    explicit NetworkReachability(ReachabilityTarget target) : target_(std::move(target)) {}
    void sourceChanged();

    ReachabilityTarget target_;
    mutable std::mutex mutex_;
    Callback callback_;
    std::vector<std::pair<std::weak_ptr<ns::RunLoop>, std::string>> schedules_;
    std::shared_ptr<NetworkInfoSource> source_;  // the source listened to while scheduled
    std::uint64_t listenerToken_ = 0;
    std::uint32_t lastFlags_ = 0;
};

using NetworkReachabilityPtr = std::shared_ptr<NetworkReachability>;

}  // namespace sc
