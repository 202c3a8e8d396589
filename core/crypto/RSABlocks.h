// RSA with PKCS#1 v1.5 padding over a key read from PEM text, in blocks:
// plain blocks of at most k - 11 bytes, cipher blocks of exactly k bytes
// (k = the modulus size, 128 for a 1024-bit key).
//
// Keys are read afresh for every call and owned by the call, so any number
// of threads may wrap keys at once without sharing or locking anything.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <openssl/evp.h>

#include "platform/foundation/Data.h"

struct RSAKeyFree {
    void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
};
using RSAKey = std::unique_ptr<EVP_PKEY, RSAKeyFree>;

enum RSAKeyKind { kRSAPrivateKey = 0, kRSAPublicKey = 1, kRSACertificate = 2 };

// Reads an RSA key from PEM text: a private key, a "PUBLIC KEY" block, or an
// X.509 certificate whose public key is taken. Text of any length is read.
// A null key (with a warning and OpenSSL's reasons logged) when the text
// holds no such key or the key is not RSA.
RSAKey createRSAFromPEM(std::string_view keyText, RSAKeyKind kind);

// Encrypts with the public key, block by block; the result holds k bytes per
// block (sized from the key, not from a fixed area). False when a block
// fails. Empty input succeeds with no bytes.
bool rsaEncryptBlocks(EVP_PKEY* key, const std::uint8_t* data, std::size_t length, std::vector<std::uint8_t>& result);

// Recovers what the private key encrypted, using the public key: the input
// is cut into k-byte blocks (a shorter remainder forms a last block) and the
// recovered pieces are joined. False when a block yields nothing.
bool rsaDecryptBlocks(EVP_PKEY* key, const std::uint8_t* data, std::size_t length, std::vector<std::uint8_t>& result);

// The public-key encryption every caller wants: read the "PUBLIC KEY" text
// (a second attempt when the first fails, as the key reading always did) and
// encrypt the bytes. nullopt for empty bytes, empty or unreadable key text,
// or a failed block.
std::optional<ns::Data> rsaEncryptWithPublicKeyText(const ns::Data& data, std::string_view keyText);

// The decrypting counterpart: the cipher bytes are those of the text without
// its last byte; the recovered bytes are read as ASCII text up to the first
// zero byte. nullopt on any failure or non-ASCII result.
std::optional<std::string> rsaDecryptWithPublicKeyText(const std::string& cipherText, std::string_view keyText);
