#include "core/crypto/ErrorCommonCryptoErrorDomain.h"

#include <string>

#include "platform/foundation/Bundle.h"

namespace {

// The English texts are keys of the application's main string table; a
// missing key reads as itself.
std::string localized(const char* key) { return ns::Bundle::mainBundle()->localizedString(key, "", ""); }

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
