// LAN state and the front-panel LED (section "lan_status" of the router status).
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class TAVORouterLANStatus : public ns::Object {
public:
    static std::shared_ptr<TAVORouterLANStatus> create() { return std::shared_ptr<TAVORouterLANStatus>(new TAVORouterLANStatus()); }
    // Throws TAVOReplyShapeError when a value has the wrong JSON kind.
    static std::shared_ptr<TAVORouterLANStatus> initWithDictionary(const ns::Value& dictionary);

    std::string lan_mac;
    std::string lan_ip;
    std::string dhcp_status;
    std::string led_status;

    std::string className() const override { return "TAVORouterLANStatus"; }
    std::string description() const override;

protected:
    TAVORouterLANStatus() = default;
};
