#include "core/crypto/TAVOCommonUtility.h"

#include "core/crypto/RSABlocks.h"

#include <cstdint>

std::optional<ns::Data> TAVOCommonUtility::encode_string_rsa(const ns::Data& data, const std::string& publicKey) {
    return rsaEncryptWithPublicKeyText(data, publicKey);
}

std::optional<std::string> TAVOCommonUtility::decode_string_rsa(const std::string& cipherText,
                                                                const std::string& publicKey) {
    return rsaDecryptWithPublicKeyText(cipherText, publicKey);
}

ns::Data TAVOCommonUtility::getTAVOValue(const std::string& seed) {
    ns::Data key = ns::Data::fromString(seed);
    std::uint8_t* bytes = key.mutableBytes();
    for (std::size_t i = 0; i < key.length(); ++i) {
        bytes[i] = static_cast<std::uint8_t>(((bytes[i] + 0xE0) ^ 0x05) + 0x20);
    }
    return key;
}
