// The router's protections as the safety screens reach them: the six
// protection switches with their counters, admission control and its
// advanced mode, the safety log by kind, the password checks, the days of
// protection, the virus library and the foreign devices heard nearby.
// Every value lives in the router's model, so tests set and read it there.
#include "emulator/RouterCallTable.h"

#include <map>

#include "platform/foundation/Clock.h"

namespace emulator {

namespace {

// The switch (in the status's "safe_switch" section) of each protection
// type, and the counter (in "dynamic_info") that the protection raises.
struct Protection {
    const char* switchKey;
    const char* counterKey;
};
const std::map<int, Protection>& protections() {
    static const std::map<int, Protection> table{
        {1, {"stat_urlcheck", "stat_intercept"}},
        {2, {"stat_anti_stealer", "stat_anti_hacking"}},
        {4, {"stat_anti_dns_cheat", "stat_anti_dnshacking"}},
        {7, {"stat_brute_attack_switch", "stat_anti_freeloader"}},
        {8, {"stat_anti_heart_bleed", "stat_anti_heart_bleed"}},
        {9, {"stat_arp_attack_switch", "stat_anti_arp_attack"}},
    };
    return table;
}

void paramError(APIResult& out) {
    out.errcode = -2;
    out.errdesc = "param is not right";
}

}  // namespace

void addSafetyCalls(HandlerTable& t) {
    t["router.setCommonSW"] = [](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
        const auto found = protections().find(p["type"].intValue());
        const int sw = p["sw"].intValue();
        if (found == protections().end() || (sw != 0 && sw != 1)) return paramError(out);
        setInDictionary(r, "switches", found->second.switchKey, std::to_string(sw));
        out.vdata = emptyReply();
    };
    t["router.setneedpermit"] = [](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
        const ns::Value& value = p["need_permit"].isNil() ? p["sw"] : p["need_permit"];
        r.model.set("need_permit", std::to_string(value.intValue() != 0 ? 1 : 0));
        out.vdata = emptyReply();
    };
    t["router.setPermitAdvance"] = [](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
        const std::string sw = std::to_string(p["sw"].intValue() != 0 ? 1 : 0);
        r.model.set("permit_advance", sw);
        setInDictionary(r, "switches", "visitor_auto_switch", sw);
        out.vdata = emptyReply();
    };
    t["router.getSafetyLog"] = [](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
        const ns::Value& logs = r.model["safety_logs"][p["type"].stringValue()];
        out.vdata = ns::Value::dictionary({{"list", logs.isArray() ? logs : ns::Value(ns::Array{})}});
    };
    t["security.getAdminPwdSafety"] = [](EmulatedRouter& r, const ns::Dictionary&, APIResult& out) {
        const ns::Value& forced = r.model["admin_pwd_safety"];
        const int safety = forced.isNil() ? (r.adminPassword.size() >= 8 ? 0 : 1) : forced.intValue();
        out.vdata = ns::Value::dictionary({{"type", safety}});
    };
    t["wifi.wifiPwdStrength"] = [](EmulatedRouter& r, const ns::Dictionary&, APIResult& out) {
        out.vdata = ns::Value::dictionary({{"type", r.model["wifi_pwd_strength"]}, {"type_5g", r.model["wifi_pwd_strength"]}});
    };
    t["security.getProtectElapse"] = [](EmulatedRouter& r, const ns::Dictionary&, APIResult& out) {
        out.vdata = ns::Value::dictionary({{"num", r.model["protect_elapse"]}});
    };
    t["security.getVirusLibraryInfo"] = fromModel("virus");
    t["security.updateVirusLibrary"] = [](EmulatedRouter& r, const ns::Dictionary&, APIResult& out) {
        // A newer library is fetched once; afterwards the router reports
        // that it has nothing to update.
        const int updated = r.model["virus_update_available"].intValue() != 0 ? 1 : 0;
        if (updated) {
            setInDictionary(r, "virus", "download_time",
                            static_cast<long long>(ns::Clock::now() * 1000));
            r.model.set("virus_update_available", 0);
        }
        out.vdata = ns::Value::dictionary({{"is_update", updated}});
    };
    t["wifi.getChannelDeviceNum"] = fromModel("nearby_devices");
}

}  // namespace emulator
