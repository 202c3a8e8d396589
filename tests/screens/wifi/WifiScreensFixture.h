// The Wi-Fi setting screens against the emulated home router: the
// application launched, the home router R1 made current and reached over
// the home network with its own ticket, and its status read once, as the
// dashboard leaves it for the screens it opens. Header-only, so that the
// gallery can bring its screens into the same state.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/records/TAVORouterModel.h"
#include "emulator/EmulatorState.h"
#include "management/facade/TAVOAccountManager.h"
#include "management/pollers/TAVORouterStatusLisener.h"
#include "platform/ui/NavigationController.h"
#include "tests/support/screen/AppFixture.h"

namespace keelbox::test::wifi {

inline constexpr const char* kTicket = "TK-WIFI";

// Changes the home router's model before the screen reads it.
inline void changeHomeRouter(AppFixture& app, const std::function<void(emulator::EmulatedRouter&)>& change) {
    app.peers().state().withRouter(EmulatedPeers::kHomeRouter, change);
}

// Makes R1 the current, local router and reads its status once; false when
// the status never came.
inline bool useHomeRouter(AppFixture& app) {
    changeHomeRouter(app, [](emulator::EmulatedRouter& r) { r.tickets.insert(kTicket); });
    auto router = TAVORouterModel::create();
    router->router_id = EmulatedPeers::kHomeRouter;
    router->mac = "AA:BB:CC:00:00:01";
    router->ticket = kTicket;
    router->ssid = "Keelbox";
    auto facade = TAVOAccountManager::shareInstance();
    facade->setLocalRouter(router);
    facade->setCurrentRouter(router);
    facade->setCurrentRouterCriticalErrorCode(0);
    auto lisener = TAVORouterStatusLisener::create();
    facade->setStatusLisener(lisener);
    lisener->startLisener(router, facade->currentAccountData());
    const bool read = app.screen().waitUntil([&] { return lisener->status() != nullptr; });
    lisener->endLisener();
    return read;
}

// Launches the application on the home router; with `signedIn` the demo
// account is signed in first.
inline bool launchOnHomeRouter(AppFixture& app, bool signedIn = false) {
    if (!app.launch()) return false;
    if (signedIn) {
        auto facade = TAVOAccountManager::shareInstance();
        if (facade->login(EmulatedPeers::kDemoUser, EmulatedPeers::kDemoPassword)) return false;
        if (!app.screen().waitUntil([&] { return facade->currentAccountData() && !facade->currentAccountData()->qt().empty(); }))
            return false;
    }
    return useHomeRouter(app);
}

// The status the screens read (the facade's status listener's last one).
inline TAVORouterStatusPtr listenerStatus() {
    auto lisener = TAVOAccountManager::shareInstance()->statusLisener();
    return lisener ? lisener->status() : nullptr;
}

// The calls of a command that reached the home router, oldest first.
inline std::vector<ns::Dictionary> callsOf(AppFixture& app, const std::string& cmd) {
    std::vector<ns::Dictionary> found;
    for (const auto& call : app.peers().router().calls())
        if (call.cmd == cmd) found.push_back(call.params);
    return found;
}

// Waits (in real time, for the emulator) until the command has reached the
// router `count` times and its answer has been handled.
inline bool waitForCalls(AppFixture& app, const std::string& cmd, std::size_t count) {
    const bool arrived = app.screen().waitUntil([&] { return callsOf(app, cmd).size() >= count; });
    app.screen().waitUntil([] { return false; }, 0.3);
    return arrived;
}

}  // namespace keelbox::test::wifi
