#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>

#include "emulator/HttpServer.h"
#include "emulator/TestPKI.h"
#include "net/http/TNHTTPResponseSerializer.h"
#include "net/http/TNJSONResponseSerializer.h"
#include "net/session/TNHTTPSessionManager.h"
#include "net/session/TNURLSessionNotifications.h"
#include "platform/foundation/FileData.h"
#include "platform/foundation/FileManager.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Sandbox.h"
#include "platform/foundation/Thread.h"
#include "tests/support/Harness.h"

namespace {

using keelbox::test::runMainLoopUntil;

// Serializes as JSON and notes the queue it ran on.
class RecordingSerializer : public TNJSONResponseSerializer {
public:
    static std::shared_ptr<RecordingSerializer> create() {
        return std::shared_ptr<RecordingSerializer>(new RecordingSerializer());
    }
    ns::Value responseObjectForResponse(const ns::URLResponsePtr& response, const std::optional<ns::Data>& data,
                                        ns::ErrorPtr* error) override {
        queueLabel = dispatch::currentQueueLabel();
        return TNJSONResponseSerializer::responseObjectForResponse(response, data, error);
    }
    std::string queueLabel;
};

// Every notification of the session managers, in the order posted.
struct NotificationLog {
    NotificationLog() {
        auto center = ns::NotificationCenter::defaultCenter();
        for (const char* name : {TNNetworkingTaskDidResumeNotification, TNNetworkingTaskDidSuspendNotification,
                                 TNNetworkingTaskDidCompleteNotification, TNURLSessionDidInvalidateNotification,
                                 TNURLSessionDownloadTaskDidFailToMoveFileNotification}) {
            tokens.push_back(center->addObserverForName(name, ns::Value(), nullptr, [this](const ns::NotificationPtr& n) {
                EXPECT_TRUE(ns::Thread::isMainThread());
                entries.push_back(n);
            }));
        }
    }
    ~NotificationLog() {
        for (const auto& token : tokens) ns::NotificationCenter::defaultCenter()->removeObserver(token);
    }
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const auto& n : entries) out.push_back(n->name());
        return out;
    }
    std::size_t count(const std::string& name) const {
        return std::count_if(entries.begin(), entries.end(), [&](const auto& n) { return n->name() == name; });
    }
    ns::NotificationPtr last(const std::string& name) const {
        for (auto it = entries.rbegin(); it != entries.rend(); ++it)
            if ((*it)->name() == name) return *it;
        return nullptr;
    }
    std::vector<ns::ObjectPtr> tokens;
    std::vector<ns::NotificationPtr> entries;
};

struct Outcome {
    bool done = false;
    bool onMain = false;
    ns::URLResponsePtr response;
    ns::Value object;
    ns::ErrorPtr error;
};

TNURLSessionManager::CompletionHandler record(Outcome& outcome) {
    return [&outcome](const ns::URLResponsePtr& response, const ns::Value& object, const ns::ErrorPtr& error) {
        outcome.done = true;
        outcome.onMain = ns::Thread::isMainThread();
        outcome.response = response;
        outcome.object = object;
        outcome.error = error;
    };
}

class TNSessionManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        server.route("GET", "/json", [](const emulator::LoggedRequest&, emulator::Reply& reply) {
            reply.contentType = "application/json";
            reply.body = R"({"name":"keel","n":[1,2]})";
        });
        server.route("*", "/echo", [](const emulator::LoggedRequest& request, emulator::Reply& reply) {
            reply.contentType = "application/json";
            reply.body = "{\"method\":\"" + request.method + "\",\"length\":" + std::to_string(request.body.size()) +
                         ",\"parts\":" + std::to_string(request.parts.size()) +
                         ",\"query\":\"" + request.query + "\"}";
        });
        server.route("GET", "/missing", [](const emulator::LoggedRequest&, emulator::Reply& reply) {
            reply.status = 404;
            reply.contentType = "application/json";
            reply.body = "{}";
        });
        server.route("GET", "/page", [](const emulator::LoggedRequest&, emulator::Reply& reply) {
            reply.contentType = "text/html";
            reply.body = "<html></html>";
        });
        server.route("GET", "/file", [this](const emulator::LoggedRequest&, emulator::Reply& reply) {
            reply.contentType = "application/octet-stream";
            reply.body = fileBody;
        });
        ASSERT_TRUE(server.start());
        fileBody.assign(300000, 'x');
        for (std::size_t i = 0; i < fileBody.size(); ++i) fileBody[i] = static_cast<char>('a' + i % 26);
    }
    void TearDown() override {
        for (const auto& manager : managers) manager->invalidateSessionCancelingTasks(true);
        keelbox::test::drainMainLoop();
    }
    template <class M>
    std::shared_ptr<M> keep(std::shared_ptr<M> manager) {
        managers.push_back(manager);
        return manager;
    }
    ns::URLRequest request(const std::string& path) { return ns::URLRequest(ns::URL::URLWithString(server.url(path))); }

    emulator::HttpServer server;
    std::string fileBody;
    std::vector<TNURLSessionManagerPtr> managers;
};

