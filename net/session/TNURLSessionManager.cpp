#include "net/session/TNURLSessionManager.h"

#include <cstdio>

#include "net/http/TNJSONResponseSerializer.h"
#include "net/session/TNURLSessionNotifications.h"
#include "platform/foundation/DispatchSemaphore.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/StringUtils.h"

namespace {

void postOnMain(const char* name, const ns::Value& object) {
    std::string copy(name);
    dispatch::Queue::main()->async(
        [copy, object] { ns::NotificationCenter::defaultCenter()->postNotificationName(copy, object); });
}

// The request's declared body length, or -1 when it declares none.
std::int64_t declaredContentLength(const ns::URLRequest& request) {
    auto header = request.valueForHTTPHeaderField("Content-Length");
    if (!header) return ns::kURLSessionTransferSizeUnknown;
    return ns::Value(*header).longLongValue();
}

}  // namespace

std::shared_ptr<dispatch::Queue> TNURLSessionManager::processingQueue() {
    static auto queue = dispatch::Queue::create("com.tavonet.networking.session.manager.processing",
                                                dispatch::QueueAttribute::Concurrent);
    return queue;
}

std::shared_ptr<dispatch::Group> TNURLSessionManager::defaultCompletionGroup() {
    static auto group = dispatch::Group::create();
    return group;
}

std::shared_ptr<TNURLSessionManager> TNURLSessionManager::create(ns::URLSessionConfigurationPtr configuration) {
    std::shared_ptr<TNURLSessionManager> manager(new TNURLSessionManager());
    manager->initWithSessionConfiguration(std::move(configuration));
    return manager;
}

void TNURLSessionManager::initWithSessionConfiguration(ns::URLSessionConfigurationPtr configuration) {
    if (!configuration) configuration = ns::URLSessionConfiguration::defaultSessionConfiguration();
    operationQueue_ = ns::OperationQueue::create();
    operationQueue_->setMaxConcurrentOperationCount(ns::OperationQueue::kDefaultMaxConcurrentOperationCount);
    responseSerializer_ = TNJSONResponseSerializer::serializer();
    sessionConfiguration_ = configuration;
    session_ = ns::URLSession::sessionWithConfiguration(configuration, self<TNURLSessionManager>(), operationQueue_);
    securityPolicy = TNSecurityPolicy::defaultPolicy();
    reachabilityManager = TNNetworkReachabilityManager::sharedManager();

    // Tasks a background session carries over get fresh delegates.
    std::weak_ptr<TNURLSessionManager> weak = self<TNURLSessionManager>();
    session_->getTasksWithCompletionHandler([weak](auto dataTasks, auto uploadTasks, auto downloadTasks) {
        auto manager = weak.lock();
        if (!manager) return;
        for (const auto& task : dataTasks) manager->addDelegateForDataTask(task, nullptr);
        for (const auto& task : uploadTasks) manager->addDelegateForUploadTask(task, nullptr, nullptr);
        for (const auto& task : downloadTasks) manager->addDelegateForDownloadTask(task, nullptr, nullptr, nullptr);
    });
}

TNHTTPResponseSerializerPtr TNURLSessionManager::responseSerializer() const {
    std::lock_guard<std::mutex> lock(lock_);
    return responseSerializer_;
}

void TNURLSessionManager::setResponseSerializer(TNHTTPResponseSerializerPtr serializer) {
    std::lock_guard<std::mutex> lock(lock_);
    responseSerializer_ = std::move(serializer);
}

std::string TNURLSessionManager::description() const {
    char address[32];
    std::snprintf(address, sizeof address, "%p", static_cast<const void*>(this));
    return "<" + className() + ": " + address + ", session: " + (session_ ? session_->description() : "(null)") +
           ", operationQueue: " + (operationQueue_ ? operationQueue_->description() : "(null)") + ">";
}

std::shared_ptr<TNURLSessionManager> TNURLSessionManager::copy() const {
    auto manager = makeEmpty();
    manager->initWithSessionConfiguration(session_ ? session_->configuration()->copy() : nullptr);
    return manager;
}

// --- Bookkeeping ------------------------------------------------------------

TNURLSessionManagerTaskDelegatePtr TNURLSessionManager::delegateForTask(const TaskPtr& task) const {
    if (!task) return nullptr;
    std::lock_guard<std::mutex> lock(lock_);
    auto it = mutableTaskDelegatesKeyedByTaskIdentifier_.find(task->taskIdentifier());
    return it == mutableTaskDelegatesKeyedByTaskIdentifier_.end() ? nullptr : it->second.delegate;
}

