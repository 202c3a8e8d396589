// The download queue against the emulated router's USB disk: files arrive
// byte-exact in ranged 1 MiB requests through the encrypted local channel,
// a pause survives a restart and resumes from the partial file, and a reply
// that breaks the range rules never leaves wrong bytes behind or counts as
// complete.
#include <gtest/gtest.h>

#include <filesystem>

#include "emulator/Fault.h"
#include "emulator/UsbFaultPlan.h"
#include "files/TAVODownloadQueue.h"
#include "files/TAVOFileManager.h"
#include "emulator/Fault.h"
#include "tests/files/FilesEmulatorFixture.h"

namespace fs = std::filesystem;

namespace keelbox::test {
namespace {

struct Recorder : TAVODownloadQueueDelegate {
    int changes = 0;
    std::vector<std::pair<double, double>> progress;
    std::vector<TAVOErrorPtr> errors;
    std::vector<std::string> refusals;
    void downloadQueueDidChange() override { ++changes; }
    void downloadQueueProgress(const TAVOFileInfoPtr&, double done, double total) override { progress.emplace_back(done, total); }
    void downloadQueueShowError(const TAVOErrorPtr& error) override { errors.push_back(error); }
    void downloadQueueRefused(const std::string& message) override { refusals.push_back(message); }
};

class DownloadQueueTest : public FilesEmulatorTest {
protected:
    void SetUp() override {
        FilesEmulatorTest::SetUp();
        queue = TAVODownloadQueue::create();
        queue->setDelegate(recorder);
    }

    // A listed entry of the disk, as the browser hands it over.
    TAVOFileInfoPtr entry(const std::string& name, std::uint64_t size) {
        auto r = TAVOFileInfo::create();
        r->fileName = name;
        r->parentPath = "/";
        r->filePath = "/" + name;
        r->fileType = 1;
        r->totalLength = static_cast<double>(size);
        return r->copy();
    }

    bool waitFor(const TAVOFileInfoPtr& r, int state, double seconds = 30) {
        return runMainLoopUntil([&] { return r->state == state; }, seconds);
    }

