#include "net/http/TNHTTPRequestOperationManager.h"

#include <cstdio>

#include "net/http/TNJSONResponseSerializer.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"

TNHTTPRequestOperationManager::TNHTTPRequestOperationManager() : responseSerializer(TNJSONResponseSerializer::serializer()) {}

std::shared_ptr<TNHTTPRequestOperationManager> TNHTTPRequestOperationManager::manager() { return initWithBaseURL(nullptr); }

std::shared_ptr<TNHTTPRequestOperationManager> TNHTTPRequestOperationManager::initWithBaseURL(const ns::URLPtr& baseURL) {
    auto manager = std::shared_ptr<TNHTTPRequestOperationManager>(new TNHTTPRequestOperationManager());
    ns::URLPtr url = baseURL;
    if (url && !url->percentEncodedPath().empty() && !url->hasDirectoryPath()) url = url->URLByAppendingPathComponent("");
    manager->baseURL_ = url;
    return manager;
}

std::shared_ptr<TNHTTPRequestOperationManager> TNHTTPRequestOperationManager::copy() const {
    auto copy = initWithBaseURL(baseURL_);
    copy->requestSerializer = requestSerializer ? requestSerializer->copy() : nullptr;
    copy->responseSerializer = responseSerializer ? responseSerializer->copy() : nullptr;
    return copy;
}

std::string TNHTTPRequestOperationManager::resolvedURLString(const std::string& URLString) const {
    auto url = baseURL_ ? ns::URL::URLWithString(URLString, baseURL_) : ns::URL::URLWithString(URLString);
    return url ? url->absoluteString() : URLString;
}

TNHTTPRequestOperationPtr TNHTTPRequestOperationManager::HTTPRequestOperationWithRequest(const ns::URLRequest& request,
                                                                                         Success success,
                                                                                         Failure failure) {
    auto operation = TNHTTPRequestOperation::create(request);
    operation->setResponseSerializer(responseSerializer);
    operation->shouldUseCredentialStorage = shouldUseCredentialStorage;
    operation->credential = credential;
    operation->securityPolicy = securityPolicy;
    operation->completionQueue = completionQueue;
    operation->completionGroup = completionGroup;
    operation->setCompletionBlockWithSuccess(std::move(success), std::move(failure));
    return operation;
}

TNHTTPRequestOperationPtr TNHTTPRequestOperationManager::enqueue(const ns::URLRequest& request, Success success,
                                                                 Failure failure) {
    auto operation = HTTPRequestOperationWithRequest(request, std::move(success), std::move(failure));
    operationQueue->addOperation(operation);
    return operation;
}

TNHTTPRequestOperationPtr TNHTTPRequestOperationManager::send(const std::string& method, const std::string& URLString,
                                                              const ns::Value& parameters, Success success,
                                                              Failure failure) {
    auto request = requestSerializer->requestWithMethod(method, resolvedURLString(URLString), parameters, nullptr);
    return enqueue(request, std::move(success), std::move(failure));
}

TNHTTPRequestOperationPtr TNHTTPRequestOperationManager::GET(const std::string& URLString, const ns::Value& parameters,
                                                             Success success, Failure failure) {
    return send("GET", URLString, parameters, std::move(success), std::move(failure));
}

TNHTTPRequestOperationPtr TNHTTPRequestOperationManager::HEAD(const std::string& URLString, const ns::Value& parameters,
                                                              HeadSuccess success, Failure failure) {
    Success wrapped;
    if (success) wrapped = [success](const TNHTTPRequestOperationPtr& operation, const ns::Value&) { success(operation); };
    return send("HEAD", URLString, parameters, std::move(wrapped), std::move(failure));
}

TNHTTPRequestOperationPtr TNHTTPRequestOperationManager::POST(const std::string& URLString, const ns::Value& parameters,
                                                              Success success, Failure failure) {
    return send("POST", URLString, parameters, std::move(success), std::move(failure));
}

TNHTTPRequestOperationPtr TNHTTPRequestOperationManager::POST(const std::string& URLString, const ns::Value& parameters,
                                                              const TNHTTPRequestSerializer::ConstructingBody& block,
                                                              Success success, Failure failure) {
    auto request =
        requestSerializer->multipartFormRequestWithMethod("POST", resolvedURLString(URLString), parameters, block, nullptr);
    return enqueue(request, std::move(success), std::move(failure));
}

TNHTTPRequestOperationPtr TNHTTPRequestOperationManager::POSTSB(
    const std::string& URLString, const ns::Value& parameters,
    const TNHTTPRequestSerializer::ConstructingInMemoryBody& block, Success success, Failure failure) {
    auto request = requestSerializer->multipartFormRequestWithMethodSB("POST", resolvedURLString(URLString), parameters,
                                                                       block, nullptr);
    return enqueue(request, std::move(success), std::move(failure));
}

TNHTTPRequestOperationPtr TNHTTPRequestOperationManager::PUT(const std::string& URLString, const ns::Value& parameters,
                                                             Success success, Failure failure) {
    return send("PUT", URLString, parameters, std::move(success), std::move(failure));
}

TNHTTPRequestOperationPtr TNHTTPRequestOperationManager::PATCH(const std::string& URLString, const ns::Value& parameters,
                                                               Success success, Failure failure) {
    return send("PATCH", URLString, parameters, std::move(success), std::move(failure));
}

TNHTTPRequestOperationPtr TNHTTPRequestOperationManager::DELETE(const std::string& URLString,
                                                                const ns::Value& parameters, Success success,
                                                                Failure failure) {
    return send("DELETE", URLString, parameters, std::move(success), std::move(failure));
}

std::string TNHTTPRequestOperationManager::description() const {
    char address[32];
    std::snprintf(address, sizeof address, "%p", static_cast<const void*>(this));
    return "<" + className() + ": " + address + ", baseURL: " + (baseURL_ ? baseURL_->absoluteString() : "(null)") +
           ", operationQueue: " + operationQueue->description() + ">";
}

void TNHTTPRequestOperationManager::encodeWithCoder(ns::KeyedArchiver& coder) {
    if (baseURL_) coder.encodeString(baseURL_->absoluteString(), "baseURL");
    if (requestSerializer) coder.encodeObject(ns::Value(requestSerializer), "requestSerializer");
    if (responseSerializer) coder.encodeObject(ns::Value(responseSerializer), "responseSerializer");
}

bool TNHTTPRequestOperationManager::initWithCoder(ns::KeyedUnarchiver& coder) {
    if (coder.containsValueForKey("baseURL")) {
        auto text = coder.decodeStringForKey("baseURL");
        auto url = text ? ns::URL::URLWithString(*text) : nullptr;
        if (!url) return false;
        // The same rule as a manager made with this base URL.
        baseURL_ = initWithBaseURL(url)->baseURL_;
    }
    ns::Value request = coder.decodeObjectForKey("requestSerializer");
    ns::Value response = coder.decodeObjectForKey("responseSerializer");
    auto requestDecoded = std::dynamic_pointer_cast<TNHTTPRequestSerializer>(request.asObject());
    auto responseDecoded = std::dynamic_pointer_cast<TNHTTPResponseSerializer>(response.asObject());
    if ((!request.isNil() && !requestDecoded) || (!response.isNil() && !responseDecoded)) return false;
    if (requestDecoded) requestSerializer = requestDecoded;
    if (responseDecoded) responseSerializer = responseDecoded;
    return true;
}
