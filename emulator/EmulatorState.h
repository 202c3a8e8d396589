// The state every emulated peer shares: the signed-in accounts of the account
// service (with the "qt" tickets the cloud checks), the routers bound to each
// account, and each router's own model (admin password, local-API tickets,
// devices and settings). The account service, the cloud router API and the
// router's local API all read and write the one object, from their server
// threads; every access takes the state's lock.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/foundation/Value.h"

namespace emulator {
class AccountDirectory;
}

namespace emulator {

struct EmulatedRouter {
    std::string routerId;        // the cloud's "router_id"
    std::string name = "Keelbox Router";
    std::string mac;             // upper-case, colon-separated
    std::string romVersion = "1.0.0";
    std::string adminPassword = "admin1234";
    bool initialised = true;     // the router has been set up (init.check)
    bool online = true;          // the cloud can reach it
    int failedLogins = 0;        // wrong admin passwords in a row (locked at five)
    std::set<std::string> tickets;  // local-API tickets issued by login.login
    // Set: the router's speeds, speed history and visitors move with the
    // time of day (see RouterTraffic); unset: they stay as the model says.
    std::optional<std::uint64_t> trafficSeed;
    // Everything else the router API reads and writes, keyed as the wire
    // names it: "devices", "guests", "blacklist" (arrays of device objects),
    // "wifi_2g", "wifi_5g", "switches", "wifi_timer", ... (see EmulatedRouterModel).
    ns::Dictionary model;
};

struct EmulatedAccount {
    std::string userId;
    std::string qt;  // the ticket the account service issued at sign-in
    std::vector<std::string> routerIds;
};

class EmulatorState {
public:
    static std::shared_ptr<EmulatorState> create() { return std::shared_ptr<EmulatorState>(new EmulatorState()); }

    // --- Accounts ------------------------------------------------------
    // Registers (or refreshes) a signed-in account with its ticket; an
    // earlier ticket of the same account stops being valid.
    void signIn(const std::string& userId, const std::string& qt);
    void signOut(const std::string& qt);
    // The account a ticket belongs to, or none when nobody holds it: an
    // account signed in here, else one signed in at the account service's
    // directory (by its qid), when one is attached.
    std::optional<std::string> accountForTicket(const std::string& qt) const;
    // Shares the account service's accounts with the cloud.
    void attachAccountDirectory(std::shared_ptr<AccountDirectory> directory);
    std::optional<EmulatedAccount> account(const std::string& userId) const;
    // Binding: a router appears in (or leaves) the account's router list.
    void bindRouter(const std::string& userId, const std::string& routerId);
    bool unbindRouter(const std::string& userId, const std::string& routerId);
    std::vector<std::string> routerIdsOfAccount(const std::string& userId) const;

    // --- Routers -------------------------------------------------------
    // Adds or replaces a router; the first router added is the one on the
    // home network unless setLocalRouterId says otherwise.
    void addRouter(EmulatedRouter router);
    bool hasRouter(const std::string& routerId) const;
    // A copy of the router, or none.
    std::optional<EmulatedRouter> router(const std::string& routerId) const;
    // Runs `change` on the router under the lock; false when there is none.
    bool withRouter(const std::string& routerId, const std::function<void(EmulatedRouter&)>& change);
    std::vector<std::string> routerIds() const;
    std::string localRouterId() const;
    void setLocalRouterId(const std::string& routerId);

private:
    EmulatorState() = default;
    mutable std::mutex mutex_;
    std::vector<EmulatedAccount> accounts_;
    std::shared_ptr<AccountDirectory> directory_;
    std::vector<EmulatedRouter> routers_;
    std::string localRouterId_;
};

using EmulatorStatePtr = std::shared_ptr<EmulatorState>;

}  // namespace emulator
