// The safety screens' test fixture: the application with the home router
// current (SafetyRouterSetup.h), and helpers to change and read the
// emulated router.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/records/TAVORouterModel.h"
#include "emulator/RouterLocalService.h"
#include "management/facade/TAVOAccountManager.h"
#include "management/pollers/TAVORouterStatusLisener.h"
#include "protocol/TAVODataProvider.h"
#include "tests/screens/safety/SafetyRouterSetup.h"
#include "tests/support/screen/AppFixture.h"

namespace keelbox::test {

class SafetyScreenFixture : public ::testing::Test {
protected:
    void SetUp() override {
        router = launchWithHomeRouter(app);
        ASSERT_TRUE(router);
        facade = TAVOAccountManager::shareInstance();
    }
    void TearDown() override { sendAgain(); }

    // Requests the facade refuses at once (its call returns 0): through a
    // provider that serves no request, which posts the request's failure
    // without its parameters, or with no provider at all, when nothing is
    // posted.
    enum class Refusal { ProviderPostsFailure, NothingPosted };
    void refuseAtOnce(Refusal refusal) {
        auto refusing = refusal == Refusal::ProviderPostsFailure ? TAVODataProvider::create() : nullptr;
        facade->setProviderSource([refusing](int) { return refusing; });
    }
    void sendAgain() {
        if (facade) facade->setProviderSource(nullptr);
    }

    // A model value of the home router, changed.
    template <class Change>
    void changeRouter(Change change) {
        app.peers().state().withRouter(EmulatedPeers::kHomeRouter, change);
    }
    void setSwitch(const std::string& key, int on) {
        changeRouter([&](emulator::EmulatedRouter& r) {
            ns::Value switches = r.model["switches"];
            switches.mutableDictionary().set(key, std::to_string(on));
            r.model.set("switches", switches);
        });
    }
    std::string modelSwitch(const std::string& key) {
        return app.peers().state().router(EmulatedPeers::kHomeRouter)->model["switches"][key].stringValue();
    }

    void pollStatus() { ASSERT_TRUE(pollSharedStatus(app)); }

    // The calls of a router command that reached the home router so far.
    std::vector<emulator::RouterLocalService::DecodedCall> callsOf(const std::string& cmd) {
        std::vector<emulator::RouterLocalService::DecodedCall> found;
        for (const auto& c : app.peers().router().calls())
            if (c.cmd == cmd) found.push_back(c);
        return found;
    }

    AppFixture app;
    std::shared_ptr<TAVOAccountManager> facade;
    TAVORouterModelPtr router;
};

}  // namespace keelbox::test
