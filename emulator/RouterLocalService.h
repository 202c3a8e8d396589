// The router's own API on the home network, as the emulator plays it: POST
// /home1/ (or GET, the pairs then in the query) with the form fields "data"
// (the AES-encrypted JSON call) and "key" (the session key wrapped with the
// router's RSA key). Replies are the
// Base64 of the envelope encrypted under the same session key. "login.login"
// checks the admin password (-1010 with the failed count, -1018 once five
// have failed) and issues a ticket; "init.check" needs none; every other call
// needs a ticket the router issued (-1021). "device.bind" binds the router to
// the account of the "qt" it carries.
#pragma once

#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "emulator/CallFault.h"
#include "emulator/EmulatedRouterAPI.h"
#include "emulator/RouterCommandInterface.h"
#include "emulator/EmulatorState.h"
#include "emulator/HttpServer.h"

namespace emulator {

class RouterLocalService {
public:
    struct DecodedCall {
        std::string cmd;
        ns::Dictionary params;  // the decrypted JSON body
        std::string sessionKey;
    };

    // Plays the state's local router (EmulatorState::localRouterId()).
    explicit RouterLocalService(EmulatorStatePtr state);
    bool start() { return server_.start(); }
    void stop() { server_.stop(); }
    // "127.0.0.1:<port>": the router host the application is pointed at.
    std::string host() const { return "127.0.0.1:" + std::to_string(server_.port()); }
    HttpServer& server() { return server_; }
    // The command interface beside the numbered API (USB disk included).
    RouterCommandInterface& commands() { return commands_; }

    void setCallFault(const std::string& cmd, CallFault fault);
    void clearCallFaults();
    // Every call that could be decrypted, in order of arrival.
    std::vector<DecodedCall> calls() const;

private:
    void handle(const LoggedRequest& request, Reply& reply);
    APIResult answer(const std::string& cmd, const ns::Dictionary& params,
                     const std::optional<FormPart>& file = std::nullopt,
                     const std::optional<std::string>& contentRange = std::nullopt);
    bool hasValidTicket(const ns::Dictionary& params) const;

    EmulatorStatePtr state_;
    HttpServer server_;
    mutable std::mutex mutex_;
    std::map<std::string, CallFault> faults_;
    std::vector<DecodedCall> calls_;
    unsigned ticketSerial_ = 0;
    RouterCommandInterface commands_;
};

}  // namespace emulator
