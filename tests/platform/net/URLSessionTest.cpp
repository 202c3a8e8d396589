#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>

#include "emulator/HttpServer.h"
#include "platform/foundation/HTTPURLResponse.h"
#include "platform/foundation/InputStream.h"
#include "platform/foundation/Thread.h"
#include "platform/net/URLSession.h"
#include "tests/support/Harness.h"

namespace {

using emulator::Fault;
using emulator::HttpServer;
using emulator::LoggedRequest;
using emulator::Reply;
using emulator::TestPKI;
using keelbox::test::runMainLoopUntil;

constexpr std::uint64_t kFileSize = 3 * 1024 * 1024;
char byteAt(std::uint64_t offset) { return static_cast<char>((offset * 13 + 5) % 251); }

class Recorder : public ns::URLSessionDelegate {
public:
    std::vector<std::string> events;
    std::string body;
    ns::ErrorPtr error;
    std::atomic<int> completed{0};
    std::atomic<bool> invalid{false};
    bool onMain = true;
    std::string downloaded;  // the file's bytes at the time it was handed over
    bool fileExisted = false;
    std::int64_t resumedAt = -1, resumeExpected = -1;
    std::function<ns::URLSessionAuthChallengeDisposition(const sec::TrustPtr&)> trust;
    std::function<void(const std::shared_ptr<ns::URLSessionDownloadTask>&)> onWrite;

    void note(const std::string& e) {
        events.push_back(e);
        onMain = onMain && ns::Thread::isMainThread();
    }
    void sessionDidBecomeInvalidWithError(const ns::URLSessionPtr&, const ns::ErrorPtr&) override {
        note("invalid");
        invalid = true;
    }
    bool implementsTaskDidReceiveChallenge() const override { return bool(trust); }
    void taskDidReceiveChallenge(const ns::URLSessionPtr&, const std::shared_ptr<ns::URLSessionTask>&,
                                 const ns::URLAuthenticationChallengePtr& c,
                                 ns::ChallengeCompletion completion) override {
        note("challenge");
        auto trustObject = c->protectionSpace()->serverTrust();
        auto disposition = trust(trustObject);
        completion(disposition, ns::URLCredential::credentialForTrust(trustObject));
    }
    void taskDidSendBodyData(const ns::URLSessionPtr&, const std::shared_ptr<ns::URLSessionTask>&, std::int64_t,
                             std::int64_t, std::int64_t) override {
        if (events.empty() || events.back() != "sent") note("sent");
    }
    bool implementsDataTaskDidReceiveResponse() const override { return true; }
    void dataTaskDidReceiveResponse(const ns::URLSessionPtr&, const std::shared_ptr<ns::URLSessionDataTask>&,
                                    const ns::URLResponsePtr&,
                                    std::function<void(ns::URLSessionResponseDisposition)> completion) override {
        note("response");
        completion(ns::URLSessionResponseDisposition::Allow);
    }
    void dataTaskDidReceiveData(const ns::URLSessionPtr&, const std::shared_ptr<ns::URLSessionDataTask>&,
                                const ns::Data& data) override {
        if (events.empty() || events.back() != "data") note("data");
        body += data.toString();
    }
    void downloadTaskDidWriteData(const ns::URLSessionPtr&, const std::shared_ptr<ns::URLSessionDownloadTask>& task,
                                  std::int64_t, std::int64_t, std::int64_t) override {
        if (events.empty() || events.back() != "write") note("write");
        if (onWrite) onWrite(task);
    }
    void downloadTaskDidResumeAtOffset(const ns::URLSessionPtr&, const std::shared_ptr<ns::URLSessionDownloadTask>&,
                                       std::int64_t offset, std::int64_t expected) override {
        note("resume");
        resumedAt = offset;
        resumeExpected = expected;
    }
    void downloadTaskDidFinishDownloadingToURL(const ns::URLSessionPtr&,
                                               const std::shared_ptr<ns::URLSessionDownloadTask>&,
                                               const ns::URLPtr& location) override {
        note("finished download");
        std::ifstream in(location->path(), std::ios::binary);
        fileExisted = bool(in);
        downloaded.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        lastLocation = location->path();
    }
    void taskDidCompleteWithError(const ns::URLSessionPtr&, const std::shared_ptr<ns::URLSessionTask>&,
                                  const ns::ErrorPtr& e) override {
        note("complete");
        error = e;
        ++completed;
    }
    std::string lastLocation;
};

ns::MutableURLRequest request(const std::string& url, const std::string& method = "GET") {
    ns::MutableURLRequest r(ns::URL::URLWithString(url));
    r.setHTTPMethod(method);
    return r;
}

class URLSessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (HttpServer* s : {&http, &https}) {
            s->route("*", "/echo", [](const LoggedRequest& r, Reply& reply) { reply.body = r.body; });
            // A file that honours "Range: bytes=N-".
            s->route("GET", "/file", [](const LoggedRequest& r, Reply& reply) {
                std::uint64_t from = 0;
                if (auto range = r.header("Range"); range && range->rfind("bytes=", 0) == 0) {
                    from = std::stoull(range->substr(6));
                    reply.status = 206;
                    reply.headers = {{"Content-Range", "bytes " + std::to_string(from) + "-" +
                                                           std::to_string(kFileSize - 1) + "/" +
                                                           std::to_string(kFileSize)}};
                }
                reply.headers.emplace_back("ETag", "\"v1\"");
                reply.contentType = "application/octet-stream";
                reply.streamLength = kFileSize - from;
                reply.streamFill = [from](std::uint64_t offset, char* out, std::size_t length) {
                    for (std::size_t i = 0; i < length; ++i) out[i] = byteAt(from + offset + i);
                };
            });
            ASSERT_TRUE(s->start());
        }
    }
    ns::URLSessionPtr session() {
        return ns::URLSession::sessionWithConfiguration(ns::URLSessionConfiguration::defaultSessionConfiguration(),
                                                        delegate, ns::OperationQueue::mainQueue());
    }
    static bool fileIntact(const std::string& bytes) {
        if (bytes.size() != kFileSize) return false;
        for (std::uint64_t i = 0; i < kFileSize; ++i)
            if (bytes[i] != byteAt(i)) return false;
        return true;
    }
    HttpServer http;
    HttpServer https{{.https = true}};
    std::shared_ptr<Recorder> delegate = std::make_shared<Recorder>();
};

