#include "platform/net/InjectableNetworkInfoSource.h"

namespace sc {

std::uint32_t InjectableNetworkInfoSource::flagsFor(const ReachabilityTarget& target) {
    std::lock_guard<std::mutex> lock(mutex_);
    const std::string& key = target.kind == ReachabilityTarget::Kind::Host ? target.host : target.address;
    if (auto found = flags_.find(key); found != flags_.end()) return found->second;
    if (target.isLocalWiFiLink()) return wifi_ ? kReachabilityFlagsReachable | kReachabilityFlagsIsDirect : 0;
    if (wifi_) return kReachabilityFlagsReachable;
    if (cellular_) return kReachabilityFlagsReachable | kReachabilityFlagsIsWWAN | kReachabilityFlagsTransientConnection;
    return 0;
}

std::vector<InterfaceAddress> InjectableNetworkInfoSource::interfaces() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (interfaces_) return *interfaces_;
    std::vector<InterfaceAddress> list{{"lo0", false, "127.0.0.1", true, true, true}};
    if (wifi_) list.push_back({"en0", false, "192.168.0.100", true, true, false});
    if (cellular_) list.push_back({"pdp_ip0", false, "10.64.0.2", true, true, false});
    return list;
}

std::vector<std::string> InjectableNetworkInfoSource::wifiInterfaces() { return {"en0"}; }

std::optional<WiFiNetwork> InjectableNetworkInfoSource::currentNetwork(const std::string& interface) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (interface != "en0") return std::nullopt;
    return wifi_;
}

void InjectableNetworkInfoSource::setWiFi(std::optional<WiFiNetwork> network) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        wifi_ = std::move(network);
    }
    notifyChanged();
}

void InjectableNetworkInfoSource::setCellular(bool available) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        cellular_ = available;
    }
    notifyChanged();
}

void InjectableNetworkInfoSource::setFlags(const std::string& key, std::uint32_t flags) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        flags_[key] = flags;
    }
    notifyChanged();
}

void InjectableNetworkInfoSource::clearFlags(const std::string& key) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        flags_.erase(key);
    }
    notifyChanged();
}

void InjectableNetworkInfoSource::setInterfaces(std::optional<std::vector<InterfaceAddress>> interfaces) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        interfaces_ = std::move(interfaces);
    }
    notifyChanged();
}

}  // namespace sc