TEST_F(TNSessionManagerTest, DataTaskDecodesOnTheProcessingQueueAndReportsOnMainWithNotifications) {
    auto manager = keep(TNURLSessionManager::create());
    auto serializer = RecordingSerializer::create();
    manager->setResponseSerializer(serializer);
    NotificationLog log;
    Outcome outcome;
    auto task = manager->dataTaskWithRequest(request("/json"), record(outcome));
    ASSERT_TRUE(task);
    EXPECT_EQ(manager->delegateForTask(task)->progress()->totalUnitCount(), 0);
    EXPECT_EQ(manager->dataTasks().size(), 1u);
    task->resume();
    ASSERT_TRUE(runMainLoopUntil([&] { return outcome.done && log.count(TNNetworkingTaskDidCompleteNotification) == 1; }));

    EXPECT_TRUE(outcome.onMain);
    EXPECT_EQ(outcome.error, nullptr);
    EXPECT_EQ(outcome.object["name"].stringValue(), "keel");
    EXPECT_EQ(serializer->queueLabel, "com.tavonet.networking.session.manager.processing");
    EXPECT_EQ(log.names(), (std::vector<std::string>{TNNetworkingTaskDidResumeNotification,
                                                     TNNetworkingTaskDidCompleteNotification}));
    auto complete = log.last(TNNetworkingTaskDidCompleteNotification);
    EXPECT_EQ(complete->object().asObject(), task);
    const auto& info = complete->userInfo();
    EXPECT_EQ(info.find(TNNetworkingTaskDidCompleteResponseSerializerKey)->asObject(), serializer);
    EXPECT_EQ(info.find(TNNetworkingTaskDidCompleteResponseDataKey)->asData().toString(), R"({"name":"keel","n":[1,2]})");
    EXPECT_EQ((*info.find(TNNetworkingTaskDidCompleteSerializedResponseKey))["n"], ns::Value::array({1, 2}));
    EXPECT_EQ(info.find(TNNetworkingTaskDidCompleteErrorKey), nullptr);
    // Forgotten once complete: on the session's delegate queue, right after it
    // handed the reply on, so possibly a moment after the completion ran.
    EXPECT_TRUE(runMainLoopUntil([&] { return manager->delegateForTask(task) == nullptr; }));
}

TEST_F(TNSessionManagerTest, SerializationAndTransportErrorsReachTheCompletionAndTheNotification) {
    auto manager = keep(TNURLSessionManager::create());
    NotificationLog log;
    struct Case {
        std::string path;
        long code;
        bool hasObject;
    } cases[] = {{"/missing", -1011, true}, {"/page", -1016, false}};
    for (const auto& c : cases) {
        Outcome outcome;
        manager->dataTaskWithRequest(request(c.path), record(outcome))->resume();
        ASSERT_TRUE(runMainLoopUntil([&] { return outcome.done; })) << c.path;
        ASSERT_TRUE(outcome.error) << c.path;
        EXPECT_EQ(outcome.error->code(), c.code) << c.path;
        EXPECT_EQ(!outcome.object.isNil(), c.hasObject) << c.path;
    }
    ASSERT_TRUE(runMainLoopUntil([&] { return log.count(TNNetworkingTaskDidCompleteNotification) == 2; }));
    EXPECT_EQ(log.last(TNNetworkingTaskDidCompleteNotification)->userInfo().find(TNNetworkingTaskDidCompleteErrorKey)->as<ns::Error>()->code(), -1016);

    // A transport error arrives unchanged and without a response object.
    server.setFault("/json", emulator::Fault::refusing());
    Outcome refused;
    manager->dataTaskWithRequest(request("/json"), record(refused))->resume();
    ASSERT_TRUE(runMainLoopUntil([&] { return refused.done; }));
    ASSERT_TRUE(refused.error);
    EXPECT_EQ(refused.error->domain(), ns::kURLErrorDomain);
    EXPECT_TRUE(refused.object.isNil());
}

