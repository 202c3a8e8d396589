// TAVOEncryptUtility: RSA with the application's embedded public key (the
// command channel wraps its session keys with it).
#pragma once

#include <optional>
#include <string>

#include "platform/foundation/Data.h"

class TAVOEncryptUtility {
public:
    TAVOEncryptUtility() = delete;

    // The bytes encrypted with the embedded public key (PKCS#1 v1.5, one
    // 128-byte block per 117 bytes); nullopt for empty bytes or when the key
    // cannot be read.
    static std::optional<ns::Data> TAVOEncode(const ns::Data& data);
    // Recovers, with the embedded public key, what the private key encrypted
    // (see rsaDecryptWithPublicKeyText). Nothing in the system calls it.
    static std::optional<std::string> TAVORSADecode(const std::string& cipherText);
};