void TNURLSessionManager::setDelegateForTask(const TNURLSessionManagerTaskDelegatePtr& delegate, const TaskPtr& task) {
    if (!task || !delegate) return;
    std::weak_ptr<TNURLSessionManager> weakManager = self<TNURLSessionManager>();
    std::weak_ptr<ns::URLSessionTask> weakTask = task;
    std::lock_guard<std::mutex> lock(lock_);
    Registration registration{delegate, task, 0};
    registration.observerToken =
        task->addStateObserver([weakManager, weakTask](ns::URLSessionTaskState oldState, ns::URLSessionTaskState newState) {
            auto manager = weakManager.lock();
            auto task = weakTask.lock();
            if (manager && task) manager->observeTaskState(task, oldState, newState);
        });
    auto& slot = mutableTaskDelegatesKeyedByTaskIdentifier_[task->taskIdentifier()];
    if (slot.task) slot.task->removeStateObserver(slot.observerToken);
    slot = std::move(registration);
}

void TNURLSessionManager::removeDelegateForTask(const TaskPtr& task) {
    if (!task) return;
    std::lock_guard<std::mutex> lock(lock_);
    auto it = mutableTaskDelegatesKeyedByTaskIdentifier_.find(task->taskIdentifier());
    if (it == mutableTaskDelegatesKeyedByTaskIdentifier_.end()) return;
    it->second.task->removeStateObserver(it->second.observerToken);
    mutableTaskDelegatesKeyedByTaskIdentifier_.erase(it);
}

void TNURLSessionManager::removeAllDelegates() {
    std::lock_guard<std::mutex> lock(lock_);
    mutableTaskDelegatesKeyedByTaskIdentifier_.clear();
}

void TNURLSessionManager::observeTaskState(const TaskPtr& task, ns::URLSessionTaskState oldState,
                                           ns::URLSessionTaskState newState) {
    if (oldState == newState) return;
    switch (task->state()) {
    case ns::URLSessionTaskState::Running:
        postOnMain(TNNetworkingTaskDidResumeNotification, ns::Value(task));
        break;
    case ns::URLSessionTaskState::Suspended:
        postOnMain(TNNetworkingTaskDidSuspendNotification, ns::Value(task));
        break;
    default:
        break;
    }
}

void TNURLSessionManager::addDelegateForDataTask(const ns::URLSessionDataTaskPtr& task, CompletionHandler completion) {
    auto delegate = TNURLSessionManagerTaskDelegate::create();
    delegate->manager = self<TNURLSessionManager>();
    delegate->completionHandler = std::move(completion);
    setDelegateForTask(delegate, task);
}

void TNURLSessionManager::addDelegateForUploadTask(const ns::URLSessionUploadTaskPtr& task, ns::ProgressPtr* progress,
                                                   CompletionHandler completion) {
    auto delegate = TNURLSessionManagerTaskDelegate::create();
    delegate->manager = self<TNURLSessionManager>();
    delegate->completionHandler = std::move(completion);
    if (task) {
        std::int64_t total = task->countOfBytesExpectedToSend();
        if (total == ns::kURLSessionTransferSizeUnknown) {
            std::int64_t declared = declaredContentLength(task->originalRequest());
            if (declared != ns::kURLSessionTransferSizeUnknown || task->originalRequest().valueForHTTPHeaderField("Content-Length"))
                total = declared;
        }
        auto uploadProgress = ns::Progress::progressWithTotalUnitCount(total);
        uploadProgress->setCancellable(true);
        uploadProgress->setPausable(true);
        std::weak_ptr<ns::URLSessionTask> weakTask = task;
        uploadProgress->setCancellationHandler([weakTask] {
            if (auto t = weakTask.lock()) t->cancel();
        });
        uploadProgress->setPausingHandler([weakTask] {
            if (auto t = weakTask.lock()) t->suspend();
        });
        delegate->setProgress(uploadProgress);
    }
    setDelegateForTask(delegate, task);
    if (progress) *progress = delegate->progress();
}