TEST_F(TNSessionManagerTest, UploadAndDownloadTasksReportProgressAndFiles) {
    auto manager = keep(TNURLSessionManager::create());
    NotificationLog log;

    // Upload from memory: the progress follows the body sent.
    ns::ProgressPtr uploadProgress;
    std::vector<std::int64_t> sent;
    manager->setTaskDidSendBodyDataBlock([&](auto&, auto&, std::int64_t, std::int64_t total, std::int64_t) {
        sent.push_back(total);
    });
    ns::MutableURLRequest post(request("/echo"));
    post.setHTTPMethod("POST");
    post.setValue("application/octet-stream", "Content-Type");
    Outcome uploaded;
    auto upload = manager->uploadTaskWithRequestFromData(post, ns::Data(std::vector<std::uint8_t>(200000, 7)),
                                                         &uploadProgress, record(uploaded));
    ASSERT_TRUE(uploadProgress);
    EXPECT_EQ(uploadProgress, manager->uploadProgressForTask(upload));
    upload->resume();
    ASSERT_TRUE(runMainLoopUntil([&] { return uploaded.done; }));
    EXPECT_EQ(uploaded.error, nullptr);
    EXPECT_EQ(uploaded.object["length"].intValue(), 200000);
    EXPECT_EQ(uploadProgress->totalUnitCount(), 200000);
    EXPECT_EQ(uploadProgress->completedUnitCount(), 200000);
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.back(), 200000);

    // Cancelling the upload's progress cancels the task.
    server.setFault("/echo", emulator::Fault::delayed(0.5));
    Outcome cancelled;
    ns::ProgressPtr cancelProgress;
    manager->uploadTaskWithRequestFromData(post, ns::Data::fromString("body"), &cancelProgress, record(cancelled))->resume();
    cancelProgress->cancel();
    ASSERT_TRUE(runMainLoopUntil([&] { return cancelled.done; }));
    ASSERT_TRUE(cancelled.error);
    EXPECT_EQ(cancelled.error->code(), ns::kURLErrorCancelled);

    // Download to a destination: the file moves there and is the response object.
    manager->setResponseSerializer(TNHTTPResponseSerializer::serializer());
    const std::string target = ns::documentsDirectory() + "/saved.bin";
    ns::ProgressPtr downloadProgress;
    Outcome downloaded;
    auto download = manager->downloadTaskWithRequest(
        request("/file"), &downloadProgress,
        [&](const ns::URLPtr&, const ns::URLResponsePtr& response) {
            EXPECT_TRUE(response);
            return ns::URL::fileURLWithPath(target);
        },
        record(downloaded));
    download->resume();
    ASSERT_TRUE(runMainLoopUntil([&] { return downloaded.done; }));
    EXPECT_EQ(downloaded.error, nullptr);
    ASSERT_TRUE(downloaded.object.as<ns::URL>());
    EXPECT_EQ(downloaded.object.as<ns::URL>()->path(), target);
    EXPECT_EQ(ns::dataWithContentsOfFile(target)->toString(), fileBody);
    EXPECT_EQ(downloadProgress->totalUnitCount(), 300000);
    EXPECT_EQ(downloadProgress->completedUnitCount(), 300000);
    ASSERT_TRUE(runMainLoopUntil([&] { return log.count(TNNetworkingTaskDidCompleteNotification) == 3; }));
    EXPECT_EQ(log.last(TNNetworkingTaskDidCompleteNotification)->userInfo().find(TNNetworkingTaskDidCompleteAssetPathKey)->as<ns::URL>()->path(), target);

    // A destination that exists already: the move fails, the notification
    // says so, and the completion still names the destination.
    Outcome clash;
    manager->downloadTaskWithRequest(request("/file"), nullptr,
                                     [&](const ns::URLPtr&, const ns::URLResponsePtr&) { return ns::URL::fileURLWithPath(target); },
                                     record(clash))->resume();
    ASSERT_TRUE(runMainLoopUntil([&] { return clash.done && log.count(TNURLSessionDownloadTaskDidFailToMoveFileNotification) == 1; }));
    EXPECT_EQ(clash.object.as<ns::URL>()->path(), target);
}

