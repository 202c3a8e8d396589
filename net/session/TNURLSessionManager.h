// TNURLSessionManager: the task-based half of the HTTP client library. It
// owns one URL session, is its delegate, and keeps a task delegate per task:
// each task gets a progress object, one completion with the reply already
// decoded by the response serializer, optional hooks, and notifications on
// the main queue (resume, suspend, complete, session invalidated). Server
// trust is decided by the security policy.
//
// The session keeps the manager until it is invalidated: an owner that is
// done with a manager calls invalidateSessionCancelingTasks().
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "net/http/TNHTTPResponseSerializer.h"
#include "net/http/TNSecurityPolicy.h"
#include "net/reachability/TNNetworkReachabilityManager.h"
#include "net/session/TNURLSessionManagerTaskDelegate.h"
#include "platform/foundation/DispatchGroup.h"
#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/InputStream.h"
#include "platform/foundation/OperationQueue.h"
#include "platform/net/URLSession.h"

class TNURLSessionManager : public ns::Object, public ns::URLSessionDelegate {
public:
    using CompletionHandler = TNURLSessionManagerTaskDelegate::CompletionHandler;
    // (temporary location, response) -> where the downloaded file goes.
    using Destination = std::function<ns::URLPtr(const ns::URLPtr& targetPath, const ns::URLResponsePtr& response)>;
    using TaskPtr = ns::URLSessionTaskPtr;

    // None: the default configuration.
    static std::shared_ptr<TNURLSessionManager> create(ns::URLSessionConfigurationPtr configuration = nullptr);

    const ns::URLSessionPtr& session() const { return session_; }
    const std::shared_ptr<ns::OperationQueue>& operationQueue() const { return operationQueue_; }
    const ns::URLSessionConfigurationPtr& sessionConfiguration() const { return sessionConfiguration_; }
    TNHTTPResponseSerializerPtr responseSerializer() const;
    virtual void setResponseSerializer(TNHTTPResponseSerializerPtr serializer);
    TNSecurityPolicyPtr securityPolicy;
    // Kept for callers; the manager itself never starts or reads it.
    std::shared_ptr<TNNetworkReachabilityManager> reachabilityManager;
    std::shared_ptr<dispatch::Queue> completionQueue;  // none: the main queue
    std::shared_ptr<dispatch::Group> completionGroup;  // none: one process-wide group
    bool attemptsToRecreateUploadTasksForBackgroundSessions = false;

    // The session's tasks not yet completed. Each blocks its caller until
    // the session answers on its delegate queue (never call them there).
    std::vector<TaskPtr> tasks() { return tasksForKeyPath("tasks"); }
    std::vector<TaskPtr> dataTasks() { return tasksForKeyPath("dataTasks"); }
    std::vector<TaskPtr> uploadTasks() { return tasksForKeyPath("uploadTasks"); }
    std::vector<TaskPtr> downloadTasks() { return tasksForKeyPath("downloadTasks"); }
    std::vector<TaskPtr> tasksForKeyPath(const std::string& keyPath);

    // --- Task factories: each answers a suspended task (resume it) ---------
    // `progress`, when given, receives the task's progress object.
    ns::URLSessionDataTaskPtr dataTaskWithRequest(const ns::URLRequest& request, CompletionHandler completion);
    ns::URLSessionUploadTaskPtr uploadTaskWithRequestFromFile(const ns::URLRequest& request, const ns::URLPtr& fileURL,
                                                              ns::ProgressPtr* progress, CompletionHandler completion);
    ns::URLSessionUploadTaskPtr uploadTaskWithRequestFromData(const ns::URLRequest& request, const ns::Data& body,
                                                              ns::ProgressPtr* progress, CompletionHandler completion);
    ns::URLSessionUploadTaskPtr uploadTaskWithStreamedRequest(const ns::URLRequest& request,
                                                              ns::ProgressPtr* progress, CompletionHandler completion);
    ns::URLSessionDownloadTaskPtr downloadTaskWithRequest(const ns::URLRequest& request, ns::ProgressPtr* progress,
                                                          Destination destination, CompletionHandler completion);
    ns::URLSessionDownloadTaskPtr downloadTaskWithResumeData(const ns::Data& resumeData, ns::ProgressPtr* progress,
                                                             Destination destination, CompletionHandler completion);