void TNURLSessionManager::addDelegateForDownloadTask(const ns::URLSessionDownloadTaskPtr& task, ns::ProgressPtr* progress,
                                                     Destination destination, CompletionHandler completion) {
    auto delegate = TNURLSessionManagerTaskDelegate::create();
    delegate->manager = self<TNURLSessionManager>();
    delegate->completionHandler = std::move(completion);
    // Without a destination the file stays where the session put it.
    delegate->downloadTaskDidFinishDownloading = [destination](const ns::URLSessionPtr&,
                                                               const ns::URLSessionDownloadTaskPtr& task,
                                                               const ns::URLPtr& location) -> ns::URLPtr {
        if (destination) return destination(location, task ? task->response() : nullptr);
        return location;
    };
    setDelegateForTask(delegate, task);
    if (progress) *progress = delegate->progress();
}

std::vector<TNURLSessionManager::TaskPtr> TNURLSessionManager::tasksForKeyPath(const std::string& keyPath) {
    std::vector<TaskPtr> result;
    auto semaphore = dispatch::Semaphore::create(0);
    session_->getTasksWithCompletionHandler([&](auto dataTasks, auto uploadTasks, auto downloadTasks) {
        if (keyPath == "dataTasks" || keyPath == "tasks") result.insert(result.end(), dataTasks.begin(), dataTasks.end());
        if (keyPath == "uploadTasks" || keyPath == "tasks")
            result.insert(result.end(), uploadTasks.begin(), uploadTasks.end());
        if (keyPath == "downloadTasks" || keyPath == "tasks")
            result.insert(result.end(), downloadTasks.begin(), downloadTasks.end());
        semaphore->signal();
    });
    semaphore->wait();
    return result;
}

// --- Factories --------------------------------------------------------------

ns::URLSessionDataTaskPtr TNURLSessionManager::dataTaskWithRequest(const ns::URLRequest& request,
                                                                   CompletionHandler completion) {
    auto task = session_->dataTaskWithRequest(request);
    if (task) addDelegateForDataTask(task, std::move(completion));
    return task;
}

ns::URLSessionUploadTaskPtr TNURLSessionManager::uploadTaskWithRequestFromFile(const ns::URLRequest& request,
                                                                               const ns::URLPtr& fileURL,
                                                                               ns::ProgressPtr* progress,
                                                                               CompletionHandler completion) {
    auto task = session_->uploadTaskWithRequestFromFile(request, fileURL);
    if (!task && attemptsToRecreateUploadTasksForBackgroundSessions && session_->configuration()->identifier()) {
        for (int attempt = 0; !task && attempt < 3; ++attempt)
            task = session_->uploadTaskWithRequestFromFile(request, fileURL);
    }
    if (task) addDelegateForUploadTask(task, progress, std::move(completion));
    return task;
}

ns::URLSessionUploadTaskPtr TNURLSessionManager::uploadTaskWithRequestFromData(const ns::URLRequest& request,
                                                                               const ns::Data& body,
                                                                               ns::ProgressPtr* progress,
                                                                               CompletionHandler completion) {
    auto task = session_->uploadTaskWithRequestFromData(request, body);
    if (task) addDelegateForUploadTask(task, progress, std::move(completion));
    return task;
}

ns::URLSessionUploadTaskPtr TNURLSessionManager::uploadTaskWithStreamedRequest(const ns::URLRequest& request,
                                                                               ns::ProgressPtr* progress,
                                                                               CompletionHandler completion) {
    auto task = session_->uploadTaskWithStreamedRequest(request);
    if (task) addDelegateForUploadTask(task, progress, std::move(completion));
    return task;
}

ns::URLSessionDownloadTaskPtr TNURLSessionManager::downloadTaskWithRequest(const ns::URLRequest& request,
                                                                           ns::ProgressPtr* progress,
                                                                           Destination destination,
                                                                           CompletionHandler completion) {
    auto task = session_->downloadTaskWithRequest(request);
    if (task) addDelegateForDownloadTask(task, progress, std::move(destination), std::move(completion));
    return task;
}

ns::URLSessionDownloadTaskPtr TNURLSessionManager::downloadTaskWithResumeData(const ns::Data& resumeData,
                                                                              ns::ProgressPtr* progress,
                                                                              Destination destination,
                                                                              CompletionHandler completion) {
    auto task = session_->downloadTaskWithResumeData(resumeData);
    if (task) addDelegateForDownloadTask(task, progress, std::move(destination), std::move(completion));
    return task;
}

ns::ProgressPtr TNURLSessionManager::uploadProgressForTask(const TaskPtr& task) const {
    auto delegate = delegateForTask(task);
    return delegate ? delegate->progress() : nullptr;
}

ns::ProgressPtr TNURLSessionManager::downloadProgressForTask(const TaskPtr& task) const {
    auto delegate = delegateForTask(task);
    return delegate ? delegate->progress() : nullptr;
}

