// Writes the reply envelope {"errcode", "errdesc", "vdata"} as JSON text and
// applies a call's body fault to it.
#pragma once

#include <string>

#include "emulator/CallFault.h"
#include "emulator/EmulatedRouterAPI.h"

namespace emulator {

class EnvelopeWriter {
public:
    // The envelope after the fault's code override.
    static std::string envelope(const APIResult& result, const CallFault* fault);
    // The block page the router shows instead of JSON when it keeps a
    // freeloader out.
    static std::string blockPage();
    // An envelope padded (inside "errdesc") to just over 102400 bytes.
    static std::string oversized(const APIResult& result);
};

}  // namespace emulator
