#include "platform/foundation/FileData.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "platform/foundation/Clock.h"
#include "platform/foundation/CocoaError.h"
#include "platform/foundation/FileManager.h"
#include "platform/foundation/Sandbox.h"

namespace fs = std::filesystem;

namespace {

// Makes every write beyond `limit` bytes fail (EFBIG) while it lives: a
// write failure that works even for a privileged user.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved_;
        small.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit saved_{};
    void (*oldHandler_)(int) = nullptr;
};

}  // namespace

TEST(FileData, WritesAndReadsBackBothWays) {
    std::string path = ns::documentsDirectory() + "/file.bin";
    ns::Data bytes{0, 1, 2, 0xff, 0};
    for (bool atomically : {true, false}) {
        ASSERT_TRUE(ns::writeDataToFile(bytes, path, atomically));
        auto back = ns::dataWithContentsOfFile(path);
        ASSERT_TRUE(back);
        EXPECT_EQ(*back, bytes);
    }
    // No temporary file is left next to the target.
    EXPECT_EQ(std::distance(fs::directory_iterator(ns::documentsDirectory()), fs::directory_iterator()), 1);
}

TEST(FileData, ReadFailuresGiveNothingAndTheReadError) {
    ns::ErrorPtr error;
    EXPECT_FALSE(ns::dataWithContentsOfFile(ns::documentsDirectory() + "/missing", &error));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->domain(), ns::kCocoaErrorDomain);
    EXPECT_EQ(error->code(), ns::kFileReadNoSuchFileError);
    EXPECT_EQ(error->userInfo()[ns::kFilePathErrorKey].asString(), ns::documentsDirectory() + "/missing");
    EXPECT_FALSE(ns::dataWithContentsOfFile(ns::documentsDirectory()));  // a folder
}

TEST(FileData, FailedAtomicWriteLeavesTheOldFileIntact) {
    std::string path = ns::documentsDirectory() + "/store";
    ns::Data old = ns::Data::fromString("old content");
    ASSERT_TRUE(ns::writeDataToFile(old, path, true));
    ns::ErrorPtr error;
    {
        FileSizeLimit limit(64);
        EXPECT_FALSE(ns::writeDataToFile(ns::Data::withLength(4096), path, true, &error));
    }
    ASSERT_TRUE(error);
    EXPECT_EQ(error->code(), ns::kFileWriteUnknownError);
    EXPECT_EQ(*ns::dataWithContentsOfFile(path), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(ns::documentsDirectory()), fs::directory_iterator()), 1);

    // A folder that does not exist: nothing written, error 4.
    EXPECT_FALSE(ns::writeDataToFile(old, ns::documentsDirectory() + "/no/such/file", true, &error));
    EXPECT_EQ(error->code(), ns::kFileNoSuchFileError);
}

TEST(FileData, WrittenFilesCarryTheVirtualTime) {
    std::string path = ns::documentsDirectory() + "/aged";
    ASSERT_TRUE(ns::writeDataToFile(ns::Data::fromString("x"), path, true));
    auto attrs = ns::FileManager::defaultManager()->attributesOfItemAtPath(path);
    ASSERT_TRUE(attrs);
    EXPECT_NEAR((*attrs)[ns::kFileModificationDate].asDate().timeIntervalSince1970(), ns::Clock::now(), 0.001);
}
