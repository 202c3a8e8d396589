// TNURLConnectionOperation: one HTTP exchange as a concurrent operation.
// The connection runs on the shared network thread "TAVONetworking"; the
// body goes into an output stream (memory unless one is set); progress
// callbacks and the start / finish notifications reach the main queue; the
// operation can be paused, resumed and cancelled, and its security policy
// answers server-trust challenges inside the handshake.
//
// The resume-download callback (content length, total length of a ranged
// response) is delivered on the main queue before the completion callback.
// A resumed request (one carrying "Range") answered with 200 starts over in
// a memory stream and fails for any other stream, so the full body is never
// appended to the part already written.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "net/http/TNSecurityPolicy.h"
#include "platform/foundation/Coding.h"
#include "platform/foundation/DispatchGroup.h"
#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/InputStream.h"
#include "platform/foundation/StringEncoding.h"
#include "platform/foundation/Operation.h"
#include "platform/foundation/OutputStream.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/Thread.h"
#include "platform/foundation/URLRequest.h"
#include "platform/net/URLConnection.h"
#include "platform/net/URLCredential.h"

enum TNOperationState : int {
    TNOperationPausedState = -1,
    TNOperationReadyState = 1,
    TNOperationExecutingState = 2,
    TNOperationFinishedState = 3,
};

class TNURLConnectionOperation : public ns::Operation, public ns::URLConnectionDelegate, public ns::Coding {
public:
    using ProgressBlock = std::function<void(std::int64_t bytes, std::int64_t totalBytes, std::int64_t totalExpected)>;
    using ResumeDownloadBlock = std::function<void(std::int64_t contentLength, std::int64_t totalLength)>;
    using ChallengeBlock =
        std::function<void(const ns::URLConnectionPtr&, const ns::URLAuthenticationChallengePtr&)>;
    using RedirectBlock = std::function<std::optional<ns::URLRequest>(const ns::URLConnectionPtr&,
                                                                      const ns::URLRequest&, const ns::URLResponsePtr&)>;

    static std::shared_ptr<TNURLConnectionOperation> create(const ns::URLRequest& request);
    // For reading one back from an archive.
    static std::shared_ptr<TNURLConnectionOperation> create() { return create(ns::URLRequest()); }
    ~TNURLConnectionOperation() override;

    // The thread every connection of the library runs on (made on first use).
    static std::shared_ptr<ns::Thread> networkRequestThread();

    // --- Settings (before start) -------------------------------------
    ns::RunLoopModes runLoopModes{ns::kRunLoopCommonModes};
    bool shouldUseCredentialStorage = true;
    ns::URLCredentialPtr credential;
    TNSecurityPolicyPtr securityPolicy = TNSecurityPolicy::defaultPolicy();
    std::shared_ptr<dispatch::Queue> completionQueue;  // none: the main queue
    std::shared_ptr<dispatch::Group> completionGroup;  // none: a process-wide group
    ns::Dictionary userInfo;

    void setUploadProgressBlock(ProgressBlock block);
    void setDownloadProgressBlock(ProgressBlock block);
    // What the two setters above were last given (none when unset).
    ProgressBlock uploadProgressBlock() const {
        std::lock_guard<std::recursive_mutex> guard(lock_);
        return uploadProgress_;
    }
    ProgressBlock downloadProgressBlock() const {
        std::lock_guard<std::recursive_mutex> guard(lock_);
        return downloadProgress_;
    }
    void setResumeDownloadProgressBlock(ResumeDownloadBlock block);
    void setWillSendRequestForAuthenticationChallengeBlock(ChallengeBlock block);
    void setRedirectResponseBlock(RedirectBlock block);

    ns::URLRequest request() const;
    void setRequest(const ns::URLRequest& request);
    ns::URLResponsePtr response() const;
    virtual ns::ErrorPtr error() const;
    std::optional<ns::Data> responseData() const;
    std::optional<std::string> responseString() const;
    ns::StringEncoding responseStringEncoding() const;
    std::int64_t totalBytesRead() const { return totalBytesRead_.load(); }

    // The request's body stream; setting one replaces the request's.
    ns::InputStreamPtr inputStream() const;
    void setInputStream(const ns::InputStreamPtr& stream);
    // A memory stream unless set; setting one closes the previous one.
    ns::OutputStreamPtr outputStream();
    void setOutputStream(const ns::OutputStreamPtr& stream);

    // The completion runs in the completion group on the completion queue.
    void setCompletionBlock(std::function<void()> block);
    // What setCompletionBlock was last given (none once cleared).
    std::function<void()> completionBlock() const;
    // A new operation for the same request with the same progress,
    // challenge and redirect callbacks, completion queue and group (not the
    // resume-download callback, not the output stream).
    virtual std::shared_ptr<TNURLConnectionOperation> copy() const;

