// The upload engine of the router-disk page: photos and videos picked on
// the phone go to a folder of the router's USB disk one file at a time, in
// chunks of at most 1 MiB, each a "usb.uploadFile" command whose
// "Content-Range" names the chunk's first offset, the offset just past it
// and the file's size. Queues are kept per target folder (taken in the
// folders' name order); paused and failed uploads are stored per folder.
//
// Exactly one chunk is in flight. Pausing or deleting the running upload
// stops it and starts the next one here, also between two chunks while the
// next chunk's bytes are still being read, so the queue never waits for a
// cancellation that will not come; a late answer of a stopped upload
// changes nothing.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "files/TAVOUploadQueueDelegate.h"
#include "net/http/TNHTTPRequestOperation.h"
#include "platform/foundation/Object.h"
#include "protocol/commands/TAVOFileInfo.h"

class TAVOUploadQueue : public ns::Object {
public:
    static constexpr std::int64_t kChunkLength = 1048576;
    static constexpr const char* kSourceGoneMessage = "文件读取失败";

    static std::shared_ptr<TAVOUploadQueue> create() { return std::shared_ptr<TAVOUploadQueue>(new TAVOUploadQueue()); }

    void setDelegate(const std::shared_ptr<TAVOUploadQueueDelegate>& delegate) { delegate_ = delegate; }

    bool inUploading() const { return inUploading_; }
    const TNHTTPRequestOperationPtr& operation() const { return operation_; }
    // The record whose chunks are being sent, or null.
    const TAVOFileInfoPtr& running() const { return running_; }

    // "bytes <start>-<end>/<total>".
    static std::string getUploadRangeFromRange(std::int64_t start, std::int64_t end, std::int64_t total);

    // Every queued record, folder by folder, each in queue order.
    std::vector<TAVOFileInfoPtr> getAllUploadQueue() const;
    std::vector<TAVOFileInfoPtr> getUploadQueueByPath(const std::string& path) const;
    void addUploadFiles(const std::vector<TAVOFileInfoPtr>& records, const std::string& path);
    void deleteFile(const TAVOFileInfoPtr& record, const std::string& path);
    static std::vector<TAVOFileInfoPtr> getStopUploadQueueByPath(const std::string& path);
    static std::vector<TAVOFileInfoPtr> getFailedUploadQueue(const std::string& path);

    // Queues records (state 7) for the folder, after renaming clashes with
    // `shown`; starts uploading when nothing runs.
    void doAddWaitingItems(const std::vector<TAVOFileInfoPtr>& records, const std::vector<TAVOFileInfoPtr>& shown,
                           const std::string& folder);
    void doUploadQueue();
    void doPauseFile(const TAVOFileInfoPtr& record);
    void doResumePauseFile(const TAVOFileInfoPtr& record);
    void doDeleteWaitingFile(const TAVOFileInfoPtr& record);
    // Stops a running upload (before its delete goes to the router) and
    // moves on to the next one.
    void stopRunning(const TAVOFileInfoPtr& record);

    std::string className() const override { return "TAVOUploadQueue"; }

private:
    TAVOUploadQueue() = default;
    void doUploadFile(const TAVOFileInfoPtr& record, std::int64_t written);
    void sendChunk(const TAVOFileInfoPtr& record, std::int64_t written, std::int64_t end, const ns::Data& bytes,
                   std::uint64_t generation);
    void finish(const TAVOFileInfoPtr& record);
    void doUploadFail(const TAVOFileInfoPtr& record);
    bool isQueued(const TAVOFileInfoPtr& record) const;
    void changed();

    std::weak_ptr<TAVOUploadQueueDelegate> delegate_;
    std::map<std::string, std::vector<TAVOFileInfoPtr>> queues_;
    bool inUploading_ = false;
    TNHTTPRequestOperationPtr operation_;
    TAVOFileInfoPtr running_;
    std::uint64_t generation_ = 0;
};

using TAVOUploadQueuePtr = std::shared_ptr<TAVOUploadQueue>;
