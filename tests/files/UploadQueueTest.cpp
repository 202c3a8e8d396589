// The upload queue against the emulated router's USB disk: a picked file
// goes up in 1 MiB chunks whose Content-Range names the first offset, the
// offset just past the chunk and the size; pause, resume across a restart,
// failures, a vanished source and the delete of a running upload keep the
// queue moving.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>

#include "emulator/UsbFaultPlan.h"
#include "files/TAVOFileManager.h"
#include "files/TAVOUploadQueue.h"
#include "platform/ui/AssetsLibrary.h"
#include "emulator/Fault.h"
#include "protocol/commands/TAVOCommonService.h"
#include "protocol/commands/TAVODeleteFileCommand.h"
#include "protocol/commands/TAVODeleteFileParser.h"
#include "tests/files/FilesEmulatorFixture.h"

namespace fs = std::filesystem;

namespace keelbox::test {
namespace {

struct Recorder : TAVOUploadQueueDelegate {
    int changes = 0;
    std::vector<double> progress;
    std::vector<TAVOErrorPtr> errors;
    std::function<void()> onProgress;
    void uploadQueueDidChange() override { ++changes; }
    void uploadQueueProgress(const TAVOFileInfoPtr&, double p) override {
        progress.push_back(p);
        if (onProgress) onProgress();
    }
    void uploadQueueShowError(const TAVOErrorPtr& error) override { errors.push_back(error); }
};

class UploadQueueTest : public FilesEmulatorTest {
protected:
    void SetUp() override {
        FilesEmulatorTest::SetUp();
        queue = TAVOUploadQueue::create();
        queue->setDelegate(recorder);
        pictures = fs::path(sandboxHome()) / "Pictures";
        fs::create_directories(pictures);
    }
    void TearDown() override {
        ui::AssetsLibrary::clearTestSwitches();
        FilesEmulatorTest::TearDown();
    }

    // A picked photo of the phone, as the picker intake makes its record.
    TAVOFileInfoPtr picked(const std::string& name, const std::string& bytes) {
        const fs::path path = pictures / name;
        writeWholeFile(path, bytes);
        auto r = TAVOFileInfo::create();
        r->fileName = name;
        r->fileType = 1;
        r->totalLength = static_cast<double>(bytes.size());
        r->assetURL = ui::AssetsLibrary::urlForPath(path.string());
        return r;
    }

    bool waitFor(const TAVOFileInfoPtr& r, int state, double seconds = 30) {
        return runMainLoopUntil([&] { return r->state == state; }, seconds);
    }

