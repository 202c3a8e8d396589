// TNURLSessionManagerTaskDelegate: what a session manager keeps for one
// task: the body received, the task's progress, where a download's file
// went, and the completion to call with the serialized reply.
#pragma once

#include <functional>
#include <memory>
#include <mutex>

#include "platform/foundation/Data.h"
#include "platform/foundation/Progress.h"
#include "platform/foundation/Value.h"
#include "platform/net/URLSessionDelegate.h"
#include "platform/net/URLSessionDownloadTask.h"
#include "platform/net/URLSessionTask.h"

class TNURLSessionManager;

class TNURLSessionManagerTaskDelegate : public ns::Object {
public:
    using CompletionHandler =
        std::function<void(const ns::URLResponsePtr&, const ns::Value& responseObject, const ns::ErrorPtr&)>;
    // (session, download task, temporary location) -> where the file goes, or none.
    using DownloadDestination = std::function<ns::URLPtr(const ns::URLSessionPtr&, const ns::URLSessionDownloadTaskPtr&,
                                                         const ns::URLPtr& location)>;

    static std::shared_ptr<TNURLSessionManagerTaskDelegate> create() {
        return std::shared_ptr<TNURLSessionManagerTaskDelegate>(new TNURLSessionManagerTaskDelegate());
    }

    std::weak_ptr<TNURLSessionManager> manager;
    DownloadDestination downloadTaskDidFinishDownloading;
    CompletionHandler completionHandler;

    ns::ProgressPtr progress() const;
    void setProgress(ns::ProgressPtr progress);
    ns::URLPtr downloadFileURL() const;
    // A copy of the body received so far.
    ns::Data mutableData() const;

    void taskDidSendBodyData(std::int64_t totalBytesSent, std::int64_t totalBytesExpectedToSend);
    void dataTaskDidReceiveData(const ns::Data& data);
    void downloadTaskDidWriteData(std::int64_t totalBytesWritten, std::int64_t totalBytesExpectedToWrite);
    void downloadTaskDidResumeAtOffset(std::int64_t fileOffset, std::int64_t expectedTotalBytes);
    void downloadTaskDidFinishDownloadingToURL(const ns::URLSessionPtr& session,
                                               const ns::URLSessionDownloadTaskPtr& task, const ns::URLPtr& location);
    void taskDidCompleteWithError(const ns::URLSessionPtr& session, const ns::URLSessionTaskPtr& task,
                                  const ns::ErrorPtr& error);

private:
    TNURLSessionManagerTaskDelegate();
    mutable std::mutex mutex_;
    ns::Data mutableData_;
    ns::ProgressPtr progress_;
    ns::URLPtr downloadFileURL_;
};

using TNURLSessionManagerTaskDelegatePtr = std::shared_ptr<TNURLSessionManagerTaskDelegate>;

// Moves a downloaded file to its destination; a failure posts the
// file-manager error notification with the task. A destination that is the
// file's own location needs no move (and is no failure).
void TNMoveDownloadedFile(const ns::URLSessionDownloadTaskPtr& task, const ns::URLPtr& location,
                          const ns::URLPtr& destination);
