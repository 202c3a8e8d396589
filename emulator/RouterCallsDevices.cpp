// The connected devices as the device list, guest mode and blacklist screens
// use them: a kicked device (family or guest) goes onto the blacklist, the
// guest window opens with "waittime" above 0 (the guests waiting to join
// then arrive) and closes with 0. Everything changes the shared state,
// so the next list query shows it.
#include "emulator/RouterCallTable.h"

namespace emulator {

namespace {

void noSuchDevice(APIResult& out) {
    out.errcode = 11008;
    out.errdesc = "no such device";
}

}  // namespace

void addDevicesCalls(HandlerTable& t) {
    t["device.kickDevice"] = [](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
        const std::string mac = p["mac"].stringValue();
        if (!moveDevice(r, mac, "devices", "blacklist") && !moveDevice(r, mac, "guests", "blacklist")) noSuchDevice(out);
        out.vdata = emptyReply();
    };
    t["device.guestnetstart"] = [](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
        const bool open = p["waittime"].intValue() > 0;
        r.model.set("guest_on", open ? 1 : 0);
        if (open) {
            // The visitors who were waiting for the window join now.
            ns::Value guests = r.model["guests"];
            for (const auto& guest : r.model["guest_arrivals"].isArray() ? r.model["guest_arrivals"].asArray() : ns::Array{})
                if (indexOfMac(guests, guest["endmac"].stringValue()) < 0) guests.mutableArray().push_back(guest);
            r.model.set("guests", guests);
            r.model.set("guest_arrivals", ns::Value(ns::Array{}));
        }
        out.vdata = emptyReply();
    };
}

}  // namespace emulator
