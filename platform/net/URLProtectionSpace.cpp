#include "platform/net/URLProtectionSpace.h"

namespace ns {

std::shared_ptr<URLProtectionSpace> URLProtectionSpace::create(std::string host, int port, std::string protocol,
                                                               std::string authenticationMethod,
                                                               sec::TrustPtr serverTrust) {
    std::shared_ptr<URLProtectionSpace> space(new URLProtectionSpace());
    space->host_ = std::move(host);
    space->port_ = port;
    space->protocol_ = std::move(protocol);
    space->method_ = std::move(authenticationMethod);
    space->trust_ = std::move(serverTrust);
    return space;
}

std::string URLProtectionSpace::description() const {
    return "<URLProtectionSpace: Host:" + host_ + ", Server:" + protocol_ + ", Auth-Scheme:" + method_ +
           ", Port:" + std::to_string(port_) + ">";
}

}  // namespace ns
