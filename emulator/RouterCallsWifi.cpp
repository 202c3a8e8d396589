// The Wi-Fi settings calls as the router checks them: channels and
// bandwidth within the router's lists, the daily Wi-Fi timer under both
// spellings the application uses, the radio power within 1..100 and the
// front-panel LED switch.
#include <set>

#include "emulator/RouterCallTable.h"

namespace emulator {

namespace {

constexpr int kBadParameter = -2;

void refuse(APIResult& out, const std::string& why) {
    out.errcode = kBadParameter;
    out.errdesc = why;
}

// "HH:mm" with an hour 0..23 and a minute 0..59.
bool isClockTime(const std::string& text) {
    if (text.size() != 5 || text[2] != ':') return false;
    for (std::size_t i : {0u, 1u, 3u, 4u})
        if (text[i] < '0' || text[i] > '9') return false;
    const int hour = (text[0] - '0') * 10 + (text[1] - '0');
    const int minute = (text[3] - '0') * 10 + (text[4] - '0');
    return hour <= 23 && minute <= 59;
}

bool isTimerType(const ns::Value& type) { return type.intValue() == 1 || type.intValue() == 2; }

}  // namespace

void addWifiCalls(HandlerTable& t) {
    t["wifi.setchannel"] = [](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
        const int type = p["type"].intValue();
        const int channel = p["channel"].intValue();
        static const std::set<int> fiveG{0, 149, 153, 157, 161, 165};
        const bool known = type == 1 ? channel >= 0 && channel <= 13 : type == 2 && fiveG.count(channel) != 0;
        if (!known) return refuse(out, "unknown channel");
        const char* band = type == 2 ? "wifi_5g" : "wifi_2g";
        setInDictionary(r, band, "channel_set", std::to_string(channel));
        // A fixed channel is the one the radio works on from now.
        if (channel != 0) setInDictionary(r, band, "channel", std::to_string(channel));
        out.vdata = emptyReply();
    };
    t["wifi.setwifibandwidth"] = [](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
        // The application names the value "bw"; 0 20 MHz, 1 40 MHz, 2 automatic.
        const ns::Value& value = p["bw"].isNil() ? p["bandwidth"] : p["bw"];
        const int bandWidth = value.intValue();
        if (value.isNil() || bandWidth < 0 || bandWidth > 2) return refuse(out, "unknown bandwidth");
        setInDictionary(r, "wifi_2g", "bandwidth_set", std::to_string(bandWidth));
        out.vdata = emptyReply();
    };

    Handler getTimer = fromModel("wifi_timer");
    Handler setTimer = [](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
        if (!isTimerType(p["type"]) || !isClockTime(p["time"].stringValue())) return refuse(out, "time and type are needed");
        const bool open = p["type"].intValue() == 1;
        setInDictionary(r, "wifi_timer", open ? "open" : "close", p["time"].stringValue());
        setInDictionary(r, "wifi_timer", open ? "open_sw" : "close_sw", 1);
        out.vdata = emptyReply();
    };
    for (const char* cmd : {"router.getwifitimer", "router.getWifiTimer"}) t[cmd] = getTimer;
    for (const char* cmd : {"router.setwifitimer", "router.setWifiTimer"}) t[cmd] = setTimer;
    t["router.closeWifiTimer"] = [](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
        if (!isTimerType(p["type"])) return refuse(out, "type is needed");
        setInDictionary(r, "wifi_timer", p["type"].intValue() == 1 ? "open_sw" : "close_sw", 0);
        out.vdata = emptyReply();
    };

    t["router.updateRadioPower"] = [](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
        const int power = p["power"].intValue();
        if (power < 1 || power > 100) return refuse(out, "power is a percentage");
        ns::Value powers = r.model["radio_power"];
        bool found = false;
        for (auto& band : powers.mutableArray()) {
            if (band["freq"].stringValue() != p["freq"].stringValue()) continue;
            band.mutableDictionary().set("power", power);
            found = true;
        }
        if (!found) return refuse(out, "unknown band");
        r.model.set("radio_power", powers);
        out.vdata = emptyReply();
    };
    t["router.ledControl"] = [](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
        const int sw = p["sw"].intValue();
        if (p["sw"].isNil() || (sw != 0 && sw != 1)) return refuse(out, "sw is 0 or 1");
        r.model.set("led", std::to_string(sw));
        out.vdata = emptyReply();
    };
}

}  // namespace emulator
