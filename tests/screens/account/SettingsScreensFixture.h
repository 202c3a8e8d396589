// The application launched against the emulated peers with the demo
// account signed in and its first router (R1, the one at home) current and
// polled, so that the settings and maintenance screens reach a real router.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "emulator/EmulatedRouterModel.h"
#include "management/facade/TAVOAccountManager.h"
#include "management/pollers/TAVORouterStatusLisener.h"
#include "platform/ui/ViewController.h"
#include "tests/support/Harness.h"
#include "tests/support/screen/AppFixture.h"

namespace keelbox::test {

class SettingsScreens : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(app.launch({.wifi = EmulatedPeers::kHomeWiFi, .storedAccount = EmulatedPeers::kDemoUser}));
        // The dashboard polls the router's status.
        ASSERT_TRUE(app.reachRouterStatus());
        auto facade = TAVOAccountManager::shareInstance();
        ASSERT_TRUE(facade->currentAccountData());
        routerId = facade->currentRouter()->router_id;
    }

    // Toasts still up go (and their timers with them) before the
    // application ends.
    void TearDown() override {
        if (app.launched()) app.screen().wait(2.0);
    }

    // Puts the screen on top of the application's stack and lets it settle.
    template <class T>
    std::shared_ptr<T> show(const std::shared_ptr<T>& screen) {
        app.push(screen);
        app.screen().wait(0.5);
        return screen;
    }

    // How many times the router was asked "module.call", on either channel.
    std::size_t callsTo(const std::string& cmd) {
        std::size_t count = 0;
        const std::string path = "/" + cmd.substr(0, cmd.find('.')) + "/" + cmd.substr(cmd.find('.') + 1);
        for (const auto& entry : app.peers().cloud().server().log().entries())
            if (entry.path == path) ++count;
        for (const auto& call : app.peers().router().calls())
            if (call.cmd == cmd) ++count;
        return count;
    }
    // The current router as the emulator keeps it.
    emulator::EmulatedRouter emulated() { return *app.peers().state().router(routerId); }
    void fault(const std::string& cmd, emulator::CallFault fault) {
        app.peers().cloud().setCallFault(cmd, fault);
        app.peers().router().setCallFault(cmd, fault);
    }
    // No request of the application is on the wire.
    static bool nothingOnTheWire() {
        for (int id : {0, 1, 2}) {
            auto provider = TAVOAccountManager::shareInstance()->dataProvider(id);
            if (provider && (!provider->remoteRequests().empty() || !provider->cacheRequests().empty())) return false;
        }
        return true;
    }
    // Virtual time passes in quarter seconds, each step's requests answered
    // before the next, so timers and answers keep their order.
    void advanceAnswered(double seconds) {
        for (double passed = 0; passed < seconds; passed += kStep) {
            app.screen().wait(kStep);
            EXPECT_TRUE(app.screen().waitUntil(nothingOnTheWire));
        }
    }
    static constexpr double kStep = 0.25;
    // Real time passes until the condition holds, virtual time standing.
    bool until(const std::function<bool()>& condition) { return app.screen().waitUntil(condition); }

    AppFixture app;
    std::string routerId;
};

}  // namespace keelbox::test
