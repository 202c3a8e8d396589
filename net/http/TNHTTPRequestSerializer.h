// TNHTTPRequestSerializer: builds HTTP requests from a method, a URL text
// and parameters: request settings, default headers ("Accept-Language",
// "User-Agent" and whatever callers add), parameters in the query for GET,
// HEAD and DELETE and as a form body otherwise, and streamed multipart
// bodies (TNStreamingMultipartFormData).
#pragma once

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "net/http/TNURLRequestSerialization.h"
#include "platform/foundation/Coding.h"
#include "platform/foundation/HTTPHeaderFields.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/StringEncoding.h"
#include "platform/foundation/URL.h"

class TNStreamingMultipartFormData;

class TNHTTPRequestSerializer : public ns::Object, public TNURLRequestSerialization, public ns::Coding {
public:
    using QueryStringSerialization =
        std::function<std::string(const ns::URLRequest&, const ns::Value& parameters, ns::ErrorPtr* error)>;
    using ConstructingBody = std::function<void(TNStreamingMultipartFormData& formData)>;
    using ConstructingInMemoryBody = std::function<void(ns::Data& data)>;

    static std::shared_ptr<TNHTTPRequestSerializer> serializer();
    static std::shared_ptr<TNHTTPRequestSerializer> create() { return serializer(); }
    // A fresh serializer of the same class with a copy of the default
    // headers, the query style and callback; other settings take defaults.
    virtual std::shared_ptr<TNHTTPRequestSerializer> copy() const;

    // Settings copied into every request.
    ns::StringEncoding stringEncoding = ns::kUTF8StringEncoding;
    ns::URLRequestCachePolicy cachePolicy = ns::kURLRequestUseProtocolCachePolicy;
    bool HTTPShouldHandleCookies = true;
    bool HTTPShouldUsePipelining = false;
    unsigned networkServiceType = 0;
    double timeoutInterval = 60.0;
    // Methods whose parameters go into the URL query (upper case).
    std::set<std::string> HTTPMethodsEncodingParametersInURI{"GET", "HEAD", "DELETE"};

    // A snapshot of the default headers.
    ns::HTTPHeaderFields HTTPRequestHeaders() const { return headers_; }
    // Sets a default header; nothing removes it.
    void setValue(std::optional<std::string> value, const std::string& field);
    std::optional<std::string> valueForHTTPHeaderField(const std::string& field) const { return headers_.value(field); }
    void setAuthorizationHeaderFieldWithUsername(const std::string& username, const std::string& password);
    void setAuthorizationHeaderFieldWithToken(const std::string& token);
    void clearAuthorizationHeader();

    unsigned queryStringSerializationStyle() const { return queryStyle_; }
    void setQueryStringSerializationWithStyle(unsigned style);
    void setQueryStringSerializationWithBlock(QueryStringSerialization block);

    // A new request: the URL text unchanged (invalid text gives a request
    // without a URL), the method, the settings, then serialized.
    ns::MutableURLRequest requestWithMethod(const std::string& method, const std::string& URLString,
                                            const ns::Value& parameters, ns::ErrorPtr* error = nullptr);
    ns::MutableURLRequest requestBySerializingRequest(const ns::URLRequest& request, const ns::Value& parameters,
                                                      ns::ErrorPtr* error) override;

    // A multipart form: the callback's parts first, then the parameters as
    // form fields (raw text, data byte for byte, null as an empty part).
    ns::MutableURLRequest multipartFormRequestWithMethod(const std::string& method, const std::string& URLString,
                                                         const ns::Value& parameters,
                                                         const ConstructingBody& block,
                                                         ns::ErrorPtr* error = nullptr);
    // A single "file" field filled by the callback, sent as a form body.
    ns::MutableURLRequest multipartFormRequestWithMethodSB(const std::string& method, const std::string& URLString,
                                                           const ns::Value& parameters,
                                                           const ConstructingInMemoryBody& block,
                                                           ns::ErrorPtr* error = nullptr);
    // Copies the request's body stream into a file on a background queue
    // (every byte), reports on the main queue, and returns at once a copy
    // of the request without the body stream.
    ns::MutableURLRequest requestWithMultipartFormRequest(const ns::URLRequest& request, const ns::URLPtr& fileURL,
                                                          std::function<void(const ns::ErrorPtr&)> completionHandler);

    // The header values, exposed so their rules can be checked alone.
    static std::string acceptLanguageForLanguages(const std::vector<std::string>& languages);
    // The user's preferred languages: the deployment value
    // "PreferredLanguages" (comma separated), "en" by default.
    static std::vector<std::string> preferredLanguages();
    static std::string defaultUserAgent();

    // Archives keep the default headers and the query style; the other
    // settings (and a query callback) start from their defaults again.
    void encodeWithCoder(ns::KeyedArchiver& coder) override;
    bool initWithCoder(ns::KeyedUnarchiver& coder) override;

protected:
    TNHTTPRequestSerializer();
    virtual std::shared_ptr<TNHTTPRequestSerializer> makeEmpty() const;
    // The request with default headers added where it has none.
    ns::MutableURLRequest withDefaultHeaders(const ns::URLRequest& request) const;
    bool encodesParametersInURI(const std::string& method) const;
    std::string queryString(const ns::URLRequest& request, const ns::Value& parameters, ns::ErrorPtr* error) const;

private:
    ns::HTTPHeaderFields headers_;
    unsigned queryStyle_ = 0;
    QueryStringSerialization queryBlock_;
};

using TNHTTPRequestSerializerPtr = std::shared_ptr<TNHTTPRequestSerializer>;
