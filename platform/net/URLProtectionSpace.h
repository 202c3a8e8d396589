// ns::URLProtectionSpace: the server (and, for server trust, its chain) that
// an authentication challenge is about.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/net/Trust.h"

namespace ns {

inline constexpr const char* kURLAuthenticationMethodServerTrust = "NSURLAuthenticationMethodServerTrust";
inline constexpr const char* kURLProtectionSpaceHTTPS = "https";

class URLProtectionSpace : public Object {
public:
    static std::shared_ptr<URLProtectionSpace> create(std::string host, int port, std::string protocol,
                                                      std::string authenticationMethod,
                                                      sec::TrustPtr serverTrust = nullptr);

    const std::string& host() const { return host_; }
    int port() const { return port_; }
    const std::string& protocol() const { return protocol_; }
    const std::string& authenticationMethod() const { return method_; }
    // The server's chain, for server-trust challenges; nullptr otherwise.
    const sec::TrustPtr& serverTrust() const { return trust_; }
    bool receivesCredentialSecurely() const { return protocol_ == kURLProtectionSpaceHTTPS; }

    std::string description() const override;

private:
    URLProtectionSpace() = default;
    std::string host_;
    int port_ = 0;
    std::string protocol_;
    std::string method_;
    sec::TrustPtr trust_;
};

using URLProtectionSpacePtr = std::shared_ptr<URLProtectionSpace>;

}  // namespace ns
