#include "platform/net/URLSession.h"

#include <filesystem>

#include "platform/foundation/InputStream.h"
#include "platform/foundation/Singleton.h"
#include "platform/net/InputStreamBodySource.h"
#include "platform/net/URLError.h"

namespace ns {

URLSessionPtr URLSession::sharedSession() {
    return Singleton<URLSession>::get(
        [] { return sessionWithConfiguration(URLSessionConfiguration::defaultSessionConfiguration()); });
}

URLSessionPtr URLSession::sessionWithConfiguration(URLSessionConfigurationPtr configuration) {
    return sessionWithConfiguration(std::move(configuration), nullptr, nullptr);
}

URLSessionPtr URLSession::sessionWithConfiguration(URLSessionConfigurationPtr configuration,
                                                   std::shared_ptr<URLSessionDelegate> delegate,
                                                   std::shared_ptr<OperationQueue> delegateQueue) {
    URLSessionPtr session(new URLSession());
    session->configuration_ =
        configuration ? configuration->copy() : URLSessionConfiguration::defaultSessionConfiguration();
    session->delegate_ = std::move(delegate);
    if (!delegateQueue) {
        delegateQueue = OperationQueue::create();
        delegateQueue->setMaxConcurrentOperationCount(1);
    }
    session->queue_ = std::move(delegateQueue);
    return session;
}

std::shared_ptr<URLSessionDelegate> URLSession::delegate() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return delegate_;
}

template <class Task>
std::shared_ptr<Task> URLSession::makeTask(URLSessionTask::Kind kind, const URLRequest& request) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (invalidating_) return nullptr;
    std::shared_ptr<Task> task(new Task(kind, nextIdentifier_++, request));
    task->session_ = self<URLSession>();
    tasks_[task->taskIdentifier()] = task;
    return task;
}

URLSessionDataTaskPtr URLSession::dataTaskWithRequest(const URLRequest& request, DataCompletion completion) {
    auto task = makeTask<URLSessionDataTask>(URLSessionTask::Kind::Data, request);
    if (task) task->dataCompletion_ = std::move(completion);
    return task;
}

URLSessionDataTaskPtr URLSession::dataTaskWithURL(const URLPtr& url, DataCompletion completion) {
    return dataTaskWithRequest(URLRequest(url), std::move(completion));
}

URLSessionUploadTaskPtr URLSession::uploadTaskWithRequestFromData(const URLRequest& request, const Data& body,
                                                                  DataCompletion completion) {
    auto task = makeTask<URLSessionUploadTask>(URLSessionTask::Kind::Upload, request);
    if (!task) return nullptr;
    task->uploadBody_ = std::make_shared<Data>(body);
    task->expectedToSend_ = static_cast<std::int64_t>(body.length());
    task->dataCompletion_ = std::move(completion);
    return task;
}

URLSessionUploadTaskPtr URLSession::uploadTaskWithRequestFromFile(const URLRequest& request, const URLPtr& fileURL,
                                                                  DataCompletion completion) {
    auto task = makeTask<URLSessionUploadTask>(URLSessionTask::Kind::Upload, request);
    if (!task) return nullptr;
    task->dataCompletion_ = std::move(completion);
    std::error_code error;
    std::string path = fileURL ? fileURL->path() : std::string();
    auto size = path.empty() ? 0 : std::filesystem::file_size(path, error);
    if (path.empty() || error) {
        task->startError_ = makeURLError(kURLErrorFileDoesNotExist, request.url() ? request.url()->absoluteString() : "");
        return task;
    }
    task->uploadSource_ = std::make_shared<InputStreamBodySource>(InputStream::inputStreamWithFileAtPath(path));
    task->expectedToSend_ = static_cast<std::int64_t>(size);
    return task;
}

URLSessionUploadTaskPtr URLSession::uploadTaskWithStreamedRequest(const URLRequest& request) {
    auto task = makeTask<URLSessionUploadTask>(URLSessionTask::Kind::Upload, request);
    if (task) task->expectedToSend_ = InputStreamBodySource::declaredLength(request);
    return task;
}