    // The operations, each reporting to a shared group, followed by one
    // that calls `completion` on the main queue once all have completed;
    // `progress` gets (finished, total) on the main queue as each one does.
    static std::vector<std::shared_ptr<ns::Operation>> batchOfRequestOperations(
        const std::vector<std::shared_ptr<TNURLConnectionOperation>>& operations,
        std::function<void(std::size_t finished, std::size_t total)> progress,
        std::function<void(const std::vector<std::shared_ptr<TNURLConnectionOperation>>&)> completion);
    void setShouldExecuteAsBackgroundTaskWithExpirationHandler(std::function<void()> handler);

    // --- Life cycle -----------------------------------------------------
    void start() override;
    void cancel() override;
    virtual void pause();
    void resume();
    bool isPaused() const;
    bool isReady() const override;
    bool isExecuting() const override;
    bool isFinished() const override;
    bool isConcurrent() const override { return true; }
    TNOperationState state() const;

    std::string description() const override;

    // Archiving pauses the operation first and keeps it as ready (or
    // finished): request, state, response, error, response data and the
    // count read. Reading restores them into a fresh operation.
    void encodeWithCoder(ns::KeyedArchiver& coder) override;
    bool initWithCoder(ns::KeyedUnarchiver& coder) override;

    // --- Connection delegate (network thread) ----------------------------
    // Only with a redirect callback: otherwise the request goes out as it
    // is, without a round trip through the network thread first.
    bool implementsWillSendRequest() const override;
    std::optional<ns::URLRequest> connectionWillSendRequestRedirectResponse(const ns::URLConnectionPtr& connection,
                                                                           const ns::URLRequest& request,
                                                                           const ns::URLResponsePtr& response) override;
    bool connectionShouldUseCredentialStorage(const ns::URLConnectionPtr&) override { return shouldUseCredentialStorage; }
    bool implementsWillSendRequestForAuthenticationChallenge() const override { return true; }
    void connectionWillSendRequestForAuthenticationChallenge(const ns::URLConnectionPtr& connection,
                                                             const ns::URLAuthenticationChallengePtr& challenge) override;
    void connectionDidReceiveResponse(const ns::URLConnectionPtr& connection, const ns::URLResponsePtr& response) override;
    void connectionDidReceiveData(const ns::URLConnectionPtr& connection, const ns::Data& data) override;
    void connectionDidSendBodyData(const ns::URLConnectionPtr& connection, std::int64_t bytesWritten,
                                   std::int64_t totalBytesWritten, std::int64_t totalBytesExpectedToWrite) override;
    void connectionDidFinishLoading(const ns::URLConnectionPtr& connection) override;
    void connectionDidFailWithError(const ns::URLConnectionPtr& connection, const ns::ErrorPtr& error) override;

protected:
    explicit TNURLConnectionOperation(const ns::URLRequest& request) : request_(request) {}
    // The operation's recursive lock: state, streams, response data.
    std::recursive_mutex& lock() const { return lock_; }
    void setState(TNOperationState state);
    // Runs a block on the network thread with the operation's modes.
    void performOnNetworkThread(std::function<void()> block);
    std::shared_ptr<dispatch::Queue> effectiveCompletionQueue() const;
    std::shared_ptr<dispatch::Group> effectiveCompletionGroup() const;
    static std::shared_ptr<dispatch::Group> processCompletionGroup();
    void postNotification(const char* name);
    // Installs `block` as the operation's completion as it is, and
    // remembers `original` as what completionBlock() answers.
    void installCompletionBlock(std::function<void()> block, std::function<void()> original);
    void copySettingsInto(TNURLConnectionOperation& copy) const;
    // The response data without a copy; the caller holds the lock.
    const std::optional<ns::Data>& responseDataLocked() const { return responseData_; }

private:
    void operationDidStart();
    void cancelConnection();
    void finish();
    void failLocked(const ns::ErrorPtr& error);
    // What the output stream wrote to memory; the bytes of a stream the
    // operation made itself are taken rather than copied.
    std::optional<ns::Data> takeStreamData();
    bool isCurrent(const ns::URLConnectionPtr& connection) const;

    mutable std::recursive_mutex lock_;
    // Changed under the lock; read without it, so that a queue asking
    // isReady / isFinished (under its own lock) never waits for ours.
    std::atomic<TNOperationState> state_{TNOperationReadyState};
    ns::URLRequest request_;
    ns::URLResponsePtr response_;
    ns::ErrorPtr error_;
    std::optional<ns::Data> responseData_;
    mutable std::optional<std::string> responseString_;
    ns::OutputStreamPtr outputStream_;
    bool ownsOutputStream_ = false;  // made here, never handed in
    ns::URLConnectionPtr connection_;
    std::atomic<std::int64_t> totalBytesRead_{0};
    unsigned long backgroundTaskIdentifier_ = 0;

    std::function<void()> completionBlock_;
    ProgressBlock uploadProgress_;
    ProgressBlock downloadProgress_;
    ResumeDownloadBlock resumeDownloadProgress_;
    ChallengeBlock authenticationChallenge_;
    RedirectBlock redirectResponse_;
};

using TNURLConnectionOperationPtr = std::shared_ptr<TNURLConnectionOperation>;