TEST_F(TNSessionManagerTest, ADownloadWithoutDestinationIsNotMovedOntoItself) {
    auto manager = keep(TNURLSessionManager::create());
    manager->setResponseSerializer(TNHTTPResponseSerializer::serializer());
    NotificationLog log;
    Outcome outcome;
    auto task = manager->downloadTaskWithRequest(request("/file"), nullptr, nullptr, record(outcome));
    task->resume();
    ASSERT_TRUE(runMainLoopUntil([&] { return outcome.done && log.count(TNNetworkingTaskDidCompleteNotification) == 1; }));
    EXPECT_EQ(outcome.error, nullptr);
    ASSERT_TRUE(outcome.object.as<ns::URL>());  // the file's own location
    EXPECT_EQ(log.count(TNURLSessionDownloadTaskDidFailToMoveFileNotification), 0u);

    // With the manager-level hook the task's own destination is never asked
    // and its completion names no file.
    const std::string target = ns::documentsDirectory() + "/hooked.bin";
    bool destinationAsked = false;
    manager->setDownloadTaskDidFinishDownloadingBlock(
        [&](auto&, auto&, const ns::URLPtr&) { return ns::URL::fileURLWithPath(target); });
    Outcome hooked;
    manager->downloadTaskWithRequest(request("/file"), nullptr,
                                     [&](const ns::URLPtr& l, const ns::URLResponsePtr&) { destinationAsked = true; return l; },
                                     record(hooked))->resume();
    ASSERT_TRUE(runMainLoopUntil([&] { return hooked.done; }));
    EXPECT_FALSE(destinationAsked);
    EXPECT_EQ(ns::dataWithContentsOfFile(target)->length(), fileBody.size());
    EXPECT_TRUE(hooked.object.isData());  // the serialized (empty) body
    EXPECT_EQ(hooked.object.asData().length(), 0u);
}

TEST_F(TNSessionManagerTest, StateNotificationsDelegateRemovalAndInvalidation) {
    auto manager = keep(TNURLSessionManager::create());
    NotificationLog log;
    server.setFault("/json", emulator::Fault::delayed(0.3));
    Outcome outcome;
    auto task = manager->dataTaskWithRequest(request("/json"), record(outcome));
    task->resume();
    task->suspend();
    task->resume();
    ASSERT_TRUE(runMainLoopUntil([&] { return log.entries.size() == 3; }));
    EXPECT_EQ(log.names(), (std::vector<std::string>{TNNetworkingTaskDidResumeNotification,
                                                     TNNetworkingTaskDidSuspendNotification,
                                                     TNNetworkingTaskDidResumeNotification}));
    // Once the delegates are gone only the hook hears of the completion.
    std::atomic<bool> hookRan{false};  // set on the session's delegate thread
    manager->setTaskDidCompleteBlock([&](auto&, auto&, auto&) { hookRan = true; });
    manager->removeAllDelegates();
    ASSERT_TRUE(runMainLoopUntil([&] { return hookRan.load(); }));
    keelbox::test::runMainLoopUntil([] { return false; }, 0.1);
    EXPECT_FALSE(outcome.done);
    EXPECT_EQ(log.count(TNNetworkingTaskDidCompleteNotification), 0u);

    // Finishing before invalidating: the running task completes first.
    server.setFault("/json", emulator::Fault::delayed(0.2));
    Outcome last;
    manager->dataTaskWithRequest(request("/json"), record(last))->resume();
    // The session's calls come one at a time on its queue, in order.
    std::mutex orderMutex;
    std::vector<std::string> order;
    manager->setTaskDidCompleteBlock([&](auto&, auto&, auto&) {
        std::lock_guard<std::mutex> lock(orderMutex);
        order.push_back("complete");
    });
    manager->setSessionDidBecomeInvalidBlock([&](auto&, auto&) {
        std::lock_guard<std::mutex> lock(orderMutex);
        order.push_back("invalid");
    });
    manager->invalidateSessionCancelingTasks(false);
    ASSERT_TRUE(runMainLoopUntil([&] { return last.done && log.count(TNURLSessionDidInvalidateNotification) == 1; }));
    EXPECT_EQ(last.error, nullptr);
    EXPECT_EQ(order, (std::vector<std::string>{"complete", "invalid"}));
    EXPECT_EQ(manager->dataTaskWithRequest(request("/json"), nullptr), nullptr);
}