TEST_F(URLSessionTest, DataTasksStartSuspendedAndReportInOrderOnTheDelegateQueue) {
    auto s = session();
    ns::MutableURLRequest r = request(http.url("/echo"), "POST");
    r.setHTTPBody(ns::Data::fromString("hello session"));
    auto first = s->dataTaskWithRequest(r);
    auto second = s->dataTaskWithRequest(r);
    EXPECT_LT(first->taskIdentifier(), second->taskIdentifier());
    EXPECT_EQ(first->state(), ns::URLSessionTaskState::Suspended);
    std::vector<std::pair<int, int>> changes;
    first->addStateObserver([&](auto from, auto to) { changes.emplace_back(int(from), int(to)); });

    keelbox::test::drainMainLoop();
    EXPECT_EQ(http.log().count(), 0u);  // nothing goes out before resume
    first->resume();
    EXPECT_EQ(first->state(), ns::URLSessionTaskState::Running);
    ASSERT_TRUE(runMainLoopUntil([&] { return delegate->completed == 1; }));
    EXPECT_EQ(delegate->events, (std::vector<std::string>{"sent", "response", "data", "complete"}));
    EXPECT_TRUE(delegate->onMain);
    EXPECT_EQ(delegate->body, "hello session");
    EXPECT_FALSE(delegate->error);
    EXPECT_EQ(first->state(), ns::URLSessionTaskState::Completed);
    EXPECT_EQ(changes, (std::vector<std::pair<int, int>>{{1, 0}, {0, 3}}));
    EXPECT_EQ(std::dynamic_pointer_cast<ns::HTTPURLResponse>(first->response())->statusCode(), 200);
    EXPECT_EQ(first->countOfBytesReceived(), 13);

    // With a completion handler the delegate hears nothing of the data.
    std::atomic<bool> answered{false};
    std::optional<ns::Data> body;
    auto handled = s->dataTaskWithRequest(r, [&](const std::optional<ns::Data>& b, const ns::URLResponsePtr&,
                                                 const ns::ErrorPtr& e) {
        body = b;
        EXPECT_FALSE(e);
        answered = true;
    });
    handled->resume();
    ASSERT_TRUE(runMainLoopUntil([&] { return answered.load(); }));
    ASSERT_TRUE(body);
    EXPECT_EQ(body->toString(), "hello session");
    EXPECT_EQ(delegate->completed, 1);
}

