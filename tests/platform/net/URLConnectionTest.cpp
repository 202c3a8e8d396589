#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <unistd.h>

#include "emulator/HttpServer.h"
#include "platform/foundation/HTTPURLResponse.h"
#include "platform/foundation/InputStream.h"
#include "platform/foundation/Thread.h"
#include "platform/net/URLConnection.h"
#include "tests/platform/net/WorkerLoop.h"
#include "tests/support/Harness.h"

namespace {

using emulator::Fault;
using emulator::HttpServer;
using emulator::LoggedRequest;
using emulator::Reply;
using emulator::TestPKI;
using keelbox::test::runMainLoopUntil;

// Records the delegate calls in order, and on which thread they came.
class Recorder : public ns::URLConnectionDelegate {
public:
    std::vector<std::string> events;
    std::shared_ptr<ns::Thread> expectedThread = ns::Thread::currentThread();
    bool rightThread = true;
    ns::URLResponsePtr response;
    std::string body;
    ns::ErrorPtr error;
    std::atomic<bool> done{false};
    std::function<ns::TrustAnswer(const sec::TrustPtr&)> trust;  // set: answers challenges
    std::function<void(const ns::URLConnectionPtr&)> onResponse;

    bool implementsWillSendRequestForAuthenticationChallenge() const override { return bool(trust); }
    void connectionWillSendRequestForAuthenticationChallenge(const ns::URLConnectionPtr&,
                                                             const ns::URLAuthenticationChallengePtr& c) override {
        note("challenge");
        auto space = c->protectionSpace();
        EXPECT_EQ(space->authenticationMethod(), ns::kURLAuthenticationMethodServerTrust);
        EXPECT_EQ(space->host(), "127.0.0.1");
        switch (trust(space->serverTrust())) {
            case ns::TrustAnswer::Accept:
                c->sender()->useCredential(ns::URLCredential::credentialForTrust(space->serverTrust()), c);
                break;
            case ns::TrustAnswer::Cancel: c->sender()->cancelAuthenticationChallenge(c); break;
            case ns::TrustAnswer::DefaultHandling: c->sender()->performDefaultHandlingForAuthenticationChallenge(c);
        }
    }
    bool connectionShouldUseCredentialStorage(const ns::URLConnectionPtr&) override {
        note("storage");
        return true;
    }
    void connectionDidReceiveResponse(const ns::URLConnectionPtr& c, const ns::URLResponsePtr& r) override {
        note("response");
        response = r;
        if (onResponse) onResponse(c);
    }
    void connectionDidReceiveData(const ns::URLConnectionPtr&, const ns::Data& data) override {
        if (events.empty() || events.back() != "data") note("data");
        body.append(reinterpret_cast<const char*>(data.bytes()), data.length());
    }
    void connectionDidSendBodyData(const ns::URLConnectionPtr&, std::int64_t, std::int64_t, std::int64_t) override {
        if (events.empty() || events.back() != "sent") note("sent");
    }
    void connectionDidFinishLoading(const ns::URLConnectionPtr&) override {
        note("finish");
        done = true;
    }
    void connectionDidFailWithError(const ns::URLConnectionPtr&, const ns::ErrorPtr& e) override {
        note("fail");
        error = e;
        done = true;
    }
    int code() const { return error ? static_cast<int>(error->code()) : 0; }
    std::shared_ptr<ns::HTTPURLResponse> http() const { return std::dynamic_pointer_cast<ns::HTTPURLResponse>(response); }

private:
    void note(const std::string& event) {
        events.push_back(event);
        rightThread = rightThread && ns::Thread::currentThread() == expectedThread;
    }
};

ns::URLRequest requestFor(const std::string& url, const std::string& method = "GET",
                          std::optional<std::string> body = std::nullopt, double timeout = 60) {
    ns::MutableURLRequest request(ns::URL::URLWithString(url), ns::kURLRequestReloadIgnoringLocalCacheData, timeout);
    request.setHTTPMethod(method);
    if (body) request.setHTTPBody(ns::Data::fromString(*body));
    return request;
}

class URLConnectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (HttpServer* server : {&http, &https}) {
            server->route("*", "/echo", [](const LoggedRequest& request, Reply& reply) {
                reply.contentType = "text/plain; charset=iso-8859-1";
                reply.body = request.body;
                reply.headers = {{"X-Twice", "a"}, {"x-twice", "b"}};
            });
            server->route("GET", "/missing", [](const LoggedRequest&, Reply& reply) {
                reply.status = 404;
                reply.body = "gone";
            });
            ASSERT_TRUE(server->start());
        }
    }
    HttpServer http;
    HttpServer https{{.https = true}};
};

