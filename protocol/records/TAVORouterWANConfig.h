// WAN configuration (section "wan_config" of the router status).
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class TAVORouterWANConfig : public ns::Object {
public:
    static std::shared_ptr<TAVORouterWANConfig> create() { return std::shared_ptr<TAVORouterWANConfig>(new TAVORouterWANConfig()); }
    // Throws TAVOReplyShapeError when a value has the wrong JSON kind.
    static std::shared_ptr<TAVORouterWANConfig> initWithDictionary(const ns::Value& dictionary);

    std::string wan_type;
    std::string wan_pppoe_acc;
    std::string wan_pppoe_pw;  // never sent: stays empty
    std::string wan_pppoe_dnstype;
    std::string wan_pppoe_dns;
    std::string wan_pppoe_dns2;
    std::string wan_static_ip;
    std::string wan_static_mask;
    std::string wan_static_gateway;
    std::string wan_static_dns;
    std::string wan_static_dns2;
    std::string wan_mac_clone_status;

    std::string className() const override { return "TAVORouterWANConfig"; }
    std::string description() const override;

protected:
    TAVORouterWANConfig() = default;
};
