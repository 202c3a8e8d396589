// cc::digest: the platform's one-shot message digests, MD2 to SHA-512.
#pragma once

#include <cstddef>

namespace cc {

enum class DigestAlgorithm { MD2, MD4, MD5, SHA1, SHA224, SHA256, SHA384, SHA512 };

inline constexpr std::size_t kCCMD2DigestLength = 16;
inline constexpr std::size_t kCCMD4DigestLength = 16;
inline constexpr std::size_t kCCMD5DigestLength = 16;
inline constexpr std::size_t kCCSHA1DigestLength = 20;
inline constexpr std::size_t kCCSHA224DigestLength = 28;
inline constexpr std::size_t kCCSHA256DigestLength = 32;
inline constexpr std::size_t kCCSHA384DigestLength = 48;
inline constexpr std::size_t kCCSHA512DigestLength = 64;

std::size_t digestLength(DigestAlgorithm alg);

// Writes digestLength(alg) bytes to md and returns md; nullptr (and nothing
// written) only if OpenSSL cannot provide the algorithm.
unsigned char* digest(DigestAlgorithm alg, const void* data, std::size_t length, unsigned char* md);

}  // namespace cc
