#include <gtest/gtest.h>

#include <fstream>

#include "emulator/HttpServer.h"
#include "net/http/TNHTTPRequestOperationManager.h"
#include "net/http/TNStreamingMultipartFormData.h"
#include "platform/foundation/FileData.h"
#include "platform/foundation/Thread.h"
#include "tests/net/http/MultipartParser.h"
#include "tests/net/http/RawCaptureServer.h"
#include "tests/net/http/RangeFileRoute.h"
#include "tests/support/Harness.h"

namespace {

using keelbox::test::generatedByte;
using keelbox::test::runMainLoopUntil;

constexpr std::uint64_t kFileSize = 5000000;
constexpr std::uint64_t kChunk = 1048576;

std::string generated(std::uint64_t size) {
    std::string out(size, '\0');
    for (std::uint64_t i = 0; i < size; ++i) out[i] = generatedByte(i);
    return out;
}

class TNLargeTransferTest : public ::testing::Test {
protected:
    void SetUp() override {
        keelbox::test::addRangeFileRoute(server, "/file", kFileSize);
        keelbox::test::addRangeFileRoute(server, "/ignores-ranges", kFileSize, true);
        ASSERT_TRUE(server.start());
        manager->responseSerializer = TNHTTPResponseSerializer::serializer();
    }
    emulator::HttpServer server;
    TNHTTPRequestOperationManagerPtr manager = TNHTTPRequestOperationManager::manager();
};

TEST_F(TNLargeTransferTest, RangedChunksIntoAFileAreByteExactAndReportTheirLengths) {
    std::string path = keelbox::test::sandboxHome() + "/download.bin";
    std::vector<std::pair<std::int64_t, std::int64_t>> reported;
    std::vector<std::string> order;
    bool allOnMain = true;
    for (std::uint64_t offset = 0; offset < kFileSize; offset += kChunk) {
        std::uint64_t last = std::min(offset + kChunk, kFileSize) - 1;
        ns::MutableURLRequest request(ns::URL::URLWithString(server.url("/file")));
        request.setValue("bytes=" + std::to_string(offset) + "-" + std::to_string(last), "Range");
        bool done = false;
        auto operation = manager->HTTPRequestOperationWithRequest(
            request,
            [&](const TNHTTPRequestOperationPtr&, const ns::Value&) {
                order.push_back("completion");
                done = true;
            },
            [&](const TNHTTPRequestOperationPtr&, const ns::ErrorPtr& error) {
                ADD_FAILURE() << error->description();
                done = true;
            });
        operation->setOutputStream(ns::OutputStream::outputStreamToFileAtPath(path, true));
        operation->setResumeDownloadProgressBlock([&](std::int64_t length, std::int64_t total) {
            allOnMain = allOnMain && ns::Thread::isMainThread();
            order.push_back("resume");
            reported.emplace_back(length, total);
        });
        manager->operationQueue->addOperation(operation);
        ASSERT_TRUE(runMainLoopUntil([&] { return done; }, 30));
        EXPECT_FALSE(operation->responseData());  // a file stream keeps nothing in memory
    }
    ASSERT_EQ(reported.size(), 5u);
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(reported[i], (std::pair<std::int64_t, std::int64_t>{1048576, 5000000}));
    EXPECT_EQ(reported[4], (std::pair<std::int64_t, std::int64_t>{5000000 - 4 * 1048576, 5000000}));
    EXPECT_TRUE(allOnMain);
    // The resume callback comes first, then the completion, every time.
    for (std::size_t i = 0; i < order.size(); i += 2) {
        EXPECT_EQ(order[i], "resume");
        EXPECT_EQ(order[i + 1], "completion");
    }
    auto written = ns::dataWithContentsOfFile(path);
    ASSERT_TRUE(written);
    EXPECT_TRUE(written->toString() == generated(kFileSize));
}

TEST_F(TNLargeTransferTest, PauseAndResumeContinueWithARangeFromWhereTheBodyStopped) {
    for (const char* path : {"/file", "/ignores-ranges"}) {
        ns::MutableURLRequest request(ns::URL::URLWithString(server.url(path)));
        bool done = false;
        bool paused = false;
        std::uint64_t pausedAt = 0;
        TNHTTPRequestOperationPtr operation;
        operation = manager->HTTPRequestOperationWithRequest(
            request, [&](const TNHTTPRequestOperationPtr&, const ns::Value&) { done = true; },
            [&](const TNHTTPRequestOperationPtr&, const ns::ErrorPtr& error) {
                ADD_FAILURE() << error->description();
                done = true;
            });
        operation->setDownloadProgressBlock([&](std::int64_t, std::int64_t, std::int64_t expected) {
            EXPECT_EQ(expected, paused ? expected : static_cast<std::int64_t>(kFileSize));
            if (paused) return;
            paused = true;
            operation->pause();
            auto range = operation->request().valueForHTTPHeaderField("Range").value_or("");
            pausedAt = std::stoull(range.substr(6));
        });
        manager->operationQueue->addOperation(operation);
        ASSERT_TRUE(runMainLoopUntil([&] { return paused; }, 30)) << path;
        EXPECT_TRUE(operation->isPaused());
        operation->resume();
        ASSERT_TRUE(runMainLoopUntil([&] { return done; }, 30)) << path;
        EXPECT_GT(pausedAt, 0u) << path;
        auto resumed = server.log().last();
        ASSERT_TRUE(resumed);
        EXPECT_EQ(resumed->header("Range").value_or(""), "bytes=" + std::to_string(pausedAt) + "-") << path;
        // Whether the server honoured the range (206) or sent everything
        // again (200), the body is the file, once.
        auto data = operation->responseData();
        ASSERT_TRUE(data) << path;
        EXPECT_EQ(data->length(), kFileSize) << path;
        EXPECT_TRUE(data->toString() == generated(kFileSize)) << path;
        server.log().clear();
    }
}

TEST_F(TNLargeTransferTest, AFullReplyToARangedRequestIsNeverAppendedToAFile) {
    std::string path = keelbox::test::sandboxHome() + "/partial.bin";
    std::string head = generated(1000);
    ns::writeDataToFile(ns::Data::fromString(head), path, false);
    ns::MutableURLRequest request(ns::URL::URLWithString(server.url("/ignores-ranges")));
    request.setValue("bytes=1000-", "Range");
    bool done = false;
    ns::ErrorPtr failure;
    auto operation = manager->HTTPRequestOperationWithRequest(
        request, [&](const TNHTTPRequestOperationPtr&, const ns::Value&) { done = true; },
        [&](const TNHTTPRequestOperationPtr&, const ns::ErrorPtr& error) {
            failure = error;
            done = true;
        });
    operation->setOutputStream(ns::OutputStream::outputStreamToFileAtPath(path, true));
    manager->operationQueue->addOperation(operation);
    ASSERT_TRUE(runMainLoopUntil([&] { return done; }, 30));
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->code(), ns::kURLErrorBadServerResponse);
    auto kept = ns::dataWithContentsOfFile(path);
    ASSERT_TRUE(kept);
    EXPECT_TRUE(kept->toString() == head);
}

