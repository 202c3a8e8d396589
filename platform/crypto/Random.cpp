#include "platform/crypto/Random.h"

#include <climits>
#include <cstdlib>

#include <openssl/rand.h>

#include "platform/foundation/Log.h"

namespace cc {

CryptorStatus randomGenerateBytes(void* bytes, std::size_t count) {
    auto* out = static_cast<unsigned char*>(bytes);
    while (count > 0) {
        const std::size_t n = count < static_cast<std::size_t>(INT_MAX) ? count : static_cast<std::size_t>(INT_MAX);
        if (RAND_bytes(out, static_cast<int>(n)) != 1) return kCCRNGFailure;
        out += n;
        count -= n;
    }
    return kCCSuccess;
}

std::uint32_t random32() {
    std::uint32_t r = 0;
    if (randomGenerateBytes(&r, sizeof r) != kCCSuccess) {
        ns::logWarning("the random generator failed");
        std::abort();
    }
    return r;
}

}  // namespace cc