URLSessionDownloadTaskPtr URLSession::downloadTaskWithRequest(const URLRequest& request,
                                                              DownloadCompletion completion) {
    auto task = makeTask<URLSessionDownloadTask>(URLSessionTask::Kind::Download, request);
    if (task) task->downloadCompletion_ = std::move(completion);
    return task;
}

URLSessionDownloadTaskPtr URLSession::downloadTaskWithResumeData(const Data& resumeData,
                                                                 DownloadCompletion completion) {
    URLRequest request;
    std::string path;
    std::int64_t offset = 0;
    std::optional<std::string> validator;
    bool usable = URLSessionDownloadTask::parseResumeData(resumeData, request, path, offset, validator);
    auto task = makeTask<URLSessionDownloadTask>(URLSessionTask::Kind::Download, request);
    if (!task) return nullptr;
    task->downloadCompletion_ = std::move(completion);
    if (!usable) {
        task->startError_ = makeURLError(kURLErrorCannotWriteToFile, "");
        return task;
    }
    std::error_code ignored;
    std::filesystem::resize_file(path, static_cast<std::uintmax_t>(offset), ignored);
    task->downloadPath_ = path;
    task->resumeOffset_ = offset;
    task->resumeValidator_ = validator;
    return task;
}

void URLSession::getTasksWithCompletionHandler(
    std::function<void(std::vector<URLSessionDataTaskPtr>, std::vector<URLSessionUploadTaskPtr>,
                       std::vector<URLSessionDownloadTaskPtr>)>
        handler) {
    std::vector<URLSessionDataTaskPtr> data;
    std::vector<URLSessionUploadTaskPtr> uploads;
    std::vector<URLSessionDownloadTaskPtr> downloads;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        for (const auto& [id, task] : tasks_) {
            switch (task->kind()) {
                case URLSessionTask::Kind::Data: data.push_back(std::static_pointer_cast<URLSessionDataTask>(task)); break;
                case URLSessionTask::Kind::Upload:
                    uploads.push_back(std::static_pointer_cast<URLSessionUploadTask>(task));
                    break;
                case URLSessionTask::Kind::Download:
                    downloads.push_back(std::static_pointer_cast<URLSessionDownloadTask>(task));
                    break;
            }
        }
    }
    enqueue([handler, data, uploads, downloads] { handler(data, uploads, downloads); });
}

void URLSession::finishTasksAndInvalidate() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (invalidating_) return;
        invalidating_ = true;
    }
    becomeInvalidIfDone();
}

void URLSession::invalidateAndCancel() {
    std::vector<URLSessionTaskPtr> running;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        invalidating_ = true;
        for (const auto& [id, task] : tasks_) running.push_back(task);
    }
    for (const auto& task : running) task->cancel();
    becomeInvalidIfDone();
}

void URLSession::taskCompleted(const URLSessionTaskPtr& task) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        tasks_.erase(task->taskIdentifier());
    }
    becomeInvalidIfDone();
}

void URLSession::becomeInvalidIfDone() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!invalidating_ || invalid_ || !tasks_.empty()) return;
        invalid_ = true;
    }
    auto self = this->self<URLSession>();
    enqueue([self] {
        auto delegate = self->delegate();
        if (delegate) delegate->sessionDidBecomeInvalidWithError(self, nullptr);
        // An invalid session lets go of its delegate.
        std::lock_guard<std::mutex> lock(self->mutex_);
        self->delegate_.reset();
    });
}

void URLSession::enqueue(std::function<void()> event) {
    bool startDrain = false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        events_.push_back(std::move(event));
        if (!draining_) draining_ = startDrain = true;
    }
    if (startDrain) {
        auto self = this->self<URLSession>();
        queue_->addOperationWithBlock([self] { self->drain(); });
    }
}

void URLSession::drain() {
    for (;;) {
        std::function<void()> event;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (events_.empty()) {
                draining_ = false;
                return;
            }
            event = std::move(events_.front());
            events_.pop_front();
        }
        event();
    }
}

}  // namespace ns
