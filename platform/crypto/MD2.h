// cc::MD2: the MD2 message digest (RFC 1319), computed here because
// OpenSSL 3 no longer carries it. Kept only for the platform's digest set;
// MD2 is broken and must not protect anything.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace cc {

class MD2 {
public:
    static constexpr std::size_t kDigestLength = 16;

    MD2() = default;
    void update(const void* data, std::size_t length);
    // Writes the 16-byte digest; the object is spent afterwards.
    void final(unsigned char* digestOut);

private:
    static constexpr std::size_t kBlock = 16;
    void processBlock(const std::uint8_t* block);

    std::array<std::uint8_t, 48> state_{};     // X of the RFC
    std::array<std::uint8_t, kBlock> checksum_{};
    std::uint8_t lastChecksumByte_ = 0;          // L of the RFC
    std::array<std::uint8_t, kBlock> buffer_{};
    std::size_t buffered_ = 0;
};

}  // namespace cc
