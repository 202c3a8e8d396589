#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <mutex>

#include "emulator/HttpServer.h"
#include "emulator/TestPKI.h"
#include "net/http/TNHTTPRequestOperationManager.h"
#include "net/http/TNJSONResponseSerializer.h"
#include "net/http/TNNetworkingNotifications.h"
#include "net/http/TNStreamingMultipartFormData.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/StringUtils.h"
#include "platform/foundation/Thread.h"
#include "platform/ui/Application.h"
#include "tests/net/http/MultipartParser.h"
#include "tests/net/http/RawCaptureServer.h"
#include "tests/net/http/RangeFileRoute.h"
#include "tests/support/Harness.h"

namespace {

using keelbox::test::runMainLoopUntil;

// A JSON serializer that records where and how often it decodes.
class RecordingSerializer : public TNJSONResponseSerializer {
public:
    static std::shared_ptr<RecordingSerializer> create() {
        return std::shared_ptr<RecordingSerializer>(new RecordingSerializer());
    }
    ns::Value responseObjectForResponse(const ns::URLResponsePtr& response, const std::optional<ns::Data>& data,
                                        ns::ErrorPtr* error) override {
        ++calls;
        {
            // Operations may decode on two processing threads at once.
            std::lock_guard<std::mutex> lock(mutex);
            queueLabel = dispatch::currentQueueLabel();
            onMain = ns::Thread::isMainThread();
        }
        return TNJSONResponseSerializer::responseObjectForResponse(response, data, error);
    }
    std::atomic<int> calls{0};
    std::mutex mutex;
    std::string queueLabel;
    bool onMain = true;
};

struct Outcome {
    bool done = false;
    bool succeeded = false;
    bool onMain = false;
    ns::Value object;
    ns::ErrorPtr error;
};

class TNHTTPRequestOperationTest : public ::testing::Test {
protected:
    void SetUp() override {
        server.route("GET", "/json", [](const emulator::LoggedRequest& r, emulator::Reply& reply) {
            reply.contentType = "application/json";
            reply.body = "{\"query\":\"" + r.query + "\"}";
        });
        server.route("POST", "/form", [](const emulator::LoggedRequest& r, emulator::Reply& reply) {
            reply.contentType = "application/json";
            reply.body = "{\"a\":\"" + r.field("a").value_or("") + "\",\"length\":" + std::to_string(r.body.size()) + "}";
        });
        server.route("POST", "/upload", [](const emulator::LoggedRequest& r, emulator::Reply& reply) {
            reply.contentType = "application/json";
            reply.body = "{\"received\":" + std::to_string(r.body.size()) + "}";
        });
        server.route("GET", "/missing", [](const emulator::LoggedRequest&, emulator::Reply& reply) {
            reply.status = 404;
            reply.contentType = "application/json";
            reply.body = "{\"error\":\"no such thing\"}";
        });
        server.route("GET", "/html", [](const emulator::LoggedRequest&, emulator::Reply& reply) {
            reply.contentType = "text/html";
            reply.body = "<html></html>";
        });
        ASSERT_TRUE(server.start());
        manager = TNHTTPRequestOperationManager::initWithBaseURL(ns::URL::URLWithString(server.baseURL()));
        manager->responseSerializer = serializer;
    }

    TNHTTPRequestOperationManager::Success succeed(Outcome& outcome) {
        return [&outcome](const TNHTTPRequestOperationPtr&, const ns::Value& object) {
            outcome.done = outcome.succeeded = true;
            outcome.onMain = ns::Thread::isMainThread();
            outcome.object = object;
        };
    }
    TNHTTPRequestOperationManager::Failure fail(Outcome& outcome) {
        return [&outcome](const TNHTTPRequestOperationPtr&, const ns::ErrorPtr& error) {
            outcome.done = true;
            outcome.onMain = ns::Thread::isMainThread();
            outcome.error = error;
        };
    }

