// ns::URLRequest: the description of one HTTP request, as a value. Copying
// a request is the platform's copy; MutableURLRequest adds the setters, so a
// mutable copy is `MutableURLRequest copy(request)`.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/Data.h"
#include "platform/foundation/HTTPHeaderFields.h"
#include "platform/foundation/URL.h"

namespace ns {

class InputStream;

// The platform's cache policy numbers.
enum URLRequestCachePolicy : unsigned {
    kURLRequestUseProtocolCachePolicy = 0,
    kURLRequestReloadIgnoringLocalCacheData = 1,
    kURLRequestReturnCacheDataElseLoad = 2,
    kURLRequestReturnCacheDataDontLoad = 3,
    kURLRequestReloadIgnoringLocalAndRemoteCacheData = 4,
    kURLRequestReloadRevalidatingCacheData = 5,
};

class URLRequest {
public:
    static constexpr double kDefaultTimeoutInterval = 60.0;

    URLRequest() = default;
    explicit URLRequest(URLPtr url, URLRequestCachePolicy cachePolicy = kURLRequestUseProtocolCachePolicy,
                        double timeoutInterval = kDefaultTimeoutInterval);

    const URLPtr& url() const { return url_; }
    // "GET" unless set.
    const std::string& HTTPMethod() const { return method_; }
    const HTTPHeaderFields& allHTTPHeaderFields() const { return headers_; }
    std::optional<std::string> valueForHTTPHeaderField(std::string_view field) const { return headers_.value(field); }
    // Absent when the request has no body (an empty body is a body).
    const std::optional<Data>& HTTPBody() const { return body_; }
    const std::shared_ptr<InputStream>& HTTPBodyStream() const { return bodyStream_; }
    double timeoutInterval() const { return timeout_; }
    URLRequestCachePolicy cachePolicy() const { return cachePolicy_; }
    bool HTTPShouldHandleCookies() const { return handleCookies_; }
    bool HTTPShouldUsePipelining() const { return usePipelining_; }
    unsigned networkServiceType() const { return networkServiceType_; }

    // Same URL, method, headers, body, stream and settings.
    bool operator==(const URLRequest& other) const;
    bool operator!=(const URLRequest& other) const { return !(*this == other); }

protected:
    URLPtr url_;
    std::string method_ = "GET";
    HTTPHeaderFields headers_;
    std::optional<Data> body_;
    std::shared_ptr<InputStream> bodyStream_;
    double timeout_ = kDefaultTimeoutInterval;
    URLRequestCachePolicy cachePolicy_ = kURLRequestUseProtocolCachePolicy;
    bool handleCookies_ = true;
    bool usePipelining_ = false;
    unsigned networkServiceType_ = 0;
};

class MutableURLRequest : public URLRequest {
public:
    using URLRequest::URLRequest;
    MutableURLRequest() = default;
    MutableURLRequest(const URLRequest& request) : URLRequest(request) {}

    void setURL(URLPtr url) { url_ = std::move(url); }
    // An empty method restores "GET".
    void setHTTPMethod(std::string method) { method_ = method.empty() ? "GET" : std::move(method); }
    // Sets or (with nothing) removes a header; names compare without case.
    void setValue(std::optional<std::string> value, std::string_view field) { headers_.set(field, std::move(value)); }
    // Appends to an existing value after a comma.
    void addValue(std::string_view value, std::string_view field) { headers_.add(field, value, ","); }
    void setAllHTTPHeaderFields(HTTPHeaderFields fields) { headers_ = std::move(fields); }
    void setAllHTTPHeaderFields(const Dictionary& fields) { headers_ = HTTPHeaderFields::fromDictionary(fields); }
    // A body and a body stream exclude each other: setting one drops the other.
    void setHTTPBody(std::optional<Data> body);
    void setHTTPBodyStream(std::shared_ptr<InputStream> stream);
    void setTimeoutInterval(double seconds) { timeout_ = seconds; }
    void setCachePolicy(URLRequestCachePolicy policy) { cachePolicy_ = policy; }
    void setHTTPShouldHandleCookies(bool handle) { handleCookies_ = handle; }
    void setHTTPShouldUsePipelining(bool use) { usePipelining_ = use; }
    void setNetworkServiceType(unsigned type) { networkServiceType_ = type; }
};

}  // namespace ns
