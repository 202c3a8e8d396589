// sc::CaptiveNetwork: the Wi-Fi network the phone is on, per interface.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/Value.h"

namespace sc {

class CaptiveNetwork {
public:
    // The interfaces that can report Wi-Fi information.
    static std::vector<std::string> copySupportedInterfaces();
    // {"SSID": text, "BSSID": text, "SSIDDATA": the SSID's bytes} for an
    // interface joined to a network; none otherwise.
    static std::optional<ns::Dictionary> copyCurrentNetworkInfo(const std::string& interface);
};

}  // namespace sc
