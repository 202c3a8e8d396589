#include "net/http/TNHTTPRequestOperation.h"

#include "platform/foundation/HTTPURLResponse.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"

std::shared_ptr<TNHTTPRequestOperation> TNHTTPRequestOperation::create(const ns::URLRequest& request) {
    return std::shared_ptr<TNHTTPRequestOperation>(new TNHTTPRequestOperation(request));
}

std::shared_ptr<dispatch::Queue> TNHTTPRequestOperation::processingQueue() {
    static auto queue =
        dispatch::Queue::create("com.tavonet.networking.http-request.processing", dispatch::QueueAttribute::Concurrent);
    return queue;
}

TNHTTPResponseSerializerPtr TNHTTPRequestOperation::responseSerializer() const {
    std::lock_guard<std::recursive_mutex> guard(lock());
    return responseSerializer_;
}

void TNHTTPRequestOperation::setResponseSerializer(TNHTTPResponseSerializerPtr serializer) {
    std::lock_guard<std::recursive_mutex> guard(lock());
    responseSerializer_ = std::move(serializer);
    responseObject_.reset();
    responseSerializationError_.reset();
    decoded_ = false;
}

ns::HTTPURLResponsePtr TNHTTPRequestOperation::HTTPResponse() const {
    return std::dynamic_pointer_cast<ns::HTTPURLResponse>(response());
}

ns::Value TNHTTPRequestOperation::responseObject() {
    auto object = decodedResponseObject();
    return object ? *object : ns::Value();
}

std::shared_ptr<const ns::Value> TNHTTPRequestOperation::decodedResponseObject() {
    std::lock_guard<std::recursive_mutex> guard(lock());
    if (!decoded_ && isFinished() && !TNURLConnectionOperation::error()) {
        decoded_ = true;
        ns::ErrorPtr error;
        if (responseSerializer_)
            responseObject_ = std::make_shared<const ns::Value>(
                responseSerializer_->responseObjectForResponse(response(), responseDataLocked(), &error));
        responseSerializationError_ = error;
    }
    return responseObject_;
}

ns::ErrorPtr TNHTTPRequestOperation::responseSerializationError() const {
    std::lock_guard<std::recursive_mutex> guard(lock());
    return responseSerializationError_;
}

ns::ErrorPtr TNHTTPRequestOperation::error() const {
    std::lock_guard<std::recursive_mutex> guard(lock());
    return responseSerializationError_ ? responseSerializationError_ : TNURLConnectionOperation::error();
}

void TNHTTPRequestOperation::setCompletionBlockWithSuccess(Success success, Failure failure) {
    std::weak_ptr<TNHTTPRequestOperation> weak = self<TNHTTPRequestOperation>();
    // The base class runs this in the completion group on the completion
    // queue; the decoding itself is moved to the processing queue.
    auto completion = [weak, success, failure] {
        auto self = weak.lock();
        if (!self) return;
        auto group = self->completionGroup;
        if (group) group->enter();
        processingQueue()->async([self, group, success, failure] {
            auto callbackGroup = self->effectiveCompletionGroup();
            auto queue = self->effectiveCompletionQueue();
            if (self->error()) {
                auto error = self->error();
                if (failure) callbackGroup->async(queue, [self, failure, error] { failure(self, error); });
            } else {
                auto object = self->decodedResponseObject();
                if (auto error = self->error()) {
                    if (failure) callbackGroup->async(queue, [self, failure, error] { failure(self, error); });
                } else if (success) {
                    callbackGroup->async(queue, [self, success, object] {
                        static const ns::Value nil;
                        success(self, object ? *object : nil);
                    });
                }
            }
            if (group) group->leave();
        });
    };
    installCompletionBlock(completion, completion);
}

std::shared_ptr<TNURLConnectionOperation> TNHTTPRequestOperation::copy() const {
    auto copy = create(request());
    copySettingsInto(*copy);
    auto serializer = responseSerializer();
    copy->setResponseSerializer(serializer ? serializer->copy() : nullptr);
    return copy;
}

void TNHTTPRequestOperation::pause() {
    std::lock_guard<std::recursive_mutex> guard(lock());
    TNURLConnectionOperation::pause();
    if (!isPaused()) return;
    auto stream = outputStream();
    std::uint64_t offset = 0;
    if (auto fileOffset = stream->fileCurrentOffset()) offset = *fileOffset;
    else if (auto memory = stream->dataWrittenToMemory()) offset = memory->length();
    ns::MutableURLRequest ranged(request());
    ranged.setValue("bytes=" + std::to_string(offset) + "-", "Range");
    if (auto http = HTTPResponse())
        if (auto etag = http->valueForHTTPHeaderField("ETag")) ranged.setValue(*etag, "If-Range");
    setRequest(ranged);
}

void TNHTTPRequestOperation::encodeWithCoder(ns::KeyedArchiver& coder) {
    TNURLConnectionOperation::encodeWithCoder(coder);
    if (auto serializer = responseSerializer()) coder.encodeObject(ns::Value(serializer), "responseSerializer");
}

bool TNHTTPRequestOperation::initWithCoder(ns::KeyedUnarchiver& coder) {
    if (!TNURLConnectionOperation::initWithCoder(coder)) return false;
    ns::Value serializer = coder.decodeObjectForKey("responseSerializer");
    if (serializer.isNil()) return true;
    auto decoded = std::dynamic_pointer_cast<TNHTTPResponseSerializer>(serializer.asObject());
    if (!decoded) return false;
    setResponseSerializer(decoded);
    return true;
}
