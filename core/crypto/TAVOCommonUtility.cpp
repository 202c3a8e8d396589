#include "core/crypto/TAVOCommonUtility.h"

#include "core/crypto/RSABlocks.h"

std::optional<ns::Data> TAVOCommonUtility::encode_string_rsa(const ns::Data& data, const std::string& publicKey) {
    return rsaEncryptWithPublicKeyText(data, publicKey);
}

std::optional<std::string> TAVOCommonUtility::decode_string_rsa(const std::string& cipherText,
                                                                const std::string& publicKey) {
    return rsaDecryptWithPublicKeyText(cipherText, publicKey);
}
