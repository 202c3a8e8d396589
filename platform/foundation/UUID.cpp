#include "platform/foundation/UUID.h"

#include <openssl/rand.h>

#include <random>

namespace ns {

UUID::UUID() {
    if (RAND_bytes(bytes_.data(), static_cast<int>(bytes_.size())) != 1) {
        // The generator failing is nearly impossible; never hand out zeros.
        std::random_device rd;
        for (auto& b : bytes_) b = static_cast<std::uint8_t>(rd());
    }
    bytes_[6] = static_cast<std::uint8_t>((bytes_[6] & 0x0F) | 0x40);  // version 4
    bytes_[8] = static_cast<std::uint8_t>((bytes_[8] & 0x3F) | 0x80);  // RFC 4122 variant
}

std::optional<UUID> UUID::fromString(std::string_view text) {
    if (text.size() != 36) return std::nullopt;
    std::array<std::uint8_t, 16> bytes{};
    std::size_t b = 0;
    for (std::size_t i = 0; i < text.size();) {
        if (i == 8 || i == 13 || i == 18 || i == 23) {
            if (text[i] != '-') return std::nullopt;
            ++i;
            continue;
        }
        auto hex = [](char c) -> int {
            if (c >= '0' && c <= '9') return c - '0';
            if (c >= 'a' && c <= 'f') return c - 'a' + 10;
            if (c >= 'A' && c <= 'F') return c - 'A' + 10;
            return -1;
        };
        int hi = hex(text[i]);
        int lo = i + 1 < text.size() ? hex(text[i + 1]) : -1;
        if (hi < 0 || lo < 0 || b >= 16) return std::nullopt;
        bytes[b++] = static_cast<std::uint8_t>(hi * 16 + lo);
        i += 2;
    }
    if (b != 16) return std::nullopt;
    return UUID(bytes);
}

std::string UUID::UUIDString() const {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(36);
    for (std::size_t i = 0; i < bytes_.size(); ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) out += '-';
        out += kHex[bytes_[i] >> 4];
        out += kHex[bytes_[i] & 0xF];
    }
    return out;
}

}  // namespace ns
