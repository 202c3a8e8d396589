#include "emulator/EmulatedRouterAPI.h"

#include <chrono>

#include "emulator/RouterCallTable.h"
#include "emulator/RouterTraffic.h"

namespace emulator {

namespace {

const HandlerTable& handlers() {
    static const HandlerTable table = [] {
        HandlerTable t;
        // Area files come after the common calls: an area may replace a
        // common call with a fuller one.
        addRouterCalls(t);
        addAccountCalls(t);
        addWifiCalls(t);
        addSafetyCalls(t);
        addDevicesCalls(t);
        // Last: its restart gate wraps every call made before it.
        addSystemCalls(t);
        return t;
    }();
    return table;
}

// Moving traffic follows the wall clock: the emulator serves a person
// watching in real time.
std::int64_t nowSeconds() {
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch()).count();
}

}  // namespace

APIResult EmulatedRouterAPI::call(EmulatorState& state, const std::string& routerId, const std::string& cmd,
                                  const ns::Dictionary& params) {
    APIResult out;
    auto it = handlers().find(cmd);
    if (it == handlers().end()) {
        out.errcode = -502;
        out.errdesc = "unsupported call " + cmd;
        return out;
    }
    if (!state.withRouter(routerId, [&](EmulatedRouter& router) {
            if (router.trafficSeed) RouterTraffic(*router.trafficSeed).apply(router, nowSeconds());
            it->second(router, params, out);
        })) {
        out.errcode = -1100;
        out.errdesc = "router does not exist";
    }
    return out;
}

bool EmulatedRouterAPI::knows(const std::string& cmd) { return handlers().count(cmd) != 0; }

std::vector<std::string> EmulatedRouterAPI::calls() {
    std::vector<std::string> names;
    for (const auto& [name, handler] : handlers()) names.push_back(name);
    return names;
}

}  // namespace emulator
