// Error records for cipher statuses.
#pragma once

#include "platform/crypto/CryptorTypes.h"
#include "platform/foundation/Error.h"

inline constexpr const char* kCommonCryptoErrorDomain = "CommonCryptoErrorDomain";

// An error of domain "CommonCryptoErrorDomain" whose code is the status, with
// a localized description and, for the known failures, a failure reason.
ns::ErrorPtr KXErrorWithCCCryptorStatus(cc::CryptorStatus status);
