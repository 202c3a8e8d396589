// The web pages the account screens open in the system browser. They are
// deployment values; the password-recovery page carries account secrets
// and is always addressed over HTTPS, whatever the deployment value says.
#pragma once

#include <string>

class TAVOAccountWebAddresses {
public:
    TAVOAccountWebAddresses() = delete;

    static constexpr const char* kPasswordRecoveryName = "AccountPasswordRecoveryURL";
    static constexpr const char* kDefaultPasswordRecovery = "https://account.keelbox.org/findpwd/";

    static std::string passwordRecoveryPage();
    // The address with "http://" (in any case) replaced by "https://"; a
    // text without a scheme gets "https://" in front.
    static std::string secured(const std::string& address);
};
