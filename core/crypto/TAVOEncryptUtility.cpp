#include "core/crypto/TAVOEncryptUtility.h"

#include "core/crypto/RSABlocks.h"
#include "core/crypto/RouterPublicKey.h"

std::optional<ns::Data> TAVOEncryptUtility::TAVOEncode(const ns::Data& data) {
    return rsaEncryptWithPublicKeyText(data, routerPublicKeyPEM());
}

std::optional<std::string> TAVOEncryptUtility::TAVORSADecode(const std::string& cipherText) {
    return rsaDecryptWithPublicKeyText(cipherText, routerPublicKeyPEM());
}
