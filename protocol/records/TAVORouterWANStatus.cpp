#include "protocol/records/TAVORouterWANStatus.h"

#include "platform/foundation/Format.h"
#include "protocol/records/TAVOReplyReader.h"

namespace R = TAVOReplyReader;

std::shared_ptr<TAVORouterWANStatus> TAVORouterWANStatus::initWithDictionary(const ns::Value& dictionary) {
    auto record = create();
    const ns::Value& d = R::requireObject(dictionary, "TAVORouterWANStatus");
    record->wan_status = R::text(d, "wan_status");
    record->wan_mac = R::text(d, "wan_mac");
    record->wan_ip = R::text(d, "wan_ip");
    record->wan_dns = R::text(d, "wan_dns");
    record->wan_dns2 = R::text(d, "wan_dns2");
    record->wan_gateway = R::text(d, "wan_gateway");
    record->wan_raw_mac = R::text(d, "wan_raw_mac");
    return record;
}

std::string TAVORouterWANStatus::description() const {
    return ns::format("wan_status is %@, wan_mac = %@, wan_ip = %@, wan_dns = %@, wan_dns2 = %@, wan_gateway = %@, wan_raw_mac = %@", wan_status, wan_mac, wan_ip, wan_dns, wan_dns2, wan_gateway, wan_raw_mac);
}
