// The client's identity at the user-account service: it names, signs and
// encrypts every request.
#pragma once

#include <string>

class ZARClentInfoProvider {
public:
    virtual ~ZARClentInfoProvider() = default;
    virtual std::string clientVersion() const = 0;
    virtual std::string clientSigKey() const = 0;  // 9 lowercase letters and digits
    virtual std::string clientDesKey() const = 0;  // 8 lowercase letters and digits
    virtual std::string clientId() const = 0;
};
