// Randomness for keys and nonces: OpenSSL's cryptographically secure
// generator (RAND_bytes), never a seeded arithmetic generator.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/crypto/CryptorTypes.h"

namespace cc {

// Fills bytes with random bytes (CCRandomGenerateBytes); kCCRNGFailure when
// the generator cannot deliver (nothing usable is left in bytes then).
CryptorStatus randomGenerateBytes(void* bytes, std::size_t count);

// A uniformly random 32-bit number from the same generator (the platform's
// arc4random). Aborts if the generator fails: a key made of predictable
// numbers would be worse than no key.
std::uint32_t random32();

}  // namespace cc
