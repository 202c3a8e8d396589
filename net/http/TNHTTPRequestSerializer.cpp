#include "net/http/TNHTTPRequestSerializer.h"

#include <cstdio>

#include "core/crypto/Base64Codec.h"
#include "net/http/TNQueryStringPair.h"
#include "net/http/TNStreamingMultipartFormData.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "platform/foundation/OutputStream.h"
#include "platform/foundation/PercentEscaping.h"
#include "platform/foundation/StringUtils.h"
#include "platform/ui/Device.h"
#include "platform/ui/Screen.h"

std::shared_ptr<TNHTTPRequestSerializer> TNHTTPRequestSerializer::serializer() {
    return std::shared_ptr<TNHTTPRequestSerializer>(new TNHTTPRequestSerializer());
}

std::shared_ptr<TNHTTPRequestSerializer> TNHTTPRequestSerializer::makeEmpty() const { return serializer(); }

std::shared_ptr<TNHTTPRequestSerializer> TNHTTPRequestSerializer::copy() const {
    auto copy = makeEmpty();
    copy->headers_ = headers_;
    copy->queryStyle_ = queryStyle_;
    copy->queryBlock_ = queryBlock_;
    return copy;
}

TNHTTPRequestSerializer::TNHTTPRequestSerializer() {
    headers_.set("Accept-Language", acceptLanguageForLanguages(preferredLanguages()));
    headers_.set("User-Agent", defaultUserAgent());
}

std::vector<std::string> TNHTTPRequestSerializer::preferredLanguages() {
    std::vector<std::string> languages;
    for (auto& language : ns::str::componentsSeparatedByString(ns::Bundle::deploymentValue("PreferredLanguages", "en"), ",")) {
        auto trimmed = ns::str::trimmingWhitespace(language);
        if (!trimmed.empty()) languages.push_back(trimmed);
    }
    return languages;
}

std::string TNHTTPRequestSerializer::acceptLanguageForLanguages(const std::vector<std::string>& languages) {
    std::vector<std::string> entries;
    for (std::size_t i = 0; i < languages.size(); ++i) {
        float q = 1.0f - static_cast<float>(i) * 0.1f;
        char weight[32];
        std::snprintf(weight, sizeof weight, "%0.1g", static_cast<double>(q));
        entries.push_back(languages[i] + ";q=" + weight);
        if (q <= 0.5f) break;
    }
    return ns::str::join(entries, ", ");
}

std::string TNHTTPRequestSerializer::defaultUserAgent() {
    auto bundle = ns::Bundle::mainBundle();
    std::string executable = bundle ? bundle->objectForInfoDictionaryKey("CFBundleExecutable").stringValue() : "";
    if (executable.empty() && bundle) executable = bundle->bundleIdentifier();
    std::string version = bundle ? bundle->objectForInfoDictionaryKey("CFBundleVersion").stringValue() : "";
    auto device = ui::Device::currentDevice();
    char scale[32];
    std::snprintf(scale, sizeof scale, "%0.2f", ui::Screen::mainScreen()->scale());
    std::string agent = executable + "/" + version + " (" + device->model + "; iOS " + device->systemVersion +
                        "; Scale/" + scale + ")";
    if (!ns::str::canBeConvertedToEncoding(agent, ns::kASCIIStringEncoding)) {
        if (auto ascii = ns::str::applyingTransform(agent, "Any-Latin; Latin-ASCII; [:^ASCII:] Remove")) agent = *ascii;
    }
    return agent;
}

void TNHTTPRequestSerializer::setValue(std::optional<std::string> value, const std::string& field) {
    headers_.set(field, std::move(value));
}

void TNHTTPRequestSerializer::setAuthorizationHeaderFieldWithUsername(const std::string& username,
                                                                      const std::string& password) {
    std::string credentials = username + ":" + password;
    setValue("Basic " + Base64Codec::encode(reinterpret_cast<const std::uint8_t*>(credentials.data()),
                                            credentials.size()),
             "Authorization");
}

void TNHTTPRequestSerializer::setAuthorizationHeaderFieldWithToken(const std::string& token) {
    setValue("Token token=\"" + token + "\"", "Authorization");
}

