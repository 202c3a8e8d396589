#include "platform/net/CaptiveNetwork.h"

#include "platform/net/NetworkInfoSource.h"

namespace sc {

std::vector<std::string> CaptiveNetwork::copySupportedInterfaces() { return NetworkInfo::source()->wifiInterfaces(); }

std::optional<ns::Dictionary> CaptiveNetwork::copyCurrentNetworkInfo(const std::string& interface) {
    auto network = NetworkInfo::source()->currentNetwork(interface);
    if (!network) return std::nullopt;
    ns::Dictionary info;
    info.set("BSSID", network->bssid);
    info.set("SSID", network->ssid);
    info.set("SSIDDATA", ns::Data::fromString(network->ssid));
    return info;
}

}  // namespace sc