    std::shared_ptr<Recorder> recorder = std::make_shared<Recorder>();
    TAVOUploadQueuePtr queue;
    fs::path pictures;
};

TEST_F(UploadQueueTest, APhotoGoesUpInThreeChunksWithExactRanges) {
    const std::string photo = filePayload(3000000, 11);
    auto r = picked("IMG_0001.JPG", photo);
    queue->doAddWaitingItems({r}, {}, "/");
    EXPECT_EQ(r->parentPath, "/");
    ASSERT_TRUE(waitFor(r, TAVOFileInfo::Idle));
    EXPECT_EQ(headerValues("Content-Range"), (std::vector<std::string>{"bytes 0-1048576/3000000", "bytes 1048576-2097152/3000000",
                                                                       "bytes 2097152-3000000/3000000"}));
    EXPECT_EQ(readWholeFile(disk() / "IMG_0001.JPG"), photo);
    EXPECT_EQ(recorder->progress.back(), 1.0);
    EXPECT_FALSE(queue->inUploading());
    EXPECT_TRUE(queue->getAllUploadQueue().empty());
}

TEST_F(UploadQueueTest, EdgeSizesSendOneChunk) {
    auto exact = picked("exact.mp4", filePayload(1048576));
    auto empty = picked("empty.jpg", "");
    queue->doAddWaitingItems({exact, empty}, {}, "/");
    ASSERT_TRUE(waitFor(empty, TAVOFileInfo::Idle));
    ASSERT_TRUE(waitFor(exact, TAVOFileInfo::Idle));
    EXPECT_EQ(headerValues("Content-Range"), (std::vector<std::string>{"bytes 0-1048576/1048576", "bytes 0-0/0"}));
    EXPECT_TRUE(fs::exists(disk() / "empty.jpg"));
    EXPECT_EQ(fs::file_size(disk() / "exact.mp4"), 1048576u);
}

TEST_F(UploadQueueTest, PauseStartsTheNextUploadAndResumeContinuesAfterARestart) {
    const std::string big = filePayload(3 * 1048576 + 5, 21);
    auto first = picked("first.mp4", big);
    auto second = picked("second.jpg", "small photo");
    queue->doAddWaitingItems({first, second}, {}, "/");
    ASSERT_TRUE(runMainLoopUntil([&] { return recorder->progress.size() >= 1; }, 30));
    // Between two chunks (the next chunk's bytes are being read).
    queue->doPauseFile(first);
    EXPECT_EQ(first->state, TAVOFileInfo::Paused);
    ASSERT_TRUE(waitFor(second, TAVOFileInfo::Idle));
    EXPECT_TRUE(recorder->errors.empty());
    drainMainLoop();
    const auto onRouter = fs::file_size(disk() / "first.mp4");
    EXPECT_EQ(onRouter % 1048576, 0u);
    EXPECT_LT(onRouter, big.size());

    // A later run: the stored paused record, with the router's size as offset.
    queue.reset();
    auto restarted = TAVOUploadQueue::create();
    auto stored = TAVOUploadQueue::getStopUploadQueueByPath("/");
    ASSERT_EQ(stored.size(), 1u);
    auto again = stored[0];
    again->sizeLength = static_cast<double>(onRouter);
    const std::size_t before = headerValues("Content-Range").size();
    restarted->doResumePauseFile(again);
    ASSERT_TRUE(waitFor(again, TAVOFileInfo::Idle));
    EXPECT_EQ(headerValues("Content-Range")[before],
              "bytes " + std::to_string(onRouter) + "-" + std::to_string(onRouter + 1048576) + "/" + std::to_string(big.size()));
    EXPECT_EQ(readWholeFile(disk() / "first.mp4"), big);
    EXPECT_TRUE(TAVOUploadQueue::getStopUploadQueueByPath("/").empty());
}

TEST_F(UploadQueueTest, AResumeOffsetAtTheEndFinishesWithoutARequest) {
    auto r = picked("done.jpg", filePayload(2048));
    r->state = TAVOFileInfo::Paused;
    r->parentPath = "/";
    r->sizeLength = 4096;  // the router's partial file is already longer
    TAVOFileManager::sharedInstance()->saveFileInfo(r, 0, 0, "/");
    auto next = picked("next.jpg", "next");
    queue->doResumePauseFile(r);
    EXPECT_EQ(r->state, TAVOFileInfo::Idle);
    EXPECT_TRUE(TAVOUploadQueue::getStopUploadQueueByPath("/").empty());
    queue->doAddWaitingItems({next}, {}, "/");
    ASSERT_TRUE(waitFor(next, TAVOFileInfo::Idle));
    EXPECT_EQ(headerValues("Content-Range"), (std::vector<std::string>{"bytes 0-4/4"}));
}

TEST_F(UploadQueueTest, FailuresAreKeptAndTheQueueMovesOn) {
    emulator::UsbFaultPlan plan;
    plan.failUploadPiece = 1;
    commands().setUsbFaults(plan);
    auto failing = picked("failing.mp4", filePayload(2 * 1048576 + 1));
    auto vanished = picked("vanished.jpg", filePayload(5000));
    auto unreadable = picked("unreadable.jpg", filePayload(5000));
    auto good = picked("good.jpg", "fine");
    ui::AssetsLibrary::setAssetVanished(vanished->assetURL, true);
    ui::AssetsLibrary::setAssetFailing(unreadable->assetURL, true);
    queue->doAddWaitingItems({failing, vanished, unreadable, good}, {}, "/");
    ASSERT_TRUE(waitFor(good, TAVOFileInfo::Idle));
    EXPECT_EQ(failing->state, TAVOFileInfo::UploadFailed);
    EXPECT_EQ(vanished->state, TAVOFileInfo::UploadFailed);
    EXPECT_EQ(unreadable->state, TAVOFileInfo::UploadFailed);
    EXPECT_EQ(recorder->errors.size(), 3u);
    EXPECT_FALSE(fs::exists(disk() / "vanished.jpg")) << "no empty chunk is sent as the file";
    auto failed = TAVOUploadQueue::getFailedUploadQueue("/");
    ASSERT_EQ(failed.size(), 3u);
    EXPECT_EQ(failed[0]->fileName, "failing.mp4");
    EXPECT_EQ(readWholeFile(disk() / "good.jpg"), "fine");
    commands().setUsbFaults({});
}

// As the router-disk page deletes a running upload: the queue stops it, then
// the delete goes to the router. The piece in flight hangs on the router
// until its connection goes, so a queue that waited for its answer would
// never move on, and one that sent it on would make the file again.
TEST_F(UploadQueueTest, DeletingARunningUploadStopsItSoTheDeleteHoldsAndTheNextUploadRuns) {
    const std::string big = filePayload(3 * 1048576, 31);
    auto running = picked("running.mp4", big);
    auto next = picked("next.jpg", "next photo");
    bool stallNextPiece = true;
    recorder->onProgress = [&] {
        if (!stallNextPiece) return;
        stallNextPiece = false;
        setServerFault(emulator::Fault::stalling());
    };
    queue->doAddWaitingItems({running, next}, {}, "/");
    ASSERT_TRUE(runMainLoopUntil([&] { return headerValues("Content-Range").size() == 2; }, 30));
    ASSERT_EQ(fs::file_size(disk() / "running.mp4"), 1048576u) << "the first piece is on the router";

    queue->stopRunning(running);
    clearServerFaults();
    auto command = TAVODeleteFileCommand::create();
    command->fileNames = {running->parentPath + running->fileName};
    std::optional<ns::Value> deleted;
    TAVOCommonService::localService()->sendCommand(
        command, 0, TAVODeleteFileParser::create(), [&](const ns::Value& result) { deleted = result; },
        [&](const TAVOErrorPtr&) { deleted = ns::Value(); });
    ASSERT_TRUE(runMainLoopUntil([&] { return deleted.has_value(); }, 30));
    EXPECT_EQ(deleted->intValue(), 0);
    EXPECT_TRUE(deleted->isNumber());

    ASSERT_TRUE(waitFor(next, TAVOFileInfo::Idle));
    drainMainLoop();
    // The hanging piece is given up by the phone, not left to time out.
    auto hanging = [&] {
        for (const auto& entry : local->server().log().entries())
            if (entry.header("Content-Range") == "bytes 1048576-2097152/3145728") return entry.outcome;
        return emulator::LoggedRequest::Outcome::Pending;
    };
    EXPECT_TRUE(runMainLoopUntil([&] { return hanging() == emulator::LoggedRequest::Outcome::Dropped; }, 30));
    EXPECT_EQ(readWholeFile(disk() / "next.jpg"), "next photo");
    EXPECT_FALSE(fs::exists(disk() / "running.mp4")) << "no later piece made the deleted file again";
    EXPECT_EQ(headerValues("Content-Range"), (std::vector<std::string>{"bytes 0-1048576/3145728", "bytes 1048576-2097152/3145728",
                                                                       "bytes 0-10/10"}));
    EXPECT_TRUE(recorder->errors.empty()) << "the stop is no failure";
    EXPECT_FALSE(queue->inUploading());
    EXPECT_EQ(queue->running(), nullptr);
    EXPECT_TRUE(queue->getAllUploadQueue().empty());
    EXPECT_TRUE(TAVOUploadQueue::getStopUploadQueueByPath("/").empty());
    EXPECT_TRUE(TAVOUploadQueue::getFailedUploadQueue("/").empty());
}

TEST_F(UploadQueueTest, ClashingNamesAreRenamedOnIntake) {
    auto listed = TAVOFileInfo::create();
    listed->fileName = "a.jpg";
    auto one = picked("a.jpg", "one");
    queue->doAddWaitingItems({one}, {listed}, "/");
    EXPECT_EQ(one->fileName, "a-1.jpg");
    EXPECT_EQ(one->filePath, "/a-1.jpg");
    ASSERT_TRUE(waitFor(one, TAVOFileInfo::Idle));
    EXPECT_EQ(readWholeFile(disk() / "a-1.jpg"), "one");
}

}  // namespace
}  // namespace keelbox::test
