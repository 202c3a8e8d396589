#include "net/session/TNURLSessionManagerTaskDelegate.h"

#include "net/session/TNURLSessionManager.h"
#include "net/session/TNURLSessionNotifications.h"
#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/FileManager.h"
#include "platform/foundation/NotificationCenter.h"

namespace {

void postOnMain(const char* name, const ns::Value& object, const ns::Dictionary& userInfo) {
    std::string copy(name);
    dispatch::Queue::main()->async([copy, object, userInfo] {
        ns::NotificationCenter::defaultCenter()->postNotificationName(copy, object, userInfo);
    });
}

}  // namespace

void TNMoveDownloadedFile(const ns::URLSessionDownloadTaskPtr& task, const ns::URLPtr& location,
                          const ns::URLPtr& destination) {
    if (!location || !destination) return;
    // Moving a file onto itself is refused by the file manager (or, by a
    // careless one, deletes it): the file is where it should be already.
    if (destination->path() == location->path()) return;
    ns::ErrorPtr error;
    if (!ns::FileManager::defaultManager()->moveItemAtPath(location->path(), destination->path(), &error)) {
        postOnMain(TNURLSessionDownloadTaskDidFailToMoveFileNotification, ns::Value(task),
                   error ? error->userInfo() : ns::Dictionary());
    }
}

TNURLSessionManagerTaskDelegate::TNURLSessionManagerTaskDelegate()
    : progress_(ns::Progress::progressWithTotalUnitCount(0)) {}

ns::ProgressPtr TNURLSessionManagerTaskDelegate::progress() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return progress_;
}

void TNURLSessionManagerTaskDelegate::setProgress(ns::ProgressPtr progress) {
    std::lock_guard<std::mutex> lock(mutex_);
    progress_ = std::move(progress);
}

ns::URLPtr TNURLSessionManagerTaskDelegate::downloadFileURL() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return downloadFileURL_;
}

ns::Data TNURLSessionManagerTaskDelegate::mutableData() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return mutableData_;
}

void TNURLSessionManagerTaskDelegate::taskDidSendBodyData(std::int64_t totalBytesSent,
                                                          std::int64_t totalBytesExpectedToSend) {
    auto p = progress();
    p->setTotalUnitCount(totalBytesExpectedToSend);
    p->setCompletedUnitCount(totalBytesSent);
}

void TNURLSessionManagerTaskDelegate::dataTaskDidReceiveData(const ns::Data& data) {
    std::lock_guard<std::mutex> lock(mutex_);
    mutableData_.append(data);
}

void TNURLSessionManagerTaskDelegate::downloadTaskDidWriteData(std::int64_t totalBytesWritten,
                                                               std::int64_t totalBytesExpectedToWrite) {
    auto p = progress();
    p->setTotalUnitCount(totalBytesExpectedToWrite);
    p->setCompletedUnitCount(totalBytesWritten);
}

void TNURLSessionManagerTaskDelegate::downloadTaskDidResumeAtOffset(std::int64_t fileOffset,
                                                                    std::int64_t expectedTotalBytes) {
    auto p = progress();
    p->setTotalUnitCount(expectedTotalBytes);
    p->setCompletedUnitCount(fileOffset);
}

void TNURLSessionManagerTaskDelegate::downloadTaskDidFinishDownloadingToURL(const ns::URLSessionPtr& session,
                                                                            const ns::URLSessionDownloadTaskPtr& task,
                                                                            const ns::URLPtr& location) {
    ns::URLPtr destination;
    if (downloadTaskDidFinishDownloading) destination = downloadTaskDidFinishDownloading(session, task, location);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        downloadFileURL_ = destination;
    }
    if (destination) TNMoveDownloadedFile(task, location, destination);
}

void TNURLSessionManagerTaskDelegate::taskDidCompleteWithError(const ns::URLSessionPtr&, const ns::URLSessionTaskPtr& task,
                                                               const ns::ErrorPtr& error) {
    auto owner = manager.lock();
    // Queued work keeps this delegate (and what it gathered) alive.
    auto self = this->self<TNURLSessionManagerTaskDelegate>();
    TNHTTPResponseSerializerPtr serializer = owner ? owner->responseSerializer() : nullptr;
    auto queue = owner && owner->completionQueue ? owner->completionQueue : dispatch::Queue::main();
    auto group = owner && owner->completionGroup ? owner->completionGroup
                                                  : TNURLSessionManager::defaultCompletionGroup();

    ns::Dictionary userInfo;
    if (serializer) userInfo.set(TNNetworkingTaskDidCompleteResponseSerializerKey, ns::Value(serializer));
    const ns::URLPtr fileURL = downloadFileURL();
    const ns::Data data = mutableData();
    if (fileURL)
        userInfo.set(TNNetworkingTaskDidCompleteAssetPathKey, ns::Value(fileURL));
    else
        userInfo.set(TNNetworkingTaskDidCompleteResponseDataKey, ns::Value(data));

    if (error) {
        userInfo.set(TNNetworkingTaskDidCompleteErrorKey, ns::Value(error));
        group->async(queue, [self, task, error, userInfo] {
            if (self->completionHandler) self->completionHandler(task->response(), ns::Value(), error);
            postOnMain(TNNetworkingTaskDidCompleteNotification, ns::Value(task), userInfo);
        });
        return;
    }
    TNURLSessionManager::processingQueue()->async([self, task, serializer, fileURL, data, userInfo, queue, group] {
        ns::ErrorPtr serializationError;
        ns::Value responseObject;
        if (serializer) responseObject = serializer->responseObjectForResponse(task->response(), data, &serializationError);
        if (fileURL) responseObject = ns::Value(fileURL);
        ns::Dictionary info = userInfo;
        if (!responseObject.isNil()) info.set(TNNetworkingTaskDidCompleteSerializedResponseKey, responseObject);
        if (serializationError) info.set(TNNetworkingTaskDidCompleteErrorKey, ns::Value(serializationError));
        group->async(queue, [self, task, responseObject, serializationError, info] {
            if (self->completionHandler) self->completionHandler(task->response(), responseObject, serializationError);
            postOnMain(TNNetworkingTaskDidCompleteNotification, ns::Value(task), info);
        });
    });
}
