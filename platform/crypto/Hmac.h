// cc::hmac: the platform's one-shot keyed-hash message authentication (CCHmac).
#pragma once

#include <cstddef>
#include <cstdint>

namespace cc {

using HmacAlgorithm = std::uint32_t;
inline constexpr HmacAlgorithm kCCHmacAlgSHA1 = 0;
inline constexpr HmacAlgorithm kCCHmacAlgMD5 = 1;
inline constexpr HmacAlgorithm kCCHmacAlgSHA256 = 2;
inline constexpr HmacAlgorithm kCCHmacAlgSHA384 = 3;
inline constexpr HmacAlgorithm kCCHmacAlgSHA512 = 4;
inline constexpr HmacAlgorithm kCCHmacAlgSHA224 = 5;

// The MAC length of an algorithm (the digest length); 0 for an unknown one.
std::size_t hmacLength(HmacAlgorithm alg);

// Writes hmacLength(alg) bytes to macOut. False (nothing written) for an
// unknown algorithm or an OpenSSL failure. A null key means an empty key.
bool hmac(HmacAlgorithm alg, const void* key, std::size_t keyLength, const void* data, std::size_t dataLength,
          unsigned char* macOut);

}  // namespace cc
