// ns::URLResponse: what a server said about a resource before its body: the
// URL, the MIME type and text encoding, and the expected length.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/foundation/URL.h"

namespace ns {

class URLResponse : public Object {
public:
    static std::shared_ptr<URLResponse> create(URLPtr url, std::optional<std::string> MIMEType,
                                               std::int64_t expectedContentLength,
                                               std::optional<std::string> textEncodingName);

    const URLPtr& url() const { return url_; }
    const std::optional<std::string>& MIMEType() const { return mimeType_; }
    // -1 when unknown.
    std::int64_t expectedContentLength() const { return expectedContentLength_; }
    const std::optional<std::string>& textEncodingName() const { return textEncodingName_; }
    // A file name for the body: the URL's last path component, else "Unknown".
    virtual std::string suggestedFilename() const;

    std::string description() const override;

protected:
    URLResponse() = default;
    URLPtr url_;
    std::optional<std::string> mimeType_;
    std::int64_t expectedContentLength_ = -1;
    std::optional<std::string> textEncodingName_;
};

using URLResponsePtr = std::shared_ptr<URLResponse>;

}  // namespace ns
