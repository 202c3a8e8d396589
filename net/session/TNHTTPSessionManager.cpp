#include "net/session/TNHTTPSessionManager.h"

#include "net/http/TNJSONResponseSerializer.h"

std::shared_ptr<TNHTTPSessionManager> TNHTTPSessionManager::create(ns::URLPtr baseURL,
                                                                   ns::URLSessionConfigurationPtr configuration) {
    std::shared_ptr<TNHTTPSessionManager> manager(new TNHTTPSessionManager());
    manager->initWithBaseURL(std::move(baseURL), std::move(configuration));
    return manager;
}

void TNHTTPSessionManager::initWithBaseURL(ns::URLPtr baseURL, ns::URLSessionConfigurationPtr configuration) {
    initWithSessionConfiguration(std::move(configuration));
    if (baseURL && !baseURL->path().empty()) {
        const std::string& text = baseURL->absoluteString();
        if (text.empty() || text.back() != '/') {
            if (auto slashed = ns::URL::URLWithString(text + "/")) baseURL = slashed;
        }
    }
    baseURL_ = std::move(baseURL);
    requestSerializer_ = TNHTTPRequestSerializer::serializer();
    setResponseSerializer(TNJSONResponseSerializer::serializer());
}

TNHTTPRequestSerializerPtr TNHTTPSessionManager::requestSerializer() const {
    std::lock_guard<std::mutex> lock(serializerMutex_);
    return requestSerializer_;
}

void TNHTTPSessionManager::setRequestSerializer(TNHTTPRequestSerializerPtr serializer) {
    std::lock_guard<std::mutex> lock(serializerMutex_);
    requestSerializer_ = std::move(serializer);
}

std::string TNHTTPSessionManager::resolve(const std::string& URLString) const {
    auto url = ns::URL::URLWithString(URLString, baseURL_);
    return url ? url->absoluteString() : std::string();
}

TNURLSessionManager::CompletionHandler TNHTTPSessionManager::completionFor(
    std::shared_ptr<std::weak_ptr<ns::URLSessionTask>> task, Success success, Failure failure) {
    return [task, success, failure](const ns::URLResponsePtr&, const ns::Value& responseObject, const ns::ErrorPtr& error) {
        auto dataTask = std::static_pointer_cast<ns::URLSessionDataTask>(task->lock());
        if (error) {
            if (failure) failure(dataTask, error);
        } else if (success) {
            success(dataTask, responseObject);
        }
    };
}

ns::URLSessionDataTaskPtr TNHTTPSessionManager::dataTask(const std::string& method, const std::string& URLString,
                                                         const ns::Value& parameters, Success success, Failure failure) {
    auto request = requestSerializer()->requestWithMethod(method, resolve(URLString), parameters, nullptr);
    // The completion names its task, which exists only once it is made.
    auto slot = std::make_shared<std::weak_ptr<ns::URLSessionTask>>();
    auto task = dataTaskWithRequest(request, completionFor(slot, std::move(success), std::move(failure)));
    if (!task) return nullptr;
    *slot = task;
    task->resume();
    return task;
}

ns::URLSessionDataTaskPtr TNHTTPSessionManager::GET(const std::string& URLString, const ns::Value& parameters,
                                                    Success success, Failure failure) {
    return dataTask("GET", URLString, parameters, std::move(success), std::move(failure));
}

ns::URLSessionDataTaskPtr TNHTTPSessionManager::HEAD(const std::string& URLString, const ns::Value& parameters,
                                                     HeadSuccess success, Failure failure) {
    Success bodyless;
    if (success) bodyless = [success](const ns::URLSessionDataTaskPtr& task, const ns::Value&) { success(task); };
    return dataTask("HEAD", URLString, parameters, std::move(bodyless), std::move(failure));
}

ns::URLSessionDataTaskPtr TNHTTPSessionManager::POST(const std::string& URLString, const ns::Value& parameters,
                                                     Success success, Failure failure) {
    return dataTask("POST", URLString, parameters, std::move(success), std::move(failure));
}

ns::URLSessionDataTaskPtr TNHTTPSessionManager::POST(const std::string& URLString, const ns::Value& parameters,
                                                     const TNHTTPRequestSerializer::ConstructingBody& block,
                                                     Success success, Failure failure) {
    auto request =
        requestSerializer()->multipartFormRequestWithMethod("POST", resolve(URLString), parameters, block, nullptr);
    auto slot = std::make_shared<std::weak_ptr<ns::URLSessionTask>>();
    auto task =
        uploadTaskWithStreamedRequest(request, nullptr, completionFor(slot, std::move(success), std::move(failure)));
    if (!task) return nullptr;
    *slot = task;
    task->resume();
    return task;
}

ns::URLSessionDataTaskPtr TNHTTPSessionManager::PUT(const std::string& URLString, const ns::Value& parameters,
                                                    Success success, Failure failure) {
    return dataTask("PUT", URLString, parameters, std::move(success), std::move(failure));
}

ns::URLSessionDataTaskPtr TNHTTPSessionManager::PATCH(const std::string& URLString, const ns::Value& parameters,
                                                      Success success, Failure failure) {
    return dataTask("PATCH", URLString, parameters, std::move(success), std::move(failure));
}

ns::URLSessionDataTaskPtr TNHTTPSessionManager::DELETE(const std::string& URLString, const ns::Value& parameters,
                                                       Success success, Failure failure) {
    return dataTask("DELETE", URLString, parameters, std::move(success), std::move(failure));
}

std::shared_ptr<TNURLSessionManager> TNHTTPSessionManager::copy() const {
    std::shared_ptr<TNHTTPSessionManager> manager(new TNHTTPSessionManager());
    manager->initWithBaseURL(baseURL_, session() ? session()->configuration()->copy() : nullptr);
    manager->setRequestSerializer(requestSerializer()->copy());
    if (auto serializer = responseSerializer()) manager->setResponseSerializer(serializer->copy());
    return manager;
}

std::string TNHTTPSessionManager::description() const {
    char address[32];
    std::snprintf(address, sizeof address, "%p", static_cast<const void*>(this));
    return "<" + className() + ": " + address + ", baseURL: " + (baseURL_ ? baseURL_->absoluteString() : "(null)") +
           ", session: " + (session() ? session()->description() : "(null)") +
           ", operationQueue: " + (operationQueue() ? operationQueue()->description() : "(null)") + ">";
}
