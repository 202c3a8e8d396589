// The libcurl engine on its own: callbacks arrive on the worker thread, so
// these tests collect them under a lock and wait in real time for I/O.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>

#include "emulator/HttpServer.h"
#include "platform/foundation/Clock.h"
#include "platform/net/URLTransfer.h"

namespace {

using emulator::Fault;
using emulator::HttpServer;
using emulator::LoggedRequest;
using emulator::Reply;
using emulator::TestPKI;

struct Recorder {
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::string> events;
    int status = 0;
    ns::HeaderList headers;
    std::string body;
    ns::ErrorPtr error;
    bool completed = false;
    std::int64_t sent = 0, expected = 0;
    ns::TransferCallbacks callbacks(std::function<ns::TrustAnswer(const sec::TrustPtr&)> trust = nullptr) {
        ns::TransferCallbacks c;
        if (trust)
            c.serverTrust = [this, trust](const sec::TrustPtr& t, const std::string&, int) {
                note("trust");
                return trust(t);
            };
        c.response = [this](int s, const ns::HeaderList& h) {
            std::lock_guard<std::mutex> lock(mutex);
            status = s;
            headers = h;
            events.push_back("response");
            changed.notify_all();
        };
        c.data = [this](const std::uint8_t* bytes, std::size_t length) {
            std::lock_guard<std::mutex> lock(mutex);
            body.append(reinterpret_cast<const char*>(bytes), length);
            if (events.empty() || events.back() != "data") events.push_back("data");
        };
        c.bodySent = [this](std::int64_t, std::int64_t total, std::int64_t exp) {
            std::lock_guard<std::mutex> lock(mutex);
            sent = total;
            expected = exp;
        };
        c.complete = [this](const ns::ErrorPtr& e) {
            std::lock_guard<std::mutex> lock(mutex);
            error = e;
            completed = true;
            events.push_back(e ? "fail" : "finish");
            changed.notify_all();
        };
        return c;
    }
    void note(const std::string& event) {
        std::lock_guard<std::mutex> lock(mutex);
        events.push_back(event);
        changed.notify_all();
    }
    bool waitCompleted(double seconds = 10) {
        std::unique_lock<std::mutex> lock(mutex);
        return changed.wait_for(lock, std::chrono::duration<double>(seconds), [&] { return completed; });
    }
    int errorCode() {
        std::lock_guard<std::mutex> lock(mutex);
        return error ? static_cast<int>(error->code()) : 0;
    }
};

class URLTransferTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (HttpServer* server : {&http, &https}) {
            server->route("*", "/echo", [](const LoggedRequest& request, Reply& reply) {
                reply.contentType = request.header("Content-Type").value_or("none");
                reply.body = request.body;
                reply.headers = {{"X-Twice", "a"}, {"X-Twice", "b"}};
            });
            ASSERT_TRUE(server->start());
        }
    }
    ns::TransferRequest post(const HttpServer& server, const std::string& body) {
        ns::TransferRequest request;
        request.url = server.url("/echo");
        request.method = "POST";
        request.body = std::make_shared<ns::Data>(ns::Data::fromString(body));
        return request;
    }
    HttpServer http;
    HttpServer https{{.https = true}};
};

TEST_F(URLTransferTest, PostsABodyAndReportsHeadDataAndFinishInOrder) {
    Recorder r;
    auto request = post(http, "a=1&b=2");
    request.headers = {{"X-Probe", "1"}};
    ns::URLTransfer::start(request, r.callbacks());
    ASSERT_TRUE(r.waitCompleted());
    EXPECT_EQ(r.events, (std::vector<std::string>{"response", "data", "finish"}));
    EXPECT_EQ(r.status, 200);
    EXPECT_EQ(r.body, "a=1&b=2");
    EXPECT_EQ(r.sent, 7);
    EXPECT_EQ(r.expected, 7);
    auto logged = http.log().last();
    ASSERT_TRUE(logged);
    // An untyped POST body is a form; no Expect, no compression, no reuse.
    EXPECT_EQ(logged->header("Content-Type").value_or(""), "application/x-www-form-urlencoded");
    EXPECT_FALSE(logged->header("Expect"));
    EXPECT_FALSE(logged->header("Accept-Encoding"));
    EXPECT_EQ(logged->header("X-Probe").value_or(""), "1");
    int twice = 0;
    for (const auto& [name, value] : r.headers) twice += name == "X-Twice";
    EXPECT_EQ(twice, 2);
}

TEST_F(URLTransferTest, BodilessPostAndPutDeclareAnEmptyBody) {
    for (const char* method : {"POST", "PUT", "DELETE"}) {
        Recorder r;
        ns::TransferRequest request;
        request.url = http.url("/echo");
        request.method = method;
        request.timeoutInterval = 5;
        ns::URLTransfer::start(request, r.callbacks());
        ASSERT_TRUE(r.waitCompleted(5)) << method << ": the server waited for a body";
        EXPECT_EQ(r.errorCode(), 0) << method;
        EXPECT_EQ(http.log().last()->method, method);
    }
}

