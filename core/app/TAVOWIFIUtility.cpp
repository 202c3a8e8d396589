#include "core/app/TAVOWIFIUtility.h"

#include <unistd.h>

#include "platform/foundation/Format.h"
#include "platform/net/CaptiveNetwork.h"
#include "platform/net/NetworkInterfaces.h"

ns::Dictionary TAVOWIFIUtility::fetchSSIDInfo() {
    for (const std::string& interface : sc::CaptiveNetwork::copySupportedInterfaces()) {
        auto info = sc::CaptiveNetwork::copyCurrentNetworkInfo(interface);
        if (info && !info->empty()) return *info;
    }
    return {};
}

std::optional<std::string> TAVOWIFIUtility::fetchSSIDName() {
    ns::Dictionary info = fetchSSIDInfo();
    const ns::Value* ssid = info.find("SSID");
    if (!ssid || !ssid->isString()) return std::nullopt;
    return ssid->asString();
}

std::optional<std::string> TAVOWIFIUtility::hostname() {
    char name[255] = {};
    if (gethostname(name, sizeof name) != 0) return std::nullopt;
    name[sizeof name - 1] = '\0';
    return std::string(name) + ".local";
}

std::optional<ns::Dictionary> TAVOWIFIUtility::getIPAddresses() {
    ns::Dictionary addresses;
    for (const sc::InterfaceAddress& a : sc::NetworkInterfaces::addresses()) {
        if (!a.up || a.loopback || a.address.empty()) continue;
        addresses.set(ns::format("%@/%@", a.name, a.ipv6 ? "ipv6" : "ipv4"), ns::Value(a.address));
    }
    if (addresses.empty()) return std::nullopt;
    return addresses;
}

std::string TAVOWIFIUtility::getIPAddress(bool preferIPv4) {
    static const char* const kIPv4First[] = {"en0/ipv4", "en0/ipv6", "pdp_ip0/ipv4", "pdp_ip0/ipv6"};
    static const char* const kIPv6First[] = {"en0/ipv6", "en0/ipv4", "pdp_ip0/ipv6", "pdp_ip0/ipv4"};
    auto addresses = getIPAddresses();
    if (addresses) {
        for (const char* key : preferIPv4 ? kIPv4First : kIPv6First)
            if (const ns::Value* address = addresses->find(key)) return address->stringValue();
    }
    return "0.0.0.0";
}

std::optional<std::string> TAVOWIFIUtility::localIPAddress() {
    for (const sc::InterfaceAddress& a : sc::NetworkInterfaces::addresses()) {
        if (!a.up || !a.running || a.loopback) continue;
        if (a.address.rfind("192.168.", 0) == 0) return a.address;
    }
    return std::nullopt;
}
