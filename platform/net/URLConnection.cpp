#include "platform/net/URLConnection.h"

#include "platform/foundation/HTTPURLResponse.h"
#include "platform/net/ChallengeResponder.h"
#include "platform/net/InputStreamBodySource.h"
#include "platform/net/URLError.h"
#include "platform/net/URLProtectionSpace.h"

namespace ns {

URLConnectionPtr URLConnection::create(const URLRequest& request, std::shared_ptr<URLConnectionDelegate> delegate,
                                       bool startImmediately) {
    URLConnectionPtr connection(new URLConnection(request, std::move(delegate)));
    if (startImmediately) {
        connection->scheduleInRunLoop(RunLoop::current(), kDefaultRunLoopMode);
        connection->start();
    }
    return connection;
}

bool URLConnection::canHandleRequest(const URLRequest& request) {
    if (!request.url() || !request.url()->scheme()) return false;
    std::string scheme = *request.url()->scheme();
    for (auto& c : scheme) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return scheme == "http" || scheme == "https";
}

URLConnection::~URLConnection() {
    if (transfer_) transfer_->cancel();
}

void URLConnection::scheduleInRunLoop(const std::shared_ptr<RunLoop>& runLoop, const std::string& mode) {
    if (!runLoop) return;
    std::lock_guard<std::mutex> lock(mutex_);
    if (started_) return;
    auto current = runLoop_.lock();
    if (current && current != runLoop) return;
    runLoop_ = runLoop;
    if (std::find(modes_.begin(), modes_.end(), mode) == modes_.end()) modes_.push_back(mode);
}

void URLConnection::unscheduleFromRunLoop(const std::shared_ptr<RunLoop>& runLoop, const std::string& mode) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (runLoop_.lock() != runLoop) return;
    std::erase(modes_, mode);
}

void URLConnection::start() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (started_ || ended_) return;
        started_ = true;
        if (!runLoop_.lock() || modes_.empty()) {
            runLoop_ = RunLoop::current();
            modes_ = {kDefaultRunLoopMode};
        }
        keepAlive_ = self<URLConnection>();
    }
    if (delegate_ && delegate_->implementsWillSendRequest()) {
        // The request hook runs on the loop before anything goes out.
        post([](const URLConnectionPtr& connection, URLConnectionDelegate& delegate) {
            auto request = delegate.connectionWillSendRequestRedirectResponse(connection, connection->currentRequest_,
                                                                             nullptr);
            if (!request) return connection->end();
            connection->currentRequest_ = *request;
            connection->beginTransfer();
        });
    } else {
        beginTransfer();
    }
}

void URLConnection::beginTransfer() {
    const URLRequest& request = currentRequest_;
    TransferRequest transfer;
    transfer.url = request.url() ? request.url()->absoluteString() : std::string();
    transfer.method = request.HTTPMethod();
    transfer.headers = request.allHTTPHeaderFields().fields();
    transfer.timeoutInterval = request.timeoutInterval();
    if (request.HTTPBody()) {
        transfer.body = std::make_shared<Data>(*request.HTTPBody());
    } else if (request.HTTPBodyStream()) {
        transfer.bodySource = std::make_shared<InputStreamBodySource>(request.HTTPBodyStream());
        transfer.bodyLength = InputStreamBodySource::declaredLength(request);
    }

    std::weak_ptr<URLConnection> weak = self<URLConnection>();
    auto url = request.url();
    TransferCallbacks callbacks;
    callbacks.serverTrust = [weak](const sec::TrustPtr& trust, const std::string& host, int port) {
        auto self = weak.lock();
        return self ? self->askDelegateForTrust(trust, host, port) : TrustAnswer::Cancel;
    };
    callbacks.response = [weak, url](int status, const HeaderList& headers) {
        auto self = weak.lock();
        if (!self) return;
        URLResponsePtr response = HTTPURLResponse::create(url, status, "HTTP/1.1", headers);
        self->post([response](const URLConnectionPtr& c, URLConnectionDelegate& d) {
            d.connectionDidReceiveResponse(c, response);
        });
    };
    callbacks.data = [weak](const std::uint8_t* bytes, std::size_t length) {
        if (auto self = weak.lock()) self->gatherBody(bytes, length);
    };
    callbacks.bodySent = [weak](std::int64_t written, std::int64_t total, std::int64_t expected) {
        if (auto self = weak.lock())
            self->post([=](const URLConnectionPtr& c, URLConnectionDelegate& d) {
                d.connectionDidSendBodyData(c, written, total, expected);
            });
    };
    callbacks.complete = [weak](const ErrorPtr& error) {
        auto self = weak.lock();
        if (!self) return;
        ErrorPtr failure = error ? self->withFailingURL(error) : nullptr;
        self->post([failure](const URLConnectionPtr& c, URLConnectionDelegate& d) {
            c->end();
            if (failure)
                d.connectionDidFailWithError(c, failure);
            else
                d.connectionDidFinishLoading(c);
        });
    };

    auto started = URLTransfer::start(std::move(transfer), std::move(callbacks));
    started->setUnacknowledgedLimit(kUndeliveredBodyLimit);
    std::lock_guard<std::mutex> lock(mutex_);
    transfer_ = started;
    if (ended_) transfer_->cancel();  // cancelled while starting
}

