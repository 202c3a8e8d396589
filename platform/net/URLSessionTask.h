// ns::URLSessionTask: one transfer of a session. Tasks are made suspended;
// resume() starts them. Suspending a running task holds back its delegate
// calls (and, once the undelivered body reaches its limit, the reading) until
// it resumes. Cancel completes the task with -999 and nothing else arrives.
//
// States are the platform's numbers; observers registered with
// addStateObserver hear every change with the old and the new state.
#pragma once

#include <atomic>
#include <cstdio>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/Data.h"
#include "platform/foundation/Error.h"
#include "platform/foundation/URL.h"
#include "platform/foundation/URLRequest.h"
#include "platform/foundation/URLResponse.h"
#include "platform/net/URLTransfer.h"

namespace ns {

class URLSession;
class ChallengeResponder;

enum class URLSessionTaskState : int { Running = 0, Suspended = 1, Canceling = 2, Completed = 3 };

inline constexpr std::int64_t kURLSessionTransferSizeUnknown = -1;
inline constexpr const char* kURLSessionDownloadTaskResumeData = "NSURLSessionDownloadTaskResumeData";

class URLSessionTask : public Object {
public:
    enum class Kind { Data, Upload, Download };
    ~URLSessionTask() override;

    std::uint64_t taskIdentifier() const { return identifier_; }
    URLSessionTaskState state() const;
    const URLRequest& originalRequest() const { return originalRequest_; }
    const URLRequest& currentRequest() const { return currentRequest_; }
    URLResponsePtr response() const;
    ErrorPtr error() const;
    std::string taskDescription;

    std::int64_t countOfBytesReceived() const { return received_; }
    std::int64_t countOfBytesSent() const { return sent_; }
    std::int64_t countOfBytesExpectedToSend() const { return expectedToSend_; }
    std::int64_t countOfBytesExpectedToReceive() const { return expectedToReceive_; }

    void resume();
    void suspend();
    void cancel();

    using StateObserver = std::function<void(URLSessionTaskState oldState, URLSessionTaskState newState)>;
    std::uint64_t addStateObserver(StateObserver observer);
    void removeStateObserver(std::uint64_t token);

    Kind kind() const { return kind_; }

protected:
    URLSessionTask(Kind kind, std::uint64_t identifier, const URLRequest& request)
        : kind_(kind), identifier_(identifier), originalRequest_(request), currentRequest_(request) {}

    // Completes with `error` (and, for downloads, their file) on the queue.
    void cancelWithError(ErrorPtr error);

private:
    friend class URLSession;
    friend class URLSessionDownloadTask;
    using Event = std::function<void()>;

    void start();
    TransferRequest makeTransferRequest();
    TrustAnswer askForTrust(const sec::TrustPtr& trust, const std::string& host, int port);
    // Queues an event for the delegate queue, or holds it while suspended.
    void deliver(Event event);
    void setState(URLSessionTaskState state);
    void finish(ErrorPtr error);
    void onData(const std::uint8_t* bytes, std::size_t length);
    void onResponse(int status, const HeaderList& headers);

    const Kind kind_;
    const std::uint64_t identifier_;
    URLRequest originalRequest_;
    URLRequest currentRequest_;
    std::weak_ptr<URLSession> session_;

    // Set by the session's factories.
    std::shared_ptr<const Data> uploadBody_;
    std::shared_ptr<TransferBodySource> uploadSource_;
    std::function<void(const std::optional<Data>&, const URLResponsePtr&, const ErrorPtr&)> dataCompletion_;
    std::function<void(const URLPtr&, const URLResponsePtr&, const ErrorPtr&)> downloadCompletion_;

    mutable std::mutex mutex_;
    URLSessionTaskState state_ = URLSessionTaskState::Suspended;
    bool started_ = false;
    bool finished_ = false;  // the completion was queued
    std::vector<Event> held_;
    std::shared_ptr<URLTransfer> transfer_;
    std::shared_ptr<ChallengeResponder> pendingChallenge_;
    URLResponsePtr response_;
    ErrorPtr error_;
    Data gathered_;  // the body, for tasks with a completion handler
    std::map<std::uint64_t, StateObserver> observers_;
    std::uint64_t nextObserver_ = 1;

    std::atomic<std::int64_t> received_{0};
    std::atomic<std::int64_t> sent_{0};
    std::int64_t expectedToSend_ = kURLSessionTransferSizeUnknown;
    std::atomic<std::int64_t> expectedToReceive_{kURLSessionTransferSizeUnknown};

    ErrorPtr startError_;  // the task fails with this as soon as it starts

    // Downloads: where the body goes, and how a resumed one continues.
    std::string downloadPath_;
    std::mutex fileMutex_;  // the transfer writes while a cancel may close
    std::FILE* downloadFile_ = nullptr;
    std::int64_t resumeOffset_ = 0;
    std::optional<std::string> resumeValidator_;
    bool appending_ = false;
    int status_ = 0;
};

using URLSessionTaskPtr = std::shared_ptr<URLSessionTask>;

}  // namespace ns
