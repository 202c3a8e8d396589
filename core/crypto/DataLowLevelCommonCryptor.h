// The general encryption and decryption of bytes, with the key and IV
// normalisation the rest of the system relies on:
//   AES: keys up to 16 bytes -> 16, 17..24 -> 24, longer -> 32 (cut);
//   DES 8; triple DES 24; CAST up to 4 -> 5, 5..16 kept, longer -> 16;
//   RC4 up to 512 kept, longer -> 512; other algorithms unchanged.
// Keys are zero-padded or cut to that length; a given IV is zero-padded or
// cut to the same length (and never shorter than the cipher's block); an
// absent IV means an all-zero IV.
// Each returns the result bytes, or nullopt with the cipher status stored in
// *status when one is asked for.
#pragma once

#include <optional>

#include "core/crypto/CipherKey.h"
#include "platform/crypto/Cryptor.h"
#include "platform/crypto/CryptorTypes.h"
#include "platform/foundation/Data.h"

std::optional<ns::Data> KXDataEncryptedUsingAlgorithmKeyInitializationVectorOptionsError(
    const ns::Data& data, cc::Algorithm alg, const CipherKey& key, const std::optional<CipherKey>& iv,
    cc::Options options, cc::CryptorStatus* status = nullptr);
std::optional<ns::Data> KXDecryptedDataUsingAlgorithmKeyInitializationVectorOptionsError(
    const ns::Data& data, cc::Algorithm alg, const CipherKey& key, const std::optional<CipherKey>& iv,
    cc::Options options, cc::CryptorStatus* status = nullptr);

// IV absent.
std::optional<ns::Data> KXDataEncryptedUsingAlgorithmKeyOptionsError(const ns::Data& data, cc::Algorithm alg,
                                                                     const CipherKey& key, cc::Options options,
                                                                     cc::CryptorStatus* status = nullptr);
std::optional<ns::Data> KXDecryptedDataUsingAlgorithmKeyOptionsError(const ns::Data& data, cc::Algorithm alg,
                                                                     const CipherKey& key, cc::Options options,
                                                                     cc::CryptorStatus* status = nullptr);

// IV absent, options 0.
std::optional<ns::Data> KXDataEncryptedUsingAlgorithmKeyError(const ns::Data& data, cc::Algorithm alg,
                                                              const CipherKey& key,
                                                              cc::CryptorStatus* status = nullptr);
std::optional<ns::Data> KXDecryptedDataUsingAlgorithmKeyError(const ns::Data& data, cc::Algorithm alg,
                                                              const CipherKey& key,
                                                              cc::CryptorStatus* status = nullptr);

// Runs a created cryptor over all the bytes (one update, then final).
std::optional<ns::Data> runCryptor(const ns::Data& data, cc::Cryptor& cryptor, cc::CryptorStatus* status);
