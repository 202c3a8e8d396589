// The USB storage commands on the home-network channel: listing, status,
// delete, unmount, and files moved in 1 MiB pieces both ways, byte-exact,
// with progress and resumed after a broken connection.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "emulator/Fault.h"
#include "platform/foundation/Format.h"
#include "platform/foundation/OutputStream.h"
#include "protocol/commands/TAVODeleteFileCommand.h"
#include "protocol/commands/TAVODeleteFileParser.h"
#include "protocol/commands/TAVODownloadFileCommand.h"
#include "protocol/commands/TAVODownloadFileParser.h"
#include "protocol/commands/TAVOFileInfo.h"
#include "protocol/commands/TAVOGetFileListCommand.h"
#include "protocol/commands/TAVOGetFileListParser.h"
#include "protocol/commands/TAVOQuitUsbCommand.h"
#include "protocol/commands/TAVOQuitUsbParser.h"
#include "protocol/commands/TAVOUSBStatus.h"
#include "protocol/commands/TAVOUploadFileCommand.h"
#include "protocol/commands/TAVOUploadFileParser.h"
#include "protocol/commands/TAVOUsbStatusCommand.h"
#include "protocol/commands/TAVOUsbStatusParser.h"
#include "tests/protocol/commands/CommandFixture.h"

namespace fs = std::filesystem;

