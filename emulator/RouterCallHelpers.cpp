#include "emulator/RouterCallTable.h"

namespace emulator {

// The position of the device with that MAC in a device array, or -1.
long indexOfMac(const ns::Value& devices, const std::string& mac) {
    for (std::size_t i = 0; i < devices.count(); ++i)
        if (devices[i]["endmac"].stringValue() == mac) return static_cast<long>(i);
    return -1;
}

// Changes one key of the device with the param's "mac"; 11008 when none.
Handler setDeviceKey(const char* key, ns::Value value) {
    return [key, value](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
        ns::Value devices = r.model["devices"];
        const long i = indexOfMac(devices, p["mac"].stringValue());
        if (i < 0) {
            out.errcode = 11008;
            out.errdesc = "no such device";
            return;
        }
        devices.mutableArray()[static_cast<std::size_t>(i)].mutableDictionary().set(key, value);
        r.model.set("devices", devices);
        out.vdata = ns::Value(ns::Dictionary{});
    };
}

// Moves the device with the param's "mac" from one list to another.
bool moveDevice(EmulatedRouter& r, const std::string& mac, const char* from, const char* to) {
    ns::Value source = r.model[from];
    const long i = indexOfMac(source, mac);
    if (i < 0) return false;
    ns::Value device = source[static_cast<std::size_t>(i)];
    source.mutableArray().erase(source.mutableArray().begin() + i);
    r.model.set(from, source);
    if (to) {
        ns::Value target = r.model[to];
        target.mutableArray().push_back(device);
        r.model.set(to, target);
    }
    return true;
}

Handler reply(ns::Value vdata) {
    return [vdata](EmulatedRouter&, const ns::Dictionary&, APIResult& out) { out.vdata = vdata; };
}

Handler fromModel(const char* key) {
    return [key](EmulatedRouter& r, const ns::Dictionary&, APIResult& out) { out.vdata = r.model[key]; };
}

void setInDictionary(EmulatedRouter& r, const char* key, const std::string& field, const ns::Value& value) {
    ns::Value d = r.model[key];
    d.mutableDictionary().set(field, value);
    r.model.set(key, d);
}


ns::Value emptyReply() { return ns::Value(ns::Dictionary{}); }

}  // namespace emulator
