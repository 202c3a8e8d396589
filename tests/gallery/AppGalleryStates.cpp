// The states of the application's road in: the first screen (splash,
// welcome, the router's prompts) and the main tabs it opens, the recovery
// screens the error system jumps to, an alert the error system raises and a
// toast.
#include <gtest/gtest.h>

#include "core/app/TAVOLocalizedString.h"
#include "core/app/TAVOViewControllerState.h"
#include "core/errors/TAVOAppJumper.h"
#include "core/errors/TAVOErrorSystemManager.h"
#include "core/errors/TAVOToastErrorHandler.h"
#include "emulator/Fault.h"
#include "platform/ui/NavigationController.h"
#include "screens/home/TAVORootViewController.h"
#include "tests/gallery/GalleryRegistry.h"

namespace keelbox::gallery {

namespace {

using test::AppFixture;
using test::EmulatedPeers;

// Real seconds the emulator gets to answer a state's requests.
constexpr double kAnswerSeconds = 20;

void showsText(AppFixture& app, const std::string& part) {
    EXPECT_TRUE(app.screen().waitUntil([&] { return app.screen().viewWithTextContaining(part) != nullptr; },
                                       kAnswerSeconds))
        << "never showed \"" << part << "\"; the screen shows:\n"
        << app.screen().describe();
}

// Signed in with the stored account: the main tabs over the first screen,
// the dashboard showing the router's first status.
void statusShown(AppFixture& app) {
    ASSERT_TRUE(app.launch({.wifi = EmulatedPeers::kHomeWiFi, .storedAccount = EmulatedPeers::kDemoUser}));
    ASSERT_TRUE(app.reachRouterStatus(kAnswerSeconds));
    app.peers().waitUntilAnswered();
    app.screen().wait(1.0);
}

std::shared_ptr<TAVORootViewController> firstScreen() {
    auto nav = TAVOViewControllerState::appNavigationController();
    return nav ? std::dynamic_pointer_cast<TAVORootViewController>(nav->viewControllers().front()) : nullptr;
}

// On the home router's Wi-Fi, signed out: the router answers the init
// check and the welcome panel names the network.
void welcomeOnHomeWiFi(AppFixture& app) {
    ASSERT_TRUE(app.launch({.wifi = EmulatedPeers::kHomeWiFi}));
    app.screen().wait(2.5);
    EXPECT_TRUE(app.screen().waitUntil(
        [] {
            auto root = firstScreen();
            return root && root->loginLocalRouterBtn()->isEnabled();
        },
        kAnswerSeconds));
    app.screen().wait(0.5);
}

// A jump of the error system, and the screen transitions it starts.
void jump(AppFixture& app, void (TAVOAppJumper::*to)()) {
    ASSERT_TRUE(app.launch());
    (TAVOAppJumper::jumper().get()->*to)();
    app.screen().wait(1.0);
}

}  // namespace

void registerAppGalleryStates() {
    GalleryRegistry::add("first_screen_splash", [](AppFixture& app) {
        ASSERT_TRUE(app.launch());
        app.screen().wait(1.0);  // halfway through the name's reveal
    });
    GalleryRegistry::add("first_screen_no_router", [](AppFixture& app) {
        ASSERT_TRUE(app.launch());
        app.screen().wait(2.5);
        showsText(app, TAVOLocalizedString("not found the Ardo router"));
    });
    GalleryRegistry::add("first_screen_home_wifi", welcomeOnHomeWiFi);
    GalleryRegistry::add("first_screen_password_prompt", [](AppFixture& app) {
        welcomeOnHomeWiFi(app);
        ASSERT_TRUE(app.screen().tap(firstScreen()->loginLocalRouterBtn()));
        app.screen().wait(1.0);
    });
    GalleryRegistry::add("first_screen_router_not_set_up", [](AppFixture& app) {
        app.peers().state().withRouter(EmulatedPeers::kHomeRouter,
                                       [](emulator::EmulatedRouter& r) { r.initialised = false; });
        ASSERT_TRUE(app.launch({.wifi = EmulatedPeers::kHomeWiFi}));
        app.screen().wait(2.5);
        EXPECT_TRUE(app.screen().waitUntil([&] { return app.screen().alert() != nullptr; }, kAnswerSeconds));
        app.screen().wait(1.0);
    });
    GalleryRegistry::add("main_tabs", statusShown);

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
        EXPECT_TRUE(app.screen().waitWhileTimePasses(
            [&] {
                auto toast = app.screen().toast();
                return toast && toast->kind == test::ShownToast::Kind::Toast;
            },
            kAnswerSeconds));
    });
}

}  // namespace keelbox::gallery