TEST_F(URLSessionTest, UploadsFromDataFileAndStream) {
    auto s = session();
    std::string path = keelbox::test::sandboxHome() + "/upload.bin";
    std::ofstream(path) << "from a file";
    struct Case {
        const char* what;
        std::function<ns::URLSessionUploadTaskPtr(ns::URLSession::DataCompletion)> make;
        std::string expected;
        int code;
    };
    const std::vector<Case> cases = {
        {"data", [&](auto done) { return s->uploadTaskWithRequestFromData(request(http.url("/echo"), "POST"),
                                                                         ns::Data::fromString("from data"), done); },
         "from data", 0},
        {"file", [&](auto done) { return s->uploadTaskWithRequestFromFile(request(http.url("/echo"), "PUT"),
                                                                         ns::URL::fileURLWithPath(path), done); },
         "from a file", 0},
        {"missing file", [&](auto done) {
             return s->uploadTaskWithRequestFromFile(request(http.url("/echo"), "PUT"),
                                                     ns::URL::fileURLWithPath(path + ".missing"), done);
         }, "", ns::kURLErrorFileDoesNotExist},
    };
    for (const auto& c : cases) {
        std::atomic<bool> answered{false};
        std::string got;
        int code = 0;
        auto task = c.make([&](const std::optional<ns::Data>& b, const ns::URLResponsePtr&, const ns::ErrorPtr& e) {
            if (b) got = b->toString();
            code = e ? static_cast<int>(e->code()) : 0;
            answered = true;
        });
        task->resume();
        ASSERT_TRUE(runMainLoopUntil([&] { return answered.load(); })) << c.what;
        EXPECT_EQ(got, c.expected) << c.what;
        EXPECT_EQ(code, c.code) << c.what;
    }
    EXPECT_EQ(http.log().last()->header("Content-Length").value_or(""), "11");

    ns::MutableURLRequest streamed = request(http.url("/echo"), "POST");
    streamed.setHTTPBodyStream(ns::InputStream::inputStreamWithData(ns::Data::fromString("from a stream")));
    auto task = s->uploadTaskWithStreamedRequest(streamed);
    EXPECT_EQ(task->countOfBytesExpectedToSend(), ns::kURLSessionTransferSizeUnknown);
    task->resume();
    ASSERT_TRUE(runMainLoopUntil([&] { return delegate->completed == 1; }));
    EXPECT_EQ(delegate->body, "from a stream");
}

TEST_F(URLSessionTest, DownloadsGoToATemporaryFileThatIsRemovedAfterHandOver) {
    auto s = session();
    auto task = s->downloadTaskWithRequest(request(http.url("/file")));
    task->resume();
    ASSERT_TRUE(runMainLoopUntil([&] { return delegate->completed == 1; }, 20));
    EXPECT_FALSE(delegate->error);
    EXPECT_TRUE(delegate->fileExisted);
    EXPECT_TRUE(fileIntact(delegate->downloaded));
    EXPECT_FALSE(std::filesystem::exists(delegate->lastLocation));
    EXPECT_EQ(delegate->events.back(), "complete");
    EXPECT_EQ(delegate->events[delegate->events.size() - 2], "finished download");
}

