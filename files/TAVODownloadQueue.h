// The download engine of the downloaded-files page: files of the router's
// USB disk are fetched one at a time, each as a chain of ranged
// "usb.downloadFile" requests that advance 1 MiB at a time, every chunk
// appended to the file of the record's name in the document folder.
//
// The file on the phone always holds exactly the bytes that arrived in
// order: before a chunk is asked for the file is cut back to the offset, and
// a chunk counts only when the router answered 206 starting at that offset
// (or 200 at offset 0, the whole file); anything else (an ignored Range, an
// error page, a chunk that adds nothing before the total) cuts the file
// back and fails the record. Each request is answered once: a late answer of
// a request that was paused, deleted or superseded changes nothing.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "files/TAVODownloadQueueDelegate.h"
#include "net/http/TNHTTPRequestOperation.h"
#include "platform/foundation/Object.h"
#include "protocol/commands/TAVOFileInfo.h"

class TAVODownloadQueue : public ns::Object {
public:
    static constexpr std::int64_t kChunkLength = 1048576;
    static constexpr const char* kUnsafeNameMessage = "文件名无效，无法下载";

    static std::shared_ptr<TAVODownloadQueue> create() { return std::shared_ptr<TAVODownloadQueue>(new TAVODownloadQueue()); }

    void setDelegate(const std::shared_ptr<TAVODownloadQueueDelegate>& delegate) { delegate_ = delegate; }

    const std::vector<TAVOFileInfoPtr>& queue() const { return queue_; }
    bool inDownloading() const { return inDownloading_; }
    const TNHTTPRequestOperationPtr& operation() const { return operation_; }

    // "bytes=<start>-<start + 1048576>".
    static std::string getStringForFileFromRange(std::int64_t start);
    // The exact length of the partial file of a name; 0 when there is none.
    static std::int64_t partialLength(const std::string& name);

    // Queues the records (state 7), renaming those whose names clash with
    // `shown`; a record whose name is unsafe as a local file name is refused.
    // Starts the chain when none runs. Returns the records accepted.
    std::vector<TAVOFileInfoPtr> addItems(const std::vector<TAVOFileInfoPtr>& records,
                                          const std::vector<TAVOFileInfoPtr>& shown);
    // Starts the first queued download, or ends the chain when the queue is empty.
    void doQueueDownload();
    // A running download (state 3) stops and is kept as a paused record.
    void pause(const TAVOFileInfoPtr& record);
    // A paused record (state 6) joins the end of the queue again and
    // continues from its partial file.
    void resume(const TAVOFileInfoPtr& record);
    // Deletes a record in any state, with its partial or finished file.
    void remove(const TAVOFileInfoPtr& record);

    std::string className() const override { return "TAVODownloadQueue"; }

private:
    TAVODownloadQueue() = default;
    void download(const TAVOFileInfoPtr& record, std::int64_t offset);
    void chunkFinished(const TAVOFileInfoPtr& record, std::int64_t offset, const TNHTTPRequestOperationPtr& operation,
                       std::int64_t total);
    void chunkFailed(const TAVOFileInfoPtr& record, std::int64_t offset, const TAVOErrorPtr& error);
    // A reply that broke the range rules: shown, then failed.
    void refuse(const TAVOFileInfoPtr& record, std::int64_t offset);
    void fail(const TAVOFileInfoPtr& record, std::int64_t offset);
    void takeOut(const TAVOFileInfoPtr& record);
    void changed();

    std::weak_ptr<TAVODownloadQueueDelegate> delegate_;
    std::vector<TAVOFileInfoPtr> queue_;
    bool inDownloading_ = false;
    TNHTTPRequestOperationPtr operation_;
    // Raised by every new request, pause and delete: an answer whose number
    // is not the current one is stale.
    std::uint64_t generation_ = 0;
};

using TAVODownloadQueuePtr = std::shared_ptr<TAVODownloadQueue>;