TEST_F(URLConnectionTest, PostOnTheMainLoopDeliversResponseDataAndFinishInOrderOnTheMainThread) {
    auto delegate = std::make_shared<Recorder>();
    auto connection = ns::URLConnection::create(requestFor(http.url("/echo"), "POST", "a=1&b=%20"), delegate);
    EXPECT_TRUE(delegate->events.empty());  // nothing inside the call that started it
    ASSERT_TRUE(runMainLoopUntil([&] { return delegate->done.load(); }));
    EXPECT_EQ(delegate->events, (std::vector<std::string>{"sent", "response", "data", "finish"}));
    EXPECT_TRUE(delegate->rightThread);
    EXPECT_EQ(delegate->body, "a=1&b=%20");
    auto response = delegate->http();
    ASSERT_TRUE(response);
    EXPECT_EQ(response->statusCode(), 200);
    EXPECT_EQ(response->valueForHTTPHeaderField("X-TWICE").value_or(""), "a, b");
    EXPECT_EQ(response->MIMEType().value_or(""), "text/plain");
    EXPECT_EQ(response->textEncodingName().value_or(""), "iso-8859-1");
    EXPECT_EQ(response->expectedContentLength(), 9);
    EXPECT_EQ(http.log().last()->header("Content-Type").value_or(""), "application/x-www-form-urlencoded");

    // Once finished, the connection lets go of its delegate even while the
    // connection itself lives on (delegates commonly own their connection).
    std::weak_ptr<Recorder> weakDelegate = delegate;
    delegate.reset();
    EXPECT_TRUE(weakDelegate.expired());
    EXPECT_TRUE(connection);

    // An HTTP error status is a normal response.
    auto missing = std::make_shared<Recorder>();
    ns::URLConnection::create(requestFor(http.url("/missing")), missing);
    ASSERT_TRUE(runMainLoopUntil([&] { return missing->done.load(); }));
    EXPECT_EQ(missing->events, (std::vector<std::string>{"response", "data", "finish"}));
    EXPECT_EQ(missing->http()->statusCode(), 404);
    EXPECT_EQ(missing->http()->expectedContentLength(), 4);
}

TEST_F(URLConnectionTest, AWorkerThreadsRunLoopGetsTheSameSequenceOnThatThread) {
    keelbox::test::WorkerLoop worker;
    auto delegate = std::make_shared<Recorder>();
    delegate->expectedThread = worker.thread();
    ns::performOnThread(worker.thread(), [&] {
        ns::URLConnection::create(requestFor(http.url("/echo"), "POST", "from a worker"), delegate);
    }, true);
    ASSERT_TRUE(runMainLoopUntil([&] { return delegate->done.load(); }));
    ns::performOnThread(worker.thread(), [] {}, true);  // let the worker settle before reading
    EXPECT_EQ(delegate->events, (std::vector<std::string>{"sent", "response", "data", "finish"}));
    EXPECT_TRUE(delegate->rightThread);
    EXPECT_EQ(delegate->body, "from a worker");
}

TEST_F(URLConnectionTest, StalledServerTimesOutAfterTheIdleIntervalAndAClosedPortCannotConnect) {
    http.setFault("/echo", Fault::stalling());
    auto stalled = std::make_shared<Recorder>();
    ns::URLConnection::create(requestFor(http.url("/echo"), "POST", "x", 10), stalled);
    // Idleness counts from the last activity: the body going out.
    ASSERT_TRUE(runMainLoopUntil([&] { return http.log().count() == 1 && !stalled->events.empty(); }));
    keelbox::test::advance(9.0);
    EXPECT_FALSE(runMainLoopUntil([&] { return stalled->done.load(); }, 0.2));
    keelbox::test::advance(1.0);
    ASSERT_TRUE(runMainLoopUntil([&] { return stalled->done.load(); }));
    EXPECT_EQ(stalled->events, (std::vector<std::string>{"sent", "fail"}));
    EXPECT_EQ(stalled->code(), ns::kURLErrorTimedOut);
    EXPECT_EQ(stalled->error->domain(), ns::kURLErrorDomain);
    auto failing = stalled->error->userInfo()[ns::kURLErrorFailingURLErrorKey].as<ns::URL>();
    ASSERT_TRUE(failing);
    EXPECT_EQ(failing->absoluteString(), http.url("/echo"));

    HttpServer closed;
    ASSERT_TRUE(closed.start());
    std::string url = closed.url("/");
    closed.stop();
    auto refused = std::make_shared<Recorder>();
    ns::URLConnection::create(requestFor(url), refused);
    ASSERT_TRUE(runMainLoopUntil([&] { return refused->done.load(); }));
    EXPECT_EQ(refused->code(), ns::kURLErrorCannotConnectToHost);
}