TEST_F(URLSessionTest, ADownloadResumesFromResumeDataWithARangeRequest) {
    auto s = session();
    // The first attempt loses its connection part way: its error carries resume data.
    http.setFault("/file", Fault::closingMidBody(1024 * 1024));
    s->downloadTaskWithRequest(request(http.url("/file")))->resume();
    ASSERT_TRUE(runMainLoopUntil([&] { return delegate->completed == 1; }, 20));
    ASSERT_TRUE(delegate->error);
    EXPECT_EQ(delegate->error->code(), ns::kURLErrorNetworkConnectionLost);
    ns::Value resume = delegate->error->userInfo()[ns::kURLSessionDownloadTaskResumeData];
    ASSERT_TRUE(resume.isData());

    http.clearFaults();
    std::string finalFile;
    std::atomic<bool> done{false};
    auto resumed = s->downloadTaskWithResumeData(resume.asData(), [&](const ns::URLPtr& location,
                                                                      const ns::URLResponsePtr&, const ns::ErrorPtr& e) {
        EXPECT_FALSE(e);
        std::ifstream in(location->path(), std::ios::binary);
        finalFile.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        done = true;
    });
    resumed->resume();
    ASSERT_TRUE(runMainLoopUntil([&] { return done.load(); }, 20));
    auto logged = http.log().last();
    EXPECT_EQ(logged->header("Range").value_or(""), "bytes=" + std::to_string(1024 * 1024) + "-");
    EXPECT_EQ(logged->header("If-Range").value_or(""), "\"v1\"");
    EXPECT_TRUE(fileIntact(finalFile));

    // Cancelling a running download hands over resume data that a new task continues from.
    std::optional<ns::Data> cancelled;
    std::atomic<bool> cancelAnswered{false};
    auto running = s->downloadTaskWithRequest(request(http.url("/file")));
    delegate->onWrite = [&](const std::shared_ptr<ns::URLSessionDownloadTask>& task) {
        if (task == running && !cancelAnswered)
            running->cancelByProducingResumeData([&](const std::optional<ns::Data>& data) {
                cancelled = data;
                cancelAnswered = true;
            });
    };
    running->resume();
    ASSERT_TRUE(runMainLoopUntil([&] { return cancelAnswered.load(); }, 20));
    ASSERT_TRUE(cancelled);
    EXPECT_EQ(delegate->error->code(), ns::kURLErrorCancelled);
    delegate->onWrite = nullptr;
    delegate->events.clear();
    int before = delegate->completed;
    s->downloadTaskWithResumeData(*cancelled)->resume();
    ASSERT_TRUE(runMainLoopUntil([&] { return delegate->completed == before + 1; }, 20));
    EXPECT_FALSE(delegate->error);
    EXPECT_GT(delegate->resumedAt, 0);
    EXPECT_EQ(delegate->resumeExpected, static_cast<std::int64_t>(kFileSize));
    EXPECT_TRUE(fileIntact(delegate->downloaded));

    // Resume data that is not ours fails the task instead of crashing.
    std::atomic<int> code{0};
    s->downloadTaskWithResumeData(ns::Data::fromString("{\"format\": 1}"),
                                  [&](const ns::URLPtr&, const ns::URLResponsePtr&, const ns::ErrorPtr& e) {
                                      code = e ? static_cast<int>(e->code()) : 0;
                                  })
        ->resume();
    ASSERT_TRUE(runMainLoopUntil([&] { return code != 0; }));
}

