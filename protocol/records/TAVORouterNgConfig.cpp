#include "protocol/records/TAVORouterNgConfig.h"

#include "protocol/records/TAVOReplyReader.h"

namespace R = TAVOReplyReader;

std::shared_ptr<TAVORouterNgConfig> TAVORouterNgConfig::fromSection(const ns::Value& section, const std::string& suffix) {
    const ns::Value& d = R::requireObject(section, "wifi_" + suffix + "config");
    auto band = create();
    band->wifi_channel = d["wifi_channel_" + suffix];
    band->wifi_channel_healthy = d["wifi_channel_quality_" + suffix];
    band->wifi_ssid = d["wifi_ssid_" + suffix];
    band->wifi_ssid_hidden = d["wifi_ssid_hidden_" + suffix];
    band->wifi_status = d["wifi_status_" + suffix];
    band->wifi_strength = d["wifi_strength_" + suffix];
    band->wifi_psw = d["wifi_pw_" + suffix];
    band->wifi_channel_set = d["wifi_channel_" + suffix + "_set"];
    // The router spells "bandwidth" without the "d" in this key.
    band->wifi_bandwidth_set = d["wifi_bandwith_" + suffix + "_set"];
    return band;
}