    emulator::HttpServer server;
    std::shared_ptr<RecordingSerializer> serializer = RecordingSerializer::create();
    TNHTTPRequestOperationManagerPtr manager;
};

TEST_F(TNHTTPRequestOperationTest, GetAndPostDecodeOnTheProcessingQueueAndAnswerOnTheMainThread) {
    Outcome get;
    manager->GET("json", ns::Value::dictionary({{"x", "a b"}}), succeed(get), fail(get));
    ASSERT_TRUE(runMainLoopUntil([&] { return get.done; }, 10));
    EXPECT_TRUE(get.succeeded);
    EXPECT_TRUE(get.onMain);
    EXPECT_EQ(get.object, ns::Value::dictionary({{"query", "x=a%20b"}}));
    {
        std::lock_guard<std::mutex> lock(serializer->mutex);
        EXPECT_EQ(serializer->queueLabel, "com.tavonet.networking.http-request.processing");
        EXPECT_FALSE(serializer->onMain);
    }

    Outcome post;
    manager->POST("form", ns::Value::dictionary({{"a", "x&y=z"}}), succeed(post), fail(post));
    ASSERT_TRUE(runMainLoopUntil([&] { return post.done; }, 10));
    EXPECT_TRUE(post.succeeded);
    // Encoded once by the client, decoded once by the server: the raw value.
    EXPECT_EQ(post.object["a"], ns::Value("x&y=z"));
    auto logged = server.log().last();
    ASSERT_TRUE(logged);
    EXPECT_EQ(logged->header("Content-Length").value_or(""), std::to_string(logged->body.size()));
}

TEST_F(TNHTTPRequestOperationTest, ServerAndTypeErrorsAndCancellationReachTheFailureCallback) {
    struct Case {
        const char* path;
        std::int64_t code;
        bool object;
    };
    for (const Case& c : {Case{"missing", -1011, true}, Case{"html", -1016, false}}) {
        Outcome outcome;
        auto operation = manager->GET(c.path, ns::Value(), succeed(outcome), fail(outcome));
        ASSERT_TRUE(runMainLoopUntil([&] { return outcome.done; }, 10)) << c.path;
        EXPECT_FALSE(outcome.succeeded) << c.path;
        ASSERT_TRUE(outcome.error) << c.path;
        EXPECT_EQ(outcome.error->code(), c.code) << c.path;
        EXPECT_EQ(!operation->responseObject().isNil(), c.object) << c.path;
    }

    // Cancelled while the server stalls: -999, and nothing is decoded.
    server.setFault("/json", emulator::Fault::stalling());
    int before = serializer->calls;
    Outcome cancelled;
    auto operation = manager->GET("json", ns::Value(), succeed(cancelled), fail(cancelled));
    ASSERT_TRUE(server.log().waitUntil([](const auto& entries) { return !entries.empty() && entries.back().path == "/json"; }, 10));
    operation->cancel();
    ASSERT_TRUE(runMainLoopUntil([&] { return cancelled.done; }, 10));
    ASSERT_TRUE(cancelled.error);
    EXPECT_EQ(cancelled.error->domain(), ns::kURLErrorDomain);
    EXPECT_EQ(cancelled.error->code(), ns::kURLErrorCancelled);
    EXPECT_EQ(serializer->calls, before);
}

TEST_F(TNHTTPRequestOperationTest, OperationStateRules) {
    // Cancelled before it starts: finishes with -999 and never connects.
    Outcome outcome;
    auto request = manager->requestSerializer->requestWithMethod("GET", server.url("/json"), ns::Value());
    auto operation = manager->HTTPRequestOperationWithRequest(request, succeed(outcome), fail(outcome));
    EXPECT_TRUE(operation->isReady());
    operation->resume();  // not paused: nothing
    EXPECT_TRUE(operation->isReady());
    operation->cancel();
    operation->start();
    ASSERT_TRUE(runMainLoopUntil([&] { return outcome.done; }, 10));
    EXPECT_TRUE(operation->isFinished());
    EXPECT_EQ(outcome.error->code(), ns::kURLErrorCancelled);
    EXPECT_EQ(server.log().count(), 0u);

    operation->pause();  // finished: nothing
    EXPECT_TRUE(operation->isFinished());
    EXPECT_FALSE(operation->isPaused());

    // Ready -> paused -> ready again.
    auto fresh = TNHTTPRequestOperation::create(request);
    fresh->pause();
    EXPECT_TRUE(fresh->isPaused());
    EXPECT_FALSE(fresh->isReady());
    EXPECT_EQ(fresh->request().valueForHTTPHeaderField("Range").value_or(""), "bytes=0-");
    EXPECT_NE(fresh->description().find("state: isPaused, cancelled: NO"), std::string::npos) << fresh->description();
}

TEST_F(TNHTTPRequestOperationTest, NotificationsAndTrustOverHTTPS) {
    emulator::HttpServer https({.https = true});
    https.route("GET", "/json", [](const emulator::LoggedRequest&, emulator::Reply& reply) {
        reply.contentType = "application/json";
        reply.body = "[1]";
    });
    ASSERT_TRUE(https.start());
    emulator::HttpServer foreign({.https = true, .identity = emulator::Identity::ForeignServer});
    foreign.route("GET", "/json", [](const emulator::LoggedRequest&, emulator::Reply& reply) { reply.body = "[1]"; });
    ASSERT_TRUE(foreign.start());

    auto pinned = TNSecurityPolicy::create();
    pinned->SSLPinningMode = TNSSLPinningModeCertificate;
    pinned->validatesCertificateChain = false;
    pinned->validatesDomainName = true;
    // The system store does not know our CA: pinning it is what trusts it.
    pinned->allowInvalidCertificates = true;
    pinned->setPinnedCertificates({emulator::TestPKI::rootCA()});
    manager->securityPolicy = pinned;

    std::vector<std::string> notifications;
    auto center = ns::NotificationCenter::defaultCenter();
    auto started = center->addObserverForName(TNNetworkingOperationDidStartNotification, ns::Value(), nullptr,
                                              [&](const ns::NotificationPtr&) { notifications.push_back("start"); });
    auto finished = center->addObserverForName(TNNetworkingOperationDidFinishNotification, ns::Value(), nullptr,
                                               [&](const ns::NotificationPtr&) { notifications.push_back("finish"); });

    Outcome trusted;
    manager->GET(https.url("/json"), ns::Value(), succeed(trusted), fail(trusted));
    ASSERT_TRUE(runMainLoopUntil([&] { return trusted.done; }, 10));
    EXPECT_TRUE(trusted.succeeded) << (trusted.error ? trusted.error->description() : "");
    EXPECT_EQ(trusted.object, ns::Value::array({1}));
    EXPECT_EQ(notifications, (std::vector<std::string>{"start", "finish"}));

    Outcome refused;
    manager->GET(foreign.url("/json"), ns::Value(), succeed(refused), fail(refused));
    ASSERT_TRUE(runMainLoopUntil([&] { return refused.done; }, 10));
    EXPECT_FALSE(refused.succeeded);
    ASSERT_TRUE(refused.error);
    EXPECT_EQ(refused.error->code(), ns::kURLErrorUserCancelledAuthentication);
    center->removeObserver(started);
    center->removeObserver(finished);
}

TEST_F(TNHTTPRequestOperationTest, MultipartPostThroughTheManager) {
    // A server that keeps the body as it came over the wire.
    keelbox::test::RawCaptureServer raw;
    Outcome outcome;
    manager->POST(raw.url("/upload"), ns::Value::dictionary({{"k", "v w"}}),
                  [](TNStreamingMultipartFormData& form) {
                      form.appendPartWithFileData(ns::Data::fromString("file body"), "file", "a.bin",
                                                  "application/octet-stream");
                  },
                  succeed(outcome), fail(outcome));
    ASSERT_TRUE(runMainLoopUntil([&] { return outcome.done; }, 10));
    EXPECT_TRUE(outcome.succeeded);
    auto requests = raw.requests();
    ASSERT_EQ(requests.size(), 1u);
    const auto& logged = requests[0];
    auto boundary = keelbox::test::boundaryOf(logged.header("Content-Type"));
    ASSERT_TRUE(boundary);
    auto parts = keelbox::test::parseMultipart(logged.body, *boundary);
    ASSERT_TRUE(parts);
    ASSERT_EQ(parts->size(), 2u);
    EXPECT_EQ((*parts)[0].body, "file body");
    EXPECT_EQ((*parts)[1].body, "v w");
    EXPECT_EQ(logged.header("Content-Length"), std::to_string(logged.body.size()));
    EXPECT_EQ(outcome.object["received"].intValue(), static_cast<int>(logged.body.size()));
}

TEST_F(TNHTTPRequestOperationTest, BatchReportsProgressThenCompletesAfterEveryCallback) {
    std::vector<std::string> events;
    std::vector<TNURLConnectionOperationPtr> operations;
    for (const char* path : {"json", "missing", "json"}) {
        auto request = manager->requestSerializer->requestWithMethod("GET", server.url(std::string("/") + path), ns::Value());
        operations.push_back(manager->HTTPRequestOperationWithRequest(
            request, [&](const TNHTTPRequestOperationPtr&, const ns::Value&) { events.push_back("success"); },
            [&](const TNHTTPRequestOperationPtr&, const ns::ErrorPtr&) { events.push_back("failure"); }));
    }
    bool completed = false;
    auto batch = TNURLConnectionOperation::batchOfRequestOperations(
        operations,
        [&](std::size_t finished, std::size_t total) {
            events.push_back("progress " + std::to_string(finished) + "/" + std::to_string(total));
        },
        [&](const std::vector<TNURLConnectionOperationPtr>& done) {
            EXPECT_EQ(done.size(), 3u);
            events.push_back("completion");
            completed = true;
        });
    ASSERT_EQ(batch.size(), 4u);
    for (const auto& operation : batch) manager->operationQueue->addOperation(operation);
    ASSERT_TRUE(runMainLoopUntil([&] { return completed; }, 10)) << ns::str::join(events, ", ");
    EXPECT_EQ(std::count(events.begin(), events.end(), "success"), 2);
    EXPECT_EQ(std::count(events.begin(), events.end(), "failure"), 1);
    EXPECT_EQ(std::count(events.begin(), events.end(), "progress 3/3"), 1);
    EXPECT_EQ(events.back(), "completion");

    bool emptyDone = false;
    auto empty = TNURLConnectionOperation::batchOfRequestOperations({}, nullptr,
        [&](const std::vector<TNURLConnectionOperationPtr>& done) { emptyDone = done.empty(); });
    ASSERT_EQ(empty.size(), 1u);
    manager->operationQueue->addOperation(empty[0]);
    ASSERT_TRUE(runMainLoopUntil([&] { return emptyDone; }, 10));
}

TEST_F(TNHTTPRequestOperationTest, AnExpiringBackgroundTaskCancelsTheOperation) {
    auto application = ui::Application::sharedApplication();
    server.setFault("/json", emulator::Fault::stalling());
    Outcome outcome;
    auto request = manager->requestSerializer->requestWithMethod("GET", server.url("/json"), ns::Value());
    auto operation = manager->HTTPRequestOperationWithRequest(request, succeed(outcome), fail(outcome));
    int expired = 0;
    operation->setShouldExecuteAsBackgroundTaskWithExpirationHandler([&] { ++expired; });
    operation->setShouldExecuteAsBackgroundTaskWithExpirationHandler([&] { expired += 100; });  // one task only
    EXPECT_EQ(application->activeBackgroundTaskCount(), 1u);
    manager->operationQueue->addOperation(operation);
    ASSERT_TRUE(server.log().waitUntil([](const auto& entries) { return !entries.empty(); }, 10));
    application->expireBackgroundTasks();
    ASSERT_TRUE(runMainLoopUntil([&] { return outcome.done; }, 10));
    EXPECT_EQ(expired, 1);
    ASSERT_TRUE(outcome.error);
    EXPECT_EQ(outcome.error->code(), ns::kURLErrorCancelled);
    EXPECT_EQ(application->activeBackgroundTaskCount(), 0u);
}

TEST_F(TNHTTPRequestOperationTest, ResponseStringFollowsTheNamedCharsetAndStreamsHandedInKeepTheirBytes) {
    server.route("GET", "/latin1", [](const emulator::LoggedRequest&, emulator::Reply& reply) {
        reply.contentType = "text/plain; charset=iso-8859-1";
        reply.body = "caf\xE9";
    });
    server.route("GET", "/plain", [](const emulator::LoggedRequest&, emulator::Reply& reply) {
        reply.contentType = "text/plain";
        reply.body = "caf\xC3\xA9";
    });
    // Several megabytes arrive in many reads and land in memory whole.
    constexpr std::size_t kLarge = 3 * 1024 * 1024 + 17;
    server.route("GET", "/large", [](const emulator::LoggedRequest&, emulator::Reply& reply) {
        reply.contentType = "application/octet-stream";
        reply.streamLength = kLarge;
        reply.streamFill = [](std::uint64_t offset, char* out, std::size_t length) {
            for (std::size_t i = 0; i < length; ++i) out[i] = static_cast<char>((offset + i) % 253);
        };
    });
    auto run = [&](const std::string& path, const ns::OutputStreamPtr& stream) {
        Outcome outcome;
        auto request = manager->requestSerializer->requestWithMethod("GET", server.url(path), ns::Value());
        auto operation = manager->HTTPRequestOperationWithRequest(request, succeed(outcome), fail(outcome));
        operation->setResponseSerializer(TNHTTPResponseSerializer::serializer());
        if (stream) operation->setOutputStream(stream);
        EXPECT_FALSE(operation->responseString());  // nothing before a response
        manager->operationQueue->addOperation(operation);
        EXPECT_TRUE(runMainLoopUntil([&] { return outcome.done; }, 20)) << path;
        EXPECT_TRUE(outcome.succeeded) << path;
        return operation;
    };

    auto latin1 = run("/latin1", nullptr);
    EXPECT_EQ(latin1->responseStringEncoding(), ns::kISOLatin1StringEncoding);
    EXPECT_EQ(latin1->responseString().value_or(""), "caf\xC3\xA9");
    EXPECT_EQ(latin1->responseData(), ns::Data::fromString("caf\xE9"));
    auto plain = run("/plain", nullptr);
    EXPECT_EQ(plain->responseStringEncoding(), ns::kUTF8StringEncoding);
    EXPECT_EQ(plain->responseString().value_or(""), "caf\xC3\xA9");

    // A memory stream the caller handed in still holds everything afterwards.
    auto stream = ns::OutputStream::outputStreamToMemory();
    auto large = run("/large", stream);
    auto kept = stream->dataWrittenToMemory();
    ASSERT_TRUE(kept);
    ASSERT_EQ(kept->length(), kLarge);
    bool exact = true;
    for (std::size_t i = 0; i < kLarge && exact; ++i) exact = (*kept)[i] == static_cast<std::uint8_t>(i % 253);
    EXPECT_TRUE(exact);
    EXPECT_EQ(large->responseData(), kept);
    EXPECT_EQ(large->responseObject(), ns::Value(*kept));
    EXPECT_EQ(large->totalBytesRead(), static_cast<std::int64_t>(kLarge));
}

TEST_F(TNHTTPRequestOperationTest, CopiesKeepRequestSerializerAndQueuesButNotTheResumeCallback) {
    auto request = manager->requestSerializer->requestWithMethod("GET", server.url("/json"), ns::Value());
    auto operation = manager->HTTPRequestOperationWithRequest(request, nullptr, nullptr);
    operation->completionQueue = dispatch::Queue::global();
    auto copy = std::dynamic_pointer_cast<TNHTTPRequestOperation>(operation->copy());
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->request(), operation->request());
    EXPECT_EQ(copy->completionQueue, operation->completionQueue);
    ASSERT_TRUE(copy->responseSerializer());
    EXPECT_NE(copy->responseSerializer(), operation->responseSerializer());
    EXPECT_TRUE(std::dynamic_pointer_cast<TNJSONResponseSerializer>(copy->responseSerializer()));
}

}  // namespace
