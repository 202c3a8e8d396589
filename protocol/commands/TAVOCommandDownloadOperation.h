// The operation of a ranged download. When the router answers with a status
// outside 200-299 (a 416 past the end, an error page) the body is kept in
// memory instead of the caller's output stream, so nothing but file bytes
// ever reaches the target file; the response serializer then fails the
// transfer.
#pragma once

#include <memory>

#include "net/http/TNHTTPRequestOperation.h"

class TAVOCommandDownloadOperation : public TNHTTPRequestOperation {
public:
    static std::shared_ptr<TAVOCommandDownloadOperation> create(const ns::URLRequest& request) {
        return std::shared_ptr<TAVOCommandDownloadOperation>(new TAVOCommandDownloadOperation(request));
    }

    void connectionDidReceiveResponse(const ns::URLConnectionPtr& connection, const ns::URLResponsePtr& response) override;

protected:
    explicit TAVOCommandDownloadOperation(const ns::URLRequest& request) : TNHTTPRequestOperation(request) {}
};
