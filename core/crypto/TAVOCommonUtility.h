// TAVOCommonUtility: class operations the screens and engines share.
// This header holds its RSA operations; the class's other operations join it
// here as they are built.
#pragma once

#include <optional>
#include <string>

#include "platform/foundation/Data.h"

class TAVOCommonUtility {
public:
    TAVOCommonUtility() = delete;

    // The bytes encrypted with the given PEM public key (PKCS#1 v1.5);
    // nullopt for empty bytes, empty or unreadable key text. Local requests
    // pass routerPublicKeyPEM().
    static std::optional<ns::Data> encode_string_rsa(const ns::Data& data, const std::string& publicKey);
    // Recovers, with the given public key, what the private key encrypted
    // (see rsaDecryptWithPublicKeyText). Nothing in the system calls it.
    static std::optional<std::string> decode_string_rsa(const std::string& cipherText, const std::string& publicKey);

    // A DES key derived from a seed text kept by its caller, so that the key
    // itself is never stored: one byte per UTF-8 byte of the seed, each
    // turned by a fixed arithmetic. Works on a buffer of its own for every
    // call (callers on several threads never share one) and takes seeds of
    // any length. Empty seed, empty key.
    static ns::Data getTAVOValue(const std::string& seed);
};
