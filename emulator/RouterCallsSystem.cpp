// The router's system calls as the settings and maintenance screens use
// them: the firmware check, a whole scripted upgrade ending in the router's
// restart, restart and factory reset (after which the router does not
// answer for a few calls), the speed test and the admin password change.
#include "emulator/RouterCallTable.h"

#include "emulator/EmulatedRouterModel.h"

namespace emulator {

namespace {

const ns::Value kEmpty = emptyReply();
// Calls a restarting router leaves unanswered before it is back.
constexpr int kCallsWhileRestarting = 3;
constexpr const char* kRestartingKey = "restarting_calls";
constexpr std::size_t kAdminPasswordMin = 8;
constexpr std::size_t kAdminPasswordMax = 16;

void restart(EmulatedRouter& r) { r.model.set(kRestartingKey, kCallsWhileRestarting); }

// The upgrade: the download reports every tenth, the installation twice,
// then the router reports it done and restarts on the new firmware.
std::vector<std::pair<int, int>> upgradeSteps() {
    std::vector<std::pair<int, int>> steps;
    for (int progress = 10; progress <= 100; progress += 10) steps.emplace_back(1, progress);
    steps.emplace_back(2, 100);
    steps.emplace_back(2, 100);
    steps.emplace_back(100, 100);
    return steps;
}

void finishUpgrade(EmulatedRouter& r) {
    ns::Value rom = r.model["rom"];
    if (rom["is_update"].intValue() <= 0) return;
    r.romVersion = rom["version"].stringValue();
    rom.mutableDictionary().set("is_update", 0);
    r.model.set("rom", rom);
    restart(r);
}

}  // namespace

void addSystemCalls(HandlerTable& t) {
    t["system.checkUpdate"] = fromModel("rom");
    t["system.updateRom"] = [](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
        const ns::Value& rom = r.model["rom"];
        if (p["uri"].stringValue() != rom["uri"].stringValue() || p["md5"].stringValue() != rom["md5"].stringValue()) {
            out.errcode = -2;
            out.errdesc = "uri and md5 must name the offered firmware";
            return;
        }
        EmulatedRouterModel::scriptUpgrade(r, upgradeSteps());
        out.vdata = kEmpty;
    };
    t["system.upgradeStatus"] = [](EmulatedRouter& r, const ns::Dictionary&, APIResult& out) {
        out.vdata = EmulatedRouterModel::upgradeProgress(r);
        if (out.vdata["status"].intValue() == 100) finishUpgrade(r);
    };
    t["router.reboot"] = [](EmulatedRouter& r, const ns::Dictionary&, APIResult& out) {
        restart(r);
        out.vdata = kEmpty;
    };
    t["router.factoryReset"] = [](EmulatedRouter& r, const ns::Dictionary&, APIResult& out) {
        r.initialised = false;
        r.tickets.clear();
        restart(r);
        out.vdata = kEmpty;
    };
    t["router.testSpeed"] = [](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
        // Bytes per second; type 1 measures the download, 0 the upload.
        const bool download = p["type"].intValue() == 1;
        out.vdata = ns::Value::dictionary({{"bands", r.model[download ? "test_speed_down" : "test_speed_up"]}});
    };
    t["login.loginChange"] = [](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
        const std::string newPassword = p["newpass"].stringValue();
        if (p["curpass"].stringValue() != r.adminPassword) {
            out.vdata = ns::Value::dictionary({{"type", -9}});
            return;
        }
        if (newPassword.size() < kAdminPasswordMin || newPassword.size() > kAdminPasswordMax) {
            out.vdata = ns::Value::dictionary({{"type", -2}});
            return;
        }
        r.adminPassword = newPassword;
        r.tickets.clear();
        const std::string ticket = "T-" + std::to_string(r.model["ticket_serial"].intValue() + 1) + "-" + r.routerId;
        r.model.set("ticket_serial", r.model["ticket_serial"].intValue() + 1);
        r.tickets.insert(ticket);
        out.vdata = ns::Value::dictionary({{"type", 0}, {"ticket", ticket}});
    };

    // A restarting router answers nothing until it is back: every call
    // fails while its count lasts.
    for (auto& [name, handler] : t) {
        handler = [inner = handler](EmulatedRouter& r, const ns::Dictionary& p, APIResult& out) {
            const int left = r.model[kRestartingKey].intValue();
            if (left > 0) {
                r.model.set(kRestartingKey, left - 1);
                out.errcode = 100004;
                out.errdesc = "router is restarting";
                return;
            }
            inner(r, p, out);
        };
    }
}

}  // namespace emulator