    ns::ProgressPtr uploadProgressForTask(const TaskPtr& task) const;
    ns::ProgressPtr downloadProgressForTask(const TaskPtr& task) const;

    // true: invalidate and cancel running tasks; false: let them finish first.
    void invalidateSessionCancelingTasks(bool cancelPendingTasks);

    // --- Hooks ------------------------------------------------------------
    using Session = ns::URLSessionPtr;
    using Challenge = ns::URLAuthenticationChallengePtr;
    using Disposition = ns::URLSessionAuthChallengeDisposition;
    void setSessionDidBecomeInvalidBlock(std::function<void(const Session&, const ns::ErrorPtr&)> block);
    void setSessionDidReceiveAuthenticationChallengeBlock(
        std::function<Disposition(const Session&, const Challenge&, ns::URLCredentialPtr& credential)> block);
    void setTaskWillPerformHTTPRedirectionBlock(
        std::function<std::optional<ns::URLRequest>(const Session&, const TaskPtr&, const ns::URLResponsePtr&,
                                                    const ns::URLRequest&)>
            block);
    void setTaskDidReceiveAuthenticationChallengeBlock(
        std::function<Disposition(const Session&, const TaskPtr&, const Challenge&, ns::URLCredentialPtr& credential)>
            block);
    void setTaskNeedNewBodyStreamBlock(std::function<ns::InputStreamPtr(const Session&, const TaskPtr&)> block);
    void setTaskDidSendBodyDataBlock(
        std::function<void(const Session&, const TaskPtr&, std::int64_t, std::int64_t, std::int64_t)> block);
    void setTaskDidCompleteBlock(std::function<void(const Session&, const TaskPtr&, const ns::ErrorPtr&)> block);
    void setDataTaskDidReceiveResponseBlock(
        std::function<ns::URLSessionResponseDisposition(const Session&, const ns::URLSessionDataTaskPtr&,
                                                        const ns::URLResponsePtr&)>
            block);
    void setDataTaskDidBecomeDownloadTaskBlock(
        std::function<void(const Session&, const ns::URLSessionDataTaskPtr&, const ns::URLSessionDownloadTaskPtr&)>
            block);
    void setDataTaskDidReceiveDataBlock(
        std::function<void(const Session&, const ns::URLSessionDataTaskPtr&, const ns::Data&)> block);
    // The platform stand-in keeps no response cache: the answer is handed to
    // the completion unchanged, and nothing stores it.
    void setDataTaskWillCacheResponseBlock(
        std::function<std::optional<ns::Data>(const Session&, const ns::URLSessionDataTaskPtr&,
                                              const std::optional<ns::Data>&)>
            block);
    void setDidFinishEventsForBackgroundURLSessionBlock(std::function<void(const Session&)> block);
    void setDownloadTaskDidFinishDownloadingBlock(
        std::function<ns::URLPtr(const Session&, const ns::URLSessionDownloadTaskPtr&, const ns::URLPtr&)> block);
    void setDownloadTaskDidWriteDataBlock(
        std::function<void(const Session&, const ns::URLSessionDownloadTaskPtr&, std::int64_t, std::int64_t,
                           std::int64_t)>
            block);
    void setDownloadTaskDidResumeBlock(
        std::function<void(const Session&, const ns::URLSessionDownloadTaskPtr&, std::int64_t, std::int64_t)> block);

    // --- Per-task bookkeeping ---------------------------------------------
    TNURLSessionManagerTaskDelegatePtr delegateForTask(const TaskPtr& task) const;
    void setDelegateForTask(const TNURLSessionManagerTaskDelegatePtr& delegate, const TaskPtr& task);
    void removeDelegateForTask(const TaskPtr& task);
    void removeAllDelegates();
    void addDelegateForDataTask(const ns::URLSessionDataTaskPtr& task, CompletionHandler completion);
    void addDelegateForUploadTask(const ns::URLSessionUploadTaskPtr& task, ns::ProgressPtr* progress,
                                  CompletionHandler completion);
    void addDelegateForDownloadTask(const ns::URLSessionDownloadTaskPtr& task, ns::ProgressPtr* progress,
                                    Destination destination, CompletionHandler completion);

