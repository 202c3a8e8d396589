// Which Wi-Fi network and access point the phone is on, and its addresses.
#pragma once

#include <optional>
#include <string>

#include "platform/foundation/Value.h"

class TAVOWIFIUtility {
public:
    TAVOWIFIUtility() = delete;

    // "SSID" and "BSSID" of the first interface joined to a network; empty
    // when the phone is on no Wi-Fi.
    static ns::Dictionary fetchSSIDInfo();
    static std::optional<std::string> fetchSSIDName();
    // "<host name>.local", nothing when the system gives no name.
    static std::optional<std::string> hostname();
    // "<interface>/ipv4" or "<interface>/ipv6" -> numeric address, for every
    // interface that is up and not loopback; nothing when there is none.
    static std::optional<ns::Dictionary> getIPAddresses();
    // The Wi-Fi address, else the mobile one, in the preferred family
    // first; "0.0.0.0" when the phone has none.
    static std::string getIPAddress(bool preferIPv4);
    // The first address of an interface that is up and running (not
    // loopback) that begins with "192.168.".
    static std::optional<std::string> localIPAddress();
};
