#include "protocol/records/TAVORouterJoiningDevice.h"

#include <functional>

#include "platform/foundation/Format.h"
#include "protocol/records/TAVOOrderedFieldReader.h"

std::shared_ptr<TAVORouterJoiningDevice> TAVORouterJoiningDevice::initWithDictionary(const ns::Value& dictionary) {
    auto device = create();
    device->readDevice(dictionary);
    return device;
}

void TAVORouterJoiningDevice::readDevice(const ns::Value& dictionary) {
    TAVOOrderedFieldReader d(dictionary, "device");
    end_name = d.text("endname");
    end_mac = d.text("endmac");
    end_ipv4 = d.text("endipv4");
    end_ipv6 = d.text("endipv6");
    end_online = d.integer("endonline");
    end_spdup = d.integer("endspdup");
    end_spddown = d.integer("endspddown");
    end_sdatup = d.integer("endsdatup");
    end_sdatdown = d.integer("endtdatdown");
    is_wifi = d.integer("is_wifi");
    signal_strength = d.integer("signal_strength");
    net_control = d.integer("net_control");
    end_type = d.text("device_model");
    alias = d.text("alias_name");
    end_type_id = d.integer("device_type");
    connect_point = d.integer("connect_point");
    // C++ division truncates toward zero, as the limits want (-1500 gives -1).
    uploadSpeed = d.integer("limitupload") / 1024;
    downloadSpeed = d.integer("limitdownload") / 1024;
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
