// The router API's call table, split by area: each area file adds its calls
// to the one table that EmulatedRouterAPI answers from. The helpers below
// build the common kinds of handler.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "emulator/EmulatedRouterAPI.h"

namespace emulator {

using Handler = std::function<void(EmulatedRouter&, const ns::Dictionary&, APIResult&)>;
using HandlerTable = std::map<std::string, Handler>;

// The position of the device with that MAC in a device array, or -1.
long indexOfMac(const ns::Value& devices, const std::string& mac);
// Changes one key of the device with the param's "mac"; 11008 when none.
Handler setDeviceKey(const char* key, ns::Value value);
// Moves the device with that MAC from one model list to another (or drops
// it when `to` is null); false when it is not in `from`.
bool moveDevice(EmulatedRouter& r, const std::string& mac, const char* from, const char* to);
// Answers a fixed vdata.
Handler reply(ns::Value vdata);
// Answers the model's value under `key`.
Handler fromModel(const char* key);
// Sets one field of the model's dictionary under `key`.
void setInDictionary(EmulatedRouter& r, const char* key, const std::string& field, const ns::Value& value);
// An empty dictionary, the vdata of calls that answer nothing.
ns::Value emptyReply();

// The common calls, then one line per area file (a later entry replaces an
// earlier one of the same name).
void addRouterCalls(HandlerTable& t);
void addAccountCalls(HandlerTable& t);
// Wi-Fi settings: channels, bandwidth, the Wi-Fi timer, radio power, LED.
void addWifiCalls(HandlerTable& t);
// Firmware, restart, reset, speed test and admin password; also makes a
// restarting router answer nothing for a while.
void addSystemCalls(HandlerTable& t);
void addSafetyCalls(HandlerTable& t);
// Devices, guests and the blacklist (RouterCallsDevices.cpp).
void addDevicesCalls(HandlerTable& t);

}  // namespace emulator
