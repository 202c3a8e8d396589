// One client of the router, as the device list and the blacklist describe
// it. Several field names differ from the router's keys; the record keeps the
// router's numbers unchanged (the speed limits excepted, which it turns into
// KB/s). Two records are equal when both carry the same non-empty MAC.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class TAVORouterJoiningDevice : public ns::Object {
public:
    static std::shared_ptr<TAVORouterJoiningDevice> create() {
        return std::shared_ptr<TAVORouterJoiningDevice>(new TAVORouterJoiningDevice());
    }
    // Throws TAVOReplyShapeError when the object or one of its values has the wrong kind.
    static std::shared_ptr<TAVORouterJoiningDevice> initWithDictionary(const ns::Value& dictionary);

    std::string end_name;
    std::string end_mac;  // the device's identity
    std::string end_ipv4;
    std::string end_ipv6;
    int connect_point = 0;
    int end_online = 0;
    int end_spdup = 0;
    int end_spddown = 0;
    int end_sdatup = 0;
    int end_sdatdown = 0;  // from "endtdatdown"
    int is_wifi = 0;
    int signal_strength = 0;
    int net_control = 0;  // admission state: 0 new, 2 closed, 3 open
    std::string end_type;  // from "device_model"
    int end_type_id = 0;   // from "device_type"
    bool isInSpeedup = false;
    std::string alias;      // from "alias_name"
    int downloadSpeed = 0;  // "limitdownload" / 1024, truncated toward zero
    int uploadSpeed = 0;    // "limitupload" / 1024, truncated toward zero
    bool isLimitSpeed = false;

    bool isEqual(const ns::Object& other) const override;
    std::size_t hash() const override;
    std::string className() const override { return "TAVORouterJoiningDevice"; }
    std::string description() const override;

protected:
    TAVORouterJoiningDevice() = default;
    // Reads the device keys into this record, in the router's order.
    void readDevice(const ns::Value& device);
};

using TAVORouterJoiningDevicePtr = std::shared_ptr<TAVORouterJoiningDevice>;
