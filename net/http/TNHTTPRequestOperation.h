// TNHTTPRequestOperation: a URL connection operation whose reply is
// decoded by a response serializer on the processing queue, then handed to
// a success or failure callback on the completion queue (main by default).
// Pausing it turns the request into a ranged one that continues where the
// body stopped.
#pragma once

#include <functional>
#include <memory>

#include "net/http/TNHTTPResponseSerializer.h"
#include "net/http/TNURLConnectionOperation.h"
#include "platform/foundation/HTTPURLResponse.h"

class TNHTTPRequestOperation : public TNURLConnectionOperation {
public:
    using Success = std::function<void(const std::shared_ptr<TNHTTPRequestOperation>&, const ns::Value& responseObject)>;
    using Failure = std::function<void(const std::shared_ptr<TNHTTPRequestOperation>&, const ns::ErrorPtr& error)>;

    static std::shared_ptr<TNHTTPRequestOperation> create(const ns::URLRequest& request);
    static std::shared_ptr<TNHTTPRequestOperation> create() { return create(ns::URLRequest()); }
    // "com.tavonet.networking.http-request.processing", concurrent.
    static std::shared_ptr<dispatch::Queue> processingQueue();

    TNHTTPResponseSerializerPtr responseSerializer() const;
    // Also forgets a decoded object and its error.
    void setResponseSerializer(TNHTTPResponseSerializerPtr serializer);
    // Decoded once, on first read after a finish without transport error.
    ns::Value responseObject();
    ns::ErrorPtr responseSerializationError() const;
    // The serialization error when there is one, else the connection's.
    ns::ErrorPtr error() const override;
    ns::HTTPURLResponsePtr HTTPResponse() const;

    void setCompletionBlockWithSuccess(Success success, Failure failure);
    // Also a copy of the response serializer.
    std::shared_ptr<TNURLConnectionOperation> copy() const override;
    void pause() override;

    // Adds the response serializer to what the base class keeps.
    void encodeWithCoder(ns::KeyedArchiver& coder) override;
    bool initWithCoder(ns::KeyedUnarchiver& coder) override;

private:
    // Decodes on first use; the shared object stays valid for the caller.
    std::shared_ptr<const ns::Value> decodedResponseObject();

protected:
    explicit TNHTTPRequestOperation(const ns::URLRequest& request) : TNURLConnectionOperation(request) {}

private:
    TNHTTPResponseSerializerPtr responseSerializer_ = TNHTTPResponseSerializer::serializer();
    // Shared with the success callback rather than copied (a body can be large).
    std::shared_ptr<const ns::Value> responseObject_;
    bool decoded_ = false;
    ns::ErrorPtr responseSerializationError_;
};

using TNHTTPRequestOperationPtr = std::shared_ptr<TNHTTPRequestOperation>;
