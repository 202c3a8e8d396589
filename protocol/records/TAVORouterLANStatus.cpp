#include "protocol/records/TAVORouterLANStatus.h"

#include "platform/foundation/Format.h"
#include "protocol/records/TAVOReplyReader.h"

namespace R = TAVOReplyReader;

std::shared_ptr<TAVORouterLANStatus> TAVORouterLANStatus::initWithDictionary(const ns::Value& dictionary) {
    auto record = create();
    const ns::Value& d = R::requireObject(dictionary, "TAVORouterLANStatus");
    record->lan_mac = R::text(d, "lan_mac");
    record->lan_ip = R::text(d, "lan_ip");
    record->dhcp_status = R::text(d, "dhcp_status");
    record->led_status = R::text(d, "led_status");
    return record;
}

std::string TAVORouterLANStatus::description() const {
    return ns::format("lan_mac is %@, lan_ip = %@, dhcp_status = %@, led_status = %@", lan_mac, lan_ip, dhcp_status, led_status);
}
