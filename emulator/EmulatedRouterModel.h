// A router as the emulator plays it: a fresh EmulatedRouter with devices,
// guests, a blacklist, both Wi-Fi bands, the Wi-Fi timer, radio power, the
// safety switches, logs and indicators, ROM and virus-library state, in the
// shapes the router's replies use (status values as text).
#pragma once

#include <string>

#include "emulator/EmulatorState.h"

namespace emulator {

class EmulatedRouterModel {
public:
    // A router with a plausible configuration; `deviceCount` connected devices.
    static EmulatedRouter makeRouter(const std::string& routerId, const std::string& mac, int deviceCount = 3);
    // One connected-device object as the device list sends it.
    static ns::Value makeDevice(int index);
    // The status payload ("vdata" of the router status) for the router's state.
    static ns::Value statusPayload(const EmulatedRouter& router);
    // The router object of bind replies and of the cloud's router list.
    static ns::Value routerObject(const EmulatedRouter& router);
};

}  // namespace emulator
