#include "core/crypto/ErrorCommonCryptoErrorDomain.h"

#include <string>

namespace {

// The texts are keys of the application's string table; a missing key reads
// as itself, so the English text is what shows until a translation exists.
// TODO(bundle): look the keys up through ns::Bundle once it is available.
std::string localized(const char* key) { return key; }

}  // namespace

ns::ErrorPtr KXErrorWithCCCryptorStatus(cc::CryptorStatus status) {
    const char* description = "Unknown Error";
    const char* reason = nullptr;
    switch (status) {
    case cc::kCCSuccess: description = "Success"; break;
    case cc::kCCParamError:
        description = "Parameter Error";
        reason = "Illegal parameter supplied to encryption/decryption algorithm";
        break;
    case cc::kCCBufferTooSmall:
        description = "Buffer Too Small";
        reason = "Insufficient buffer provided for specified operation";
        break;
    case cc::kCCMemoryFailure:
        description = "Memory Failure";
        reason = "Failed to allocate memory";
        break;
    case cc::kCCAlignmentError:
        description = "Alignment Error";
        reason = "Input size to encryption algorithm was not aligned correctly";
        break;
    case cc::kCCDecodeError:
        description = "Decode Error";
        reason = "Input data did not decode or decrypt correctly";
        break;
    case cc::kCCUnimplemented:
        description = "Unimplemented Function";
        reason = "Function not implemented for the current algorithm";
        break;
    default: break;
    }
    ns::Dictionary userInfo;
    userInfo.set(ns::kLocalizedDescriptionKey, localized(description));
    if (reason) userInfo.set(ns::kLocalizedFailureReasonErrorKey, localized(reason));
    return ns::Error::create(kCommonCryptoErrorDomain, status, std::move(userInfo));
}
