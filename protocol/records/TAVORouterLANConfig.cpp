#include "protocol/records/TAVORouterLANConfig.h"

#include "platform/foundation/Format.h"
#include "protocol/records/TAVOReplyReader.h"

namespace R = TAVOReplyReader;

std::shared_ptr<TAVORouterLANConfig> TAVORouterLANConfig::initWithDictionary(const ns::Value& dictionary) {
    auto record = create();
    const ns::Value& d = R::requireObject(dictionary, "TAVORouterLANConfig");
    record->dhcp_status = R::text(d, "dhcp_status");
    record->dhcp_ip_prefix = R::text(d, "dhcp_ip_prefix");
    record->dhcp_ip_start = R::text(d, "dhcp_ip_start");
    record->dhcp_ip_end = R::text(d, "dhcp_ip_end");
    record->dhcp_expire = R::text(d, "dhcp_expire");
    return record;
}

std::string TAVORouterLANConfig::description() const {
    return ns::format("dhcp_status is %@, dhcp_ip_prefix = %@, dhcp_ip_starts = %@, dhcp_ip_end = %@, dhcp_expire = %@", dhcp_status, dhcp_ip_prefix, dhcp_ip_start, dhcp_ip_end, dhcp_expire);
}
