#include "net/http/TNArchivedHTTPValues.h"

#include "platform/foundation/HTTPURLResponse.h"

namespace {

// Header fields as [name, value] pairs: order and repeated names survive.
ns::Value archivedFields(const std::vector<ns::HTTPHeaderFields::Field>& fields) {
    ns::Array pairs;
    for (const auto& [name, value] : fields) pairs.push_back(ns::Value::array({name, value}));
    return ns::Value(std::move(pairs));
}

std::optional<std::vector<ns::HTTPHeaderFields::Field>> fieldsFromArchive(const ns::Value& archived) {
    std::vector<ns::HTTPHeaderFields::Field> fields;
    if (archived.isNil()) return fields;
    if (!archived.isArray()) return std::nullopt;
    for (const auto& pair : archived.asArray()) {
        if (!pair.isArray() || pair.asArray().size() != 2 || !pair.asArray()[0].isString() ||
            !pair.asArray()[1].isString())
            return std::nullopt;
        fields.emplace_back(pair.asArray()[0].asString(), pair.asArray()[1].asString());
    }
    return fields;
}

// The URL under `key`: nullptr when absent, nullopt when not a URL text.
std::optional<ns::URLPtr> urlFromArchive(const ns::Dictionary& archived, const char* key) {
    const ns::Value& text = archived[key];
    if (text.isNil()) return ns::URLPtr();
    if (!text.isString()) return std::nullopt;
    auto url = ns::URL::URLWithString(text.asString());
    if (!url) return std::nullopt;
    return url;
}

// A user-info value as far as it is plain; objects other than URLs and
// errors are dropped (nil).
ns::Value plainValue(const ns::Value& value, int depth) {
    if (depth > 32) return ns::Value();
    if (value.isObject()) {
        if (auto url = value.as<ns::URL>()) return url->absoluteString();
        return ns::Value();
    }
    if (value.isArray()) {
        ns::Array out;
        for (const auto& item : value.asArray()) {
            ns::Value plain = plainValue(item, depth + 1);
            if (!plain.isNil()) out.push_back(std::move(plain));
        }
        return ns::Value(std::move(out));
    }
    if (value.isDictionary()) {
        ns::Dictionary out;
        for (const auto& [key, item] : value.asDictionary()) {
            ns::Value plain = plainValue(item, depth + 1);
            if (!plain.isNil()) out.set(key, std::move(plain));
        }
        return ns::Value(std::move(out));
    }
    return value;
}

ns::Value archivedError(const ns::ErrorPtr& error, int depth) {
    if (!error || depth > 16) return ns::Value();
    ns::Dictionary info;
    ns::Value underlying;
    for (const auto& [key, value] : error->userInfo()) {
        if (key == ns::kUnderlyingErrorKey) {
            underlying = archivedError(value.as<ns::Error>(), depth + 1);
            continue;
        }
        ns::Value plain = plainValue(value, 0);
        if (!plain.isNil()) info.set(key, std::move(plain));
    }
    ns::Dictionary archived;
    archived.set("domain", error->domain());
    archived.set("code", error->code());
    archived.set("userInfo", ns::Value(std::move(info)));
    if (!underlying.isNil()) archived.set("underlyingError", underlying);
    return ns::Value(std::move(archived));
}

std::optional<ns::ErrorPtr> errorFromArchive(const ns::Value& archived, int depth) {
    if (archived.isNil()) return ns::ErrorPtr();
    if (!archived.isDictionary() || depth > 16) return std::nullopt;
    const auto& fields = archived.asDictionary();
    if (!fields["domain"].isString() || !fields["code"].isNumber()) return std::nullopt;
    ns::Dictionary info;
    if (fields["userInfo"].isDictionary()) info = fields["userInfo"].asDictionary();
    else if (!fields["userInfo"].isNil()) return std::nullopt;
    auto underlying = errorFromArchive(fields["underlyingError"], depth + 1);
    if (!underlying) return std::nullopt;
    if (*underlying) info.set(ns::kUnderlyingErrorKey, ns::Value(*underlying));
    return ns::Error::create(fields["domain"].asString(), fields["code"].longLongValue(), std::move(info));
}

}  // namespace

