// The cloud router API, as the emulator plays it: HTTPS (our test PKI) on
// POST /<module>/<call> with a form body (decoded once; a GET carries the
// pairs in its query), answering the plain
// JSON envelope. "qt" must be the ticket of a signed-in account (-1007);
// router calls need a "router_id" that exists (-1100), is online (-1101) and
// is bound to that account (-1102). The account's router list, unbinding,
// the application version and the feedback are answered here; every other
// call goes to the router's model.
#pragma once

#include <map>
#include <mutex>
#include <string>

#include "emulator/CallFault.h"
#include "emulator/EmulatedRouterAPI.h"
#include "emulator/EmulatorState.h"
#include "emulator/HttpServer.h"

namespace emulator {

class CloudRouterService {
public:
    // `identity` is the certificate the service presents (the foreign CA's
    // to play an impostor).
    explicit CloudRouterService(EmulatorStatePtr state, Identity identity = Identity::Server);
    bool start() { return server_.start(); }
    void stop() { server_.stop(); }
    // "https://127.0.0.1:<port>": the cloud base the application is pointed at.
    std::string baseURL() const { return server_.baseURL(); }
    HttpServer& server() { return server_; }

    // Faults by call name ("module.call"); path faults go to server().
    void setCallFault(const std::string& cmd, CallFault fault);
    void clearCallFaults();
    // The newest application version the cloud reports.
    void setLatestAppVersion(int versionCode, std::string versionName);

private:
    void handle(const std::string& cmd, const LoggedRequest& request, Reply& reply);
    APIResult answer(const std::string& cmd, const ns::Dictionary& params);

    EmulatorStatePtr state_;
    HttpServer server_;
    mutable std::mutex mutex_;
    std::map<std::string, CallFault> faults_;
    int latestVersionCode_ = 200;
    std::string latestVersionName_ = "2.0";
};

}  // namespace emulator
