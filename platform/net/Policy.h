// sec::Policy: what a trust evaluation checks besides the chain itself.
//
// The basic X.509 policy checks the chain, signatures and validity dates; the
// SSL policy also checks that the leaf may serve TLS and, when a host is given,
// that it names that host (DNS name or IP address).
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/Object.h"

namespace sec {

class Policy : public ns::Object {
public:
    enum class Kind { BasicX509, SSL };

    static std::shared_ptr<Policy> createBasicX509();
    // server: whether the peer is a server; hostName: the name to match, none
    // for no host check.
    static std::shared_ptr<Policy> createSSL(bool server, std::optional<std::string> hostName);

    Kind kind() const { return kind_; }
    bool server() const { return server_; }
    const std::optional<std::string>& hostName() const { return hostName_; }

protected:
    Policy(Kind kind, bool server, std::optional<std::string> hostName)
        : kind_(kind), server_(server), hostName_(std::move(hostName)) {}

private:
    Kind kind_;
    bool server_;
    std::optional<std::string> hostName_;
};

using PolicyPtr = std::shared_ptr<Policy>;

}  // namespace sec
