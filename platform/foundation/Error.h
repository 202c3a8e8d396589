// ns::Error: the platform's error object: a domain, a code and user info.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

namespace ns {

// Domains.
inline constexpr const char* kURLErrorDomain = "NSURLErrorDomain";
inline constexpr const char* kCocoaErrorDomain = "NSCocoaErrorDomain";
inline constexpr const char* kPOSIXErrorDomain = "NSPOSIXErrorDomain";
inline constexpr const char* kOSStatusErrorDomain = "NSOSStatusErrorDomain";

// User-info keys.
inline constexpr const char* kLocalizedDescriptionKey = "NSLocalizedDescription";
inline constexpr const char* kLocalizedFailureReasonErrorKey = "NSLocalizedFailureReason";
inline constexpr const char* kUnderlyingErrorKey = "NSUnderlyingError";
inline constexpr const char* kURLErrorFailingURLErrorKey = "NSErrorFailingURLKey";
inline constexpr const char* kURLErrorFailingURLStringErrorKey = "NSErrorFailingURLStringKey";
inline constexpr const char* kFilePathErrorKey = "NSFilePath";

// URL-loading error codes (kURLErrorDomain).
enum URLErrorCode : int {
    kURLErrorUnknown = -1,
    kURLErrorCancelled = -999,
    kURLErrorBadURL = -1000,
    kURLErrorTimedOut = -1001,
    kURLErrorUnsupportedURL = -1002,
    kURLErrorCannotFindHost = -1003,
    kURLErrorCannotConnectToHost = -1004,
    kURLErrorNetworkConnectionLost = -1005,
    kURLErrorDNSLookupFailed = -1006,
    kURLErrorHTTPTooManyRedirects = -1007,
    kURLErrorResourceUnavailable = -1008,
    kURLErrorNotConnectedToInternet = -1009,
    kURLErrorBadServerResponse = -1011,
    kURLErrorUserCancelledAuthentication = -1012,
    kURLErrorUserAuthenticationRequired = -1013,
    kURLErrorZeroByteResource = -1014,
    kURLErrorCannotDecodeRawData = -1015,
    kURLErrorCannotDecodeContentData = -1016,
    kURLErrorCannotParseResponse = -1017,
    kURLErrorFileDoesNotExist = -1100,
    kURLErrorNoPermissionsToReadFile = -1102,
    kURLErrorSecureConnectionFailed = -1200,
    kURLErrorServerCertificateUntrusted = -1202,
    kURLErrorCannotCreateFile = -3000,
    kURLErrorCannotWriteToFile = -3003,
};

class Error : public Object {
public:
    static std::shared_ptr<Error> create(std::string domain, std::int64_t code, Dictionary userInfo = {});
    // Shorthand: an error whose user info holds only a localized description.
    static std::shared_ptr<Error> withDescription(std::string domain, std::int64_t code, std::string description);

    const std::string& domain() const { return domain_; }
    std::int64_t code() const { return code_; }
    const Dictionary& userInfo() const { return userInfo_; }

    // userInfo[NSLocalizedDescription], or the platform's generic text
    // "The operation couldn’t be completed. (<domain> error <code>.)".
    std::string localizedDescription() const;
    std::string localizedFailureReason() const;
    // userInfo[NSUnderlyingError] when it is an error.
    std::shared_ptr<Error> underlyingError() const;

    std::string description() const override;
    bool isEqual(const Object& other) const override;

protected:
    Error(std::string domain, std::int64_t code, Dictionary userInfo)
        : domain_(std::move(domain)), code_(code), userInfo_(std::move(userInfo)) {}

private:
    std::string domain_;
    std::int64_t code_;
    Dictionary userInfo_;
};

using ErrorPtr = std::shared_ptr<Error>;

}  // namespace ns
