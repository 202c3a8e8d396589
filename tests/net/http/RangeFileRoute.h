// A route serving a generated file of any size with single byte ranges
// ("bytes=a-b", "bytes=a-"), as a download server does: 206 with
// Content-Range for a range, 200 with the whole body otherwise (or always,
// when told to ignore ranges).
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "emulator/HttpServer.h"

namespace keelbox::test {

// The byte at `offset` of the generated file.
inline char generatedByte(std::uint64_t offset) { return static_cast<char>((offset * 31 + 7) % 251); }

inline void addRangeFileRoute(emulator::HttpServer& server, const std::string& path, std::uint64_t size,
                              bool ignoreRanges = false) {
    server.route("GET", path, [size, ignoreRanges](const emulator::LoggedRequest& request, emulator::Reply& reply) {
        std::uint64_t first = 0, last = size - 1;
        auto range = request.header("Range");
        bool ranged = false;
        if (range && !ignoreRanges) {
            unsigned long long a = 0, b = 0;
            int n = std::sscanf(range->c_str(), "bytes=%llu-%llu", &a, &b);
            if (n >= 1 && a < size) {
                ranged = true;
                first = a;
                if (n == 2 && b < size) last = b;
            }
        }
        reply.status = ranged ? 206 : 200;
        reply.contentType = "application/octet-stream";
        if (ranged)
            reply.headers.emplace_back("Content-Range", "bytes " + std::to_string(first) + "-" + std::to_string(last) +
                                                            "/" + std::to_string(size));
        reply.streamLength = last - first + 1;
        reply.streamFill = [first](std::uint64_t offset, char* out, std::size_t length) {
            for (std::size_t i = 0; i < length; ++i) out[i] = generatedByte(first + offset + i);
        };
    });
}

}  // namespace keelbox::test
