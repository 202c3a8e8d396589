// ns::HTTPURLResponse: the status line and header of an HTTP response.
// Repeated header fields are joined into one value with ", "; lookups by
// name ignore case. The MIME type (lower case), text encoding name and
// expected length come from Content-Type and Content-Length.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/foundation/HTTPHeaderFields.h"
#include "platform/foundation/URLResponse.h"

namespace ns {

class HTTPURLResponse : public URLResponse {
public:
    // The header lines in the order received (pass fields() of an
    // HTTPHeaderFields to reuse one).
    static std::shared_ptr<HTTPURLResponse> create(URLPtr url, int statusCode, std::string HTTPVersion,
                                                   const std::vector<HTTPHeaderFields::Field>& headerLines);

    int statusCode() const { return statusCode_; }
    const std::string& HTTPVersion() const { return version_; }
    const HTTPHeaderFields& allHeaderFields() const { return headers_; }
    std::optional<std::string> valueForHTTPHeaderField(std::string_view field) const { return headers_.value(field); }
    // The file name of Content-Disposition when there is one.
    std::string suggestedFilename() const override;

    // The platform's short reason text ("not found", "internal server
    // error"); codes it does not know read by their class ("client error").
    static std::string localizedStringForStatusCode(int statusCode);

    std::string description() const override;

private:
    HTTPURLResponse() = default;
    int statusCode_ = 0;
    std::string version_;
    HTTPHeaderFields headers_;
};

using HTTPURLResponsePtr = std::shared_ptr<HTTPURLResponse>;

}  // namespace ns
