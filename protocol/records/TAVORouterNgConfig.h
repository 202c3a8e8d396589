// One radio band of the router status ("wifi_2gconfig" or "wifi_5gconfig").
// Values are taken as the reply holds them (no emptiness test), and every
// field can be written so that a screen can record a change it just made.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class TAVORouterNgConfig : public ns::Object {
public:
    static std::shared_ptr<TAVORouterNgConfig> create() { return std::shared_ptr<TAVORouterNgConfig>(new TAVORouterNgConfig()); }
    // Fills the nine fields from a band section whose keys carry `suffix`
    // ("2g" or "5g"); throws TAVOReplyShapeError when the section is not an object.
    static std::shared_ptr<TAVORouterNgConfig> fromSection(const ns::Value& section, const std::string& suffix);

    ns::Value wifi_ssid;
    ns::Value wifi_strength;
    ns::Value wifi_psw;
    ns::Value wifi_status;           // "0" when the radio is off
    ns::Value wifi_channel;
    ns::Value wifi_channel_healthy;  // the channel-quality level
    ns::Value wifi_ssid_hidden;
    ns::Value wifi_channel_set;
    ns::Value wifi_bandwidth_set;

    std::string className() const override { return "TAVORouterNgConfig"; }

protected:
    TAVORouterNgConfig() = default;
};