void TNHTTPRequestSerializer::clearAuthorizationHeader() { headers_.set("Authorization", std::nullopt); }

void TNHTTPRequestSerializer::setQueryStringSerializationWithStyle(unsigned style) {
    queryStyle_ = style;
    queryBlock_ = nullptr;
}

void TNHTTPRequestSerializer::setQueryStringSerializationWithBlock(QueryStringSerialization block) {
    queryBlock_ = std::move(block);
}

ns::MutableURLRequest TNHTTPRequestSerializer::requestWithMethod(const std::string& method,
                                                                 const std::string& URLString,
                                                                 const ns::Value& parameters, ns::ErrorPtr* error) {
    ns::MutableURLRequest request(ns::URL::URLWithString(URLString));
    request.setHTTPMethod(method);
    request.setCachePolicy(cachePolicy);
    request.setHTTPShouldHandleCookies(HTTPShouldHandleCookies);
    request.setHTTPShouldUsePipelining(HTTPShouldUsePipelining);
    request.setNetworkServiceType(networkServiceType);
    request.setTimeoutInterval(timeoutInterval);
    return requestBySerializingRequest(request, parameters, error);
}

ns::MutableURLRequest TNHTTPRequestSerializer::withDefaultHeaders(const ns::URLRequest& request) const {
    ns::MutableURLRequest copy(request);
    for (const auto& [field, value] : headers_.fields())
        if (!request.valueForHTTPHeaderField(field)) copy.setValue(value, field);
    return copy;
}

bool TNHTTPRequestSerializer::encodesParametersInURI(const std::string& method) const {
    return HTTPMethodsEncodingParametersInURI.count(ns::str::asciiUppercase(method)) > 0;
}

std::string TNHTTPRequestSerializer::queryString(const ns::URLRequest& request, const ns::Value& parameters,
                                                 ns::ErrorPtr* error) const {
    if (queryBlock_) return queryBlock_(request, parameters, error);
    return TNJoinQueryPairs(parameters, stringEncoding);
}

ns::MutableURLRequest TNHTTPRequestSerializer::requestBySerializingRequest(const ns::URLRequest& request,
                                                                           const ns::Value& parameters,
                                                                           ns::ErrorPtr* error) {
    ns::MutableURLRequest copy = withDefaultHeaders(request);
    if (parameters.isNil()) return copy;
    std::string query = queryString(request, parameters, error);
    if (encodesParametersInURI(request.HTTPMethod())) {
        if (request.url()) {
            const auto& url = request.url();
            std::string text = url->absoluteString() + (url->query() ? "&" : "?") + query;
            copy.setURL(ns::URL::URLWithString(text));
        }
    } else {
        if (!copy.valueForHTTPHeaderField("Content-Type"))
            copy.setValue("application/x-www-form-urlencoded; charset=" + ns::str::IANACharsetName(stringEncoding),
                          "Content-Type");
        auto body = ns::str::dataUsingEncoding(query, stringEncoding);
        copy.setHTTPBody(body ? *body : ns::Data::fromString(query));
    }
    return copy;
}

ns::MutableURLRequest TNHTTPRequestSerializer::multipartFormRequestWithMethod(const std::string& method,
                                                                              const std::string& URLString,
                                                                              const ns::Value& parameters,
                                                                              const ConstructingBody& block,
                                                                              ns::ErrorPtr* error) {
    auto request = requestWithMethod(method, URLString, ns::Value(), error);
    auto formData = TNStreamingMultipartFormData::create(request, ns::kUTF8StringEncoding);
    if (block) block(*formData);
    if (!parameters.isNil()) {
        for (const auto& pair : TNFlattenParameters(ns::Value(), parameters)) {
            const ns::Value& value = pair->value();
            ns::Data data;
            if (value.isData()) {
                data = value.asData();
            } else if (!value.isNilOrNull()) {
                // Callers pass raw values, so the text is sent as it is.
                std::string text = value.isString() ? value.asString() : value.description();
                auto encoded = ns::str::dataUsingEncoding(text, stringEncoding);
                if (!encoded) continue;
                data = *encoded;
            }
            formData->appendPartWithFormData(data, pair->fieldText());
        }
    }
    return formData->requestByFinalizingMultipartFormData();
}

