// The Wi-Fi dashboard as the first screen shows it: the first tab of a
// fresh main tab bar (the first screen's own) pushed over the launched
// application, on the emulated home router. Header-only, so that the
// gallery brings the dashboard into the same states.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/ui/NavigationController.h"
#include "screens/home/TAVOMyWiFiViewController.h"
#include "screens/home/TAVORootViewController.h"
#include "tests/screens/wifi/WifiScreensFixture.h"
#include "tests/support/screen/AppFixture.h"
#include "uikit/TKTabBarController.h"
#include "widgets/TAVOScreenClassRegistry.h"

namespace keelbox::test::home {

struct Dashboard {
    TAVOMyWiFiViewControllerPtr screen;
    std::shared_ptr<TKTabBarController> tabs;
};

// Puts the dashboard, made by name, in a tab bar pushed over the
// application as it stands.
inline Dashboard pushDashboard(AppFixture& app) {
    Dashboard d;
    // The application's own tab bar: the dashboard first, in its own stack.
    d.tabs = TAVORootViewController::createTabViewControllers();
    if (d.tabs->viewControllers().empty()) return d;
    auto stack = std::dynamic_pointer_cast<ui::NavigationController>(d.tabs->viewControllers().front());
    d.screen = std::dynamic_pointer_cast<TAVOMyWiFiViewController>(stack ? stack->viewControllers().front() : nullptr);
    if (!d.screen) return d;
    app.push(d.tabs);
    app.window()->layoutIfNeeded();
    app.screen().wait(0.1);
    return d;
}

// The application launched on the home router (signed in when asked), the
// dashboard pushed, and its first status answer shown.
inline Dashboard openDashboard(AppFixture& app, bool signedIn = false) {
    if (!wifi::launchOnHomeRouter(app, signedIn)) return {};
    Dashboard d = pushDashboard(app);
    if (!d.screen) return d;
    const bool shown = app.screen().waitUntil([&] { return d.screen->currentConnectDevices() > 0; });
    if (!shown) return {};
    app.peers().waitUntilAnswered();
    app.screen().wait(0.5);
    return d;
}

// The calls of a command that reached the home router so far.
inline std::size_t callCount(AppFixture& app, const std::string& cmd) { return wifi::callsOf(app, cmd).size(); }

}  // namespace keelbox::test::home