void TNURLSessionManager::invalidateSessionCancelingTasks(bool cancelPendingTasks) {
    if (cancelPendingTasks)
        session_->invalidateAndCancel();
    else
        session_->finishTasksAndInvalidate();
}

// --- Hook setters -------------------------------------------------------------

void TNURLSessionManager::setSessionDidBecomeInvalidBlock(std::function<void(const Session&, const ns::ErrorPtr&)> block) {
    sessionDidBecomeInvalid_ = std::move(block);
}
void TNURLSessionManager::setSessionDidReceiveAuthenticationChallengeBlock(
    std::function<Disposition(const Session&, const Challenge&, ns::URLCredentialPtr&)> block) {
    sessionDidReceiveChallenge_ = std::move(block);
}
void TNURLSessionManager::setTaskWillPerformHTTPRedirectionBlock(
    std::function<std::optional<ns::URLRequest>(const Session&, const TaskPtr&, const ns::URLResponsePtr&,
                                                const ns::URLRequest&)>
        block) {
    taskWillPerformHTTPRedirection_ = std::move(block);
}
void TNURLSessionManager::setTaskDidReceiveAuthenticationChallengeBlock(
    std::function<Disposition(const Session&, const TaskPtr&, const Challenge&, ns::URLCredentialPtr&)> block) {
    taskDidReceiveChallenge_ = std::move(block);
}
void TNURLSessionManager::setTaskNeedNewBodyStreamBlock(std::function<ns::InputStreamPtr(const Session&, const TaskPtr&)> block) {
    taskNeedNewBodyStream_ = std::move(block);
}
void TNURLSessionManager::setTaskDidSendBodyDataBlock(
    std::function<void(const Session&, const TaskPtr&, std::int64_t, std::int64_t, std::int64_t)> block) {
    taskDidSendBodyData_ = std::move(block);
}
void TNURLSessionManager::setTaskDidCompleteBlock(std::function<void(const Session&, const TaskPtr&, const ns::ErrorPtr&)> block) {
    taskDidComplete_ = std::move(block);
}
void TNURLSessionManager::setDataTaskDidReceiveResponseBlock(
    std::function<ns::URLSessionResponseDisposition(const Session&, const ns::URLSessionDataTaskPtr&,
                                                    const ns::URLResponsePtr&)>
        block) {
    dataTaskDidReceiveResponse_ = std::move(block);
}
void TNURLSessionManager::setDataTaskDidBecomeDownloadTaskBlock(
    std::function<void(const Session&, const ns::URLSessionDataTaskPtr&, const ns::URLSessionDownloadTaskPtr&)> block) {
    dataTaskDidBecomeDownloadTask_ = std::move(block);
}
void TNURLSessionManager::setDataTaskDidReceiveDataBlock(
    std::function<void(const Session&, const ns::URLSessionDataTaskPtr&, const ns::Data&)> block) {
    dataTaskDidReceiveData_ = std::move(block);
}
void TNURLSessionManager::setDataTaskWillCacheResponseBlock(
    std::function<std::optional<ns::Data>(const Session&, const ns::URLSessionDataTaskPtr&,
                                          const std::optional<ns::Data>&)>
        block) {
    dataTaskWillCacheResponse_ = std::move(block);
}
void TNURLSessionManager::setDidFinishEventsForBackgroundURLSessionBlock(std::function<void(const Session&)> block) {
    didFinishEventsForBackgroundURLSession_ = std::move(block);
}
void TNURLSessionManager::setDownloadTaskDidFinishDownloadingBlock(
    std::function<ns::URLPtr(const Session&, const ns::URLSessionDownloadTaskPtr&, const ns::URLPtr&)> block) {
    downloadTaskDidFinishDownloading_ = std::move(block);
}
void TNURLSessionManager::setDownloadTaskDidWriteDataBlock(
    std::function<void(const Session&, const ns::URLSessionDownloadTaskPtr&, std::int64_t, std::int64_t, std::int64_t)>
        block) {
    downloadTaskDidWriteData_ = std::move(block);
}
void TNURLSessionManager::setDownloadTaskDidResumeBlock(
    std::function<void(const Session&, const ns::URLSessionDownloadTaskPtr&, std::int64_t, std::int64_t)> block) {
    downloadTaskDidResume_ = std::move(block);
}

// --- Session delegate ---------------------------------------------------------

