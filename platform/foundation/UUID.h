// ns::UUID: a 128-bit universally unique identifier, as a value. A new one is
// random (version 4, from OpenSSL's generator); its text is upper case
// ("E621E1F8-C36C-495A-93FC-0C247A3E6E5F").
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ns {

class UUID {
public:
    // A fresh random UUID.
    UUID();
    // Nothing unless the text is 8-4-4-4-12 hex digits (either case).
    static std::optional<UUID> fromString(std::string_view text);

    std::string UUIDString() const;
    const std::array<std::uint8_t, 16>& bytes() const { return bytes_; }

    bool operator==(const UUID& o) const { return bytes_ == o.bytes_; }
    bool operator!=(const UUID& o) const { return bytes_ != o.bytes_; }

private:
    explicit UUID(std::array<std::uint8_t, 16> bytes) : bytes_(bytes) {}
    std::array<std::uint8_t, 16> bytes_{};
};

}  // namespace ns