    // A new manager of the same class over the session's configuration;
    // serializer, policy and hooks are not carried over.
    virtual std::shared_ptr<TNURLSessionManager> copy() const;
    std::string description() const override;

    // --- Session delegate (on operationQueue) --------------------------------
    void sessionDidBecomeInvalidWithError(const ns::URLSessionPtr& session, const ns::ErrorPtr& error) override;
    bool implementsSessionDidReceiveChallenge() const override { return true; }
    void sessionDidReceiveChallenge(const ns::URLSessionPtr& session, const Challenge& challenge,
                                    ns::ChallengeCompletion completion) override;
    bool implementsTaskDidReceiveChallenge() const override { return true; }
    void taskDidReceiveChallenge(const ns::URLSessionPtr& session, const TaskPtr& task, const Challenge& challenge,
                                 ns::ChallengeCompletion completion) override;
    void taskDidSendBodyData(const ns::URLSessionPtr& session, const TaskPtr& task, std::int64_t bytesSent,
                             std::int64_t totalBytesSent, std::int64_t totalBytesExpectedToSend) override;
    void taskDidCompleteWithError(const ns::URLSessionPtr& session, const TaskPtr& task,
                                  const ns::ErrorPtr& error) override;
    // Asked only while the hook is set, so the session's default applies otherwise.
    bool implementsDataTaskDidReceiveResponse() const override;
    void dataTaskDidReceiveResponse(const ns::URLSessionPtr& session, const ns::URLSessionDataTaskPtr& task,
                                    const ns::URLResponsePtr& response,
                                    std::function<void(ns::URLSessionResponseDisposition)> completion) override;
    void dataTaskDidReceiveData(const ns::URLSessionPtr& session, const ns::URLSessionDataTaskPtr& task,
                                const ns::Data& data) override;
    void downloadTaskDidFinishDownloadingToURL(const ns::URLSessionPtr& session,
                                               const ns::URLSessionDownloadTaskPtr& task,
                                               const ns::URLPtr& location) override;
    void downloadTaskDidWriteData(const ns::URLSessionPtr& session, const ns::URLSessionDownloadTaskPtr& task,
                                  std::int64_t bytesWritten, std::int64_t totalBytesWritten,
                                  std::int64_t totalBytesExpectedToWrite) override;
    void downloadTaskDidResumeAtOffset(const ns::URLSessionPtr& session, const ns::URLSessionDownloadTaskPtr& task,
                                       std::int64_t fileOffset, std::int64_t expectedTotalBytes) override;

    // Calls a session that follows redirects, asks for new body streams,
    // caches responses, turns data tasks into downloads or wakes for
    // background events would make. The stand-in session makes none of them;
    // they answer as the platform expects when they are made.
    void taskWillPerformHTTPRedirection(const ns::URLSessionPtr& session, const TaskPtr& task,
                                        const ns::URLResponsePtr& response, const ns::URLRequest& request,
                                        std::function<void(const std::optional<ns::URLRequest>&)> completion);
    void taskNeedNewBodyStream(const ns::URLSessionPtr& session, const TaskPtr& task,
                               std::function<void(const ns::InputStreamPtr&)> completion);
    void dataTaskDidBecomeDownloadTask(const ns::URLSessionPtr& session, const ns::URLSessionDataTaskPtr& dataTask,
                                       const ns::URLSessionDownloadTaskPtr& downloadTask);
    void dataTaskWillCacheResponse(const ns::URLSessionPtr& session, const ns::URLSessionDataTaskPtr& task,
                                   const std::optional<ns::Data>& proposed,
                                   std::function<void(const std::optional<ns::Data>&)> completion);
    void sessionDidFinishEventsForBackgroundURLSession(const ns::URLSessionPtr& session);

