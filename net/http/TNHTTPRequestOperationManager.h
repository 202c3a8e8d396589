// TNHTTPRequestOperationManager: makes HTTP request operations from a
// method, a URL text (resolved against an optional base URL) and
// parameters, with its request serializer (form by default), response
// serializer (JSON by default), security policy and credentials, and starts
// them on its operation queue.
#pragma once

#include <memory>
#include <string>

#include "net/http/TNHTTPRequestOperation.h"
#include "net/http/TNHTTPRequestSerializer.h"
#include "net/http/TNSecurityPolicy.h"
#include "net/reachability/TNNetworkReachabilityManager.h"
#include "platform/foundation/OperationQueue.h"

class TNHTTPRequestOperationManager : public ns::Object, public ns::Coding {
public:
    using Success = TNHTTPRequestOperation::Success;
    using Failure = TNHTTPRequestOperation::Failure;
    using HeadSuccess = std::function<void(const TNHTTPRequestOperationPtr&)>;

    static std::shared_ptr<TNHTTPRequestOperationManager> manager();
    static std::shared_ptr<TNHTTPRequestOperationManager> create() { return manager(); }
    // A base URL with a path that does not end in "/" gets one.
    static std::shared_ptr<TNHTTPRequestOperationManager> initWithBaseURL(const ns::URLPtr& baseURL);
    // Same base URL and copies of both serializers; other settings default.
    std::shared_ptr<TNHTTPRequestOperationManager> copy() const;

    const ns::URLPtr& baseURL() const { return baseURL_; }
    TNHTTPRequestSerializerPtr requestSerializer = TNHTTPRequestSerializer::serializer();
    TNHTTPResponseSerializerPtr responseSerializer;
    std::shared_ptr<ns::OperationQueue> operationQueue = ns::OperationQueue::create();
    bool shouldUseCredentialStorage = true;
    ns::URLCredentialPtr credential;
    TNSecurityPolicyPtr securityPolicy = TNSecurityPolicy::defaultPolicy();
    TNNetworkReachabilityManagerPtr reachabilityManager = TNNetworkReachabilityManager::sharedManager();
    std::shared_ptr<dispatch::Queue> completionQueue;
    std::shared_ptr<dispatch::Group> completionGroup;

    // Not started.
    TNHTTPRequestOperationPtr HTTPRequestOperationWithRequest(const ns::URLRequest& request, Success success,
                                                              Failure failure);

    TNHTTPRequestOperationPtr GET(const std::string& URLString, const ns::Value& parameters, Success success,
                                  Failure failure);
    TNHTTPRequestOperationPtr HEAD(const std::string& URLString, const ns::Value& parameters, HeadSuccess success,
                                   Failure failure);
    TNHTTPRequestOperationPtr POST(const std::string& URLString, const ns::Value& parameters, Success success,
                                   Failure failure);
    TNHTTPRequestOperationPtr POST(const std::string& URLString, const ns::Value& parameters,
                                   const TNHTTPRequestSerializer::ConstructingBody& block, Success success,
                                   Failure failure);
    TNHTTPRequestOperationPtr POSTSB(const std::string& URLString, const ns::Value& parameters,
                                     const TNHTTPRequestSerializer::ConstructingInMemoryBody& block, Success success,
                                     Failure failure);
    TNHTTPRequestOperationPtr PUT(const std::string& URLString, const ns::Value& parameters, Success success,
                                  Failure failure);
    TNHTTPRequestOperationPtr PATCH(const std::string& URLString, const ns::Value& parameters, Success success,
                                    Failure failure);
    TNHTTPRequestOperationPtr DELETE(const std::string& URLString, const ns::Value& parameters, Success success,
                                     Failure failure);

    // The URL text resolved against the base URL (absolute form).
    std::string resolvedURLString(const std::string& URLString) const;
    std::string description() const override;

    // Archives keep the base URL and both serializers; the other settings
    // start from their defaults again.
    void encodeWithCoder(ns::KeyedArchiver& coder) override;
    bool initWithCoder(ns::KeyedUnarchiver& coder) override;

private:
    TNHTTPRequestOperationManager();
    TNHTTPRequestOperationPtr send(const std::string& method, const std::string& URLString,
                                   const ns::Value& parameters, Success success, Failure failure);
    TNHTTPRequestOperationPtr enqueue(const ns::URLRequest& request, Success success, Failure failure);

    ns::URLPtr baseURL_;
};

using TNHTTPRequestOperationManagerPtr = std::shared_ptr<TNHTTPRequestOperationManager>;
