// ns::URLSession: task-based URL loading over the same engine as
// ns::URLConnection. Delegate calls and completion handlers run on the
// session's delegate queue, one at a time and in order (even when the queue
// itself is concurrent). The session keeps its delegate until it becomes
// invalid.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/foundation/OperationQueue.h"
#include "platform/net/URLSessionConfiguration.h"
#include "platform/net/URLSessionDataTask.h"
#include "platform/net/URLSessionDelegate.h"
#include "platform/net/URLSessionDownloadTask.h"

namespace ns {

class URLSession : public Object {
public:
    // No delegate; handlers run on a serial queue of its own.
    static URLSessionPtr sharedSession();
    static URLSessionPtr sessionWithConfiguration(URLSessionConfigurationPtr configuration);
    // delegateQueue none: a new serial operation queue.
    static URLSessionPtr sessionWithConfiguration(URLSessionConfigurationPtr configuration,
                                                  std::shared_ptr<URLSessionDelegate> delegate,
                                                  std::shared_ptr<OperationQueue> delegateQueue);

    using DataCompletion = std::function<void(const std::optional<Data>&, const URLResponsePtr&, const ErrorPtr&)>;
    using DownloadCompletion = std::function<void(const URLPtr& location, const URLResponsePtr&, const ErrorPtr&)>;

    // Every factory answers a suspended task, or nullptr once the session
    // is invalidated. With a completion handler the delegate gets no data
    // or completion calls for that task (challenges still go to it).
    URLSessionDataTaskPtr dataTaskWithRequest(const URLRequest& request, DataCompletion completion = nullptr);
    URLSessionDataTaskPtr dataTaskWithURL(const URLPtr& url, DataCompletion completion = nullptr);
    URLSessionUploadTaskPtr uploadTaskWithRequestFromData(const URLRequest& request, const Data& body,
                                                          DataCompletion completion = nullptr);
    URLSessionUploadTaskPtr uploadTaskWithRequestFromFile(const URLRequest& request, const URLPtr& fileURL,
                                                          DataCompletion completion = nullptr);
    // The body is the request's body stream.
    URLSessionUploadTaskPtr uploadTaskWithStreamedRequest(const URLRequest& request);
    URLSessionDownloadTaskPtr downloadTaskWithRequest(const URLRequest& request,
                                                      DownloadCompletion completion = nullptr);
    // Resume data that is not ours fails the task with -3003 on resume.
    URLSessionDownloadTaskPtr downloadTaskWithResumeData(const Data& resumeData,
                                                         DownloadCompletion completion = nullptr);

    // On the delegate queue: the tasks not yet completed, by kind.
    void getTasksWithCompletionHandler(
        std::function<void(std::vector<URLSessionDataTaskPtr>, std::vector<URLSessionUploadTaskPtr>,
                           std::vector<URLSessionDownloadTaskPtr>)>
            handler);

    // Lets running tasks finish, then becomes invalid.
    void finishTasksAndInvalidate();
    // Cancels every task, then becomes invalid.
    void invalidateAndCancel();

    std::shared_ptr<URLSessionDelegate> delegate() const;
    const std::shared_ptr<OperationQueue>& delegateQueue() const { return queue_; }
    const URLSessionConfigurationPtr& configuration() const { return configuration_; }

private:
    friend class URLSessionTask;
    friend class URLSessionDownloadTask;
    URLSession() = default;

    template <class Task>
    std::shared_ptr<Task> makeTask(URLSessionTask::Kind kind, const URLRequest& request);
    // Runs `event` on the delegate queue after every event queued before it.
    void enqueue(std::function<void()> event);
    void drain();
    void taskCompleted(const URLSessionTaskPtr& task);
    void becomeInvalidIfDone();

    URLSessionConfigurationPtr configuration_;
    std::shared_ptr<OperationQueue> queue_;

    mutable std::mutex mutex_;
    std::shared_ptr<URLSessionDelegate> delegate_;
    std::map<std::uint64_t, URLSessionTaskPtr> tasks_;  // not yet completed
    std::uint64_t nextIdentifier_ = 1;
    bool invalidating_ = false;
    bool invalid_ = false;
    std::deque<std::function<void()>> events_;
    bool draining_ = false;
};

}  // namespace ns