TEST_F(TNLargeTransferTest, TwentyMegabyteMultipartUploadArrivesIntact) {
    constexpr std::size_t kSize = 20 * 1000 * 1000;
    std::string path = keelbox::test::sandboxHome() + "/upload.bin";
    {
        std::ofstream out(path, std::ios::binary);
        std::string block(1 << 16, '\0');
        for (std::size_t written = 0; written < kSize; written += block.size()) {
            for (std::size_t i = 0; i < block.size(); ++i) block[i] = generatedByte(written + i);
            out.write(block.data(), static_cast<std::streamsize>(std::min(block.size(), kSize - written)));
        }
    }
    keelbox::test::RawCaptureServer raw;
    bool done = false;
    ns::Value answer;
    std::int64_t lastUploaded = 0;
    auto operation = manager->POST(raw.url("/upload"), ns::Value::dictionary({{"name", "upload.bin"}}),
        [&](TNStreamingMultipartFormData& form) {
            EXPECT_TRUE(form.appendPartWithFileURL(ns::URL::fileURLWithPath(path), "file"));
        },
        [&](const TNHTTPRequestOperationPtr&, const ns::Value& object) {
            answer = object;
            done = true;
        },
        [&](const TNHTTPRequestOperationPtr&, const ns::ErrorPtr& error) {
            ADD_FAILURE() << error->description();
            done = true;
        });
    operation->setUploadProgressBlock([&](std::int64_t, std::int64_t total, std::int64_t) { lastUploaded = total; });
    ASSERT_TRUE(runMainLoopUntil([&] { return done; }, 60));
    auto requests = raw.requests();
    ASSERT_EQ(requests.size(), 1u);
    const auto& logged = requests[0];
    EXPECT_EQ(logged.header("Content-Length"), std::to_string(logged.body.size()));
    EXPECT_EQ(answer.asData().toString(), "{\"received\":" + std::to_string(logged.body.size()) + "}");
    EXPECT_EQ(lastUploaded, static_cast<std::int64_t>(logged.body.size()));
    auto boundary = keelbox::test::boundaryOf(logged.header("Content-Type"));
    ASSERT_TRUE(boundary);
    auto parts = keelbox::test::parseMultipart(logged.body, *boundary);
    ASSERT_TRUE(parts);
    ASSERT_EQ(parts->size(), 2u);
    EXPECT_EQ(keelbox::test::dispositionParameter((*parts)[0].header("Content-Disposition").value_or(""), "filename"),
              "upload.bin");
    EXPECT_EQ((*parts)[0].body.size(), kSize);
    EXPECT_TRUE((*parts)[0].body == generated(kSize));
    EXPECT_EQ((*parts)[1].body, "upload.bin");
}

}  // namespace
