#include "platform/foundation/URLRequest.h"

namespace ns {

URLRequest::URLRequest(URLPtr url, URLRequestCachePolicy cachePolicy, double timeoutInterval)
    : url_(std::move(url)), timeout_(timeoutInterval), cachePolicy_(cachePolicy) {}

bool URLRequest::operator==(const URLRequest& o) const {
    bool sameURL = (!url_ && !o.url_) || (url_ && o.url_ && url_->isEqual(*o.url_));
    return sameURL && method_ == o.method_ && headers_ == o.headers_ && body_ == o.body_ &&
           bodyStream_ == o.bodyStream_ && timeout_ == o.timeout_ && cachePolicy_ == o.cachePolicy_ &&
           handleCookies_ == o.handleCookies_ && usePipelining_ == o.usePipelining_ &&
           networkServiceType_ == o.networkServiceType_;
}

void MutableURLRequest::setHTTPBody(std::optional<Data> body) {
    body_ = std::move(body);
    if (body_) bodyStream_.reset();
}

void MutableURLRequest::setHTTPBodyStream(std::shared_ptr<InputStream> stream) {
    bodyStream_ = std::move(stream);
    if (bodyStream_) body_.reset();
}

}  // namespace ns
