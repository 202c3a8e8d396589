#include "emulator/EmulatedRouterModel.h"

#include <algorithm>
#include <cstdio>

namespace emulator {

namespace {

std::string text(int n) { return std::to_string(n); }

// A speed of the model as the status writes it, or the resting figure.
std::string speedText(const ns::Dictionary& m, const char* key, std::int64_t resting) {
    const ns::Value& v = m[key];
    return std::to_string(v.isNumber() ? v.integerValue() : resting);
}

}  // namespace

ns::Value EmulatedRouterModel::makeDevice(int index) {
    char mac[18];
    std::snprintf(mac, sizeof mac, "02:00:00:00:%02X:%02X", (index >> 8) & 0xFF, index & 0xFF);
    return ns::Value::dictionary({
        {"endname", "device-" + text(index)},
        {"endmac", std::string(mac)},
        {"endipv4", "192.168.1." + text(100 + index % 150)},
        {"endipv6", ""},
        {"endonline", 1},
        {"endspdup", 100 + index},
        {"endspddown", 2000 + index},
        {"endsdatup", 10 * index},
        {"endtdatdown", 20 * index},
        {"is_wifi", index % 2},
        {"signal_strength", 60},
        {"net_control", 3},
        {"device_model", "Phone"},
        {"device_type", 1},
        {"alias_name", ""},
        {"connect_point", 2},
        {"limitupload", 0},
        {"limitdownload", 0},
    });
}

ns::Array EmulatedRouterModel::everyDeviceKind(const std::string& phoneAddress) {
    struct Kind {
        const char* name;
        const char* mac;
        std::string address;
        int isWifi, connectPoint, netControl, type, limit;
    };
    const Kind kinds[] = {
        {"my-phone", "02:00:00:00:0A:01", phoneAddress, 1, 2, 3, 1, 0},
        {"living-room-pad", "02:00:00:00:0A:02", "192.168.0.21", 1, 0, 3, 1001, 0},
        {"office-pc", "02:00:00:00:0A:03", "192.168.0.22", 0, 0, 3, 2, 0},
        {"old-laptop", "02:00:00:00:0A:04", "192.168.0.23", 0, 0, 2, 2, 0},
        {"new-tablet", "02:00:00:00:0A:05", "192.168.0.24", 1, 2, 0, 1, 0},
        {"visitor-watch", "02:00:00:00:0A:06", "192.168.0.25", 1, 1, 3, 1, 0},
        {"game-console", "02:00:00:00:0A:07", "192.168.0.26", 1, 2, 3, 1, 100 * 1024},
        {"media-box", kAcceleratedMac, "192.168.0.27", 1, 2, 3, 1, 0},
    };
    ns::Array devices;
    int index = 1;
    for (const Kind& k : kinds) {
        ns::Value device = makeDevice(index++);
        auto& d = device.mutableDictionary();
        d.set("endname", k.name);
        d.set("device_model", k.name);
        d.set("endmac", k.mac);
        d.set("endipv4", k.address);
        d.set("is_wifi", k.isWifi);
        d.set("connect_point", k.connectPoint);
        d.set("net_control", k.netControl);
        d.set("device_type", k.type);
        d.set("limitupload", k.limit);
        d.set("limitdownload", 2 * k.limit);
        devices.push_back(device);
    }
    return devices;
}

void EmulatedRouterModel::furnishEveryDeviceKind(EmulatedRouter& router, const std::string& phoneAddress) {
    router.model.set("devices", ns::Value(everyDeviceKind(phoneAddress)));
    router.model.set("accelerate_mac", kAcceleratedMac);
}

EmulatedRouter EmulatedRouterModel::makeRouter(const std::string& routerId, const std::string& mac, int deviceCount) {
    EmulatedRouter router;
    router.routerId = routerId;
    router.mac = mac;
    ns::Array devices;
    for (int i = 1; i <= deviceCount; ++i) devices.push_back(makeDevice(i));
    auto& m = router.model;
    m.set("devices", ns::Value(std::move(devices)));
    m.set("guests", ns::Value::array({ns::Value::dictionary(
                        {{"endmac", "06:00:00:00:00:01"}, {"endname", "guest"}, {"connect_point", 5}, {"connect_duration", 1800}})}));
    m.set("blacklist", ns::Value::array({ns::Value::dictionary({{"endmac", "0A:00:00:00:00:01"}, {"endname", "intruder"}})}));
    m.set("guest_on", 0);
    // Visitors who join the guest network once its admission window opens.
    m.set("guest_arrivals",
          ns::Value::array({ns::Value::dictionary({{"endmac", "06:00:00:00:00:02"}, {"endname", "visitor-phone"},
                                                   {"is_wifi", 1}, {"connect_point", 5}, {"connect_duration", 4}}),
                            ns::Value::dictionary({{"endmac", "06:00:00:00:00:03"}, {"endname", "visitor-pad"},
                                                   {"is_wifi", 1}, {"device_type", 1001}, {"connect_point", 5},
                                                   {"connect_duration", 12}})}));
    m.set("accelerate_mac", "");
    m.set("wifi_2g", ns::Value::dictionary({{"ssid", "Keelbox"}, {"pwd", "password24"}, {"status", "1"}, {"channel", "6"},
                                            {"quality", "3"}, {"hidden", "0"}, {"strength", "100"}, {"channel_set", "0"},
                                            {"bandwidth_set", "20"}}));
    m.set("wifi_5g", ns::Value::dictionary({{"ssid", "Keelbox-5G"}, {"pwd", "password50"}, {"status", "1"}, {"channel", "149"},
                                            {"quality", "2"}, {"hidden", "0"}, {"strength", "100"}, {"channel_set", "0"},
                                            {"bandwidth_set", "80"}}));
    m.set("wifi_timer", ns::Value::dictionary({{"open", "07:00"}, {"close", "23:00"}, {"open_sw", 0}, {"close_sw", 0}}));
    m.set("radio_power", ns::Value::array({ns::Value::dictionary({{"freq", "2.4G"}, {"power", 100}}),
                                           ns::Value::dictionary({{"freq", "5G"}, {"power", 100}})}));
    m.set("led", "1");
    m.set("need_permit", "0");
    m.set("permit_advance", "0");
    m.set("switches", ns::Value::dictionary({{"stat_urlcheck", "1"}, {"stat_anti_stealer", "1"}, {"stat_safe_dns", "1"},
                                             {"stat_anti_dns_cheat", "1"}, {"stat_brute_attack_switch", "0"},
                                             {"stat_update_dev", "1"}, {"stat_privacy_protect_switch", "1"},
                                             {"stat_anti_heart_bleed", "1"}, {"stat_arp_attack_switch", "1"}, {"diff_ssid", "0"},
                                             {"visitor_auto_switch", "0"}}));
    m.set("safety_log", ns::Value::array({ns::Value::dictionary({{"desc", "phishing page blocked"}, {"url", "http://bad.example/"},
                                                                 {"time", "1780000000000"}, {"dns_ip", ""}, {"src_ip", "192.168.1.101"},
                                                                 {"host", "bad.example"}, {"ip", "203.0.113.9"}})}));
    m.set("indicators", ns::Value::dictionary({{"error_passwd_num", 2}, {"anti_freeloader_num", 5}}));
    m.set("rom", ns::Value::dictionary({{"is_update", 1}, {"version", "2.0.0"}, {"uri", "http://rom.example/2.0.0.bin"},
                                        {"notice", "Faster Wi-Fi."}, {"md5", "0123456789abcdef0123456789abcdef"},
                                        {"time", 1780000000000LL}}));
    m.set("upgrade", ns::Value::dictionary({{"status", 0}, {"progress", 0}}));
    m.set("virus", ns::Value::dictionary({{"version", "2026.12.01"}, {"pub_time", 1780000000000LL}, {"trojan_num", 1200},
                                          {"phishing_num", 800}, {"download_time", 1780000000000LL}}));
    m.set("speed_samples", ns::Value::array({1024, 2048, 3072}));
    // What a speed test measures, in bytes per second.
    m.set("test_speed_down", 1048576);
    m.set("test_speed_up", 262144);
    m.set("apns_tokens", ns::Value(ns::Array{}));
    // The safety screens' figures: counters per protection, the safety log
    // by kind (5 heartbleed, 0 dangerous sites, 3 DNS, 2 accounts, 6 local
    // network), the password checks, the days protected, a library update
    // waiting, and the foreign devices heard per band.
    m.set("counters", ns::Value::dictionary({{"stat_anti_dnshacking", "3"}, {"stat_anti_heart_bleed", "0"},
                                             {"stat_anti_arp_attack", "2"}}));
    auto log = [](const char* url, const char* desc, const char* host, const char* ip, const char* dnsIp, const char* time) {
        return ns::Value::dictionary({{"url", url}, {"desc", desc}, {"host", host}, {"ip", ip}, {"dns_ip", dnsIp},
                                      {"src_ip", "192.168.1.101"}, {"time", time}});
    };
    m.set("safety_logs",
          ns::Value::dictionary({
              {"5", ns::Value::array({log("https://weak-tls.example/", "", "weak-tls.example", "203.0.113.5", "", "1780000000000")})},
              {"0", ns::Value::array({log("http://bad.example/", "phishing page blocked", "bad.example", "203.0.113.9", "", "1780000000000"),
                                      log("http://trojan.example/x.exe", "trojan download blocked", "trojan.example", "203.0.113.10", "",
                                          "1779990000000")})},
              {"3", ns::Value::array({log("", "", "bank.example", "", "198.51.100.66", "1779980000000")})},
              {"2", ns::Value::array({log("", "", "", "203.0.113.77", "", "1779970000000")})},
              {"6", ns::Value::array({log("", "", "", "192.168.1.66", "", "1779960000000")})},
          }));
    m.set("wifi_pwd_strength", 3);
    m.set("protect_elapse", 30);
    m.set("virus_update_available", 1);
    m.set("nearby_devices", ns::Value::dictionary({{"2.4G", 7}, {"5G", 2}}));

    m.set("intercepts", ns::Value::array({ns::Value::dictionary({{"desc", "fake bank"}, {"url", "http://bank.example/"},
                                                                 {"time", "1780000000000"}, {"type", 3}})}));
    return router;
}

ns::Value EmulatedRouterModel::statusPayload(const EmulatedRouter& router) {
    const auto& m = router.model;
    auto band = [&](const char* key, const std::string& s) {
        const ns::Value& b = m[key];
        return ns::Value::dictionary({{"wifi_ssid_" + s, b["ssid"]}, {"wifi_strength_" + s, b["strength"]}, {"wifi_pw_" + s, b["pwd"]},
                                      {"wifi_status_" + s, b["status"]}, {"wifi_channel_" + s, b["channel"]},
                                      {"wifi_channel_quality_" + s, b["quality"]}, {"wifi_ssid_hidden_" + s, b["hidden"]},
                                      {"wifi_channel_" + s + "_set", b["channel_set"]},
                                      {"wifi_bandwith_" + s + "_set", b["bandwidth_set"]}});
    };
    ns::Value dynamicInfo = ns::Value::dictionary({{"stat_last_optimize", "1779990000"}, {"stat_intercept", "12"},
                                                   {"stat_runtime", "3600"}, {"stat_uptime", "3600"}, {"stat_ram", "40"},
                                                   {"stat_cpu", "5"}, {"stat_breakdown", "0"}, {"stat_anti_hacking", "1"},
                                                   {"stat_anti_freeloader", "5"}});
    // Counters the model holds replace the defaults above.
    if (m["counters"].isDictionary()) dynamicInfo.mutableDictionary().addEntries(m["counters"].asDictionary());
    const auto devices = m["devices"].count();
    return ns::Value::dictionary({
        {"profile", ns::Value::dictionary({{"router_name", router.name}, {"board_version", "KB-1"}, {"rom_version", router.romVersion},
                                           {"cpu", "MT7621"}, {"cpu_model", "MT7621A"}, {"cpu_brand", "MediaTek"}, {"cpu_level", "high"},
                                           {"cpu_freq", "880"}, {"cpu_arch", "mips"}, {"ram", "131072"}, {"flash", "16384"},
                                           {"mac", router.mac}, {"5g_chip", "MT7612E"}, {"antenna", 4}, {"encrypt_method", "aes"},
                                           {"encrypt_standard", "wpa2"}})},
        {"wan_config", ns::Value::dictionary({{"wan_type", "dhcp"}, {"wan_mac_clone_status", "0"}})},
        {"wan_status", ns::Value::dictionary({{"wan_status", "1"}, {"wan_ip", "198.51.100.7"}, {"wan_gateway", "198.51.100.1"},
                                              {"wan_dns", "198.51.100.53"}, {"wan_mac", router.mac}})},
        {"lan_config", ns::Value::dictionary({{"dhcp_status", "1"}, {"dhcp_ip_prefix", "192.168.1."}, {"dhcp_ip_start", "100"},
                                              {"dhcp_ip_end", "250"}, {"dhcp_expire", "86400"}})},
        {"lan_status", ns::Value::dictionary({{"lan_mac", router.mac}, {"lan_ip", "192.168.1.1"}, {"dhcp_status", "1"},
                                              {"led_status", m["led"]}})},
        {"wifi_2gconfig", band("wifi_2g", "2g")},
        {"wifi_5gconfig", band("wifi_5g", "5g")},
        {"dynamic_info", dynamicInfo},
        {"station_info", ns::Value::dictionary({{"stat_client", std::to_string(devices)},
                                                {"all_downspeed", speedText(m, "down_speed", 20480)},
                                                {"all_upspeed", speedText(m, "up_speed", 1024)}, {"need_permit", m["need_permit"]},
                                                {"suspicious_dev_cnt", "0"}})},
        {"safe_switch", m["switches"]},
        {"internet_status", ns::Value::dictionary({{"isp", "Example Line"}, {"max_speed", "12500000"}, {"avg_speed", "8000000"}})},
    });
}

ns::Value EmulatedRouterModel::routerObject(const EmulatedRouter& router) {
    ns::Dictionary object{{"router_id", router.routerId}, {"mac", router.mac}, {"rom_version", router.romVersion},
                          {"board_id", "KB-1"}, {"board_version", "KB-1"}, {"ssid", router.model["wifi_2g"]["ssid"]},
                          {"is_online", router.online ? 1 : 0}};
    return ns::Value(std::move(object));
}

void EmulatedRouterModel::setDiagnosis(EmulatedRouter& router, int itemId, int result, bool repairable) {
    ns::Value diagnosis = router.model["diagnosis"];
    if (!diagnosis.isDictionary()) diagnosis = ns::Value(ns::Dictionary{});
    diagnosis.mutableDictionary().set(text(itemId), ns::Value::dictionary({{"r", result}, {"repairable", repairable}}));
    router.model.set("diagnosis", diagnosis);
}

ns::Value EmulatedRouterModel::diagnose(const EmulatedRouter& router, const ns::Dictionary& params) {
    const ns::Value& found = router.model["diagnosis"][params["tasks"].stringValue()];
    return ns::Value::dictionary({{"r", found["r"].intValue()}, {"data", ns::Value(ns::Array{})}});
}

ns::Value EmulatedRouterModel::repair(EmulatedRouter& router, const ns::Dictionary& params) {
    const int bit = params["task"].intValue();
    if (bit < 0 || bit > 30) return ns::Value::dictionary({{"r", 1}});
    const std::string itemId = text(1 << bit);
    const ns::Value& found = router.model["diagnosis"][itemId];
    if (found["r"].intValue() == 0) return ns::Value::dictionary({{"r", 0}});
    if (!found["repairable"].boolValue()) return ns::Value::dictionary({{"r", 1}});
    setDiagnosis(router, 1 << bit, 0);
    return ns::Value::dictionary({{"r", 0}});
}

void EmulatedRouterModel::scriptUpgrade(EmulatedRouter& router, const std::vector<std::pair<int, int>>& steps) {
    ns::Array script;
    for (const auto& [status, progress] : steps) script.push_back(ns::Value::dictionary({{"status", status}, {"progress", progress}}));
    router.model.set("upgrade_script", ns::Value(std::move(script)));
}

ns::Value EmulatedRouterModel::upgradeProgress(EmulatedRouter& router) {
    ns::Value script = router.model["upgrade_script"];
    if (script.isArray() && script.count() > 0) {
        ns::Value step = script[0];
        if (script.count() > 1) {
            script.mutableArray().erase(script.mutableArray().begin());
            router.model.set("upgrade_script", script);
        }
        router.model.set("upgrade", step);
        return step;
    }
    ns::Value upgrade = router.model["upgrade"];
    if (upgrade["status"].intValue() == 1) {
        const int progress = std::min(100, upgrade["progress"].intValue() + 50);
        upgrade = ns::Value::dictionary({{"status", progress >= 100 ? 2 : 1}, {"progress", progress}});
        router.model.set("upgrade", upgrade);
    }
    return upgrade;
}

}  // namespace emulator
