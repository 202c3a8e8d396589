// LAN configuration (section "lan_config" of the router status).
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class TAVORouterLANConfig : public ns::Object {
public:
    static std::shared_ptr<TAVORouterLANConfig> create() { return std::shared_ptr<TAVORouterLANConfig>(new TAVORouterLANConfig()); }
    // Throws TAVOReplyShapeError when a value has the wrong JSON kind.
    static std::shared_ptr<TAVORouterLANConfig> initWithDictionary(const ns::Value& dictionary);

    std::string dhcp_status;
    std::string dhcp_ip_prefix;
    std::string dhcp_ip_start;
    std::string dhcp_ip_end;
    std::string dhcp_expire;

    std::string className() const override { return "TAVORouterLANConfig"; }
    std::string description() const override;

protected:
    TAVORouterLANConfig() = default;
};
