// Every call of the router API ("module.call"), over one router's model: the
// router's local API and the cloud router API both answer through it, so a
// change made on one channel shows on the other.
#pragma once

#include <string>
#include <vector>

#include "emulator/EmulatorState.h"

namespace emulator {

struct APIResult {
    int errcode = 0;
    std::string errdesc;
    ns::Value vdata;  // nil: the envelope has no "vdata"
};

class EmulatedRouterAPI {
public:
    // Runs a router call on the router (under the state's lock). Unknown
    // calls answer -502 ("not supported").
    static APIResult call(EmulatorState& state, const std::string& routerId, const std::string& cmd, const ns::Dictionary& params);
    // Whether a router call of that name exists.
    static bool knows(const std::string& cmd);
    // Every call name the router answers.
    static std::vector<std::string> calls();
};

}  // namespace emulator
