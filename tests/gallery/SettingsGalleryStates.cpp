// The settings and maintenance screens in their states, on the application
// signed in with the demo account and its router at home polled: settings
// (rows, restart asked, count-down), admin password (empty, refused), router
// information (rows, no status), firmware upgrade (offered, downloading,
// installing, restarting, latest), speed test (idle, waiting, result),
// feedback, about, licence and the health-check result list.
#include <gtest/gtest.h>

#include "core/app/TAVOLocalizedString.h"
#include "management/facade/TAVOAccountManager.h"
#include "management/pollers/TAVORouterStatusLisener.h"
#include "platform/ui/LayerPresentation.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/Window.h"
#include "screens/account/TAVOAboutViewController.h"
#include "screens/account/TAVOFeedbackViewController.h"
#include "screens/account/TAVOLicenseAgreementsViewController.h"
#include "screens/account/TAVOOptDetailViewController.h"
#include "screens/account/TAVORouterAdminPwdViewController.h"
#include "screens/account/TAVORouterInfoViewController.h"
#include "screens/account/TAVOSettingViewController.h"
#include "screens/account/TAVOSpeedTestViewController.h"
#include "screens/account/TAVOUpgradeViewController.h"
#include "tests/gallery/GalleryRegistry.h"
#include "widgets/TAVOPopupViewController.h"

