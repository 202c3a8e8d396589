// Hex text <-> bytes for the known-answer tables of the crypto tests.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace keelbox::test {

inline std::vector<std::uint8_t> fromHex(std::string_view hex) {
    std::vector<std::uint8_t> out;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) out.push_back(static_cast<std::uint8_t>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    return out;
}

inline std::string toHex(const std::uint8_t* bytes, std::size_t length) {
    static const char* digits = "0123456789abcdef";
    std::string out;
    for (std::size_t i = 0; i < length; ++i) {
        out += digits[bytes[i] >> 4];
        out += digits[bytes[i] & 15];
    }
    return out;
}

inline std::string toHex(const std::vector<std::uint8_t>& v) { return toHex(v.data(), v.size()); }

inline std::vector<std::uint8_t> bytesOf(std::string_view text) { return {text.begin(), text.end()}; }

}  // namespace keelbox::test