    std::shared_ptr<Recorder> recorder = std::make_shared<Recorder>();
    TAVODownloadQueuePtr queue;
};

TEST_F(DownloadQueueTest, AFileArrivesByteExactInRangedChunks) {
    const std::uint64_t size = 7 * 1048576 / 2;  // 3.5 MiB
    const std::string original = filePayload(size);
    writeWholeFile(disk() / "movie.mp4", original);

    auto r = entry("movie.mp4", size);
    queue->addItems({r}, {});
    EXPECT_EQ(r->state, TAVOFileInfo::Downloading);
    ASSERT_TRUE(waitFor(r, TAVOFileInfo::Completed)) << r->state;

    EXPECT_EQ(readWholeFile(documents() / "movie.mp4"), original);
    EXPECT_EQ(headerValues("Range"), (std::vector<std::string>{"bytes=0-1048576", "bytes=1048577-2097153",
                                                               "bytes=2097154-3145730", "bytes=3145731-4194307"}));
    ASSERT_EQ(recorder->progress.size(), 4u);
    EXPECT_EQ(recorder->progress.back(), (std::pair<double, double>(size, size)));
    EXPECT_TRUE(queue->queue().empty());
    EXPECT_FALSE(queue->inDownloading());
    EXPECT_TRUE(recorder->errors.empty());
}

TEST_F(DownloadQueueTest, APauseSurvivesARestartAndResumesFromThePartialFile) {
    const std::uint64_t size = 3 * 1048576 + 100;
    const std::string original = filePayload(size, 7);
    writeWholeFile(disk() / "big.bin", original);
    writeWholeFile(disk() / "small.txt", "hello");

    auto big = entry("big.bin", size);
    auto small = entry("small.txt", 5);
    queue->addItems({big, small}, {});
    ASSERT_TRUE(runMainLoopUntil([&] { return big->sizeLength > 0; }, 30));
    queue->pause(big);
    EXPECT_EQ(big->state, TAVOFileInfo::Paused);
    // The next queued download starts at once, without waiting for the
    // cancelled request.
    ASSERT_TRUE(waitFor(small, TAVOFileInfo::Completed));
    EXPECT_TRUE(recorder->errors.empty()) << "a pause shows no error";
    const auto partial = fs::file_size(documents() / "big.bin");
    EXPECT_GT(partial, 0u);
    EXPECT_LT(partial, size);

    // A later run: the paused record comes back from the store.
    queue.reset();
    auto restarted = TAVODownloadQueue::create();
    auto stored = TAVOFileManager::sharedInstance()->getFileInfosOfType(0, 1, "Documents");
    ASSERT_EQ(stored.size(), 1u);
    auto again = stored[0];
    EXPECT_EQ(again->state, TAVOFileInfo::Paused);
    const std::size_t before = headerValues("Range").size();
    restarted->resume(again);
    EXPECT_EQ(again->sizeLength, static_cast<double>(partial));
    EXPECT_TRUE(TAVOFileManager::sharedInstance()->getFileInfosOfType(0, 1, "Documents").empty());
    ASSERT_TRUE(waitFor(again, TAVOFileInfo::Completed));
    EXPECT_EQ(readWholeFile(documents() / "big.bin"), original);
    const auto ranges = headerValues("Range");
    ASSERT_GT(ranges.size(), before);
    EXPECT_EQ(ranges[before], "bytes=" + std::to_string(partial) + "-" + std::to_string(partial + 1048576));
}

TEST_F(DownloadQueueTest, RepliesThatBreakTheRangeRulesFailAndLeaveOnlyGoodBytes) {
    using D = emulator::UsbFaultPlan::Download;
    const std::uint64_t size = 2 * 1048576 + 10;
    const std::string original = filePayload(size, 3);
    writeWholeFile(disk() / "f.bin", original);
    struct Case {
        const char* name;
        D fault;
        int at;  // the request that misbehaves
    };
    const std::vector<Case> cases = {
        {"no Content-Range", D::OmitContentRange, 1},
        {"Range ignored", D::IgnoreRange, 1},
        {"wrong start", D::WrongStart, 1},
        {"416 with a page", D::Status416, 1},
        {"500 with a page", D::Status500, 0},
        {"an empty chunk", D::Empty, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(documents() / "f.bin");
        emulator::UsbFaultPlan plan;
        plan.download = c.fault;
        plan.downloadFaultAt = c.at;
        commands().setUsbFaults(plan);
        auto r = entry("f.bin", size);
        queue->addItems({r}, {});
        ASSERT_TRUE(runMainLoopUntil([&] { return r->state == TAVOFileInfo::DownloadFailed || r->state == TAVOFileInfo::Completed; }, 30));
        EXPECT_EQ(r->state, TAVOFileInfo::DownloadFailed);
        const std::string kept = readWholeFile(documents() / "f.bin");
        // Only the chunks before the bad one stay, exactly as the file has them.
        EXPECT_EQ(kept.size(), c.at == 0 ? 0u : 1048577u);
        EXPECT_EQ(kept, original.substr(0, kept.size()));
        EXPECT_FALSE(queue->inDownloading());
        auto failed = TAVOFileManager::sharedInstance()->getFileInfosOfType(1, 1, "Documents");
        ASSERT_FALSE(failed.empty());
        EXPECT_EQ(failed.back()->fileName, "f.bin");
        TAVOFileManager::sharedInstance()->deleteFileInfo(r, 1, 1, "Documents");
        // Each reply drove the queue once: exactly the requests up to the bad one.
        EXPECT_EQ(commands().downloadRequestsSeen(), c.at + 1);
    }
    commands().setUsbFaults({});
}

TEST_F(DownloadQueueTest, ADroppedConnectionFailsTheDownloadAndTheQueueGoesOn) {
    const std::uint64_t size = 2 * 1048576;
    writeWholeFile(disk() / "a.bin", filePayload(size));
    writeWholeFile(disk() / "b.txt", "bee");
    setServerFault(emulator::Fault::closingMidBody(1000));
    auto a = entry("a.bin", size);
    auto b = entry("b.txt", 3);
    queue->addItems({a}, {});
    ASSERT_TRUE(waitFor(a, TAVOFileInfo::DownloadFailed));
    clearServerFaults();
    EXPECT_FALSE(recorder->errors.empty());
    EXPECT_EQ(readWholeFile(documents() / "a.bin"), "") << "the broken chunk's bytes are cut off";
    queue->addItems({b}, {});
    ASSERT_TRUE(waitFor(b, TAVOFileInfo::Completed));
    EXPECT_EQ(readWholeFile(documents() / "b.txt"), "bee");
}

TEST_F(DownloadQueueTest, NamesThatAreNotPlainFileNamesAreRefused) {
    writeWholeFile(documents() / ".router" / ".localRouter", "keep");
    std::vector<TAVOFileInfoPtr> bad;
    for (const char* name : {"", ".", "..", ".router", "a/b", "../../x"}) bad.push_back(entry(name, 10));
    const auto accepted = queue->addItems(bad, {});
    EXPECT_TRUE(accepted.empty());
    EXPECT_EQ(recorder->refusals.size(), bad.size());
    EXPECT_TRUE(queue->queue().empty());
    EXPECT_EQ(readWholeFile(documents() / ".router" / ".localRouter"), "keep");

    // A name already in the list is renamed before it is queued.
    writeWholeFile(disk() / "a.txt", "new");
    writeWholeFile(documents() / "a.txt", "old");
    auto shown = TAVOFileManager::sharedInstance()->getAllLocalFiles();
    auto r = entry("a.txt", 3);
    queue->addItems({r}, shown);
    EXPECT_EQ(r->fileName, "a-1.txt");
    EXPECT_EQ(r->filePath, "/a.txt");
    ASSERT_TRUE(waitFor(r, TAVOFileInfo::Completed));
    EXPECT_EQ(readWholeFile(documents() / "a-1.txt"), "new");
    EXPECT_EQ(readWholeFile(documents() / "a.txt"), "old");
}

TEST_F(DownloadQueueTest, DeletingARunningDownloadStopsItAndRemovesThePartialFile) {
    const std::uint64_t size = 4 * 1048576;
    writeWholeFile(disk() / "a.bin", filePayload(size));
    writeWholeFile(disk() / "b.txt", "bee");
    auto a = entry("a.bin", size);
    auto b = entry("b.txt", 3);
    queue->addItems({a, b}, {});
    ASSERT_TRUE(runMainLoopUntil([&] { return a->sizeLength > 0; }, 30));
    queue->remove(a);
    EXPECT_FALSE(fs::exists(documents() / "a.bin"));
    ASSERT_TRUE(waitFor(b, TAVOFileInfo::Completed));
    drainMainLoop();
    EXPECT_FALSE(fs::exists(documents() / "a.bin")) << "no late chunk brings it back";
    EXPECT_TRUE(recorder->errors.empty());
}

}  // namespace
}  // namespace keelbox::test
