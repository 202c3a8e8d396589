// A router as the emulator plays it: a fresh EmulatedRouter with devices,
// guests, a blacklist, both Wi-Fi bands, the Wi-Fi timer, radio power, the
// safety switches, logs and indicators, ROM and virus-library state, in the
// shapes the router's replies use (status values as text).
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "emulator/EmulatorState.h"

namespace emulator {

class EmulatedRouterModel {
public:
    // A router with a plausible configuration; `deviceCount` connected devices.
    static EmulatedRouter makeRouter(const std::string& routerId, const std::string& mac, int deviceCount = 3);
    // One connected-device object as the device list sends it.
    static ns::Value makeDevice(int index);
    // One device of every kind the device screens draw, the phone's own
    // record (at `phoneAddress`) first: the phone, a pad on 2.4 GHz, a
    // wired PC, a wired device that is cut off, a new device waiting for
    // admission, a Wi-Fi device on the guest network (connect point 1), a
    // speed-limited one and the one to accelerate (kAcceleratedMac).
    static ns::Array everyDeviceKind(const std::string& phoneAddress);
    // Puts those devices on the router and marks kAcceleratedMac accelerated.
    static void furnishEveryDeviceKind(EmulatedRouter& router, const std::string& phoneAddress);
    static constexpr const char* kAcceleratedMac = "02:00:00:00:0A:08";
    // The status payload ("vdata" of the router status) for the router's state.
    static ns::Value statusPayload(const EmulatedRouter& router);
    // The router object of bind replies and of the cloud's router list.
    static ns::Value routerObject(const EmulatedRouter& router);

    // --- Health check ------------------------------------------------------
    // What the router's diagnosis finds for one check item (its single-bit
    // id): the result code, 0 for nothing wrong; a repairable fault is
    // cleared by a repair of that item. Items never set are healthy.
    static void setDiagnosis(EmulatedRouter& router, int itemId, int result, bool repairable = true);
    // The diagnosis reply for the item whose id "tasks" names.
    static ns::Value diagnose(const EmulatedRouter& router, const ns::Dictionary& params);
    // Repairs the item whose bit position "task" names: result 0 when its
    // fault is gone (or there was none), 1 when it cannot be repaired.
    static ns::Value repair(EmulatedRouter& router, const ns::Dictionary& params);

    // --- Firmware upgrade --------------------------------------------------
    // Makes the next progress queries answer these (status, progress) pairs
    // one per query, the last one repeating.
    static void scriptUpgrade(EmulatedRouter& router, const std::vector<std::pair<int, int>>& steps);
    // The reply to a progress query: the next scripted step, else an upgrade
    // under way moves on by half per query and reports status 2 when done.
    static ns::Value upgradeProgress(EmulatedRouter& router);
};

}  // namespace emulator
