#include "core/crypto/RandomPrintableBytes.h"

#include "platform/crypto/Random.h"

ns::Data randomPrintableBytes(std::size_t count, std::uint32_t modulus, std::uint8_t offset) {
    ns::Data bytes = ns::Data::withLength(count);
    if (modulus == 0) modulus = 1;
    for (std::size_t i = 0; i < count; ++i)
        bytes.mutableBytes()[i] = static_cast<std::uint8_t>(cc::random32() % modulus + offset);
    return bytes;
}
