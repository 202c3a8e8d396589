// The states of the application's own screens: the first screen (the
// router watch) on its way and done, the recovery screens the error system
// jumps to, an alert the error system raises and a toast.
#include <gtest/gtest.h>

#include "app/lib/TAVORouterWatchViewController.h"
#include "core/app/TAVOViewControllerState.h"
#include "core/errors/TAVOAppJumper.h"
#include "core/errors/TAVOErrorSystemManager.h"
#include "core/errors/TAVOToastErrorHandler.h"
#include "emulator/Fault.h"
#include "tests/gallery/GalleryRegistry.h"

namespace keelbox::gallery {

namespace {

using test::AppFixture;
using test::EmulatedPeers;

// Real seconds the emulator gets to answer a state's requests.
constexpr double kAnswerSeconds = 20;

std::string demoAccount() { return std::string(EmulatedPeers::kDemoUser) + ":" + EmulatedPeers::kDemoPassword; }

void showsText(AppFixture& app, const std::string& part) {
    EXPECT_TRUE(app.screen().waitUntil([&] { return app.screen().viewWithTextContaining(part) != nullptr; },
                                       kAnswerSeconds))
        << "never showed \"" << part << "\"; the screen shows:\n"
        << app.screen().describe();
}

// Signed in with the stored account, the router's status and speeds shown.
void statusShown(AppFixture& app) {
    ASSERT_TRUE(app.launch({.wifi = EmulatedPeers::kHomeWiFi, .storedAccount = EmulatedPeers::kDemoUser}));
    showsText(app, "Speeds: down");
}

// A jump of the error system, and the screen transitions it starts.
void jump(AppFixture& app, void (TAVOAppJumper::*to)()) {
    ASSERT_TRUE(app.launch());
    (TAVOAppJumper::jumper().get()->*to)();
    app.screen().wait(1.0);
}

}  // namespace

void registerAppGalleryStates() {
    GalleryRegistry::add("router_watch_signing_in", [](AppFixture& app) {
        // The account service hears the sign-in and keeps it waiting.
        app.peers().accounts().server().setFault("/api.php", emulator::Fault::stalling());
        ASSERT_TRUE(app.launch({.deploymentValues = {{TAVORouterWatchViewController::kDemoAccountVariable, demoAccount()}}}));
        showsText(app, "Signing in as demo");
    });
    GalleryRegistry::add("router_watch_status_shown", statusShown);
    GalleryRegistry::add("router_watch_not_signed_in", [](AppFixture& app) {
        ASSERT_TRUE(app.launch());
        showsText(app, "Not signed in");
    });

    GalleryRegistry::add("account_login_required",
                         [](AppFixture& app) { jump(app, &TAVOAppJumper::jumpToRemoteAccountPage); });
    GalleryRegistry::add("local_bind", [](AppFixture& app) { jump(app, &TAVOAppJumper::jumpToLocalAccountPage); });
    GalleryRegistry::add("upgrade_rom", [](AppFixture& app) { jump(app, &TAVOAppJumper::jumpToUpgradeRomPage); });
    GalleryRegistry::add("tab_screen", [](AppFixture& app) {
        ASSERT_TRUE(app.launch());
        TAVOViewControllerState::backToTabViewController();
        app.screen().wait(1.0);
    });

    // The account's session ends at the service: the cloud refuses its
    // ticket and the error system asks whether to sign in again.
    GalleryRegistry::add("alert_account_remote_failed", [](AppFixture& app) {
        statusShown(app);
        auto& accounts = app.peers().accounts().accounts();
        accounts.signOut(accounts.find(EmulatedPeers::kDemoUser)->qid);
        app.screen().wait(5.0);
        EXPECT_TRUE(app.screen().waitUntil([&] { return app.screen().alert() != nullptr; }, kAnswerSeconds));
    });

    // The cloud went away under the status poll: the error system's toast
    // says the network failed.
    GalleryRegistry::add("toast_network_failure", [](AppFixture& app) {
        statusShown(app);
        TAVOErrorSystemManager::sharedManager()->registeHandler(TAVOToastErrorHandler::create(), 0);
        app.peers().cloud().stop();
        app.screen().wait(5.0);
        EXPECT_TRUE(app.screen().waitUntil([&] { return app.screen().toast().has_value(); }, kAnswerSeconds));
    });
}

}  // namespace keelbox::gallery