TEST_F(URLConnectionTest, CancelIsSilentAndTheServerSeesTheRequestDropped) {
    http.setFault("/echo", Fault::stalling());
    auto delegate = std::make_shared<Recorder>();
    std::weak_ptr<Recorder> weakDelegate = delegate;
    auto connection = ns::URLConnection::create(requestFor(http.url("/echo"), "POST", "x"), delegate);
    ASSERT_TRUE(runMainLoopUntil([&] { return http.log().count() == 1; }));
    connection->cancel();
    EXPECT_TRUE(http.log().waitUntil(
        [](const auto& e) { return e.size() == 1 && e[0].outcome == LoggedRequest::Outcome::Dropped; }, 5));
    EXPECT_FALSE(runMainLoopUntil([&] { return delegate->events.size() > 1; }, 0.3));
    EXPECT_EQ(delegate->events, (std::vector<std::string>{"sent"}));

    // Cancelling from inside a delegate call stops everything after it, and
    // the connection lets go of its delegate.
    http.clearFaults();
    auto inner = std::make_shared<Recorder>();
    inner->onResponse = [](const ns::URLConnectionPtr& c) { c->cancel(); };
    std::weak_ptr<Recorder> weakInner = inner;
    ns::URLConnection::create(requestFor(http.url("/echo"), "POST", "y"), inner);
    ASSERT_TRUE(runMainLoopUntil([&] { return !inner->events.empty() && inner->events.back() == "response"; }));
    EXPECT_FALSE(runMainLoopUntil([&] { return inner->events.back() != "response"; }, 0.3));
    inner.reset();
    EXPECT_TRUE(runMainLoopUntil([&] { return weakInner.expired(); }, 2));
}

