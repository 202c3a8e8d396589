#include "screens/account/TAVOAccountWebAddresses.h"

#include <algorithm>
#include <cctype>

#include "platform/foundation/Bundle.h"

namespace {

bool startsWithNoCase(const std::string& text, const std::string& prefix) {
    if (text.size() < prefix.size()) return false;
    return std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
}

}  // namespace

std::string TAVOAccountWebAddresses::secured(const std::string& address) {
    if (startsWithNoCase(address, "https://")) return "https://" + address.substr(8);
    if (startsWithNoCase(address, "http://")) return "https://" + address.substr(7);
    if (address.find("://") != std::string::npos) return address;
    return "https://" + address;
}

std::string TAVOAccountWebAddresses::passwordRecoveryPage() {
    std::string address = ns::Bundle::deploymentValue(kPasswordRecoveryName, kDefaultPasswordRecovery);
    if (address.empty()) address = kDefaultPasswordRecovery;
    return secured(address);
}
