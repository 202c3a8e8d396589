// The cipher service's numbers: statuses, operations, algorithms, options and
// sizes. The values are the platform's, because callers store and compare
// them (a status travels as an error code, an algorithm number as an int).
#pragma once

#include <cstddef>
#include <cstdint>

namespace cc {

using CryptorStatus = std::int32_t;

inline constexpr CryptorStatus kCCSuccess = 0;
inline constexpr CryptorStatus kCCParamError = -4300;
inline constexpr CryptorStatus kCCBufferTooSmall = -4301;
inline constexpr CryptorStatus kCCMemoryFailure = -4302;
inline constexpr CryptorStatus kCCAlignmentError = -4303;
inline constexpr CryptorStatus kCCDecodeError = -4304;
inline constexpr CryptorStatus kCCUnimplemented = -4305;
inline constexpr CryptorStatus kCCRNGFailure = -4307;

using Operation = std::uint32_t;
inline constexpr Operation kCCEncrypt = 0;
inline constexpr Operation kCCDecrypt = 1;

using Algorithm = std::uint32_t;
inline constexpr Algorithm kCCAlgorithmAES = 0;  // AES with a 128-bit block; the key length picks 128/192/256
inline constexpr Algorithm kCCAlgorithmDES = 1;
inline constexpr Algorithm kCCAlgorithm3DES = 2;
inline constexpr Algorithm kCCAlgorithmCAST = 3;
inline constexpr Algorithm kCCAlgorithmRC4 = 4;

using Options = std::uint32_t;
inline constexpr Options kCCOptionPKCS7Padding = 1;
inline constexpr Options kCCOptionECBMode = 2;  // without it the mode is CBC

inline constexpr std::size_t kCCKeySizeAES128 = 16;
inline constexpr std::size_t kCCKeySizeAES192 = 24;
inline constexpr std::size_t kCCKeySizeAES256 = 32;
inline constexpr std::size_t kCCKeySizeDES = 8;
inline constexpr std::size_t kCCKeySize3DES = 24;
inline constexpr std::size_t kCCKeySizeMinCAST = 5;
inline constexpr std::size_t kCCKeySizeMaxCAST = 16;
inline constexpr std::size_t kCCKeySizeMinRC4 = 1;
inline constexpr std::size_t kCCKeySizeMaxRC4 = 512;

inline constexpr std::size_t kCCBlockSizeAES128 = 16;
inline constexpr std::size_t kCCBlockSizeDES = 8;
inline constexpr std::size_t kCCBlockSize3DES = 8;
inline constexpr std::size_t kCCBlockSizeCAST = 8;

}  // namespace cc