std::size_t residentBytes() {
    std::ifstream statm("/proc/self/statm");
    std::size_t pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

TEST_F(URLConnectionTest, ATwentyMegabyteBodyArrivesIntactWithBoundedMemory) {
    constexpr std::uint64_t kSize = 20 * 1024 * 1024;
    http.route("GET", "/big", [](const LoggedRequest&, Reply& reply) {
        reply.contentType = "application/octet-stream";
        reply.streamLength = kSize;
        reply.streamFill = [](std::uint64_t offset, char* out, std::size_t length) {
            for (std::size_t i = 0; i < length; ++i) out[i] = static_cast<char>(((offset + i) * 7) % 253);
        };
    });
    // Checks the bytes as they come and keeps none; the loop is slow on
    // purpose, so an engine that read ahead without limit would pile up the
    // whole body in memory.
    class Checker : public ns::URLConnectionDelegate {
    public:
        std::uint64_t received = 0, maxLag = 0;
        bool intact = true;
        std::atomic<bool> done{false};
        ns::ErrorPtr error;
        HttpServer* server = nullptr;
        void connectionDidReceiveData(const ns::URLConnectionPtr&, const ns::Data& data) override {
            for (std::size_t i = 0; i < data.length(); ++i)
                intact = intact && data[i] == static_cast<std::uint8_t>(((received + i) * 7) % 253);
            received += data.length();
            if (auto last = server->log().last(); last && last->bodyBytesSent > received)
                maxLag = std::max<std::uint64_t>(maxLag, last->bodyBytesSent - received);
            if (received < 4 * 1024 * 1024) usleep(1000);
        }
        void connectionDidFinishLoading(const ns::URLConnectionPtr&) override { done = true; }
        void connectionDidFailWithError(const ns::URLConnectionPtr&, const ns::ErrorPtr& e) override {
            error = e;
            done = true;
        }
    };
    auto checker = std::make_shared<Checker>();
    checker->server = &http;
    [[maybe_unused]] std::size_t before = residentBytes();
    ns::URLConnection::create(requestFor(http.url("/big")), checker);
    ASSERT_TRUE(runMainLoopUntil([&] { return checker->done.load(); }, 60));
    ASSERT_FALSE(checker->error) << checker->error->description();
    EXPECT_EQ(checker->received, kSize);
    EXPECT_TRUE(checker->intact);
    EXPECT_LT(checker->maxLag, 12u * 1024 * 1024);
#if !defined(__SANITIZE_ADDRESS__)
    EXPECT_LT(residentBytes() - std::min(before, residentBytes()), 16u * 1024 * 1024);
#endif
}

TEST_F(URLConnectionTest, ServerTrustIsAskedFirstAndARefusedServerNeverSeesARequest) {
    auto anchoredToTestCA = [](sec::PolicyPtr policy) {
        return [policy](const sec::TrustPtr& trust) {
            trust->setPolicies({policy});
            trust->setAnchorCertificates({sec::Certificate::createWithData(TestPKI::rootCA())});
            return trust->evaluateIsTrusted() ? ns::TrustAnswer::Accept : ns::TrustAnswer::Cancel;
        };
    };
    HttpServer foreign({.https = true, .identity = emulator::Identity::ForeignServer});
    HttpServer expired({.https = true, .identity = emulator::Identity::Expired});
    HttpServer wrongHost({.https = true, .identity = emulator::Identity::WrongHost});
    for (HttpServer* s : {&foreign, &expired, &wrongHost}) {
        s->route("*", "/echo", [](const LoggedRequest&, Reply& reply) { reply.body = "ok"; });
        ASSERT_TRUE(s->start());
    }
    auto basic = sec::Policy::createBasicX509();
    auto ssl = sec::Policy::createSSL(true, std::string("127.0.0.1"));
    struct Case {
        const char* what;
        HttpServer* server;
        std::function<ns::TrustAnswer(const sec::TrustPtr&)> trust;
        int code;
    };
    const std::vector<Case> cases = {
        {"test CA is the only anchor", &https, anchoredToTestCA(ssl), 0},
        {"foreign CA", &foreign, anchoredToTestCA(basic), ns::kURLErrorUserCancelledAuthentication},
        {"expired leaf", &expired, anchoredToTestCA(basic), ns::kURLErrorUserCancelledAuthentication},
        {"wrong host, host not checked", &wrongHost, anchoredToTestCA(basic), 0},
        {"wrong host, host checked", &wrongHost, anchoredToTestCA(ssl), ns::kURLErrorUserCancelledAuthentication},
        {"no challenge handler: system roots", &https, nullptr, ns::kURLErrorServerCertificateUntrusted},
    };
    for (const auto& c : cases) {
        auto delegate = std::make_shared<Recorder>();
        delegate->trust = c.trust;
        std::size_t before = c.server->log().count();
        ns::URLConnection::create(requestFor(c.server->url("/echo"), "POST", "secret"), delegate);
        ASSERT_TRUE(runMainLoopUntil([&] { return delegate->done.load(); })) << c.what;
        EXPECT_EQ(delegate->code(), c.code) << c.what;
        ASSERT_GE(delegate->events.size(), 2u);
        EXPECT_EQ(delegate->events[0], "storage") << c.what;
        if (c.trust) {
            EXPECT_EQ(delegate->events[1], "challenge") << c.what;
        }
        EXPECT_EQ(c.server->log().count(), before + (c.code == 0 ? 1 : 0)) << c.what;
        if (c.code == 0) {
            EXPECT_EQ(delegate->body, c.server == &https ? "secret" : "ok");
        }
    }
}

TEST_F(URLConnectionTest, RequestHookRunsFirstAndCanStopTheRequest) {
    class Hooked : public Recorder {
    public:
        bool stop = false;
        bool implementsWillSendRequest() const override { return true; }
        std::optional<ns::URLRequest> connectionWillSendRequestRedirectResponse(const ns::URLConnectionPtr&,
                                                                               const ns::URLRequest& request,
                                                                               const ns::URLResponsePtr& redirect) override {
            events.push_back("will send");
            EXPECT_FALSE(redirect);
            if (stop) return std::nullopt;
            ns::MutableURLRequest changed(request);
            changed.setValue("hooked", "X-Hook");
            return changed;
        }
    };
    auto hooked = std::make_shared<Hooked>();
    ns::URLConnection::create(requestFor(http.url("/echo"), "POST", "z"), hooked);
    ASSERT_TRUE(runMainLoopUntil([&] { return hooked->done.load(); }));
    EXPECT_EQ(hooked->events.front(), "will send");
    EXPECT_EQ(http.log().last()->header("X-Hook").value_or(""), "hooked");

    auto stopped = std::make_shared<Hooked>();
    stopped->stop = true;
    ns::URLConnection::create(requestFor(http.url("/echo"), "POST", "z"), stopped);
    EXPECT_FALSE(runMainLoopUntil([&] { return stopped->events.size() > 1; }, 0.3));
    EXPECT_EQ(stopped->events, (std::vector<std::string>{"will send"}));
    EXPECT_EQ(http.log().count(), 1u);
}

// A body stream of our own: `text` in pieces of three bytes, failing
// halfway when asked to.
class PieceStream : public ns::InputStream {
public:
    PieceStream(std::string text, bool failHalfway) : text_(std::move(text)), failHalfway_(failHalfway) {}
    std::int64_t read(std::uint8_t* buffer, std::size_t maxLength) override {
        if (failHalfway_ && offset_ >= text_.size() / 2) {
            fail(ns::Error::create("PieceStreamDomain", 42));
            return -1;
        }
        std::size_t piece = std::min<std::size_t>({maxLength, 3, text_.size() - offset_});
        std::copy_n(text_.data() + offset_, piece, buffer);
        offset_ += piece;
        return static_cast<std::int64_t>(piece);
    }
    bool hasBytesAvailable() const override { return offset_ < text_.size(); }

private:
    std::string text_;
    bool failHalfway_;
    std::size_t offset_ = 0;
};

TEST_F(URLConnectionTest, StreamedBodiesUseTheDeclaredLengthOrChunksAndAStreamErrorFailsTheTransfer) {
    for (bool declared : {true, false}) {
        ns::MutableURLRequest request(requestFor(http.url("/echo"), "POST"));
        request.setHTTPBodyStream(std::make_shared<PieceStream>("streamed body!", false));
        if (declared) request.setValue("14", "Content-Length");
        auto delegate = std::make_shared<Recorder>();
        ns::URLConnection::create(request, delegate);
        ASSERT_TRUE(runMainLoopUntil([&] { return delegate->done.load(); }));
        EXPECT_EQ(delegate->body, "streamed body!");
        auto logged = http.log().last();
        if (declared) {
            EXPECT_EQ(logged->header("Content-Length").value_or(""), "14");
        } else {
            EXPECT_EQ(logged->header("Transfer-Encoding").value_or(""), "chunked");
        }
    }
    ns::MutableURLRequest request(requestFor(http.url("/echo"), "POST"));
    request.setHTTPBodyStream(std::make_shared<PieceStream>("0123456789abcdef", true));
    auto delegate = std::make_shared<Recorder>();
    ns::URLConnection::create(request, delegate);
    ASSERT_TRUE(runMainLoopUntil([&] { return delegate->done.load(); }));
    ASSERT_TRUE(delegate->error);
    EXPECT_EQ(delegate->error->domain(), "PieceStreamDomain");
    EXPECT_EQ(delegate->error->code(), 42);
}

TEST_F(URLConnectionTest, OneShotFormAnswersOnTheQueue) {
    std::atomic<bool> answered{false};
    ns::URLResponsePtr response;
    std::optional<ns::Data> body;
    ns::ErrorPtr error;
    bool onMain = false;
    ns::URLConnection::sendAsynchronousRequest(
        requestFor(http.url("/echo"), "POST", "one shot"), ns::OperationQueue::mainQueue(),
        [&](const ns::URLResponsePtr& r, const std::optional<ns::Data>& b, const ns::ErrorPtr& e) {
            response = r;
            body = b;
            error = e;
            onMain = ns::Thread::isMainThread();
            answered = true;
        });
    ASSERT_TRUE(runMainLoopUntil([&] { return answered.load(); }));
    EXPECT_TRUE(onMain);
    EXPECT_FALSE(error);
    ASSERT_TRUE(body);
    EXPECT_EQ(body->toString(), "one shot");

    answered = false;
    ns::URLTransfer::setOfflineForTesting(true);
    ns::URLConnection::sendAsynchronousRequest(requestFor(http.url("/echo")), ns::OperationQueue::mainQueue(),
                                               [&](const ns::URLResponsePtr& r, const std::optional<ns::Data>& b,
                                                   const ns::ErrorPtr& e) {
                                                   response = r;
                                                   body = b;
                                                   error = e;
                                                   answered = true;
                                               });
    ASSERT_TRUE(runMainLoopUntil([&] { return answered.load(); }));
    EXPECT_FALSE(response);
    EXPECT_FALSE(body);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->code(), ns::kURLErrorNotConnectedToInternet);
}

}  // namespace