ns::MutableURLRequest TNHTTPRequestSerializer::multipartFormRequestWithMethodSB(const std::string& method,
                                                                                const std::string& URLString,
                                                                                const ns::Value& parameters,
                                                                                const ConstructingInMemoryBody& block,
                                                                                ns::ErrorPtr* error) {
    auto request = requestWithMethod(method, URLString, ns::Value(), error);
    ns::Data data;
    if (block) block(data);
    ns::Value fields = parameters.isDictionary() ? parameters : ns::Value(ns::Dictionary());
    fields.mutableDictionary().set("file", data);
    std::string text = TNJoinQueryPairs(fields, stringEncoding);
    auto body = ns::str::dataUsingEncoding(text, stringEncoding);
    ns::Data bodyData = body ? *body : ns::Data::fromString(text);
    // The length is the length of what is actually sent.
    request.setValue(std::to_string(bodyData.length()), "Content-Length");
    request.setValue("form-data; name=\"file\"; filename=\"image_test.png\"", "Content-Disposition");
    request.setValue("application/octet-stream", "Content-Type");
    request.setHTTPBody(bodyData);
    return request;
}

ns::MutableURLRequest TNHTTPRequestSerializer::requestWithMultipartFormRequest(
    const ns::URLRequest& request, const ns::URLPtr& fileURL, std::function<void(const ns::ErrorPtr&)> completionHandler) {
    ns::MutableURLRequest copy(request);
    auto input = request.HTTPBodyStream();
    if (!input) return copy;
    auto output = ns::OutputStream::outputStreamWithURL(fileURL, false);
    dispatch::Queue::global()->async([input, output, completionHandler] {
        ns::ErrorPtr error;
        if (!output) {
            error = ns::Error::withDescription(TNURLRequestSerializationErrorDomain, ns::kURLErrorBadURL,
                                               "Expected URL to be a file URL");
        } else {
            input->open();
            output->open();
            std::uint8_t buffer[1024];
            while (!error) {
                std::int64_t count = input->read(buffer, sizeof buffer);
                if (count < 0 || input->streamStatus() == ns::StreamStatus::Error) {
                    error = input->streamError();
                    if (!error) error = ns::Error::create(TNURLRequestSerializationErrorDomain, -1);
                    break;
                }
                if (count == 0) break;
                // Every byte read is written, however many writes it takes.
                std::int64_t written = 0;
                while (written < count) {
                    std::int64_t n = output->write(buffer + written, static_cast<std::size_t>(count - written));
                    if (n <= 0) {
                        error = output->streamError();
                        if (!error) error = ns::Error::create(TNURLRequestSerializationErrorDomain, -1);
                        break;
                    }
                    written += n;
                }
            }
            output->close();
            input->close();
        }
        if (completionHandler) dispatch::Queue::main()->async([completionHandler, error] { completionHandler(error); });
    });
    copy.setHTTPBodyStream(nullptr);
    return copy;
}

void TNHTTPRequestSerializer::encodeWithCoder(ns::KeyedArchiver& coder) {
    coder.encodeObject(ns::Value(headers_.toDictionary()), "mutableHTTPRequestHeaders");
    coder.encodeInt(queryStyle_, "queryStringSerializationStyle");
}

bool TNHTTPRequestSerializer::initWithCoder(ns::KeyedUnarchiver& coder) {
    ns::Value headers = coder.decodeObjectForKey("mutableHTTPRequestHeaders");
    if (!headers.isNil()) {
        if (!headers.isDictionary()) return false;
        ns::HTTPHeaderFields restored;
        for (const auto& [field, value] : headers.asDictionary()) {
            // Only text can go out as a header value.
            if (!value.isString()) return false;
            restored.set(field, value.asString());
        }
        headers_ = std::move(restored);
    }
    queryStyle_ = static_cast<unsigned>(coder.decodeIntForKey("queryStringSerializationStyle"));
    return true;
}
