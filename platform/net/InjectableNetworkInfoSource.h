// A network information source that tests and emulator runs set up by hand.
// Every setter tells the listeners, so scheduled reachability callbacks fire.
//
// Its default model: on Wi-Fi (setWiFi with a network) the phone has "en0"
// with 192.168.0.100 and every target is reachable, the local Wi-Fi link
// directly; on cellular only (setCellular(true), no Wi-Fi) it has "pdp_ip0"
// and targets other than the Wi-Fi link are reachable via WWAN; otherwise
// nothing is reachable. setFlags overrides the model for one target.
#pragma once

#include <map>
#include <mutex>

#include "platform/net/NetworkInfoSource.h"

namespace sc {

class InjectableNetworkInfoSource : public NetworkInfoSource {
public:
    std::uint32_t flagsFor(const ReachabilityTarget& target) override;
    std::vector<InterfaceAddress> interfaces() override;
    std::vector<std::string> wifiInterfaces() override;
    std::optional<WiFiNetwork> currentNetwork(const std::string& interface) override;

    void setWiFi(std::optional<WiFiNetwork> network);
    void setCellular(bool available);
    // key: the host name or the numeric address text of the target.
    void setFlags(const std::string& key, std::uint32_t flags);
    void clearFlags(const std::string& key);
    // Replaces the modelled interface list (none: back to the model).
    void setInterfaces(std::optional<std::vector<InterfaceAddress>> interfaces);

private:
    std::mutex mutex_;
    std::optional<WiFiNetwork> wifi_;
    bool cellular_ = false;
    std::map<std::string, std::uint32_t> flags_;
    std::optional<std::vector<InterfaceAddress>> interfaces_;
};

}  // namespace sc
