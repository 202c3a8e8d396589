#include "platform/net/URLError.h"

namespace ns {

std::string urlErrorDescription(int code) {
    switch (code) {
        case kURLErrorCancelled: return "cancelled";
        case kURLErrorBadURL: return "bad URL";
        case kURLErrorUnsupportedURL: return "unsupported URL";
        case kURLErrorTimedOut: return "The request timed out.";
        case kURLErrorCannotFindHost: return "A server with the specified hostname could not be found.";
        case kURLErrorCannotConnectToHost: return "Could not connect to the server.";
        case kURLErrorNetworkConnectionLost: return "The network connection was lost.";
        case kURLErrorNotConnectedToInternet: return "The Internet connection appears to be offline.";
        case kURLErrorBadServerResponse: return "The server returned a bad response.";
        case kURLErrorSecureConnectionFailed:
            return "An SSL error has occurred and a secure connection to the server cannot be made.";
        case kURLErrorServerCertificateUntrusted: return "The certificate for this server is invalid.";
        case kURLErrorCannotCreateFile: return "The file could not be created.";
        case kURLErrorCannotWriteToFile: return "The file could not be written.";
        default: return {};
    }
}

ErrorPtr makeURLError(int code, const std::string& failingURL, ErrorPtr underlying) {
    Dictionary info;
    if (auto text = urlErrorDescription(code); !text.empty()) info.set(kLocalizedDescriptionKey, text);
    if (!failingURL.empty()) {
        info.set(kURLErrorFailingURLErrorKey, failingURL);
        info.set(kURLErrorFailingURLStringErrorKey, failingURL);
    }
    if (underlying) info.set(kUnderlyingErrorKey, Value(underlying));
    return Error::create(kURLErrorDomain, code, std::move(info));
}

}  // namespace ns
