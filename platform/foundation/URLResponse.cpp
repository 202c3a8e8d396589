#include "platform/foundation/URLResponse.h"

namespace ns {

std::shared_ptr<URLResponse> URLResponse::create(URLPtr url, std::optional<std::string> MIMEType,
                                                 std::int64_t expectedContentLength,
                                                 std::optional<std::string> textEncodingName) {
    std::shared_ptr<URLResponse> r(new URLResponse());
    r->url_ = std::move(url);
    r->mimeType_ = std::move(MIMEType);
    r->expectedContentLength_ = expectedContentLength < 0 ? -1 : expectedContentLength;
    r->textEncodingName_ = std::move(textEncodingName);
    return r;
}

std::string URLResponse::suggestedFilename() const {
    if (url_) {
        std::string last = url_->lastPathComponent();
        if (!last.empty() && last != "/") return last;
    }
    return "Unknown";
}

std::string URLResponse::description() const {
    return "<" + className() + ": " + (url_ ? url_->absoluteString() : std::string("(null)")) + ">";
}

}  // namespace ns
