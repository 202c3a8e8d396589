// The first screen's splash (at its start, mid-reveal and at its end) and
// the welcome panel (asking the router, with the joined network's name,
// with an error), each on a screen pushed over the launched application.
#include <gtest/gtest.h>

#include "core/crypto/TAVOCommonUtility.h"
#include "platform/ui/LayerPresentation.h"
#include "platform/ui/ViewController.h"
#include "platform/ui/Window.h"
#include "screens/home/TAVORouterStartupView.h"
#include "screens/home/TAVOWelcomeView.h"
#include "tests/gallery/GalleryRegistry.h"

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

}  // namespace

void registerHomeStartGalleryStates() {
    GalleryRegistry::add("home_splash_start", [](AppFixture& app) { splashAfter(app, 0.0); });
    GalleryRegistry::add("home_splash_revealing", [](AppFixture& app) { splashAfter(app, 1.2); });
    GalleryRegistry::add("home_splash_end", [](AppFixture& app) { splashAfter(app, 2.5); });
    GalleryRegistry::add("home_welcome_asking", [](AppFixture& app) { welcome(app, "", "", true); });
    GalleryRegistry::add("home_welcome_joined", [](AppFixture& app) { welcome(app, "Keelbox-2.4G", "", false); });
    GalleryRegistry::add("home_welcome_error", [](AppFixture& app) {
        welcome(app, "", "The router on this Wi-Fi does not answer", false);
    });
}

}  // namespace keelbox::gallery