TEST_F(URLSessionTest, SuspendHoldsEventsAndCancelEndsWithCancelledOnly) {
    auto s = session();
    ns::MutableURLRequest r = request(http.url("/echo"), "POST");
    r.setHTTPBody(ns::Data::fromString("held"));
    auto task = s->dataTaskWithRequest(r);
    task->resume();
    task->suspend();
    EXPECT_EQ(task->state(), ns::URLSessionTaskState::Suspended);
    ASSERT_TRUE(http.log().waitUntil(
        [](const auto& e) { return e.size() == 1 && e[0].outcome == LoggedRequest::Outcome::Answered; }, 5));
    EXPECT_FALSE(runMainLoopUntil([&] { return !delegate->events.empty(); }, 0.3));
    task->resume();
    ASSERT_TRUE(runMainLoopUntil([&] { return delegate->completed == 1; }));
    EXPECT_EQ(delegate->body, "held");

    http.setFault("/echo", Fault::stalling());
    delegate->events.clear();
    auto stalled = s->dataTaskWithRequest(r);
    stalled->resume();
    ASSERT_TRUE(http.log().waitUntil([](const auto& e) { return e.size() == 2; }, 5));
    stalled->cancel();
    EXPECT_EQ(stalled->state(), ns::URLSessionTaskState::Canceling);
    ASSERT_TRUE(runMainLoopUntil([&] { return delegate->completed == 2; }));
    EXPECT_EQ(delegate->error->code(), ns::kURLErrorCancelled);
    EXPECT_EQ(stalled->state(), ns::URLSessionTaskState::Completed);
    EXPECT_TRUE(std::count(delegate->events.begin(), delegate->events.end(), "data") == 0);
    EXPECT_TRUE(http.log().waitUntil(
        [](const auto& e) { return e.size() == 2 && e[1].outcome == LoggedRequest::Outcome::Dropped; }, 5));
}

TEST_F(URLSessionTest, InvalidationFinishesOrCancelsTasksThenReleasesTheDelegate) {
    std::weak_ptr<Recorder> weakDelegate = delegate;
    {
        auto s = session();
        http.setFault("/echo", Fault::delayed(0.2));
        ns::MutableURLRequest r = request(http.url("/echo"), "POST");
        r.setHTTPBody(ns::Data::fromString("finish me"));
        s->dataTaskWithRequest(r)->resume();
        s->finishTasksAndInvalidate();
        EXPECT_FALSE(s->dataTaskWithRequest(r));
        ASSERT_TRUE(runMainLoopUntil([&] { return delegate->invalid.load(); }));
        EXPECT_EQ(delegate->events.back(), "invalid");
        EXPECT_EQ(delegate->body, "finish me");
        EXPECT_FALSE(delegate->error);
        EXPECT_FALSE(s->delegate());
    }
    auto other = std::make_shared<Recorder>();
    auto s = ns::URLSession::sessionWithConfiguration(nullptr, other, ns::OperationQueue::mainQueue());
    http.setFault("/echo", Fault::stalling());
    s->dataTaskWithRequest(request(http.url("/echo")))->resume();
    s->invalidateAndCancel();
    ASSERT_TRUE(runMainLoopUntil([&] { return other->invalid.load(); }));
    EXPECT_EQ(other->events, (std::vector<std::string>{"complete", "invalid"}));
    EXPECT_EQ(other->error->code(), ns::kURLErrorCancelled);
}

TEST_F(URLSessionTest, ServerTrustGoesToTheDelegateBeforeAnyRequestByte) {
    HttpServer foreign({.https = true, .identity = emulator::Identity::ForeignServer});
    foreign.route("*", "/echo", [](const LoggedRequest&, Reply& reply) { reply.body = "no"; });
    ASSERT_TRUE(foreign.start());
    delegate->trust = [](const sec::TrustPtr& trust) {
        trust->setAnchorCertificates({sec::Certificate::createWithData(TestPKI::rootCA())});
        return trust->evaluateIsTrusted() ? ns::URLSessionAuthChallengeDisposition::UseCredential
                                          : ns::URLSessionAuthChallengeDisposition::CancelAuthenticationChallenge;
    };
    auto s = session();
    s->dataTaskWithRequest(request(https.url("/echo"), "POST"))->resume();
    ASSERT_TRUE(runMainLoopUntil([&] { return delegate->completed == 1; }));
    EXPECT_FALSE(delegate->error);
    EXPECT_EQ(delegate->events.front(), "challenge");
    s->dataTaskWithRequest(request(foreign.url("/echo"), "POST"))->resume();
    ASSERT_TRUE(runMainLoopUntil([&] { return delegate->completed == 2; }));
    ASSERT_TRUE(delegate->error);
    EXPECT_EQ(delegate->error->code(), ns::kURLErrorUserCancelledAuthentication);
    EXPECT_EQ(foreign.log().count(), 0u);
}

}  // namespace