namespace keelbox::test {
namespace {

constexpr std::uint64_t kPiece = 1 << 20;
constexpr std::uint64_t kFileSize = 5 * kPiece / 2;  // 2.5 MiB

std::string payload(std::uint64_t size) {
    std::string bytes(size, '\0');
    std::uint32_t x = 0x12345678;
    for (auto& c : bytes) {
        x = x * 1664525u + 1013904223u;
        c = static_cast<char>(x >> 24);
    }
    return bytes;
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

class CommandUsbTest : public CommandEmulatorTest {
protected:
    void SetUp() override {
        CommandEmulatorTest::SetUp();
        facade->current = localRouter;
        disk = local->commands().disk().root();
        target = fs::path(std::getenv("KEELBOX_HOME")) / "download.bin";
    }

    // Uploads one piece; true when the router took it.
    CommandOutcome uploadPiece(const std::string& bytes, std::uint64_t first, std::uint64_t total, const std::string& name) {
        auto command = TAVOUploadFileCommand::create();
        command->fileName = name;
        command->path = "/";
        command->contentRange = ns::format("bytes %llu-%llu/%llu", static_cast<unsigned long long>(first),
                                           static_cast<unsigned long long>(first + bytes.size() - 1),
                                           static_cast<unsigned long long>(total));
        TAVOCommonService::Success success;
        TAVOCommonService::Failure failure;
        auto outcome = watch(&success, &failure);
        auto op = TAVOCommonService::localService()->resumeUploadFile(ns::Data::fromString(bytes), command, 0,
                                                                     TAVOUploadFileParser::create(), success, failure);
        EXPECT_TRUE(op);
        runMainLoopUntil([&] { return outcome->done; }, 30.0);
        return *outcome;
    }

    struct Piece {
        CommandOutcome outcome;
        std::int64_t contentLength = -1;
        std::int64_t totalLength = -1;
        bool progressBeforeCompletion = false;
    };
    // Downloads "bytes=first-last" of a router file, appending to `target`.
    Piece downloadPiece(const std::string& routerPath, std::uint64_t first, std::uint64_t last) {
        auto command = TAVODownloadFileCommand::create();
        command->fileName = routerPath;
        command->range = ns::format("bytes=%llu-%llu", static_cast<unsigned long long>(first), static_cast<unsigned long long>(last));
        auto piece = std::make_shared<Piece>();
        TAVOCommonService::Success success;
        TAVOCommonService::Failure failure;
        auto outcome = watch(&success, &failure);
        auto op = TAVOCommonService::localService()->resumeDownloadFile(
            command, 0, TAVODownloadFileParser::create(), success, failure,
            [piece, outcome](std::int64_t length, std::int64_t total) {
                piece->contentLength = length;
                piece->totalLength = total;
                piece->progressBeforeCompletion = !outcome->done;
            });
        EXPECT_TRUE(op);
        if (op) op->setOutputStream(ns::OutputStream::outputStreamToFileAtPath(target.string(), true));
        runMainLoopUntil([&] { return outcome->done; }, 30.0);
        piece->outcome = *outcome;
        return *piece;
    }

    fs::path disk;
    fs::path target;
};

TEST_F(CommandUsbTest, StatusListDeleteAndUnmount) {
    fs::create_directory(disk / "music");
    writeFile(disk / "music" / "a.mp3", "abc");
    writeFile(disk / "b.txt", "hello");

    CommandOutcome status = send(TAVOCommonService::localService(), TAVOUsbStatusCommand::create(), TAVOUsbStatusParser::create());
    ASSERT_TRUE(status.ok);
    EXPECT_EQ(status.result.as<TAVOUSBStatus>()->status, 1);
    EXPECT_EQ(status.result.as<TAVOUSBStatus>()->product, "Emulated Disk");

    auto list = TAVOGetFileListCommand::create();
    list->path = "/";
    CommandOutcome root = send(TAVOCommonService::localService(), list, TAVOGetFileListParser::create());
    ASSERT_TRUE(root.ok);
    auto folder = root.result.as<TAVOFileInfo>();
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->filePath, "/");
    ASSERT_EQ(folder->subFiles.size(), 2u);
    auto byName = [&](const std::string& name) {
        for (const auto& f : folder->subFiles)
            if (f->fileName == name) return f;
        return TAVOFileInfoPtr();
    };
    ASSERT_TRUE(byName("music"));
    EXPECT_EQ(byName("music")->fileType, 0);
    ASSERT_TRUE(byName("b.txt"));
    EXPECT_EQ(byName("b.txt")->totalLength, 5);
    EXPECT_EQ(byName("b.txt")->filePath, "/b.txt");

    auto escape = TAVOGetFileListCommand::create();
    escape->path = "/../..";
    EXPECT_FALSE(send(TAVOCommonService::localService(), escape, TAVOGetFileListParser::create()).ok);

    auto del = TAVODeleteFileCommand::create();
    del->fileNames = {"/b.txt", "/music;/music/a.mp3"};
    CommandOutcome deleted = send(TAVOCommonService::localService(), del, TAVODeleteFileParser::create());
    ASSERT_TRUE(deleted.ok);
    EXPECT_EQ(deleted.result.intValue(), 0);
    EXPECT_FALSE(fs::exists(disk / "b.txt"));
    EXPECT_TRUE(fs::exists(disk / "music" / "a.mp3")) << "a name holding ';' never reaches the router";

    CommandOutcome quit = send(TAVOCommonService::localService(), TAVOQuitUsbCommand::create(), TAVOQuitUsbParser::create());
    ASSERT_TRUE(quit.ok);
    EXPECT_EQ(quit.result.intValue(), 1);
    status = send(TAVOCommonService::localService(), TAVOUsbStatusCommand::create(), TAVOUsbStatusParser::create());
    ASSERT_TRUE(status.ok);
    EXPECT_EQ(status.result.as<TAVOUSBStatus>()->status, 0);
}

TEST_F(CommandUsbTest, FileGoesUpAndComesBackByteExactInMegabytePieces) {
    const std::string original = payload(kFileSize);
    std::vector<std::uint64_t> uploaded;
    std::uint64_t sent = 0;
    while (sent < kFileSize) {
        const std::uint64_t length = std::min<std::uint64_t>(kPiece, kFileSize - sent);
        CommandOutcome piece = uploadPiece(original.substr(sent, length), sent, kFileSize, "big.bin");
        ASSERT_TRUE(piece.ok) << (piece.error ? piece.error->description() : "");
        sent += length;
        uploaded.push_back(sent);
    }
    EXPECT_EQ(uploaded, (std::vector<std::uint64_t>{kPiece, 2 * kPiece, kFileSize}));
    ASSERT_EQ(readFile(disk / "big.bin"), original);

    std::vector<std::pair<std::int64_t, std::int64_t>> progress;
    std::uint64_t received = 0;
    while (received < kFileSize) {
        Piece piece = downloadPiece("/big.bin", received, received + kPiece - 1);
        ASSERT_TRUE(piece.outcome.ok) << (piece.outcome.error ? piece.outcome.error->description() : "");
        EXPECT_TRUE(piece.outcome.result.isNil());
        EXPECT_TRUE(piece.progressBeforeCompletion);
        progress.emplace_back(piece.contentLength, piece.totalLength);
        received += static_cast<std::uint64_t>(piece.contentLength);
        ASSERT_GT(piece.contentLength, 0);
    }
    const auto whole = static_cast<std::int64_t>(kFileSize);
    const auto mib = static_cast<std::int64_t>(kPiece);
    EXPECT_EQ(progress, (std::vector<std::pair<std::int64_t, std::int64_t>>{{mib, whole}, {mib, whole}, {mib / 2, whole}}));
    EXPECT_EQ(readFile(target), original);
}

TEST_F(CommandUsbTest, TransfersResumeAfterABrokenConnection) {
    const std::string original = payload(kFileSize);
    // Upload: the first attempt at the second piece never reaches the router.
    ASSERT_TRUE(uploadPiece(original.substr(0, kPiece), 0, kFileSize, "resume.bin").ok);
    local->server().setFault("/home1/", emulator::Fault::refusing());
    CommandOutcome refused = uploadPiece(original.substr(kPiece, kPiece), kPiece, kFileSize, "resume.bin");
    ASSERT_FALSE(refused.ok);
    EXPECT_EQ(refused.error->type(), 2);
    local->server().clearFaults();
    for (std::uint64_t first = kPiece; first < kFileSize; first += kPiece) {
        const std::uint64_t length = std::min<std::uint64_t>(kPiece, kFileSize - first);
        ASSERT_TRUE(uploadPiece(original.substr(first, length), first, kFileSize, "resume.bin").ok);
    }
    ASSERT_EQ(readFile(disk / "resume.bin"), original);

    // Download: the connection drops 300 000 bytes into the first piece; the
    // bytes that arrived stay, and the next request continues after them.
    local->server().setFault("/home1/", emulator::Fault::closingMidBody(300000));
    Piece cut = downloadPiece("/resume.bin", 0, kPiece - 1);
    ASSERT_FALSE(cut.outcome.ok);
    EXPECT_EQ(cut.outcome.error->type(), 2);
    local->server().clearFaults();
    std::uint64_t have = fs::file_size(target);
    EXPECT_LE(have, 300000u);
    EXPECT_EQ(readFile(target), original.substr(0, have));
    while (have < kFileSize) {
        const std::uint64_t last = std::min<std::uint64_t>((have / kPiece + 1) * kPiece, kFileSize) - 1;
        Piece piece = downloadPiece("/resume.bin", have, last);
        ASSERT_TRUE(piece.outcome.ok) << (piece.outcome.error ? piece.outcome.error->description() : "");
        have += static_cast<std::uint64_t>(piece.contentLength);
        ASSERT_EQ(fs::file_size(target), have);
    }
    EXPECT_EQ(readFile(target), original);
}

TEST_F(CommandUsbTest, ARangedDownloadThatIsNot2xxFailsAndWritesNothing) {
    writeFile(disk / "small.bin", "0123456789");
    writeFile(target, "kept");
    Piece past = downloadPiece("/small.bin", 10, 20);
    ASSERT_FALSE(past.outcome.ok);
    EXPECT_EQ(past.outcome.error->type(), 2);
    Piece missing = downloadPiece("/absent.bin", 0, 9);
    ASSERT_FALSE(missing.outcome.ok);
    EXPECT_EQ(readFile(target), "kept");
    EXPECT_TRUE(errors->seen.empty());

    Piece tail = downloadPiece("/small.bin", 4, 100);
    ASSERT_TRUE(tail.outcome.ok);
    EXPECT_EQ(tail.contentLength, 6);
    EXPECT_EQ(tail.totalLength, 10);
    EXPECT_EQ(readFile(target), "kept456789");
}

TEST_F(CommandUsbTest, UploadsThatTheRouterRefusesOrThatCarryNoFile) {
    // A piece whose range does not match its bytes.
    auto command = TAVOUploadFileCommand::create();
    command->fileName = "x.bin";
    command->path = "/";
    command->contentRange = "bytes 0-99/100";
    TAVOCommonService::Success success;
    TAVOCommonService::Failure failure;
    auto outcome = watch(&success, &failure);
    TAVOCommonService::localService()->resumeUploadFile(ns::Data::fromString("short"), command, 0, TAVOUploadFileParser::create(),
                                                       success, failure);
    runMainLoopUntil([&] { return outcome->done; }, 20.0);
    ASSERT_FALSE(outcome->ok);
    EXPECT_EQ(outcome->error->type(), 1);
    EXPECT_FALSE(fs::exists(disk / "x.bin"));

    // An empty file name sends the form fields only; the router finds no file.
    auto unnamed = TAVOUploadFileCommand::create();
    unnamed->path = "/";
    auto second = watch(&success, &failure);
    TAVOCommonService::localService()->resumeUploadFile(ns::Data::fromString("data"), unnamed, 0, TAVOUploadFileParser::create(),
                                                       success, failure);
    runMainLoopUntil([&] { return second->done; }, 20.0);
    ASSERT_FALSE(second->ok);
    const auto calls = local->calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back().cmd, "usb.uploadFile");
    const auto entries = local->server().log().entries();
    ASSERT_FALSE(entries.empty());
    for (const auto& part : entries.back().parts) EXPECT_NE(part.name, "file");
}

TEST_F(CommandUsbTest, ChainedProgressReportsEveryStepWithAKnownTotal) {
    const std::string original = payload(kFileSize);
    auto command = TAVOUploadFileCommand::create();
    command->fileName = "whole.bin";
    command->path = "/";
    std::vector<std::int64_t> sentTotals;
    std::int64_t expectedUp = 0;
    TAVOCommonService::Success success;
    TAVOCommonService::Failure failure;
    auto up = watch(&success, &failure);
    TAVOCommonService::localService()->uploadFile(ns::Data::fromString(original), command, 0, TAVOUploadFileParser::create(),
                                                 success, failure, [&](std::int64_t, std::int64_t total, std::int64_t expected) {
                                                     EXPECT_FALSE(up->done);
                                                     sentTotals.push_back(total);
                                                     expectedUp = expected;
                                                 });
    runMainLoopUntil([&] { return up->done; }, 30.0);
    ASSERT_TRUE(up->ok);
    ASSERT_FALSE(sentTotals.empty());
    EXPECT_EQ(sentTotals.back(), expectedUp);
    EXPECT_GT(expectedUp, static_cast<std::int64_t>(kFileSize));  // the file plus the form around it
    EXPECT_EQ(readFile(disk / "whole.bin"), original);

    auto download = TAVODownloadFileCommand::create();
    download->fileName = "/whole.bin";
    download->range = "bytes=0-1048575";
    std::int64_t received = 0, expectedDown = 0;
    auto down = watch(&success, &failure);
    TAVOCommonService::localService()->downloadFileCommand(download, 0, TAVODownloadFileParser::create(), success, failure,
                                                          [&](std::int64_t bytes, std::int64_t total, std::int64_t expected) {
                                                              received += bytes;
                                                              EXPECT_EQ(total, received);
                                                              expectedDown = expected;
                                                          });
    runMainLoopUntil([&] { return down->done; }, 30.0);
    ASSERT_TRUE(down->ok);
    EXPECT_EQ(received, static_cast<std::int64_t>(kPiece));
    EXPECT_EQ(expectedDown, static_cast<std::int64_t>(kPiece));
}

}  // namespace
}  // namespace keelbox::test
