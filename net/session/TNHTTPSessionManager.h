// TNHTTPSessionManager: a session manager for an HTTP API: a base URL that
// relative URL texts resolve against, a request serializer that builds each
// request, and one call per HTTP method that builds the request, starts a
// data task and reports through a success or a failure callback.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "net/http/TNHTTPRequestSerializer.h"
#include "net/http/TNStreamingMultipartFormData.h"
#include "net/session/TNURLSessionManager.h"

class TNHTTPSessionManager : public TNURLSessionManager {
public:
    using Success = std::function<void(const ns::URLSessionDataTaskPtr&, const ns::Value& responseObject)>;
    using HeadSuccess = std::function<void(const ns::URLSessionDataTaskPtr&)>;
    using Failure = std::function<void(const ns::URLSessionDataTaskPtr&, const ns::ErrorPtr&)>;

    static std::shared_ptr<TNHTTPSessionManager> manager() { return create(nullptr, nullptr); }
    // A base URL with a path that does not end with "/" gains one, so that
    // relative texts resolve below it.
    static std::shared_ptr<TNHTTPSessionManager> create(ns::URLPtr baseURL,
                                                        ns::URLSessionConfigurationPtr configuration = nullptr);

    const ns::URLPtr& baseURL() const { return baseURL_; }
    TNHTTPRequestSerializerPtr requestSerializer() const;
    void setRequestSerializer(TNHTTPRequestSerializerPtr serializer);

    // Each returns the started task.
    ns::URLSessionDataTaskPtr GET(const std::string& URLString, const ns::Value& parameters, Success success,
                                  Failure failure);
    ns::URLSessionDataTaskPtr HEAD(const std::string& URLString, const ns::Value& parameters, HeadSuccess success,
                                   Failure failure);
    ns::URLSessionDataTaskPtr POST(const std::string& URLString, const ns::Value& parameters, Success success,
                                   Failure failure);
    ns::URLSessionDataTaskPtr POST(const std::string& URLString, const ns::Value& parameters,
                                   const TNHTTPRequestSerializer::ConstructingBody& block, Success success,
                                   Failure failure);
    ns::URLSessionDataTaskPtr PUT(const std::string& URLString, const ns::Value& parameters, Success success,
                                  Failure failure);
    ns::URLSessionDataTaskPtr PATCH(const std::string& URLString, const ns::Value& parameters, Success success,
                                    Failure failure);
    ns::URLSessionDataTaskPtr DELETE(const std::string& URLString, const ns::Value& parameters, Success success,
                                     Failure failure);

    // Also copies of both serializers.
    std::shared_ptr<TNURLSessionManager> copy() const override;
    std::string description() const override;

protected:
    TNHTTPSessionManager() = default;
    void initWithBaseURL(ns::URLPtr baseURL, ns::URLSessionConfigurationPtr configuration);
    std::shared_ptr<TNURLSessionManager> makeEmpty() const override {
        return std::shared_ptr<TNHTTPSessionManager>(new TNHTTPSessionManager());
    }

private:
    std::string resolve(const std::string& URLString) const;
    ns::URLSessionDataTaskPtr dataTask(const std::string& method, const std::string& URLString,
                                       const ns::Value& parameters, Success success, Failure failure);
    // The completion every call shares: failure on an error, else success.
    CompletionHandler completionFor(std::shared_ptr<std::weak_ptr<ns::URLSessionTask>> task, Success success,
                                    Failure failure);

    ns::URLPtr baseURL_;
    mutable std::mutex serializerMutex_;
    TNHTTPRequestSerializerPtr requestSerializer_;
};

using TNHTTPSessionManagerPtr = std::shared_ptr<TNHTTPSessionManager>;
