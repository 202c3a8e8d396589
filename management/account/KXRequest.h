// One request to the user-account service: a set of hooks, each with a
// default, from which the operation builds the HTTP request off the main
// thread, plus the response object that will parse the reply.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/Data.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/URLRequest.h"
#include "platform/foundation/Value.h"

class KXResponse;

class KXRequest : public ns::Object {
public:
    // "<getHttpURL>?<generateParamsString>", the method, the header fields
    // and the body of the hooks below, with a 30-second time-out.
    virtual ns::MutableURLRequest generateURLRequest();

    virtual std::string getHttpURL() { return {}; }
    virtual std::string getHttpMethod() { return "POST"; }
    virtual std::string generateParamsString() { return {}; }
    virtual ns::Dictionary generateParams() { return {}; }
    virtual ns::Dictionary generateHeaders() { return {}; }
    // Cookie names to values (not sent by the builder: a request that sends
    // cookies puts a "Cookie" field into its headers).
    virtual ns::Dictionary generateCookie() { return {}; }
    // "name=<URL-encoded value>; " for each cookie, in the cookies' order.
    virtual std::string generateCookieString();
    virtual std::optional<ns::Data> generateBody() { return std::nullopt; }
    // A new response object for the reply; null when the request has none.
    virtual std::shared_ptr<KXResponse> createResponse() { return nullptr; }

    static constexpr double kURLRequestTimeout = 30.0;

    std::string className() const override { return "KXRequest"; }
};