namespace keelbox::gallery {

namespace {

using test::AppFixture;
using test::EmulatedPeers;

constexpr double kAnswerSeconds = 20;

void signedIn(AppFixture& app) {
    ASSERT_TRUE(app.launch({.wifi = EmulatedPeers::kHomeWiFi, .storedAccount = EmulatedPeers::kDemoUser}));
    ASSERT_TRUE(app.reachRouterStatus(kAnswerSeconds));
}

void settle(AppFixture& app, double seconds = 0.6) {
    app.screen().wait(seconds);
    (void)ca::LayerPresentation::apply(app.window()->layer(), ca::currentMediaTime());
}

template <class T>
std::shared_ptr<T> pushed(AppFixture& app, std::shared_ptr<T> screen) {
    signedIn(app);
    app.push(screen);
    settle(app);
    return screen;
}

std::shared_ptr<TAVOSettingViewController> settings(AppFixture& app) {
    signedIn(app);
    auto screen = TAVOSettingViewController::create();
    auto nav = ui::NavigationController::create(screen);
    nav->setNavigationBarHidden(true);
    app.screen().navigationStack().back()->presentViewController(nav, false);
    app.screen().waitUntil([] { return false; }, 1.0);  // the quiet firmware check
    settle(app);
    return screen;
}

std::shared_ptr<TAVOUpgradeViewController> upgrade(AppFixture& app) {
    auto screen = pushed(app, TAVOUpgradeViewController::create());
    EXPECT_TRUE(app.screen().waitUntil([&] { return screen->updateButton()->isEnabled(); }, kAnswerSeconds));
    settle(app, 1.5);
    return screen;
}

std::shared_ptr<TAVOSpeedTestViewController> speedTest(AppFixture& app) {
    signedIn(app);
    auto screen = TAVOSpeedTestViewController::create();
    auto popup = TAVOPopupViewController::popupViewControllerWithChildViewController(screen);
    popup->setParentView(app.window());
    app.screen().navigationStack().back()->presentViewController(popup, false);
    settle(app, 1.0);
    return screen;
}

}  // namespace

void registerSettingsGalleryStates() {
    GalleryRegistry::add("settings_rows", [](AppFixture& app) { settings(app); });
    GalleryRegistry::add("settings_restart_asked", [](AppFixture& app) {
        auto screen = settings(app);
        app.screen().selectRow(screen->tableView(), ui::IndexPath::indexPathForRow(0, 3));
        settle(app);
    });
    GalleryRegistry::add("settings_restart_counting_down", [](AppFixture& app) {
        auto screen = settings(app);
        app.screen().selectRow(screen->tableView(), ui::IndexPath::indexPathForRow(0, 3));
        app.screen().pressAlertButton(TAVOLocalizedString("YES"));
        EXPECT_TRUE(app.screen().waitUntil([&] { return screen->countDownView() != nullptr; }, kAnswerSeconds));
        settle(app, 3.2);
    });
    GalleryRegistry::add("admin_password_empty", [](AppFixture& app) {
        pushed(app, TAVORouterAdminPwdViewController::create());
    });
    GalleryRegistry::add("admin_password_mismatch", [](AppFixture& app) {
        auto screen = pushed(app, TAVORouterAdminPwdViewController::create());
        screen->oldPwdField()->setText("admin1234");
        screen->newerPwdField()->setText("newpass123");
        screen->confirmPwdFiled()->setText("newpass124");
        app.screen().tap(screen->completeBtn());
        settle(app, 0.3);
    });
    GalleryRegistry::add("router_info_rows", [](AppFixture& app) {
        pushed(app, TAVORouterInfoViewController::create());
        settle(app, 0.5);
    });
    GalleryRegistry::add("router_info_no_status", [](AppFixture& app) {
        signedIn(app);
        TAVOAccountManager::shareInstance()->setCurrentRouter(nullptr);
        app.push(TAVORouterInfoViewController::create());
        settle(app);
    });
    GalleryRegistry::add("rom_upgrade_offered", [](AppFixture& app) { upgrade(app); });
    GalleryRegistry::add("rom_upgrade_downloading", [](AppFixture& app) {
        auto screen = upgrade(app);
        screen->listenerProgress(*screen->listener(), 40);
        settle(app, 0.1);
    });
    GalleryRegistry::add("rom_upgrade_installing", [](AppFixture& app) {
        auto screen = upgrade(app);
        screen->listenerWithStatus(*screen->listener(), 2);
        settle(app, 0.1);
    });
    GalleryRegistry::add("rom_upgrade_restarting", [](AppFixture& app) {
        auto screen = upgrade(app);
        screen->listenerWithStatus(*screen->listener(), 100);
        settle(app, 5.2);
    });
    GalleryRegistry::add("rom_upgrade_latest", [](AppFixture& app) {
        signedIn(app);
        app.peers().state().withRouter(EmulatedPeers::kHomeRouter, [](emulator::EmulatedRouter& r) {
            r.model.set("rom", ns::Value::dictionary({{"is_update", 0}}));
        });
        TAVOAccountManager::shareInstance()->currentRouter()->updateInfo = nullptr;
        auto screen = TAVOUpgradeViewController::create();
        app.push(screen);
        app.screen().waitUntil([&] { return app.screen().toast().has_value(); }, kAnswerSeconds);
        settle(app, 0.2);
    });
    GalleryRegistry::add("speed_test_idle", [](AppFixture& app) { speedTest(app); });
    GalleryRegistry::add("speed_test_waiting", [](AppFixture& app) {
        auto screen = speedTest(app);
        app.screen().tap(screen->buttonTestSpeed());
        settle(app, 3.0);
    });
    GalleryRegistry::add("speed_test_result", [](AppFixture& app) {
        auto screen = speedTest(app);
        app.screen().tap(screen->buttonTestSpeed());
        app.screen().waitUntil([&] { return screen->downloadSpeedKB() > 0 && screen->uploadSpeedKB() > 0; },
                               kAnswerSeconds);
        settle(app, 30);
    });
    GalleryRegistry::add("feedback_typed", [](AppFixture& app) {
        auto screen = pushed(app, TAVOFeedbackViewController::create());
        app.screen().tap(screen->inputView()->textView());
        app.screen().type("The speed test is great, thank you.");
        app.screen().tap(screen->contactField());
        app.screen().type("13800000000");
        screen->view()->endEditing(true);
        screen->scrollView()->setContentOffset(cg::PointMake(0, 0));
        settle(app);
    });
    GalleryRegistry::add("about_page", [](AppFixture& app) { pushed(app, TAVOAboutViewController::create()); });
    GalleryRegistry::add("licence_agreement", [](AppFixture& app) {
        auto screen = TAVOLicenseAgreementsViewController::create();
        screen->setTitle(TAVOLocalizedString("ordane copyright protocal"));
        screen->statements = TAVOLicenseAgreementsViewController::bundleText("LicenseAgreements");
        pushed(app, screen);
    });
    GalleryRegistry::add("opt_detail_lists", [](AppFixture& app) {
        auto screen = pushed(app, TAVOOptDetailViewController::create());
        const auto ids = TAVORouterOptConfig::defaultCheckSetting();
        screen->setOptItem({ids.begin() + 2, ids.end()}, {ids[0], ids[1]});
        settle(app);
    });
}

}  // namespace keelbox::gallery
