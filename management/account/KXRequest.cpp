#include "management/account/KXRequest.h"

#include "core/crypto/StringAddition.h"
#include "platform/foundation/URL.h"

ns::MutableURLRequest KXRequest::generateURLRequest() {
    ns::MutableURLRequest request;
    request.setURL(ns::URL::URLWithString(getHttpURL() + "?" + generateParamsString()));
    request.setHTTPMethod(getHttpMethod());
    request.setAllHTTPHeaderFields(generateHeaders());
    request.setHTTPBody(generateBody());
    request.setTimeoutInterval(kURLRequestTimeout);
    return request;
}

std::string KXRequest::generateCookieString() {
    std::string text;
    for (const auto& [name, value] : generateCookie()) text += name + "=" + URLEncode(value.stringValue()) + "; ";
    return text;
}
