// Keyed-hash message authentication of bytes.
#pragma once

#include <optional>

#include "core/crypto/CipherKey.h"
#include "platform/crypto/Hmac.h"
#include "platform/foundation/Data.h"

// The HMAC of the bytes under the key (absent = empty key), as long as the
// algorithm's digest: 16 bytes for MD5, 20 for SHA-1, up to 64 for SHA-512.
// Empty bytes for an unknown algorithm.
ns::Data KXHMACWithAlgorithmKey(const ns::Data& data, cc::HmacAlgorithm alg, const std::optional<CipherKey>& key);
// The same under the empty key.
ns::Data KXHMACWithAlgorithm(const ns::Data& data, cc::HmacAlgorithm alg);