    // Process-wide: where replies are decoded, and the default completion group.
    static std::shared_ptr<dispatch::Queue> processingQueue();
    static std::shared_ptr<dispatch::Group> defaultCompletionGroup();

protected:
    TNURLSessionManager() = default;
    // Algorithms of initialisation, for derived managers' create().
    void initWithSessionConfiguration(ns::URLSessionConfigurationPtr configuration);
    virtual std::shared_ptr<TNURLSessionManager> makeEmpty() const {
        return std::shared_ptr<TNURLSessionManager>(new TNURLSessionManager());
    }

private:
    struct Registration {
        TNURLSessionManagerTaskDelegatePtr delegate;
        TaskPtr task;
        std::uint64_t observerToken = 0;
    };
    void observeTaskState(const TaskPtr& task, ns::URLSessionTaskState oldState, ns::URLSessionTaskState newState);
    Disposition evaluateChallenge(const Challenge& challenge, ns::URLCredentialPtr& credential, bool taskLevel);

    ns::URLSessionPtr session_;
    std::shared_ptr<ns::OperationQueue> operationQueue_;
    ns::URLSessionConfigurationPtr sessionConfiguration_;

    mutable std::mutex lock_;  // "com.tavonet.networking.session.manager.lock"
    std::map<std::uint64_t, Registration> mutableTaskDelegatesKeyedByTaskIdentifier_;
    TNHTTPResponseSerializerPtr responseSerializer_;

    // Hooks: set before tasks run (they are read on the delegate queue).
    std::function<void(const Session&, const ns::ErrorPtr&)> sessionDidBecomeInvalid_;
    std::function<Disposition(const Session&, const Challenge&, ns::URLCredentialPtr&)> sessionDidReceiveChallenge_;
    std::function<std::optional<ns::URLRequest>(const Session&, const TaskPtr&, const ns::URLResponsePtr&,
                                                const ns::URLRequest&)>
        taskWillPerformHTTPRedirection_;
    std::function<Disposition(const Session&, const TaskPtr&, const Challenge&, ns::URLCredentialPtr&)>
        taskDidReceiveChallenge_;
    std::function<ns::InputStreamPtr(const Session&, const TaskPtr&)> taskNeedNewBodyStream_;
    std::function<void(const Session&, const TaskPtr&, std::int64_t, std::int64_t, std::int64_t)> taskDidSendBodyData_;
    std::function<void(const Session&, const TaskPtr&, const ns::ErrorPtr&)> taskDidComplete_;
    std::function<ns::URLSessionResponseDisposition(const Session&, const ns::URLSessionDataTaskPtr&,
                                                    const ns::URLResponsePtr&)>
        dataTaskDidReceiveResponse_;
    std::function<void(const Session&, const ns::URLSessionDataTaskPtr&, const ns::URLSessionDownloadTaskPtr&)>
        dataTaskDidBecomeDownloadTask_;
    std::function<void(const Session&, const ns::URLSessionDataTaskPtr&, const ns::Data&)> dataTaskDidReceiveData_;
    std::function<std::optional<ns::Data>(const Session&, const ns::URLSessionDataTaskPtr&,
                                          const std::optional<ns::Data>&)>
        dataTaskWillCacheResponse_;
    std::function<void(const Session&)> didFinishEventsForBackgroundURLSession_;
    std::function<ns::URLPtr(const Session&, const ns::URLSessionDownloadTaskPtr&, const ns::URLPtr&)>
        downloadTaskDidFinishDownloading_;
    std::function<void(const Session&, const ns::URLSessionDownloadTaskPtr&, std::int64_t, std::int64_t, std::int64_t)>
        downloadTaskDidWriteData_;
    std::function<void(const Session&, const ns::URLSessionDownloadTaskPtr&, std::int64_t, std::int64_t)>
        downloadTaskDidResume_;
};

using TNURLSessionManagerPtr = std::shared_ptr<TNURLSessionManager>;