void TNURLSessionManager::sessionDidBecomeInvalidWithError(const ns::URLSessionPtr& session, const ns::ErrorPtr& error) {
    if (sessionDidBecomeInvalid_) sessionDidBecomeInvalid_(session, error);
    std::weak_ptr<TNURLSessionManager> weak = self<TNURLSessionManager>();
    session->getTasksWithCompletionHandler([weak](auto dataTasks, auto uploadTasks, auto downloadTasks) {
        auto manager = weak.lock();
        if (!manager) return;
        for (const auto& task : dataTasks) manager->removeDelegateForTask(task);
        for (const auto& task : uploadTasks) manager->removeDelegateForTask(task);
        for (const auto& task : downloadTasks) manager->removeDelegateForTask(task);
        manager->removeAllDelegates();
    });
    postOnMain(TNURLSessionDidInvalidateNotification, ns::Value(session));
}

TNURLSessionManager::Disposition TNURLSessionManager::evaluateChallenge(const Challenge& challenge,
                                                                        ns::URLCredentialPtr& credential,
                                                                        bool taskLevel) {
    const auto& space = challenge->protectionSpace();
    if (!space || space->authenticationMethod() != ns::kURLAuthenticationMethodServerTrust)
        return Disposition::PerformDefaultHandling;
    auto policy = securityPolicy ? securityPolicy : TNSecurityPolicy::defaultPolicy();
    if (!policy->evaluateServerTrust(space->serverTrust(), space->host())) return Disposition::CancelAuthenticationChallenge;
    credential = ns::URLCredential::credentialForTrust(space->serverTrust());
    if (taskLevel) return Disposition::UseCredential;
    return credential ? Disposition::UseCredential : Disposition::PerformDefaultHandling;
}

void TNURLSessionManager::sessionDidReceiveChallenge(const ns::URLSessionPtr& session, const Challenge& challenge,
                                                     ns::ChallengeCompletion completion) {
    ns::URLCredentialPtr credential;
    Disposition disposition = sessionDidReceiveChallenge_ ? sessionDidReceiveChallenge_(session, challenge, credential)
                                                          : evaluateChallenge(challenge, credential, false);
    if (completion) completion(disposition, credential);
}

void TNURLSessionManager::taskDidReceiveChallenge(const ns::URLSessionPtr& session, const TaskPtr& task,
                                                  const Challenge& challenge, ns::ChallengeCompletion completion) {
    ns::URLCredentialPtr credential;
    Disposition disposition = taskDidReceiveChallenge_ ? taskDidReceiveChallenge_(session, task, challenge, credential)
                                                       : evaluateChallenge(challenge, credential, true);
    if (completion) completion(disposition, credential);
}

void TNURLSessionManager::taskDidSendBodyData(const ns::URLSessionPtr& session, const TaskPtr& task,
                                              std::int64_t bytesSent, std::int64_t totalBytesSent,
                                              std::int64_t totalBytesExpectedToSend) {
    std::int64_t total = totalBytesExpectedToSend;
    if (total == ns::kURLSessionTransferSizeUnknown && task->originalRequest().valueForHTTPHeaderField("Content-Length"))
        total = declaredContentLength(task->originalRequest());
    if (auto delegate = delegateForTask(task)) delegate->taskDidSendBodyData(totalBytesSent, total);
    if (taskDidSendBodyData_) taskDidSendBodyData_(session, task, bytesSent, totalBytesSent, total);
}

void TNURLSessionManager::taskDidCompleteWithError(const ns::URLSessionPtr& session, const TaskPtr& task,
                                                   const ns::ErrorPtr& error) {
    if (auto delegate = delegateForTask(task)) {
        delegate->taskDidCompleteWithError(session, task, error);
        removeDelegateForTask(task);
    }
    if (taskDidComplete_) taskDidComplete_(session, task, error);
}

bool TNURLSessionManager::implementsDataTaskDidReceiveResponse() const {
    return static_cast<bool>(dataTaskDidReceiveResponse_);
}

void TNURLSessionManager::dataTaskDidReceiveResponse(const ns::URLSessionPtr& session,
                                                     const ns::URLSessionDataTaskPtr& task,
                                                     const ns::URLResponsePtr& response,
                                                     std::function<void(ns::URLSessionResponseDisposition)> completion) {
    auto disposition = ns::URLSessionResponseDisposition::Allow;
    if (dataTaskDidReceiveResponse_) disposition = dataTaskDidReceiveResponse_(session, task, response);
    if (completion) completion(disposition);
}

