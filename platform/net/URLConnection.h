// ns::URLConnection: one HTTP(S) request with a delegate, the platform's
// connection over our libcurl engine (URLTransfer). The transfer runs on its
// own worker thread; every delegate call is posted to the run loop the
// connection is scheduled on (by default the creating thread's, default
// mode), in the order URLConnectionDelegate describes.
//
// The connection keeps itself and its delegate alive while it loads, and
// lets go of both once it finished, failed or was cancelled.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/Data.h"
#include "platform/foundation/OperationQueue.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/URLRequest.h"
#include "platform/foundation/URLResponse.h"
#include "platform/net/URLConnectionDelegate.h"
#include "platform/net/URLTransfer.h"

namespace ns {

class ChallengeResponder;

class URLConnection : public Object {
public:
    // With startImmediately: scheduled on the current run loop in the default
    // mode and started. Otherwise schedule and start it yourself.
    static URLConnectionPtr create(const URLRequest& request, std::shared_ptr<URLConnectionDelegate> delegate,
                                   bool startImmediately = true);
    static URLConnectionPtr connectionWithRequest(const URLRequest& request,
                                                  std::shared_ptr<URLConnectionDelegate> delegate) {
        return create(request, std::move(delegate), true);
    }
    // The one-shot form: the handler runs on `queue` with (response, body,
    // error): response and body on success (HTTP errors included), error
    // alone on failure.
    using CompletionHandler = std::function<void(const URLResponsePtr&, const std::optional<Data>&, const ErrorPtr&)>;
    static void sendAsynchronousRequest(const URLRequest& request, const std::shared_ptr<OperationQueue>& queue,
                                        CompletionHandler handler);
    // http and https URLs only.
    static bool canHandleRequest(const URLRequest& request);

    ~URLConnection() override;

    // Before start(): where delegate calls go. One run loop, any number of
    // modes on it; scheduling on a second loop is ignored.
    void scheduleInRunLoop(const std::shared_ptr<RunLoop>& runLoop, const std::string& mode);
    void unscheduleFromRunLoop(const std::shared_ptr<RunLoop>& runLoop, const std::string& mode);
    void start();
    // No delegate call happens after this; the server sees its connection
    // dropped. Safe from any thread, and more than once.
    void cancel();

    const URLRequest& originalRequest() const { return originalRequest_; }
    const URLRequest& currentRequest() const { return currentRequest_; }

    // How much delivered-but-undelivered response body may wait for the run
    // loop before the transfer stops reading (memory stays bounded when the
    // loop is slower than the network).
    static constexpr std::size_t kUndeliveredBodyLimit = 4 * 1024 * 1024;

private:
    URLConnection(const URLRequest& request, std::shared_ptr<URLConnectionDelegate> delegate)
        : originalRequest_(request), currentRequest_(request), delegate_(std::move(delegate)) {}
    void beginTransfer();
    // Worker side of body delivery: bytes gather here and one posted block
    // hands over everything gathered by the time it runs, so a fast network
    // costs the loop one wake-up per batch rather than one per read.
    void gatherBody(const std::uint8_t* bytes, std::size_t length);
    void deliverGatheredBody(URLConnectionDelegate& delegate);
    // Runs `event` on the scheduled loop unless the connection has ended.
    void post(std::function<void(const URLConnectionPtr&, URLConnectionDelegate&)> event);
    TrustAnswer askDelegateForTrust(const sec::TrustPtr& trust, const std::string& host, int port);
    void end();
    ErrorPtr withFailingURL(const ErrorPtr& error) const;

    URLRequest originalRequest_;
    URLRequest currentRequest_;
    std::shared_ptr<URLConnectionDelegate> delegate_;
    std::shared_ptr<URLConnection> keepAlive_;

    mutable std::mutex mutex_;
    std::weak_ptr<RunLoop> runLoop_;
    RunLoopModes modes_;
    bool started_ = false;
    std::atomic<bool> ended_{false};  // cancelled, finished or failed
    std::shared_ptr<URLTransfer> transfer_;
    std::shared_ptr<ChallengeResponder> pendingChallenge_;
    std::mutex bodyMutex_;         // guards the three below, apart from mutex_
    Data gathered_;                // body read but not yet handed over
    Data spare_;                   // a delivered buffer kept for reuse
    bool deliveryPosted_ = false;  // a block will hand over `gathered_`
};

}  // namespace ns
