// The situation in which the safety screens are opened, for their tests
// and gallery states: the home router R1 as the current router, reached
// over the home network with a ticket the router knows, and the facade's
// shared status poller holding a complete poll of it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/records/TAVORouterModel.h"
#include "management/facade/TAVOAccountManager.h"
#include "management/pollers/TAVORouterStatusLisener.h"
#include "tests/support/screen/AppFixture.h"

namespace keelbox::test {

inline constexpr const char* kSafetyTestTicket = "TK-SAFE";

// Launches the application on the home Wi-Fi and makes R1 current.
inline TAVORouterModelPtr launchWithHomeRouter(AppFixture& app) {
    if (!app.launch({.wifi = EmulatedPeers::kHomeWiFi})) return nullptr;
    app.peers().state().withRouter(EmulatedPeers::kHomeRouter,
                                   [](emulator::EmulatedRouter& r) { r.tickets.insert(kSafetyTestTicket); });
    auto facade = TAVOAccountManager::shareInstance();
    auto router = TAVORouterModel::create();
    router->router_id = EmulatedPeers::kHomeRouter;
    router->mac = "AA:BB:CC:00:00:01";
    router->bssid = "aa:bb:cc:00:00:01";
    router->ticket = kSafetyTestTicket;
    facade->setLocalRouter(router);
    facade->setCurrentRouter(router);
    facade->setCurrentRouterCriticalErrorCode(0);
    return router;
}

// One complete poll (status and password checks) of the shared status
// poller, which is made when missing and stays the facade's; false when
// no report came.
inline bool pollSharedStatus(AppFixture& app) {
    auto facade = TAVOAccountManager::shareInstance();
    auto lisener = facade->statusLisener();
    if (!lisener) {
        lisener = TAVORouterStatusLisener::create();
        facade->setStatusLisener(lisener);
    }
    struct Reports : TAVORouterStatusLisenerDelegate {
        void lisenerRouterStatus(TAVORouterStatusLisener&, const TAVORouterStatusPtr&) override { ++count; }
        void lisenerError(TAVORouterStatusLisener&, const TAVOErrorPtr&) override { ++count; }
        int count = 0;
    };
    auto reports = std::make_shared<Reports>();
    const auto previous = lisener->delegate;
    lisener->delegate = reports;
    lisener->wantsPasswordStrength = true;
    lisener->startLisener(facade->currentRouter(), facade->currentAccountData());
    const bool reported = app.screen().waitUntil([&] { return reports->count > 0; });
    lisener->endLisener();
    lisener->delegate = previous;
    return reported && lisener->status() != nullptr;
}

}  // namespace keelbox::test