void URLConnection::gatherBody(const std::uint8_t* bytes, std::size_t length) {
    bool postNow = false;
    {
        std::lock_guard<std::mutex> lock(bodyMutex_);
        if (gathered_.empty() && spare_.vector().capacity() > 0) std::swap(gathered_, spare_);
        gathered_.append(bytes, length);
        postNow = !deliveryPosted_;
        deliveryPosted_ = true;
    }
    if (postNow) post([](const URLConnectionPtr& c, URLConnectionDelegate& d) { c->deliverGatheredBody(d); });
}

void URLConnection::deliverGatheredBody(URLConnectionDelegate& delegate) {
    Data batch;
    {
        std::lock_guard<std::mutex> lock(bodyMutex_);
        std::swap(batch, gathered_);
        deliveryPosted_ = false;
    }
    std::shared_ptr<URLTransfer> transfer;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        transfer = transfer_;
    }
    if (batch.empty()) return;
    delegate.connectionDidReceiveData(self<URLConnection>(), batch);
    if (transfer) transfer->acknowledge(batch.length());
    batch.setLength(0);
    std::lock_guard<std::mutex> lock(bodyMutex_);
    if (spare_.vector().capacity() < batch.vector().capacity()) std::swap(spare_, batch);
}

void URLConnection::post(std::function<void(const URLConnectionPtr&, URLConnectionDelegate&)> event) {
    std::shared_ptr<RunLoop> loop;
    RunLoopModes modes;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        loop = runLoop_.lock();
        modes = modes_;
    }
    auto self = this->self<URLConnection>();
    bool posted = loop && loop->perform(
                              [self, event = std::move(event)] {
                                  if (self->ended_) return;
                                  // The delegate stays alive for the call even if it lets go of us.
                                  auto delegate = self->delegate_;
                                  if (delegate)
                                      event(self, *delegate);
                                  else
                                      event(self, *std::make_shared<URLConnectionDelegate>());
                              },
                              modes.empty() ? RunLoopModes{kDefaultRunLoopMode} : modes);
    // A loop that no longer runs can deliver nothing: stop loading.
    if (!posted) cancel();
}

TrustAnswer URLConnection::askDelegateForTrust(const sec::TrustPtr& trust, const std::string& host, int port) {
    auto responder = std::make_shared<ChallengeResponder>();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (ended_) return TrustAnswer::Cancel;
        pendingChallenge_ = responder;
    }
    post([responder, trust, host, port](const URLConnectionPtr& c, URLConnectionDelegate& d) {
        d.connectionShouldUseCredentialStorage(c);
        if (!d.implementsWillSendRequestForAuthenticationChallenge()) {
            responder->resolve(TrustAnswer::DefaultHandling);
            return;
        }
        auto space = URLProtectionSpace::create(host, port, kURLProtectionSpaceHTTPS,
                                                kURLAuthenticationMethodServerTrust, trust);
        d.connectionWillSendRequestForAuthenticationChallenge(c, URLAuthenticationChallenge::create(space, responder));
    });
    TrustAnswer answer = responder->wait();
    std::lock_guard<std::mutex> lock(mutex_);
    if (pendingChallenge_ == responder) pendingChallenge_.reset();
    return answer;
}