TEST_F(URLTransferTest, RedirectsAreAnswersAndCookiesAreNeverSent) {
    http.route("GET", "/moved", [](const LoggedRequest&, Reply& reply) {
        reply.status = 302;
        reply.headers = {{"Location", "/echo"}, {"Set-Cookie", "session=1"}};
    });
    for (int i = 0; i < 2; ++i) {
        Recorder r;
        ns::TransferRequest request;
        request.url = http.url("/moved");
        ns::URLTransfer::start(request, r.callbacks());
        ASSERT_TRUE(r.waitCompleted());
        EXPECT_EQ(r.status, 302);
        EXPECT_EQ(r.errorCode(), 0);
    }
    auto entries = http.log().entries();
    ASSERT_EQ(entries.size(), 2u);  // the Location was not followed
    EXPECT_FALSE(entries[1].header("Cookie"));
}

class ChunkSource : public ns::TransferBodySource {
public:
    ChunkSource(std::string text, bool failHalfway) : text_(std::move(text)), failHalfway_(failHalfway) {}
    long read(std::uint8_t* buffer, std::size_t capacity) override {
        if (failHalfway_ && offset_ >= text_.size() / 2) return -1;
        std::size_t piece = std::min<std::size_t>({capacity, 3, text_.size() - offset_});
        std::memcpy(buffer, text_.data() + offset_, piece);
        offset_ += piece;
        return static_cast<long>(piece);
    }
    ns::ErrorPtr error() const override { return ns::Error::create("StreamDomain", 7); }

private:
    std::string text_;
    bool failHalfway_;
    std::size_t offset_ = 0;
};

TEST_F(URLTransferTest, StreamsBodiesWithDeclaredLengthOrChunkedAndFailsWithTheStreamsError) {
    for (std::int64_t declared : {std::int64_t(11), std::int64_t(-1)}) {
        Recorder r;
        ns::TransferRequest request;
        request.url = http.url("/echo");
        request.method = "PUT";
        request.bodySource = std::make_shared<ChunkSource>("hello world", false);
        request.bodyLength = declared;
        ns::URLTransfer::start(request, r.callbacks());
        ASSERT_TRUE(r.waitCompleted());
        EXPECT_EQ(r.body, "hello world");
        auto logged = http.log().last();
        EXPECT_EQ(logged->method, "PUT");
        EXPECT_EQ(logged->header("Content-Type").value_or("none"), "none");
        if (declared >= 0)
            EXPECT_EQ(logged->header("Content-Length").value_or(""), "11");
        else
            EXPECT_EQ(logged->header("Transfer-Encoding").value_or(""), "chunked");
    }
    Recorder r;
    ns::TransferRequest request = post(http, "");
    request.body.reset();
    request.bodySource = std::make_shared<ChunkSource>("0123456789abcdef", true);
    ns::URLTransfer::start(request, r.callbacks());
    ASSERT_TRUE(r.waitCompleted());
    ASSERT_TRUE(r.error);
    EXPECT_EQ(r.error->domain(), "StreamDomain");
    EXPECT_EQ(r.error->code(), 7);
}

TEST_F(URLTransferTest, MapsTransportFailuresToURLErrorsWithTheFailingURL) {
    HttpServer closed;
    ASSERT_TRUE(closed.start());
    std::string closedURL = closed.url("/echo");
    closed.stop();
    http.setFault("/cut", Fault::closingMidBody(3));
    http.route("GET", "/cut", [](const LoggedRequest&, Reply& reply) { reply.body = "0123456789"; });
    http.setFault("/refused", Fault::refusing());

    struct Case {
        std::string url;
        int code;
    };
    const std::vector<Case> cases = {
        {closedURL, ns::kURLErrorCannotConnectToHost},
        {http.url("/cut"), ns::kURLErrorNetworkConnectionLost},
        {http.url("/refused"), ns::kURLErrorNetworkConnectionLost},
        {"http://127.0.0.1:notaport/", ns::kURLErrorBadURL},
        {"ftp://127.0.0.1/file", ns::kURLErrorUnsupportedURL},
        {"https://127.0.0.1:" + std::to_string(http.port()) + "/echo", ns::kURLErrorSecureConnectionFailed},
    };
    for (const auto& c : cases) {
        Recorder r;
        ns::TransferRequest request;
        request.url = c.url;
        ns::URLTransfer::start(request, r.callbacks());
        ASSERT_TRUE(r.waitCompleted()) << c.url;
        ASSERT_TRUE(r.error) << c.url;
        EXPECT_EQ(r.error->domain(), ns::kURLErrorDomain);
        EXPECT_EQ(r.error->code(), c.code) << c.url;
        EXPECT_EQ(r.error->userInfo()[ns::kURLErrorFailingURLStringErrorKey].asString(), c.url);
    }

    ns::URLTransfer::setOfflineForTesting(true);
    Recorder offline;
    ns::URLTransfer::start(post(http, "x"), offline.callbacks());
    ASSERT_TRUE(offline.waitCompleted());
    EXPECT_EQ(offline.errorCode(), ns::kURLErrorNotConnectedToInternet);
    ns::URLTransfer::setOfflineForTesting(false);
}

