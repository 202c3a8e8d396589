#include "protocol/records/TAVORouterJoiningDevice.h"

#include <functional>

#include "platform/foundation/Format.h"
#include "protocol/records/TAVOReplyReader.h"

namespace R = TAVOReplyReader;

std::shared_ptr<TAVORouterJoiningDevice> TAVORouterJoiningDevice::initWithDictionary(const ns::Value& dictionary) {
    auto device = create();
    device->readDevice(dictionary);
    return device;
}

void TAVORouterJoiningDevice::readDevice(const ns::Value& dictionary) {
    const ns::Value& d = R::requireObject(dictionary, "device");
    end_name = R::text(d, "endname");
    end_mac = R::text(d, "endmac");
    end_ipv4 = R::text(d, "endipv4");
    end_ipv6 = R::text(d, "endipv6");
    end_online = R::integer(d, "endonline");
    end_spdup = R::integer(d, "endspdup");
    end_spddown = R::integer(d, "endspddown");
    end_sdatup = R::integer(d, "endsdatup");
    end_sdatdown = R::integer(d, "endtdatdown");
    is_wifi = R::integer(d, "is_wifi");
    signal_strength = R::integer(d, "signal_strength");
    net_control = R::integer(d, "net_control");
    end_type = R::text(d, "device_model");
    alias = R::text(d, "alias_name");
    end_type_id = R::integer(d, "device_type");
    connect_point = R::integer(d, "connect_point");
    // C++ division truncates toward zero, as the limits want (-1500 gives -1).
    uploadSpeed = R::integer(d, "limitupload") / 1024;
    downloadSpeed = R::integer(d, "limitdownload") / 1024;
    isLimitSpeed = uploadSpeed != 0 && downloadSpeed != 0;
}

bool TAVORouterJoiningDevice::isEqual(const ns::Object& other) const {
    auto* device = dynamic_cast<const TAVORouterJoiningDevice*>(&other);
    return device && !end_mac.empty() && end_mac == device->end_mac;
}

std::size_t TAVORouterJoiningDevice::hash() const { return std::hash<std::string>()(end_mac); }

std::string TAVORouterJoiningDevice::description() const {
    return ns::format(
        "name = %@, mac = %@, ipv4 = %@, ipv6 = %@, online = %d, speed up = %d, speed down = %d, data_up = %d,data_down = %d, "
        "is_wifi = %d, signal_strength = %d, net control = %d, end_type = %@, end_type_id = %d, connect_point = %d, isWIFI = %d",
        end_name, end_mac, end_ipv4, end_ipv6, end_online, end_spdup, end_spddown, end_sdatup, end_sdatdown, is_wifi,
        signal_strength, net_control, end_type, end_type_id, connect_point, is_wifi);
}