void TNURLSessionManager::dataTaskDidReceiveData(const ns::URLSessionPtr& session, const ns::URLSessionDataTaskPtr& task,
                                                 const ns::Data& data) {
    if (auto delegate = delegateForTask(task)) delegate->dataTaskDidReceiveData(data);
    if (dataTaskDidReceiveData_) dataTaskDidReceiveData_(session, task, data);
}

void TNURLSessionManager::downloadTaskDidFinishDownloadingToURL(const ns::URLSessionPtr& session,
                                                                const ns::URLSessionDownloadTaskPtr& task,
                                                                const ns::URLPtr& location) {
    if (downloadTaskDidFinishDownloading_) {
        if (auto destination = downloadTaskDidFinishDownloading_(session, task, location)) {
            TNMoveDownloadedFile(task, location, destination);
            return;
        }
    }
    if (auto delegate = delegateForTask(task)) delegate->downloadTaskDidFinishDownloadingToURL(session, task, location);
}

void TNURLSessionManager::downloadTaskDidWriteData(const ns::URLSessionPtr& session,
                                                   const ns::URLSessionDownloadTaskPtr& task, std::int64_t bytesWritten,
                                                   std::int64_t totalBytesWritten,
                                                   std::int64_t totalBytesExpectedToWrite) {
    if (auto delegate = delegateForTask(task)) delegate->downloadTaskDidWriteData(totalBytesWritten, totalBytesExpectedToWrite);
    if (downloadTaskDidWriteData_)
        downloadTaskDidWriteData_(session, task, bytesWritten, totalBytesWritten, totalBytesExpectedToWrite);
}

void TNURLSessionManager::downloadTaskDidResumeAtOffset(const ns::URLSessionPtr& session,
                                                        const ns::URLSessionDownloadTaskPtr& task,
                                                        std::int64_t fileOffset, std::int64_t expectedTotalBytes) {
    if (auto delegate = delegateForTask(task)) delegate->downloadTaskDidResumeAtOffset(fileOffset, expectedTotalBytes);
    if (downloadTaskDidResume_) downloadTaskDidResume_(session, task, fileOffset, expectedTotalBytes);
}

void TNURLSessionManager::taskWillPerformHTTPRedirection(const ns::URLSessionPtr& session, const TaskPtr& task,
                                                         const ns::URLResponsePtr& response,
                                                         const ns::URLRequest& request,
                                                         std::function<void(const std::optional<ns::URLRequest>&)> completion) {
    std::optional<ns::URLRequest> next = request;
    if (taskWillPerformHTTPRedirection_) next = taskWillPerformHTTPRedirection_(session, task, response, request);
    if (completion) completion(next);
}

void TNURLSessionManager::taskNeedNewBodyStream(const ns::URLSessionPtr& session, const TaskPtr& task,
                                                std::function<void(const ns::InputStreamPtr&)> completion) {
    // Our input streams cannot be copied, so without the hook there is none.
    ns::InputStreamPtr stream;
    if (taskNeedNewBodyStream_) stream = taskNeedNewBodyStream_(session, task);
    if (completion) completion(stream);
}

void TNURLSessionManager::dataTaskDidBecomeDownloadTask(const ns::URLSessionPtr& session,
                                                        const ns::URLSessionDataTaskPtr& dataTask,
                                                        const ns::URLSessionDownloadTaskPtr& downloadTask) {
    if (auto delegate = delegateForTask(dataTask)) {
        removeDelegateForTask(dataTask);
        setDelegateForTask(delegate, downloadTask);
    }
    if (dataTaskDidBecomeDownloadTask_) dataTaskDidBecomeDownloadTask_(session, dataTask, downloadTask);
}

void TNURLSessionManager::dataTaskWillCacheResponse(const ns::URLSessionPtr& session,
                                                    const ns::URLSessionDataTaskPtr& task,
                                                    const std::optional<ns::Data>& proposed,
                                                    std::function<void(const std::optional<ns::Data>&)> completion) {
    std::optional<ns::Data> cached = proposed;
    if (dataTaskWillCacheResponse_) cached = dataTaskWillCacheResponse_(session, task, proposed);
    if (completion) completion(cached);
}

void TNURLSessionManager::sessionDidFinishEventsForBackgroundURLSession(const ns::URLSessionPtr& session) {
    if (!didFinishEventsForBackgroundURLSession_) return;
    auto hook = didFinishEventsForBackgroundURLSession_;
    dispatch::Queue::main()->async([hook, session] { hook(session); });
}
