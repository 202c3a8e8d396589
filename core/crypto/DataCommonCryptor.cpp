#include "core/crypto/DataCommonCryptor.h"

#include "core/crypto/DataLowLevelCommonCryptor.h"
#include "core/crypto/ErrorCommonCryptoErrorDomain.h"

namespace {

std::optional<ns::Data> run(cc::Operation op, const ns::Data& data, cc::Algorithm alg, const CipherKey& key,
                            const std::optional<CipherKey>& iv, cc::Options options, ns::ErrorPtr* error) {
    cc::CryptorStatus status = cc::kCCSuccess;
    auto result = op == cc::kCCEncrypt
                      ? KXDataEncryptedUsingAlgorithmKeyInitializationVectorOptionsError(data, alg, key, iv, options,
                                                                                        &status)
                      : KXDecryptedDataUsingAlgorithmKeyInitializationVectorOptionsError(data, alg, key, iv, options,
                                                                                        &status);
    if (!result && error) *error = KXErrorWithCCCryptorStatus(status);
    return result;
}

constexpr cc::Options kPKCS7ECB = cc::kCCOptionPKCS7Padding | cc::kCCOptionECBMode;

}  // namespace

std::optional<ns::Data> KXAES256EncryptedDataUsingKey(const ns::Data& data, const CipherKey& key, ns::ErrorPtr* error) {
    return run(cc::kCCEncrypt, data, cc::kCCAlgorithmAES, key, std::nullopt, cc::kCCOptionPKCS7Padding, error);
}

std::optional<ns::Data> KXDecryptedAES256DataUsingKey(const ns::Data& data, const CipherKey& key, ns::ErrorPtr* error) {
    return run(cc::kCCDecrypt, data, cc::kCCAlgorithmAES, key, std::nullopt, cc::kCCOptionPKCS7Padding, error);
}

std::optional<ns::Data> KXDESEncryptedDataUsingKey(const ns::Data& data, const CipherKey& key, ns::ErrorPtr* error) {
    return run(cc::kCCEncrypt, data, cc::kCCAlgorithmDES, key, std::nullopt, kPKCS7ECB, error);
}

std::optional<ns::Data> KXDecryptedDESDataUsingKey(const ns::Data& data, const CipherKey& key, ns::ErrorPtr* error) {
    return run(cc::kCCDecrypt, data, cc::kCCAlgorithmDES, key, std::nullopt, kPKCS7ECB, error);
}

std::optional<ns::Data> KXDESEncryptedDataUsingKeyAndIV(const ns::Data& data, const CipherKey& key,
                                                        ns::ErrorPtr* error) {
    return run(cc::kCCEncrypt, data, cc::kCCAlgorithmDES, key, key, kPKCS7ECB, error);
}

std::optional<ns::Data> KXDecryptedDESDataUsingKeyAndIV(const ns::Data& data, const CipherKey& key,
                                                        ns::ErrorPtr* error) {
    return run(cc::kCCDecrypt, data, cc::kCCAlgorithmDES, key, key, kPKCS7ECB, error);
}

std::optional<ns::Data> KXCASTEncryptedDataUsingKey(const ns::Data& data, const CipherKey& key, ns::ErrorPtr* error) {
    return run(cc::kCCEncrypt, data, cc::kCCAlgorithmCAST, key, std::nullopt, cc::kCCOptionPKCS7Padding, error);
}

std::optional<ns::Data> KXDecryptedCASTDataUsingKey(const ns::Data& data, const CipherKey& key, ns::ErrorPtr* error) {
    return run(cc::kCCDecrypt, data, cc::kCCAlgorithmCAST, key, std::nullopt, cc::kCCOptionPKCS7Padding, error);
}