TEST_F(TNSessionManagerTest, ServerTrustFollowsTheSecurityPolicy) {
    emulator::HttpServer https({.https = true});
    https.route("GET", "/json", [](const emulator::LoggedRequest&, emulator::Reply& reply) {
        reply.contentType = "application/json";
        reply.body = "[1]";
    });
    ASSERT_TRUE(https.start());
    auto manager = keep(TNURLSessionManager::create());
    Outcome refused;
    manager->dataTaskWithRequest(ns::URLRequest(ns::URL::URLWithString(https.url("/json"))), record(refused))->resume();
    ASSERT_TRUE(runMainLoopUntil([&] { return refused.done; }, 10));
    ASSERT_TRUE(refused.error);  // our test CA is not one the system trusts

    auto pinned = TNSecurityPolicy::create();
    pinned->SSLPinningMode = TNSSLPinningModeCertificate;
    pinned->validatesCertificateChain = false;
    pinned->allowInvalidCertificates = true;
    pinned->setPinnedCertificates({emulator::TestPKI::rootCA()});
    manager->securityPolicy = pinned;
    Outcome trusted;
    manager->dataTaskWithRequest(ns::URLRequest(ns::URL::URLWithString(https.url("/json"))), record(trusted))->resume();
    ASSERT_TRUE(runMainLoopUntil([&] { return trusted.done; }, 10));
    EXPECT_EQ(trusted.error, nullptr) << trusted.error->description();
    EXPECT_EQ(trusted.object, ns::Value::array({1}));
}

TEST_F(TNSessionManagerTest, HTTPSessionManagerResolvesAgainstItsBaseAndCallsSuccessOrFailure) {
    struct BaseCase {
        const char* base;
        const char* expected;
    } bases[] = {{"http://h.test/api", "http://h.test/api/"},
                 {"http://h.test/api/", "http://h.test/api/"},
                 {"http://h.test", "http://h.test"}};
    for (const auto& c : bases) {
        auto m = keep(TNHTTPSessionManager::create(ns::URL::URLWithString(c.base)));
        EXPECT_EQ(m->baseURL()->absoluteString(), c.expected);
    }

    auto manager = keep(TNHTTPSessionManager::create(ns::URL::URLWithString(server.url("/"))));
    EXPECT_NE(manager->description().find("baseURL: " + server.url("/")), std::string::npos);
    ns::Value got;
    ns::URLSessionDataTaskPtr gotTask;
    auto task = manager->GET("echo", ns::Value::dictionary({{"q", "a b"}}),
                             [&](const ns::URLSessionDataTaskPtr& t, const ns::Value& object) { gotTask = t; got = object; },
                             [](auto&, auto&) { ADD_FAILURE() << "GET failed"; });
    EXPECT_NE(task->state(), ns::URLSessionTaskState::Suspended);  // started
    ASSERT_TRUE(runMainLoopUntil([&] { return !got.isNil(); }));
    EXPECT_EQ(gotTask, task);
    EXPECT_EQ(got["method"].stringValue(), "GET");
    EXPECT_EQ(got["query"].stringValue(), "q=a%20b");

    ns::Value posted;
    manager->POST("echo", ns::Value::dictionary({{"k", "v"}}), [&](auto&, const ns::Value& o) { posted = o; }, nullptr);
    bool headDone = false;
    manager->HEAD("echo", ns::Value(), [&](const ns::URLSessionDataTaskPtr&) { headDone = true; }, nullptr);
    ns::Value multipart;
    manager->POST("echo", ns::Value::dictionary({{"k", "v"}}),
                  [](TNStreamingMultipartFormData& form) {
                      form.appendPartWithFileData(ns::Data::fromString("file body"), "file", "a.bin",
                                                  "application/octet-stream");
                  },
                  [&](auto&, const ns::Value& o) { multipart = o; }, nullptr);
    ns::ErrorPtr failure;
    manager->DELETE("missing", ns::Value(), [](auto&, auto&) { ADD_FAILURE() << "404 succeeded"; },
                    [&](auto&, const ns::ErrorPtr& e) { failure = e; });
    ASSERT_TRUE(runMainLoopUntil([&] { return !posted.isNil() && headDone && !multipart.isNil() && failure; }));
    EXPECT_EQ(posted["method"].stringValue(), "POST");
    EXPECT_EQ(posted["length"].intValue(), 3);  // "k=v"
    EXPECT_EQ(multipart["method"].stringValue(), "POST");
    EXPECT_EQ(multipart["parts"].intValue(), 2);
    EXPECT_EQ(failure->code(), -1011);

    auto copy = std::static_pointer_cast<TNHTTPSessionManager>(keep(manager->copy()));
    EXPECT_EQ(copy->baseURL()->absoluteString(), manager->baseURL()->absoluteString());
    EXPECT_NE(copy->requestSerializer(), manager->requestSerializer());
}

}  // namespace