ns::Value TNArchivedRequest(const ns::URLRequest& request) {
    ns::Dictionary archived;
    if (request.url()) archived.set("URL", request.url()->absoluteString());
    archived.set("HTTPMethod", request.HTTPMethod());
    archived.set("allHTTPHeaderFields", archivedFields(request.allHTTPHeaderFields().fields()));
    if (request.HTTPBody()) archived.set("HTTPBody", *request.HTTPBody());
    archived.set("timeoutInterval", request.timeoutInterval());
    archived.set("cachePolicy", static_cast<unsigned>(request.cachePolicy()));
    archived.set("HTTPShouldHandleCookies", request.HTTPShouldHandleCookies());
    archived.set("HTTPShouldUsePipelining", request.HTTPShouldUsePipelining());
    archived.set("networkServiceType", request.networkServiceType());
    return ns::Value(std::move(archived));
}

std::optional<ns::URLRequest> TNRequestFromArchive(const ns::Value& archived) {
    if (!archived.isDictionary()) return std::nullopt;
    const auto& fields = archived.asDictionary();
    auto url = urlFromArchive(fields, "URL");
    auto headers = fieldsFromArchive(fields["allHTTPHeaderFields"]);
    if (!url || !headers) return std::nullopt;
    if (!fields["HTTPBody"].isNil() && !fields["HTTPBody"].isData()) return std::nullopt;
    unsigned cachePolicy = fields["cachePolicy"].unsignedIntValue();
    if (cachePolicy > ns::kURLRequestReloadRevalidatingCacheData) return std::nullopt;
    ns::MutableURLRequest request(*url);
    request.setHTTPMethod(fields["HTTPMethod"].stringValue());
    ns::HTTPHeaderFields restored;
    for (const auto& [name, value] : *headers) restored.add(name, value);
    request.setAllHTTPHeaderFields(std::move(restored));
    if (fields["HTTPBody"].isData()) request.setHTTPBody(fields["HTTPBody"].asData());
    if (fields["timeoutInterval"].isNumber()) request.setTimeoutInterval(fields["timeoutInterval"].doubleValue());
    request.setCachePolicy(static_cast<ns::URLRequestCachePolicy>(cachePolicy));
    if (fields["HTTPShouldHandleCookies"].isNumber())
        request.setHTTPShouldHandleCookies(fields["HTTPShouldHandleCookies"].boolValue());
    request.setHTTPShouldUsePipelining(fields["HTTPShouldUsePipelining"].boolValue());
    request.setNetworkServiceType(fields["networkServiceType"].unsignedIntValue());
    return ns::URLRequest(request);
}

ns::Value TNArchivedResponse(const ns::URLResponsePtr& response) {
    if (!response) return ns::Value();
    ns::Dictionary archived;
    if (response->url()) archived.set("URL", response->url()->absoluteString());
    if (auto http = std::dynamic_pointer_cast<ns::HTTPURLResponse>(response)) {
        archived.set("statusCode", http->statusCode());
        archived.set("HTTPVersion", http->HTTPVersion());
        archived.set("allHeaderFields", archivedFields(http->allHeaderFields().fields()));
    } else {
        if (response->MIMEType()) archived.set("MIMEType", *response->MIMEType());
        archived.set("expectedContentLength", response->expectedContentLength());
        if (response->textEncodingName()) archived.set("textEncodingName", *response->textEncodingName());
    }
    return ns::Value(std::move(archived));
}

std::optional<ns::URLResponsePtr> TNResponseFromArchive(const ns::Value& archived) {
    if (archived.isNil()) return ns::URLResponsePtr();
    if (!archived.isDictionary()) return std::nullopt;
    const auto& fields = archived.asDictionary();
    auto url = urlFromArchive(fields, "URL");
    if (!url) return std::nullopt;
    if (fields["statusCode"].isNumber()) {
        auto headers = fieldsFromArchive(fields["allHeaderFields"]);
        if (!headers) return std::nullopt;
        return ns::URLResponsePtr(ns::HTTPURLResponse::create(*url, fields["statusCode"].intValue(),
                                                              fields["HTTPVersion"].stringValue(), *headers));
    }
    auto text = [&](const char* key) -> std::optional<std::string> {
        if (fields[key].isString()) return fields[key].asString();
        return std::nullopt;
    };
    std::int64_t length = fields["expectedContentLength"].isNumber() ? fields["expectedContentLength"].longLongValue() : -1;
    return ns::URLResponse::create(*url, text("MIMEType"), length, text("textEncodingName"));
}

ns::Value TNArchivedError(const ns::ErrorPtr& error) { return archivedError(error, 0); }

std::optional<ns::ErrorPtr> TNErrorFromArchive(const ns::Value& archived) { return errorFromArchive(archived, 0); }
