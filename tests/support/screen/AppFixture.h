// The application as it starts on a phone, headless, on the test's virtual
// clock and fresh sandbox, against the emulated peers: the start-up
// services registered, the application delegate's window, root navigation
// and first screen, the phone on the given Wi-Fi (or none) and the given
// account stored from an earlier sign-in (or none). The screen is the
// tall one, 320 x 568 points at scale 2.
//
//   AppFixture app;
//   ASSERT_TRUE(app.launch({.wifi = EmulatedPeers::kHomeWiFi, .storedAccount = "demo"}));
//   app.screen().tapText("Sign in");
//
// Make it inside the test (after the harness gave the test its sandbox);
// destroying it lets the requests still on the wire finish, ends the
// application and stops the peers.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/net/InjectableNetworkInfoSource.h"
#include "platform/ui/ViewController.h"
#include "platform/ui/Window.h"
#include "tests/support/screen/EmulatedPeers.h"
#include "tests/support/screen/ScreenDriver.h"

namespace keelbox::test {

struct LaunchOptions {
    // "ssid,bssid" of the Wi-Fi the phone is on; empty: on no Wi-Fi.
    std::string wifi;
    // The user name (in the peers' account service) whose sign-in the
    // application stored on an earlier run; none: signed out.
    std::optional<std::string> storedAccount;
    // The application's first start (it introduces itself); else it has
    // run before.
    bool firstStart = false;
    // Further deployment values for this run, by variable name.
    std::map<std::string, std::string> deploymentValues;
};

class AppFixture {
public:
    AppFixture();
    ~AppFixture();
    AppFixture(const AppFixture&) = delete;
    AppFixture& operator=(const AppFixture&) = delete;

    // Launches the application; false (with the test failed) when the peers
    // could not start or the launch was refused.
    bool launch(const LaunchOptions& options = {});
    bool launched() const { return launched_; }

    EmulatedPeers& peers() { return peers_; }
    ScreenDriver& screen() { return screen_; }
    // The phone's network; tests may move it to another Wi-Fi.
    sc::InjectableNetworkInfoSource& network() { return *network_; }
    ui::WindowPtr window() const;

    // Lets the launch splash end and waits (real time, for the peers) until
    // the first screen has put the main tabs over itself with a current
    // router; false (with the screen described) when it never did.
    bool reachTabs(double seconds = 20.0);
    // The tabs reached, and the dashboard's poll has brought the current
    // router's status.
    bool reachRouterStatus(double seconds = 20.0);

    // Puts a screen on top of the application's stack, without animation.
    void push(const ui::ViewControllerPtr& screen);

private:
    EmulatedPeers peers_;
    ScreenDriver screen_;
    std::shared_ptr<sc::InjectableNetworkInfoSource> network_;
    bool launched_ = false;
};

}  // namespace keelbox::test
