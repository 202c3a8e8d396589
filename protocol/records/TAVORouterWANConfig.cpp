#include "protocol/records/TAVORouterWANConfig.h"

#include "platform/foundation/Format.h"
#include "protocol/records/TAVOReplyReader.h"

namespace R = TAVOReplyReader;

std::shared_ptr<TAVORouterWANConfig> TAVORouterWANConfig::initWithDictionary(const ns::Value& dictionary) {
    auto record = create();
    const ns::Value& d = R::requireObject(dictionary, "TAVORouterWANConfig");
    record->wan_type = R::text(d, "wan_type");
    record->wan_pppoe_acc = R::text(d, "wan_pppoe_acc");
    record->wan_pppoe_dnstype = R::text(d, "wan_pppoe_dnstype");
    record->wan_pppoe_dns = R::text(d, "wan_pppoe_dns");
    record->wan_pppoe_dns2 = R::text(d, "wan_pppoe_dns2");
    record->wan_static_ip = R::text(d, "wan_static_ip");
    record->wan_static_mask = R::text(d, "wan_static_mask");
    record->wan_static_gateway = R::text(d, "wan_static_gateway");
    record->wan_static_dns = R::text(d, "wan_static_dns");
    record->wan_static_dns2 = R::text(d, "wan_static_dns2");
    record->wan_mac_clone_status = R::text(d, "wan_mac_clone_status");
    return record;
}

std::string TAVORouterWANConfig::description() const {
    return ns::format("wan_type is %@, wan_pppoe_acc = %@, wan_pppoe_dnstype = %@, wan_pppoe_dns = %@, wan_pppoe_dns2 = %@, wan_static_ip = %@, wan_static_mask = %@, wan_static_gateway = %@, wan_static_dns = %@, wan_static_dns2 = %@, wan_mac_clone_status = %@", wan_type, wan_pppoe_acc, wan_pppoe_dnstype, wan_pppoe_dns, wan_pppoe_dns2, wan_static_ip, wan_static_mask, wan_static_gateway, wan_static_dns, wan_static_dns2, wan_mac_clone_status);
}
