#include "net/http/TNHTTPResponseSerializer.h"

#include "platform/foundation/Bundle.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "platform/foundation/HTTPURLResponse.h"

namespace {

ns::ErrorPtr validationError(std::int64_t code, const std::string& message, const ns::URLResponsePtr& response) {
    ns::Dictionary info;
    info.set(ns::kLocalizedDescriptionKey, message);
    if (response->url()) info.set(ns::kURLErrorFailingURLErrorKey, response->url());
    info.set(TNNetworkingOperationFailingURLResponseErrorKey, response);
    return ns::Error::create(TNURLResponseSerializationErrorDomain, code, info);
}

}  // namespace

ns::ErrorPtr TNChainUnderlyingError(const ns::ErrorPtr& error, const ns::ErrorPtr& underlying) {
    if (!error) return underlying;
    if (!underlying || error->underlyingError()) return error;
    ns::Dictionary info = error->userInfo();
    info.set(ns::kUnderlyingErrorKey, underlying);
    return ns::Error::create(error->domain(), error->code(), info);
}

bool TNErrorChainIsUndecodable(const ns::ErrorPtr& error) {
    for (auto e = error; e; e = e->underlyingError())
        if (e->domain() == TNURLResponseSerializationErrorDomain && e->code() == ns::kURLErrorCannotDecodeContentData)
            return true;
    return false;
}

ns::Value TNStripNullValues(const ns::Value& object) {
    if (object.isArray()) {
        ns::Array out;
        for (const auto& element : object.asArray()) out.push_back(TNStripNullValues(element));
        return out;
    }
    if (object.isDictionary()) {
        ns::Dictionary out;
        for (const auto& [key, value] : object.asDictionary()) {
            if (value.isNilOrNull()) continue;
            out.set(key, (value.isArray() || value.isDictionary()) ? TNStripNullValues(value) : value);
        }
        return out;
    }
    return object;
}

std::shared_ptr<TNHTTPResponseSerializer> TNHTTPResponseSerializer::serializer() {
    return std::shared_ptr<TNHTTPResponseSerializer>(new TNHTTPResponseSerializer());
}

TNHTTPResponseSerializer::TNHTTPResponseSerializer() {
    std::set<int> codes;
    for (int code = 200; code < 300; ++code) codes.insert(code);
    acceptableStatusCodes = codes;
}

std::shared_ptr<TNHTTPResponseSerializer> TNHTTPResponseSerializer::makeEmpty() const { return serializer(); }

std::shared_ptr<TNHTTPResponseSerializer> TNHTTPResponseSerializer::copy() const {
    auto copy = makeEmpty();
    copy->acceptableStatusCodes = acceptableStatusCodes;
    copy->acceptableContentTypes = acceptableContentTypes;
    copySettingsInto(*copy);
    return copy;
}

bool TNHTTPResponseSerializer::validateResponse(const ns::URLResponsePtr& response, const std::optional<ns::Data>& data,
                                                ns::ErrorPtr* error) const {
    auto http = std::dynamic_pointer_cast<ns::HTTPURLResponse>(response);
    if (!http) return true;
    bool valid = true;
    ns::ErrorPtr made;
    std::string mimeType = http->MIMEType().value_or("");
    if (acceptableContentTypes && !acceptableContentTypes->count(mimeType)) {
        valid = false;
        if (data && !data->empty()) {
            std::string format = ns::localizedStringFromTable("Request failed: unacceptable content-type: %@",
                                                              "TAVONetworking");
            auto at = format.find("%@");
            std::string message = at == std::string::npos ? format : format.replace(at, 2, mimeType);
            made = validationError(ns::kURLErrorCannotDecodeContentData, message, response);
        }
    }
    if (acceptableStatusCodes && !acceptableStatusCodes->count(http->statusCode())) {
        valid = false;
        std::string message = "Request failed: " + ns::HTTPURLResponse::localizedStringForStatusCode(http->statusCode()) +
                              " (" + std::to_string(http->statusCode()) + ")";
        auto statusError = validationError(ns::kURLErrorBadServerResponse, message, response);
        made = made ? TNChainUnderlyingError(statusError, made) : statusError;
    }
    if (!valid && error) *error = made;
    return valid;
}

bool TNHTTPResponseSerializer::shouldSkipDecoding(ns::ErrorPtr* error) {
    return !error || TNErrorChainIsUndecodable(*error);
}

ns::StringEncoding TNHTTPResponseSerializer::encodingForResponse(const ns::URLResponsePtr& response) const {
    if (response && response->textEncodingName()) {
        if (auto encoding = ns::str::encodingFromIANACharsetName(*response->textEncodingName())) return *encoding;
    }
    return stringEncoding;
}

ns::Value TNHTTPResponseSerializer::responseObjectForResponse(const ns::URLResponsePtr& response,
                                                              const std::optional<ns::Data>& data,
                                                              ns::ErrorPtr* error) {
    validateResponse(response, data, error);
    return data ? ns::Value(*data) : ns::Value();
}

void TNHTTPResponseSerializer::encodeWithCoder(ns::KeyedArchiver& coder) {
    if (acceptableStatusCodes) {
        ns::Array codes;
        for (int code : *acceptableStatusCodes) codes.push_back(code);
        coder.encodeObject(ns::Value(std::move(codes)), "acceptableStatusCodes");
    }
    if (acceptableContentTypes) {
        ns::Array types;
        for (const auto& type : *acceptableContentTypes) types.push_back(type);
        coder.encodeObject(ns::Value(std::move(types)), "acceptableContentTypes");
    }
}

bool TNHTTPResponseSerializer::initWithCoder(ns::KeyedUnarchiver& coder) {
    // What the archive holds replaces the defaults; an absent set is none.
    ns::Value codes = coder.decodeObjectForKey("acceptableStatusCodes");
    ns::Value types = coder.decodeObjectForKey("acceptableContentTypes");
    if ((!codes.isNil() && !codes.isArray()) || (!types.isNil() && !types.isArray())) return false;
    acceptableStatusCodes.reset();
    acceptableContentTypes.reset();
    if (codes.isArray()) {
        std::set<int> set;
        for (const auto& code : codes.asArray()) {
            if (!code.isNumber()) return false;
            set.insert(code.intValue());
        }
        acceptableStatusCodes = std::move(set);
    }
    if (types.isArray()) {
        std::set<std::string> set;
        for (const auto& type : types.asArray()) {
            if (!type.isString()) return false;
            set.insert(type.asString());
        }
        acceptableContentTypes = std::move(set);
    }
    return true;
}
