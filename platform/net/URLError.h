// Errors of URL loading: NSURLErrorDomain codes with the failing URL and the
// platform's wording.
#pragma once

#include <string>

#include "platform/foundation/Error.h"

namespace ns {

// An NSURLErrorDomain error for `code`, carrying the failing URL (text) under
// NSErrorFailingURLStringKey and NSErrorFailingURLKey, and an underlying
// error when given.
ErrorPtr makeURLError(int code, const std::string& failingURL, ErrorPtr underlying = nullptr);
// The platform's description of a URL error code.
std::string urlErrorDescription(int code);

}  // namespace ns
