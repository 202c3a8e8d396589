// Which of the router's radio-power records the screens show: the band the
// current router's name belongs to ("2.4G" when the 2.4 GHz network carries
// the router's SSID, else "5G"); without a record of that band, the first
// record of the list.
#pragma once

#include <optional>
#include <string>

#include "platform/foundation/Value.h"

class TAVORadioPowerReading {
public:
    TAVORadioPowerReading() = delete;

    // "2.4G" or "5G", from the facade's current router and status.
    static std::string currentBand();
    // The power of the record shown from a reading (a list of
    // TAVORouterRadioPower); none for an empty list or anything else.
    static std::optional<float> currentPower(const ns::Value& records);
    static std::optional<float> currentPower(const ns::Value& records, const std::string& band);
};
