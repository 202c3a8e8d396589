#include "emulator/RouterCallTable.h"

#include "emulator/EmulatedRouterModel.h"

namespace emulator {

namespace {
const ns::Value kEmpty = emptyReply();
}  // namespace

void addRouterCalls(HandlerTable& t) {
    t["router.getRouterInfo"] = [](EmulatedRouter& r, const ns::Dictionary&, APIResult& out) {
        out.vdata = EmulatedRouterModel::statusPayload(r);
    };
    t["init.check"] = [](EmulatedRouter& r, const ns::Dictionary&, APIResult& out) {
        out.vdata = ns::Value::dictionary({{"type", r.initialised ? "1" : "0"}});
    };
    t["system.checkticket"] = reply(kEmpty);
    t["router.reboot"] = reply(kEmpty);
    t["router.diagnose"] = [](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
        out.vdata = EmulatedRouterModel::diagnose(r, p);
    };
    t["router.optimize"] = [](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
        out.vdata = EmulatedRouterModel::repair(r, p);
    };
    for (const char* cmd : {"router.netdiagnose", "router.netDiagnoseFix"})
        t[cmd] = reply(ns::Value::dictionary({{"r", 0}, {"data", ns::Value(ns::Array{})}}));
    t["device.getBlackList"] = [](EmulatedRouter& r, const ns::Dictionary&, APIResult& out) {
        out.vdata = ns::Value::dictionary({{"list", r.model["blacklist"]}});
    };
    t["device.permitDevice"] = [](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
        const bool moved = moveDevice(r, p["mac"].stringValue(), "blacklist", "devices");
        out.vdata = ns::Value::dictionary({{"is_online", moved ? 1 : 0}});
    };
    t["device.openDevice"] = setDeviceKey("net_control", 3);
    t["device.closeDevice"] = setDeviceKey("net_control", 2);
    t["device.trustDevice"] = setDeviceKey("net_control", 3);
    t["device.denyDevice"] = [](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
        if (!moveDevice(r, p["mac"].stringValue(), "devices", "blacklist")) out.errcode = 11008;
        out.vdata = kEmpty;
    };
    t["device.kickDevice"] = [](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
        if (!moveDevice(r, p["mac"].stringValue(), "devices", nullptr)) out.errcode = 11008;
        out.vdata = kEmpty;
    };
    t["device.setDevAlias"] = [](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
        setDeviceKey("alias_name", p["alias"].isNil() ? p["alias_name"] : p["alias"])(r, p, out);
    };
    t["device.getDeviceList"] = [](EmulatedRouter& r, const ns::Dictionary&, APIResult& out) {
        out.vdata = ns::Value::dictionary({{"boardinf", ns::Value::dictionary({{"allspddown", 20480}, {"allspdup", 1024},
                                                                              {"allflowdown", 123456}, {"allflowup", 6543}})},
                                           {"accelerate_mac", r.model["accelerate_mac"]},
                                           {"list", r.model["devices"]}});
    };
    t["device.guestnetlist"] = [](EmulatedRouter& r, const ns::Dictionary&, APIResult& out) {
        out.vdata = ns::Value::dictionary({{"list", r.model["guests"]}});
    };
    t["device.guestnetdelete"] = [](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
        if (!moveDevice(r, p["mac"].stringValue(), "guests", nullptr)) out.errcode = 11008;
        out.vdata = kEmpty;
    };
    t["device.guestnetstart"] = [](EmulatedRouter& r, const ns::Dictionary&, APIResult& out) {
        r.model.set("guest_on", 1);
        out.vdata = kEmpty;
    };
    t["system.checkUpdate"] = fromModel("rom");
    t["system.updateRom"] = [](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
        if (p["uri"].stringValue().empty() || p["md5"].stringValue().empty()) {
            out.errcode = -2;
            out.errdesc = "uri and md5 are needed";
            return;
        }
        r.model.set("upgrade", ns::Value::dictionary({{"status", 1}, {"progress", 0}}));
        out.vdata = kEmpty;
    };
    t["system.upgradeStatus"] = [](EmulatedRouter& r, const ns::Dictionary&, APIResult& out) {
        out.vdata = EmulatedRouterModel::upgradeProgress(r);
    };
    t["router.setCommonSW"] = [](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
        // "type" names the switch, "sw" is 1 on, 0 off.
        setInDictionary(r, "switches", p["type"].stringValue(), std::to_string(p["sw"].intValue()));
        out.vdata = kEmpty;
    };
    t["router.ledControl"] = [](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
        r.model.set("led", std::to_string(p["sw"].intValue()));
        out.vdata = kEmpty;
    };
    t["router.wifiControl"] = [](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
        const char* band = p["type"].intValue() == 2 ? "wifi_5g" : "wifi_2g";
        setInDictionary(r, band, "status", std::to_string(p["sw"].intValue()));
        out.vdata = kEmpty;
    };
    t["router.getwifitimer"] = fromModel("wifi_timer");
    t["router.setwifitimer"] = [](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
        const bool open = p["type"].intValue() == 1;
        setInDictionary(r, "wifi_timer", open ? "open" : "close", p["time"]);
        setInDictionary(r, "wifi_timer", open ? "open_sw" : "close_sw", 1);
        out.vdata = kEmpty;
    };
    t["router.closeWifiTimer"] = [](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
        setInDictionary(r, "wifi_timer", p["type"].intValue() == 1 ? "open_sw" : "close_sw", 0);
        out.vdata = kEmpty;
    };
    t["router.getRadioPower"] = fromModel("radio_power");
    t["router.updateRadioPower"] = [](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
        ns::Value powers = r.model["radio_power"];
        for (auto& band : powers.mutableArray())
            if (band["freq"].stringValue() == p["freq"].stringValue()) band.mutableDictionary().set("power", p["power"].intValue());
        r.model.set("radio_power", powers);
        out.vdata = kEmpty;
    };
    t["router.setneedpermit"] = [](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
        r.model.set("need_permit", std::to_string(p["need_permit"].isNil() ? p["sw"].intValue() : p["need_permit"].intValue()));
        out.vdata = kEmpty;
    };
    t["router.setPermitAdvance"] = [](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
        r.model.set("permit_advance", std::to_string(p["sw"].intValue()));
        out.vdata = kEmpty;
    };
    // The newest "count" samples of the history (all of it without one).
    t["router.getSpeed"] = [](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
        const ns::Value& history = r.model["speed_samples"];
        const long count = p["count"].intValue();
        if (count <= 0 || static_cast<std::size_t>(count) >= history.count()) {
            out.vdata = ns::Value::dictionary({{"bands", history}});
            return;
        }
        ns::Array newest;
        for (std::size_t i = history.count() - static_cast<std::size_t>(count); i < history.count(); ++i)
            newest.push_back(history[i]);
        out.vdata = ns::Value::dictionary({{"bands", ns::Value(std::move(newest))}});
    };
    t["router.testSpeed"] = [](EmulatedRouter&, const ns::Dictionary& p, APIResult& out) {
        out.vdata = ns::Value::dictionary({{"band", p["type"].intValue() == 1 ? 4096000 : 1024000}});
    };
    t["wifi.getChannelQuality"] = [](EmulatedRouter& r, const ns::Dictionary&, APIResult& out) {
        out.vdata = ns::Value::dictionary({{"channel_2.4G", r.model["wifi_2g"]["channel"]}, {"channel_5G", r.model["wifi_5g"]["channel"]},
                                           {"quality_2.4G", r.model["wifi_2g"]["quality"]},
                                           {"quality_5G", r.model["wifi_5g"]["quality"]}});
    };
    t["wifi.optimizeChannel"] = [](EmulatedRouter& r, const ns::Dictionary&, APIResult& out) {
        setInDictionary(r, "wifi_2g", "quality", "4");
        out.vdata = kEmpty;
    };
    t["wifi.getChannelPromotion"] = reply(ns::Value::dictionary({{"promotion", 30}, {"before", 2}, {"after", 4}}));
    t["device.accelerateDevice"] = [](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
        if (indexOfMac(r.model["devices"], p["mac"].stringValue()) < 0) {
            out.vdata = ns::Value::dictionary({{"status", 3}});
            return;
        }
        r.model.set("accelerate_mac", p["mac"]);
        out.vdata = ns::Value::dictionary({{"status", 0}});
    };
    t["device.cancelAccelerate"] = [](EmulatedRouter& r, const ns::Dictionary&, APIResult& out) {
        r.model.set("accelerate_mac", "");
        out.vdata = ns::Value::dictionary({{"status", 0}});
    };
    t["device.getAcceleratingDevice"] = [](EmulatedRouter& r, const ns::Dictionary&, APIResult& out) {
        out.vdata = ns::Value::dictionary({{"mac", r.model["accelerate_mac"]}});
    };
    t["router.getSafetyLog"] = [](EmulatedRouter& r, const ns::Dictionary&, APIResult& out) {
        out.vdata = ns::Value::dictionary({{"list", r.model["safety_log"]}});
    };
    t["wifi.getChannelDeviceNum"] = reply(ns::Value::dictionary({{"2.4G", 7}, {"5G", 2}}));
    Handler wifiPassword = [](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
        if (!p["ssid"].isNil()) setInDictionary(r, "wifi_2g", "ssid", p["ssid"]);
        if (!p["pwd"].isNil()) setInDictionary(r, "wifi_2g", "pwd", p["pwd"]);
        if (!p["ssid_5g"].isNil()) setInDictionary(r, "wifi_5g", "ssid", p["ssid_5g"]);
        if (!p["pwd_5g"].isNil()) setInDictionary(r, "wifi_5g", "pwd", p["pwd_5g"]);
        out.vdata = ns::Value::dictionary({{"status", 0}});
    };
    t["wifi.set"] = wifiPassword;
    t["wifi.updateWifiPwd"] = wifiPassword;
    t["wifi.wifiPwdStrength"] = reply(ns::Value::dictionary({{"type", 3}, {"type_5g", 2}}));
    t["wifi.setchannel"] = [](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
        setInDictionary(r, p["type"].intValue() == 2 ? "wifi_5g" : "wifi_2g", "channel_set", p["channel"].stringValue());
        out.vdata = kEmpty;
    };
    t["wifi.setwifibandwidth"] = [](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
        setInDictionary(r, p["type"].intValue() == 2 ? "wifi_5g" : "wifi_2g", "bandwidth_set", p["bandwidth"].stringValue());
        out.vdata = kEmpty;
    };
    Handler adminPassword = [](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
        // The application names the passwords "newpass" and "curpass".
        auto either = [&p](const char* name, const char* other) { return (p[name].isNil() ? p[other] : p[name]).stringValue(); };
        const std::string newPassword = either("newpass", "newpwd");
        if (either("curpass", "oldpwd") != r.adminPassword) {
            out.vdata = ns::Value::dictionary({{"type", -9}});
            return;
        }
        if (newPassword.size() < 8) {
            out.vdata = ns::Value::dictionary({{"type", -2}});
            return;
        }
        r.adminPassword = newPassword;
        r.tickets.clear();
        const std::string ticket = "T" + std::to_string(r.failedLogins) + "-" + std::to_string(r.tickets.size()) + "-" + newPassword.substr(0, 2) + "x";
        r.tickets.insert(ticket);
        out.vdata = ns::Value::dictionary({{"type", 0}, {"ticket", ticket}});
    };
    t["login.loginChange"] = adminPassword;
    t["security.updateAdminPwdWithOld"] = adminPassword;
    t["security.getAdminPwdSafety"] = [](EmulatedRouter& r, const ns::Dictionary&, APIResult& out) {
        out.vdata = ns::Value::dictionary({{"type", r.adminPassword.size() >= 12 ? 3 : 2}});
    };
    t["security.getProtectElapse"] = reply(ns::Value::dictionary({{"num", 30}}));
    t["security.getSafetyIndicators"] = fromModel("indicators");
    t["security.getVirusLibraryInfo"] = fromModel("virus");
    t["security.updateVirusLibrary"] = reply(ns::Value::dictionary({{"is_update", 1}}));
    t["device.registerApnsToken"] = reply(kEmpty);
    t["device.clearApnsToken"] = reply(kEmpty);
    t["device.setspeedlimit"] = [](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
        // Limits arrive in bytes per second and are kept so, as the device list sends them.
        setDeviceKey("limitupload", p["upload"].intValue())(r, p, out);
        if (out.errcode == 0) setDeviceKey("limitdownload", p["download"].intValue())(r, p, out);
    };
    t["device.cancelspeedlimit"] = [](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
        setDeviceKey("limitupload", 0)(r, p, out);
        if (out.errcode == 0) setDeviceKey("limitdownload", 0)(r, p, out);
    };
    t["router.factoryReset"] = [](EmulatedRouter& r, const ns::Dictionary&, APIResult& out) {
        r.initialised = false;
        r.tickets.clear();
        out.vdata = kEmpty;
    };
    t["router.getInterceptList"] = [](EmulatedRouter& r, const ns::Dictionary&, APIResult& out) {
        out.vdata = ns::Value::dictionary({{"list", r.model["intercepts"]}, {"clean_ts", "1779990000"}});
    };
    t["router.clearIntercept"] = [](EmulatedRouter& r, const ns::Dictionary&, APIResult& out) {
        r.model.set("intercepts", ns::Value(ns::Array{}));
        out.vdata = kEmpty;
    };
}

}  // namespace emulator
