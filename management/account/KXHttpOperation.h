// Carries one KXRequest through its life: the URL request is built on a
// background thread, the connection runs on the starting thread's run loop
// under an idle watch, the reply is parsed on a background thread, and the
// target is called back once on the starting thread (never after cancel).
//
// Failures: no activity for `timeout` seconds -> "ZAR domain network" -1001;
// a connection failure (an untrusted certificate included, refused before
// any request byte) -> "ZAR domain network" with its code; an HTTP status
// other than 200 -> "ZAR domain network" with the status; a reply the
// response cannot parse -> "ZAR domain parser" -1024.
#pragma once

#include <cstdint>
#include <memory>

#include "management/account/KXOperation.h"
#include "management/account/KXProgressDelegate.h"
#include "management/account/KXRequest.h"
#include "management/account/KXResponse.h"
#include "platform/foundation/HTTPURLResponse.h"
#include "platform/foundation/Timer.h"
#include "platform/net/URLConnection.h"

class KXHttpOperation : public KXOperation, public ns::URLConnectionDelegate {
public:
    static std::shared_ptr<KXHttpOperation> create();

    std::shared_ptr<KXRequest> request;
    // Seconds without activity after which the transfer fails.
    double timeout = 30.0;
    std::weak_ptr<KXProgressDelegate> progressDelegate;

    // Made by the request when a 200 reply is parsed.
    const std::shared_ptr<KXResponse>& response() const { return response_; }
    const std::shared_ptr<ns::HTTPURLResponse>& httpResponse() const { return httpResponse_; }

    // Returns at once; must be called on a thread that runs its run loop.
    void start() override;
    // Stops the run; the target is not called. On the starting thread.
    void cancel() override;

    // The idle watch's period: the time-out itself below 3 s, else a third.
    double idleCheckInterval() const { return timeout < 3.0 ? timeout : timeout / 3.0; }

    // Called when the connection opens and when it ends for any reason.
    virtual void fireNetworkStarted() {}
    virtual void fireNetworkStopped() {}

    // The account service's certificate: see ZARServiceTrust.
    bool implementsWillSendRequestForAuthenticationChallenge() const override { return true; }
    void connectionWillSendRequestForAuthenticationChallenge(const ns::URLConnectionPtr&,
                                                             const ns::URLAuthenticationChallengePtr& challenge) override;
    void connectionDidReceiveResponse(const ns::URLConnectionPtr&, const ns::URLResponsePtr& response) override;
    void connectionDidReceiveData(const ns::URLConnectionPtr&, const ns::Data& data) override;
    void connectionDidSendBodyData(const ns::URLConnectionPtr&, std::int64_t bytesWritten,
                                   std::int64_t totalBytesWritten, std::int64_t) override;
    void connectionDidFinishLoading(const ns::URLConnectionPtr&) override;
    void connectionDidFailWithError(const ns::URLConnectionPtr&, const ns::ErrorPtr& error) override;

    std::string className() const override { return "KXHttpOperation"; }

protected:
    KXHttpOperation() = default;

private:
    void doGenerateRequest();
    void sendRequest(const ns::URLRequest& urlRequest);
    void onTimeout();
    void doParseResponse();
    // Drops the connection and the idle timer and fires the stop hook.
    void endConnection(bool cancelConnection);
    void touch();

    std::shared_ptr<KXResponse> response_;
    std::shared_ptr<ns::HTTPURLResponse> httpResponse_;
    ns::URLConnectionPtr connection_;
    std::shared_ptr<ns::Timer> timer_;
    // Monotonic seconds of the last activity: a wall-clock jump neither
    // fails a live transfer nor keeps a dead one.
    double lastActiveTime_ = 0;
    ns::Data body_;
};
