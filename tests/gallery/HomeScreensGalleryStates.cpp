// The first screen's splash (at its start, mid-reveal and at its end), the
// welcome panel (asking the router, with the joined network's name, with an
// error), each on a screen pushed over the launched application; and the
// account's router list (listed, a row open, the unbind question); the
// breakdown reason for the operator's refusal and for another code; the
// speed curve before its first answer and live; the app center; the Wi-Fi
// dashboard with live speeds, with a breakdown, optimising its channel, and
// without a router.
#include <gtest/gtest.h>

#include "core/crypto/TAVOCommonUtility.h"
#include "emulator/CallFault.h"
#include "management/facade/TAVOAccountManager.h"
#include "platform/ui/LayerPresentation.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/ViewController.h"
#include "platform/ui/Window.h"
#include "management/pollers/TAVORouterStatusLisener.h"
#include "screens/home/TAVOAppCenterViewController.h"
#include "screens/home/TAVOBreakdownSeasonViewController.h"
#include "screens/home/TAVORouterStartupView.h"
#include "screens/home/TAVORoutersListViewController.h"
#include "screens/home/TAVOSpeedPlotViewController.h"
#include "screens/home/TAVOWelcomeView.h"
#include "tests/gallery/GalleryRegistry.h"
#include "tests/screens/home/DashboardFixture.h"
#include "widgets/TAVOPopupViewController.h"

