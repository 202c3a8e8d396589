// The application's peers played in this process on loopback ports, as
// keelbox-emulator plays them for the program: the account service, the
// router on the home network and the cloud router API over one shared
// state. The household is the demo one: the account "demo" (password
// "keelbox123") owning R1, the router at home (its access point is
// kHomeWiFi), and R2, reached only through the cloud. Tests change the
// state, add accounts and set faults before or after the application runs.
//
// While started, the deployment values point the application at these
// peers; stopping (or destroying) puts the earlier values back.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "emulator/AccountService.h"
#include "emulator/CloudRouterService.h"
#include "emulator/EmulatorState.h"
#include "emulator/RouterLocalService.h"

namespace keelbox::test {

class EmulatedPeers {
public:
    static constexpr const char* kDemoUser = "demo";
    static constexpr const char* kDemoPassword = "keelbox123";
    static constexpr const char* kHomeRouter = "R1";
    static constexpr const char* kCloudRouter = "R2";
    // "ssid,bssid" of the home router's access point.
    static constexpr const char* kHomeWiFi = "Keelbox-Home,aa:bb:cc:00:00:01";
    // The version code of the application as built (its "VersionCode").
    static constexpr int kCurrentAppVersionCode = 100;

    EmulatedPeers();
    ~EmulatedPeers();
    EmulatedPeers(const EmulatedPeers&) = delete;
    EmulatedPeers& operator=(const EmulatedPeers&) = delete;

    bool start();
    void stop();

    emulator::EmulatorState& state() { return *state_; }
    emulator::AccountService& accounts() { return *accounts_; }
    emulator::RouterLocalService& router() { return *router_; }
    emulator::CloudRouterService& cloud() { return *cloud_; }

    // Signs the account in at the service, as a sign-in on another run of
    // the application did: the session cookies it would have stored.
    std::optional<emulator::Account> signIn(const std::string& userName);

    // Waits (real time) until every peer has answered what it was sent, so a
    // test looks at the screen only after the answers left; false when one
    // is still held after the time-out (a fault's delay, say).
    bool waitUntilAnswered(double seconds = 20.0);

    // Sets a deployment value for this run (restored on stop).
    void setDeploymentValue(const std::string& variable, const std::string& value);

private:
    emulator::EmulatorStatePtr state_;
    std::unique_ptr<emulator::AccountService> accounts_;
    std::unique_ptr<emulator::RouterLocalService> router_;
    std::unique_ptr<emulator::CloudRouterService> cloud_;
    // The values replaced, to put back: none when the variable was unset.
    std::map<std::string, std::optional<std::string>> replaced_;
    bool started_ = false;
};

}  // namespace keelbox::test
