#include "core/crypto/DataLowLevelCommonCryptor.h"

#include <algorithm>
#include <memory>

namespace {

std::size_t normalisedKeyLength(cc::Algorithm alg, std::size_t length) {
    switch (alg) {
    case cc::kCCAlgorithmAES:
        if (length <= cc::kCCKeySizeAES128) return cc::kCCKeySizeAES128;
        if (length <= cc::kCCKeySizeAES192) return cc::kCCKeySizeAES192;
        return cc::kCCKeySizeAES256;
    case cc::kCCAlgorithmDES: return cc::kCCKeySizeDES;
    case cc::kCCAlgorithm3DES: return cc::kCCKeySize3DES;
    case cc::kCCAlgorithmCAST: return std::clamp(length, cc::kCCKeySizeMinCAST, cc::kCCKeySizeMaxCAST);
    case cc::kCCAlgorithmRC4: return std::min(length, cc::kCCKeySizeMaxRC4);
    default: return length;
    }
}

std::size_t blockSize(cc::Algorithm alg) {
    switch (alg) {
    case cc::kCCAlgorithmAES: return cc::kCCBlockSizeAES128;
    case cc::kCCAlgorithmDES:
    case cc::kCCAlgorithm3DES:
    case cc::kCCAlgorithmCAST: return cc::kCCBlockSizeDES;
    default: return 0;
    }
}

ns::Data resized(ns::Data bytes, std::size_t length) {
    bytes.setLength(length);  // zero-fills when it grows
    return bytes;
}

std::optional<ns::Data> runOperation(cc::Operation op, const ns::Data& data, cc::Algorithm alg, const CipherKey& key,
                                     const std::optional<CipherKey>& iv, cc::Options options,
                                     cc::CryptorStatus* status) {
    const std::size_t keyLength = normalisedKeyLength(alg, key.bytes().length());
    const ns::Data keyBytes = resized(key.bytes(), keyLength);
    // The IV follows the key's length; it is never left shorter than a
    // block, since the cipher reads a whole block of IV (a 5-byte CAST key
    // would otherwise have it read past the IV's end).
    std::optional<ns::Data> ivBytes;
    if (iv) ivBytes = resized(iv->bytes(), std::max(keyLength, blockSize(alg)));

    std::unique_ptr<cc::Cryptor> cryptor;
    const cc::CryptorStatus created = cc::Cryptor::create(op, alg, options, keyBytes.bytes(), keyBytes.length(),
                                                          ivBytes ? ivBytes->bytes() : nullptr, cryptor);
    if (created != cc::kCCSuccess) {
        if (status) *status = created;
        return std::nullopt;
    }
    return runCryptor(data, *cryptor, status);
}

}  // namespace

std::optional<ns::Data> runCryptor(const ns::Data& data, cc::Cryptor& cryptor, cc::CryptorStatus* status) {
    ns::Data out = ns::Data::withLength(cryptor.getOutputLength(data.length(), true));
    std::size_t updated = 0;
    cc::CryptorStatus s = cryptor.update(data.bytes(), data.length(), out.mutableBytes(), out.length(), &updated);
    std::size_t finalised = 0;
    if (s == cc::kCCSuccess)
        s = cryptor.final(out.mutableBytes() + updated, out.length() - updated, &finalised);
    if (s != cc::kCCSuccess) {
        if (status) *status = s;
        return std::nullopt;
    }
    out.setLength(updated + finalised);
    if (status) *status = cc::kCCSuccess;
    return out;
}

std::optional<ns::Data> KXDataEncryptedUsingAlgorithmKeyInitializationVectorOptionsError(
    const ns::Data& data, cc::Algorithm alg, const CipherKey& key, const std::optional<CipherKey>& iv,
    cc::Options options, cc::CryptorStatus* status) {
    return runOperation(cc::kCCEncrypt, data, alg, key, iv, options, status);
}

std::optional<ns::Data> KXDecryptedDataUsingAlgorithmKeyInitializationVectorOptionsError(
    const ns::Data& data, cc::Algorithm alg, const CipherKey& key, const std::optional<CipherKey>& iv,
    cc::Options options, cc::CryptorStatus* status) {
    return runOperation(cc::kCCDecrypt, data, alg, key, iv, options, status);
}

std::optional<ns::Data> KXDataEncryptedUsingAlgorithmKeyOptionsError(const ns::Data& data, cc::Algorithm alg,
                                                                     const CipherKey& key, cc::Options options,
                                                                     cc::CryptorStatus* status) {
    return runOperation(cc::kCCEncrypt, data, alg, key, std::nullopt, options, status);
}

std::optional<ns::Data> KXDecryptedDataUsingAlgorithmKeyOptionsError(const ns::Data& data, cc::Algorithm alg,
                                                                     const CipherKey& key, cc::Options options,
                                                                     cc::CryptorStatus* status) {
    return runOperation(cc::kCCDecrypt, data, alg, key, std::nullopt, options, status);
}

std::optional<ns::Data> KXDataEncryptedUsingAlgorithmKeyError(const ns::Data& data, cc::Algorithm alg,
                                                              const CipherKey& key, cc::CryptorStatus* status) {
    return runOperation(cc::kCCEncrypt, data, alg, key, std::nullopt, 0, status);
}

std::optional<ns::Data> KXDecryptedDataUsingAlgorithmKeyError(const ns::Data& data, cc::Algorithm alg,
                                                              const CipherKey& key, cc::CryptorStatus* status) {
    return runOperation(cc::kCCDecrypt, data, alg, key, std::nullopt, 0, status);
}