namespace keelbox::gallery {

namespace {

using test::AppFixture;

ui::ViewControllerPtr pushScreen(AppFixture& app) {
    EXPECT_TRUE(app.launch());
    auto screen = ui::ViewController::create();
    screen->view()->setBackgroundColor(ui::Color::whiteColor());
    app.push(screen);
    app.screen().wait(1.0);
    return screen;
}

void splashAfter(AppFixture& app, double seconds) {
    auto screen = pushScreen(app);
    auto splash = TAVORouterStartupView::create(screen->view()->bounds());
    splash->bgView()->setImage(ui::Image::imageNamed(TAVOCommonUtility::is4InchScreen() ? "Default-568h" : "Default"));
    screen->view()->addSubview(splash);
    splash->startAnimation();
    app.screen().wait(seconds);
    (void)ca::LayerPresentation::apply(app.window()->layer(), ca::currentMediaTime());
}

void welcome(AppFixture& app, const std::string& ssid, const std::string& error, bool asking) {
    auto screen = pushScreen(app);
    auto panel = TAVOWelcomeView::create(screen->view()->bounds());
    screen->view()->addSubview(panel);
    if (asking) panel->setIndicator(ui::Image::imageNamed("loadingIcon_white"));
    if (!ssid.empty()) panel->setArdoWifiSSID(ssid);
    if (!error.empty()) panel->setErrorInfo(error);
    app.screen().wait(0.3);
    (void)ca::LayerPresentation::apply(app.window()->layer(), ca::currentMediaTime());
}

// Signed in with the demo account, its home router offline, the list
// presented as the dashboard presents it.
std::shared_ptr<TAVORoutersListViewController> routersList(AppFixture& app) {
    app.peers().state().withRouter(test::EmulatedPeers::kHomeRouter, [](emulator::EmulatedRouter& r) { r.online = false; });
    EXPECT_TRUE(app.launch({.storedAccount = test::EmulatedPeers::kDemoUser}));
    EXPECT_TRUE(app.screen().waitUntil([] { return TAVOAccountManager::shareInstance()->currentRouter() != nullptr; }, 20));
    auto list = TAVORoutersListViewController::create();
    auto nav = ui::NavigationController::create(list);
    nav->setNavigationBarHidden(true);
    app.screen().topScreen()->presentViewController(nav, false);
    EXPECT_TRUE(app.screen().waitUntil([&] { return list->routersList().size() == 2; }, 20));
    app.screen().wait(1.0);
    return list;
}

void routersListRowOpen(AppFixture& app, bool askToUnbind) {
    auto list = routersList(app);
    auto cell = std::dynamic_pointer_cast<TAVORoutersListItemCell>(list->tableView()->cellForRowAtIndexPath(ui::IndexPath{0, 0}));
    ASSERT_TRUE(cell);
    app.screen().tap(cell->expendIndicator());
    app.screen().wait(0.5);
    if (askToUnbind) {
        app.screen().tap(cell->rightUtilityButtons().front());
        app.screen().wait(0.5);
    }
}

// The speed curve in its popup over the signed-in application, before the
// first answer (the account service kept waiting) or with a live history.
void speedCurve(AppFixture& app, bool live) {
    app.peers().state().withRouter(test::EmulatedPeers::kHomeRouter, [](emulator::EmulatedRouter& r) {
        ns::Array samples;
        for (int i = 0; i < 60; ++i) samples.push_back(ns::Value((400 + (i * 37) % 300 + (i % 7) * 90) * 1024));
        r.model.set("speed_samples", ns::Value(std::move(samples)));
    });
    EXPECT_TRUE(app.launch({.storedAccount = test::EmulatedPeers::kDemoUser}));
    EXPECT_TRUE(app.screen().waitUntil([] { return TAVOAccountManager::shareInstance()->currentRouter() != nullptr; }, 20));
    // Before the first answer: the speed call is held back for longer than the picture takes.
    if (!live) app.peers().cloud().setCallFault("router.getSpeed", emulator::CallFault{.delaySeconds = 3});
    auto screen = TAVOSpeedPlotViewController::create();
    auto popup = TAVOPopupViewController::popupViewControllerWithChildViewController(screen);
    app.screen().topScreen()->presentViewController(popup, false);
    if (live) {
        EXPECT_TRUE(app.screen().waitUntil([&] { return !screen->speedsKB().empty(); }, 20));
    }
    app.screen().wait(1.0);
}

// The dashboard in its tab bar on the home router, its first answers shown
// and the detection animation over; `prepare` changes the router first.
test::home::Dashboard dashboard(AppFixture& app, const std::function<void(emulator::EmulatedRouter&)>& prepare = {}) {
    if (prepare) app.peers().state().withRouter(test::EmulatedPeers::kHomeRouter, prepare);
    auto d = test::home::openDashboard(app);
    EXPECT_TRUE(d.screen) << app.screen().describe();
    if (!d.screen) return d;
    app.screen().wait(5.0);
    app.peers().waitUntilAnswered();
    app.screen().wait(1.0);
    return d;
}

}  // namespace

void registerHomeScreensGalleryStates() {
    GalleryRegistry::add("home_splash_start", [](AppFixture& app) { splashAfter(app, 0.0); });
    GalleryRegistry::add("home_splash_revealing", [](AppFixture& app) { splashAfter(app, 1.2); });
    GalleryRegistry::add("home_splash_end", [](AppFixture& app) { splashAfter(app, 2.5); });
    GalleryRegistry::add("home_welcome_asking", [](AppFixture& app) { welcome(app, "", "", true); });
    GalleryRegistry::add("home_welcome_joined", [](AppFixture& app) { welcome(app, "Keelbox-2.4G", "", false); });
    GalleryRegistry::add("home_welcome_error", [](AppFixture& app) {
        welcome(app, "", "The router on this Wi-Fi does not answer", false);
    });
    for (int code : {691, 646}) {
        GalleryRegistry::add("home_breakdown_reason_" + std::to_string(code), [code](AppFixture& app) {
            ASSERT_TRUE(app.launch());
            auto screen = TAVOBreakdownSeasonViewController::create();
            screen->setErrorId(code);
            app.push(screen);
            app.screen().wait(0.5);
        });
    }
    GalleryRegistry::add("home_speed_curve_waiting", [](AppFixture& app) { speedCurve(app, false); });
    GalleryRegistry::add("home_speed_curve_live", [](AppFixture& app) { speedCurve(app, true); });
    GalleryRegistry::add("home_app_center", [](AppFixture& app) {
        ASSERT_TRUE(app.launch({.storedAccount = test::EmulatedPeers::kDemoUser}));
        ASSERT_TRUE(app.reachRouterStatus());
        auto center = TAVOAppCenterViewController::create();
        app.push(center);
        EXPECT_TRUE(app.screen().waitUntil([&] { return center->radioPower() > 0; }, 20));
        app.screen().wait(0.5);
    });
    GalleryRegistry::add("home_dashboard_live", [](AppFixture& app) {
        dashboard(app, [](emulator::EmulatedRouter& r) {
            r.model.set("speed_samples", ns::Value::array({310000, 420000, 515000}));
            // Both bands on good channels.
            ns::Value band = r.model["wifi_2g"];
            band.mutableDictionary().set("quality", "1");
            r.model.set("wifi_2g", band);
        });
    });
    GalleryRegistry::add("home_dashboard_breakdown", [](AppFixture& app) {
        dashboard(app, [](emulator::EmulatedRouter& r) {
            r.model.set("counters", ns::Value::dictionary({{"stat_breakdown", "6"}}));
        });
    });
    GalleryRegistry::add("home_dashboard_optimising", [](AppFixture& app) {
        auto d = dashboard(app);
        if (!d.screen) return;
        // The router takes its time over the request while the panel spins.
        app.peers().router().setCallFault("wifi.optimizeChannel", emulator::CallFault{.delaySeconds = 3});
        auto issue = d.screen->statusView()->channelIssueView();
        ASSERT_TRUE(issue) << app.screen().describe();
        app.window()->layoutIfNeeded();
        ASSERT_TRUE(app.screen().tap(issue->optButton()));
        app.screen().wait(1.2);
    });
    GalleryRegistry::add("home_dashboard_no_router", [](AppFixture& app) {
        auto d = dashboard(app);
        if (!d.screen) return;
        TAVOAccountManager::shareInstance()->setCurrentRouter(nullptr);
        app.screen().wait(1.0);
    });
    GalleryRegistry::add("home_routers_list", [](AppFixture& app) { routersList(app); });
    GalleryRegistry::add("home_routers_list_row_open", [](AppFixture& app) { routersListRowOpen(app, false); });
    GalleryRegistry::add("home_routers_list_unbind_question", [](AppFixture& app) { routersListRowOpen(app, true); });
}

}  // namespace keelbox::gallery