TEST_F(URLTransferTest, IdleTimeOutFollowsTheClockAndCancelIsSilent) {
    http.setFault("/echo", Fault::stalling());
    Recorder stalled;
    auto request = post(http, "x");
    request.timeoutInterval = 5;
    ns::URLTransfer::start(request, stalled.callbacks());
    ASSERT_TRUE(http.log().waitUntil([](const auto& e) { return e.size() == 1; }, 10));
    // The last activity is the body going out; idleness counts from there.
    for (int i = 0; i < 500 && [&] { std::lock_guard<std::mutex> l(stalled.mutex); return stalled.sent < 1; }(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ns::Clock::moveVirtual(4.0);
    EXPECT_FALSE(stalled.waitCompleted(0.2));  // not idle long enough yet
    ns::Clock::moveVirtual(1.0);
    ASSERT_TRUE(stalled.waitCompleted());
    EXPECT_EQ(stalled.errorCode(), ns::kURLErrorTimedOut);

    Recorder cancelled;
    auto transfer = ns::URLTransfer::start(post(http, "y"), cancelled.callbacks());
    ASSERT_TRUE(http.log().waitUntil([](const auto& e) { return e.size() == 2; }, 10));
    transfer->cancel();
    EXPECT_TRUE(http.log().waitUntil(
        [](const auto& e) { return e.size() == 2 && e[1].outcome == LoggedRequest::Outcome::Dropped; }, 10));
    EXPECT_FALSE(cancelled.waitCompleted(0.1));
    EXPECT_TRUE(cancelled.events.empty());
}

TEST_F(URLTransferTest, TrustIsDecidedInsideTheHandshakeBeforeAnyRequestByte) {
    auto anchoredTo = [](const char* anchor, sec::PolicyPtr policy) {
        return [anchor, policy](const sec::TrustPtr& trust) {
            trust->setPolicies({policy});
            trust->setAnchorCertificates({sec::Certificate::createWithData(TestPKI::read(anchor, "der"))});
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
        std::function<ns::TrustAnswer(const sec::TrustPtr&)> decide;
        int code;  // 0: answered
    };
    const std::vector<Case> cases = {
        {"test CA as the only anchor", &https, anchoredTo("root-ca", ssl), 0},
        {"foreign CA", &foreign, anchoredTo("root-ca", basic), ns::kURLErrorUserCancelledAuthentication},
        {"expired leaf", &expired, anchoredTo("root-ca", basic), ns::kURLErrorUserCancelledAuthentication},
        {"wrong host, host not checked", &wrongHost, anchoredTo("root-ca", basic), 0},
        {"wrong host, SSL policy", &wrongHost, anchoredTo("root-ca", ssl), ns::kURLErrorUserCancelledAuthentication},
        {"default handling: system roots", &https, [](const sec::TrustPtr&) { return ns::TrustAnswer::DefaultHandling; },
         ns::kURLErrorServerCertificateUntrusted},
    };
    for (const auto& c : cases) {
        std::size_t before = c.server->log().count();
        Recorder r;
        ns::URLTransfer::start(post(*c.server, "secret"), r.callbacks(c.decide));
        ASSERT_TRUE(r.waitCompleted()) << c.what;
        ASSERT_FALSE(r.events.empty());
        EXPECT_EQ(r.events.front(), "trust") << c.what;
        EXPECT_EQ(r.errorCode(), c.code) << c.what;
        if (c.code == 0) {
            EXPECT_EQ(c.server->log().count(), before + 1) << c.what;
        } else {
            EXPECT_EQ(c.server->log().count(), before) << c.what << ": the refused server saw a request";
        }
    }
}

TEST_F(URLTransferTest, EveryTransferIsEvaluatedAfresh) {
    int asked = 0;
    for (int i = 0; i < 3; ++i) {
        Recorder r;
        ns::URLTransfer::start(post(https, "x"), r.callbacks([&](const sec::TrustPtr&) {
            ++asked;
            return ns::TrustAnswer::Accept;
        }));
        ASSERT_TRUE(r.waitCompleted());
        EXPECT_EQ(r.errorCode(), 0);
    }
    EXPECT_EQ(asked, 3);
}

}  // namespace
