// What a route does instead of (or on top of) its normal answer. Tests set
// one per route on an emulator::HttpServer to provoke each failure a client
// must survive.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace emulator {

struct Fault {
    std::optional<int> status;               // replaces the status
    std::optional<std::string> contentType;  // replaces the content type
    std::optional<std::string> body;         // replaces the body
    double delayBeforeHead = 0;              // real seconds to wait before the head
    // Declares the full body length, sends this many body bytes, then drops
    // the connection.
    std::optional<std::size_t> closeAfterBodyBytes;
    bool stall = false;   // read the request, never answer (until the client leaves or the server stops)
    bool refuse = false;  // drop the connection without answering
    // Sends the body this many bytes at a time, waiting trickleDelay real
    // seconds between pieces (a slow but live peer).
    std::optional<std::size_t> trickleBytes;
    double trickleDelay = 0;

    static Fault withStatus(int s) { Fault f; f.status = s; return f; }
    static Fault delayed(double seconds) { Fault f; f.delayBeforeHead = seconds; return f; }
    static Fault closingMidBody(std::size_t afterBytes) { Fault f; f.closeAfterBodyBytes = afterBytes; return f; }
    static Fault stalling() { Fault f; f.stall = true; return f; }
    static Fault refusing() { Fault f; f.refuse = true; return f; }
    static Fault trickling(std::size_t bytes, double delay) { Fault f; f.trickleBytes = bytes; f.trickleDelay = delay; return f; }
};

}  // namespace emulator
