// A fault of one router call (by its "module.call" name), for the calls
// that share one path on the router's local API. Connection-level faults
// (a dropped connection, an HTTP status, a stall) are set per path on the
// service's HttpServer instead.
#pragma once

#include <optional>
#include <string>

namespace emulator {

struct CallFault {
    enum class Body {
        Normal,      // the envelope, encrypted on the local channel
        PlainJSON,   // the envelope as plain JSON even on the local channel
        BlockPage,   // the router's anti-freeloading HTML page
        NotBase64,   // a body that is neither Base64 nor JSON
        JsonArray,   // a JSON array instead of the envelope
        Oversized,   // an envelope whose body is over 102400 bytes
        Empty,       // no body at all
    };
    std::optional<int> errcode;         // answer this code instead
    std::optional<std::string> errdesc; // with this text (none: no "errdesc" key)
    double delaySeconds = 0;            // real seconds before answering
    Body body = Body::Normal;

    static CallFault error(int code, std::optional<std::string> desc = std::nullopt) {
        CallFault f;
        f.errcode = code;
        f.errdesc = std::move(desc);
        return f;
    }
    static CallFault withBody(Body b) {
        CallFault f;
        f.body = b;
        return f;
    }
};

}  // namespace emulator