void URLConnection::cancel() {
    std::shared_ptr<URLTransfer> transfer;
    std::shared_ptr<ChallengeResponder> challenge;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (ended_) return;
        ended_ = true;
        transfer = std::move(transfer_);
        challenge = std::move(pendingChallenge_);
    }
    if (challenge) challenge->resolve(TrustAnswer::Cancel);
    if (transfer) transfer->cancel();
    // Let go of the delegate and of ourselves on a later turn: the caller
    // may be inside a delegate call of ours.
    std::shared_ptr<RunLoop> loop = runLoop_.lock();
    auto self = keepAlive_;
    if (!loop || !loop->perform([self] {
            if (self) {
                self->delegate_.reset();
                std::lock_guard<std::mutex> lock(self->mutex_);
                self->keepAlive_.reset();
            }
        })) {
        std::lock_guard<std::mutex> lock(mutex_);
        keepAlive_.reset();
    }
}

void URLConnection::end() {
    // The delegate is kept only while loading (it often owns the connection);
    // the call in progress holds its own reference.
    delegate_.reset();
    std::shared_ptr<URLConnection> release;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        ended_ = true;
        transfer_.reset();
        pendingChallenge_.reset();
        release = std::move(keepAlive_);
    }
    // `release` lets go of us once the caller's own reference is done.
}

ErrorPtr URLConnection::withFailingURL(const ErrorPtr& error) const {
    if (!error || error->domain() != kURLErrorDomain || !currentRequest_.url()) return error;
    Dictionary info = error->userInfo();
    info.set(kURLErrorFailingURLErrorKey, Value(currentRequest_.url()));
    info.set(kURLErrorFailingURLStringErrorKey, currentRequest_.url()->absoluteString());
    return Error::create(error->domain(), error->code(), std::move(info));
}

void URLConnection::sendAsynchronousRequest(const URLRequest& request, const std::shared_ptr<OperationQueue>& queue,
                                            CompletionHandler handler) {
    // A private delegate gathers the body and answers on the queue.
    class Gatherer : public URLConnectionDelegate {
    public:
        Gatherer(std::shared_ptr<OperationQueue> queue, CompletionHandler handler)
            : queue_(std::move(queue)), handler_(std::move(handler)) {}
        void connectionDidReceiveResponse(const URLConnectionPtr&, const URLResponsePtr& response) override {
            response_ = response;
            body_ = Data();
        }
        void connectionDidReceiveData(const URLConnectionPtr&, const Data& data) override { body_.append(data); }
        void connectionDidFinishLoading(const URLConnectionPtr&) override {
            answer(response_, std::optional<Data>(std::move(body_)), nullptr);
        }
        void connectionDidFailWithError(const URLConnectionPtr&, const ErrorPtr& error) override {
            answer(nullptr, std::nullopt, error);
        }

    private:
        void answer(URLResponsePtr response, std::optional<Data> body, ErrorPtr error) {
            auto handler = std::move(handler_);
            if (!handler) return;
            auto run = [handler, response, body = std::move(body), error] { handler(response, body, error); };
            if (queue_)
                queue_->addOperationWithBlock(run);
            else
                run();
        }
        std::shared_ptr<OperationQueue> queue_;
        CompletionHandler handler_;
        URLResponsePtr response_;
        Data body_;
    };
    // The loading itself runs on the main loop; only the answer goes to the queue.
    auto connection = create(request, std::make_shared<Gatherer>(queue, std::move(handler)), false);
    connection->scheduleInRunLoop(RunLoop::main(), kRunLoopCommonModes);
    connection->start();
}

}  // namespace ns
