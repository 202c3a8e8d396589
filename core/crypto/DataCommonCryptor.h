// Fixed-algorithm cipher conveniences on bytes. Each returns the result, or
// nullopt with an error record (domain "CommonCryptoErrorDomain", code = the
// cipher status) stored in *error when one is asked for.
//
//   AES   : PKCS#7, CBC, zero IV; a 16-byte key gives AES-128 (see the key
//           rules in DataLowLevelCommonCryptor.h)
//   DES   : PKCS#7, ECB (the "KeyAndIV" forms pass the key as IV, which ECB
//           does not use, so both forms read each other's output)
//   CAST  : PKCS#7, CBC, zero IV
#pragma once

#include <optional>

#include "core/crypto/CipherKey.h"
#include "platform/foundation/Data.h"
#include "platform/foundation/Error.h"

std::optional<ns::Data> KXAES256EncryptedDataUsingKey(const ns::Data& data, const CipherKey& key,
                                                      ns::ErrorPtr* error = nullptr);
std::optional<ns::Data> KXDecryptedAES256DataUsingKey(const ns::Data& data, const CipherKey& key,
                                                      ns::ErrorPtr* error = nullptr);
std::optional<ns::Data> KXDESEncryptedDataUsingKey(const ns::Data& data, const CipherKey& key,
                                                   ns::ErrorPtr* error = nullptr);
std::optional<ns::Data> KXDecryptedDESDataUsingKey(const ns::Data& data, const CipherKey& key,
                                                   ns::ErrorPtr* error = nullptr);
std::optional<ns::Data> KXDESEncryptedDataUsingKeyAndIV(const ns::Data& data, const CipherKey& key,
                                                        ns::ErrorPtr* error = nullptr);
std::optional<ns::Data> KXDecryptedDESDataUsingKeyAndIV(const ns::Data& data, const CipherKey& key,
                                                        ns::ErrorPtr* error = nullptr);
std::optional<ns::Data> KXCASTEncryptedDataUsingKey(const ns::Data& data, const CipherKey& key,
                                                    ns::ErrorPtr* error = nullptr);
std::optional<ns::Data> KXDecryptedCASTDataUsingKey(const ns::Data& data, const CipherKey& key,
                                                    ns::ErrorPtr* error = nullptr);
