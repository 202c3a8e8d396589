#include "protocol/commands/TAVOCommandDownloadOperation.h"

#include "platform/foundation/HTTPURLResponse.h"

void TAVOCommandDownloadOperation::connectionDidReceiveResponse(const ns::URLConnectionPtr& connection,
                                                                const ns::URLResponsePtr& response) {
    auto http = std::dynamic_pointer_cast<ns::HTTPURLResponse>(response);
    if (http && (http->statusCode() < 200 || http->statusCode() > 299)) {
        std::lock_guard<std::recursive_mutex> guard(lock());
        setOutputStream(ns::OutputStream::outputStreamToMemory());
    }
    TNHTTPRequestOperation::connectionDidReceiveResponse(connection, response);
}
