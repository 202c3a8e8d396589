#include "management/account/KXHttpOperation.h"

#include "management/account/ZARServiceTrust.h"
#include "platform/foundation/Clock.h"
#include "platform/foundation/Perform.h"
#include "platform/foundation/Thread.h"
#include "platform/net/URLAuthenticationChallengeSender.h"
#include "platform/net/URLCredential.h"
#include "platform/net/URLProtectionSpace.h"

std::shared_ptr<KXHttpOperation> KXHttpOperation::create() {
    return std::shared_ptr<KXHttpOperation>(new KXHttpOperation());
}

void KXHttpOperation::start() {
    auto self = this->self<KXHttpOperation>();
    performSelectorInBackground([self] { self->doGenerateRequest(); });
}

void KXHttpOperation::doGenerateRequest() {
    auto self = this->self<KXHttpOperation>();
    auto thread = callbackThread();
    if (!thread) return;
    if (!request) {
        error_ = ns::Error::create(kZARDomainNetwork, -1);
        completeOperation();
        return;
    }
    ns::URLRequest urlRequest = request->generateURLRequest();
    ns::performOnThread(thread, [self, urlRequest] { self->sendRequest(urlRequest); }, false);
}

void KXHttpOperation::sendRequest(const ns::URLRequest& urlRequest) {
    if (isCanceled()) {
        completeOperation();
        return;
    }
    auto self = this->self<KXHttpOperation>();
    connection_ = ns::URLConnection::create(urlRequest, std::static_pointer_cast<ns::URLConnectionDelegate>(self));
    // The idle watch holds the operation (as a timer holds its target) until
    // the transfer ends.
    timer_ = ns::Timer::scheduledTimerWithTimeInterval(idleCheckInterval(), true,
                                                       [self](std::shared_ptr<ns::Timer>) { self->onTimeout(); });
    touch();
    fireNetworkStarted();
}

void KXHttpOperation::touch() { lastActiveTime_ = ns::Clock::monotonic(); }

void KXHttpOperation::onTimeout() {
    if (ns::Clock::monotonic() - lastActiveTime_ < timeout) return;
    error_ = ns::Error::create(kZARDomainNetwork, -1001);
    endConnection(true);
    completeOperation();
}

void KXHttpOperation::endConnection(bool cancelConnection) {
    if (connection_ && cancelConnection) connection_->cancel();
    connection_.reset();
    if (timer_) timer_->invalidate();
    timer_.reset();
    fireNetworkStopped();
}

void KXHttpOperation::connectionWillSendRequestForAuthenticationChallenge(
    const ns::URLConnectionPtr&, const ns::URLAuthenticationChallengePtr& challenge) {
    touch();
    const auto& space = challenge->protectionSpace();
    const bool serverTrust = space && space->authenticationMethod() == ns::kURLAuthenticationMethodServerTrust;
    if (serverTrust && ZARServiceTrust::evaluate(space->serverTrust(), space->host())) {
        challenge->sender()->useCredential(ns::URLCredential::credentialForTrust(space->serverTrust()), challenge);
        return;
    }
    // Anything else gets the platform's own verdict, and its error.
    challenge->sender()->performDefaultHandlingForAuthenticationChallenge(challenge);
}

void KXHttpOperation::connectionDidReceiveResponse(const ns::URLConnectionPtr&, const ns::URLResponsePtr& response) {
    httpResponse_ = std::dynamic_pointer_cast<ns::HTTPURLResponse>(response);
    body_ = ns::Data();
    touch();
}

void KXHttpOperation::connectionDidReceiveData(const ns::URLConnectionPtr&, const ns::Data& data) {
    body_.append(data);
    touch();
    if (auto delegate = progressDelegate.lock()) {
        delegate->didDataReceived(static_cast<std::int64_t>(data.length()), static_cast<std::int64_t>(body_.length()));
    }
}

void KXHttpOperation::connectionDidSendBodyData(const ns::URLConnectionPtr&, std::int64_t bytesWritten,
                                                std::int64_t totalBytesWritten, std::int64_t) {
    touch();
    if (auto delegate = progressDelegate.lock()) delegate->didDataSended(bytesWritten, totalBytesWritten);
}

void KXHttpOperation::connectionDidFailWithError(const ns::URLConnectionPtr&, const ns::ErrorPtr& error) {
    error_ = ns::Error::create(kZARDomainNetwork, error ? error->code() : -1);
    endConnection(false);
    completeOperation();
}

void KXHttpOperation::connectionDidFinishLoading(const ns::URLConnectionPtr&) {
    int status = httpResponse_ ? httpResponse_->statusCode() : 0;
    if (status == 200) {
        auto self = this->self<KXHttpOperation>();
        performSelectorInBackground([self] { self->doParseResponse(); });
    } else {
        error_ = ns::Error::create(kZARDomainNetwork, status);
    }
    endConnection(false);
    if (status != 200) completeOperation();
}

void KXHttpOperation::doParseResponse() {
    response_ = request->createResponse();
    if (response_) {
        try {
            response_->parseHeaders(httpResponse_->allHeaderFields().toDictionary());
            response_->parseBody(body_);
        } catch (...) {
            error_ = ns::Error::create(kZARDomainParser, -1024);
        }
    }
    completeOperation();
}

void KXHttpOperation::cancel() {
    canceled_ = true;
    if (connection_) endConnection(true);
    completeOperation();
}
