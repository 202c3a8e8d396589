// WAN state (section "wan_status" of the router status).
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class TAVORouterWANStatus : public ns::Object {
public:
    static std::shared_ptr<TAVORouterWANStatus> create() { return std::shared_ptr<TAVORouterWANStatus>(new TAVORouterWANStatus()); }
    // Throws TAVOReplyShapeError when a value has the wrong JSON kind.
    static std::shared_ptr<TAVORouterWANStatus> initWithDictionary(const ns::Value& dictionary);

    std::string wan_status;
    std::string wan_mac;
    std::string wan_ip;
    std::string wan_dns;
    std::string wan_dns2;
    std::string wan_gateway;
    std::string wan_raw_mac;

    std::string className() const override { return "TAVORouterWANStatus"; }
    std::string description() const override;

protected:
    TAVORouterWANStatus() = default;
};
