#include "platform/net/Policy.h"

namespace sec {

std::shared_ptr<Policy> Policy::createBasicX509() {
    return std::shared_ptr<Policy>(new Policy(Kind::BasicX509, false, std::nullopt));
}

std::shared_ptr<Policy> Policy::createSSL(bool server, std::optional<std::string> hostName) {
    if (hostName && hostName->empty()) hostName.reset();
    return std::shared_ptr<Policy>(new Policy(Kind::SSL, server, std::move(hostName)));
}

}  // namespace sec
