#include "platform/foundation/FileManager.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/foundation/CocoaError.h"
#include "platform/foundation/Sandbox.h"

namespace fs = std::filesystem;

namespace {

class FileManagerTest : public ::testing::Test {
protected:
    std::shared_ptr<ns::FileManager> fm = ns::FileManager::defaultManager();
    std::string docs = ns::documentsDirectory();
    std::string path(const std::string& relative) const { return docs + "/" + relative; }
};

}  // namespace

TEST_F(FileManagerTest, CreatesListsCopiesMovesAndRemoves) {
    ns::ErrorPtr error;
    EXPECT_FALSE(fm->createDirectoryAtPath(path("a/b/c"), false, {}, &error));
    EXPECT_EQ(error->code(), ns::kFileNoSuchFileError);
    ASSERT_TRUE(fm->createDirectoryAtPath(path("a/b/c"), true));
    EXPECT_TRUE(fm->createDirectoryAtPath(path("a/b/c"), true));  // already there: fine with intermediates
    EXPECT_FALSE(fm->createDirectoryAtPath(path("a/b/c"), false, {}, &error));
    EXPECT_EQ(error->code(), ns::kFileWriteFileExistsError);

    ASSERT_TRUE(fm->createFileAtPath(path("a/one.txt"), ns::Data::fromString("one")));
    ASSERT_TRUE(fm->createFileAtPath(path("a/b/two.txt"), ns::Data::fromString("two")));
    bool isDir = true;
    EXPECT_TRUE(fm->fileExistsAtPath(path("a/one.txt"), &isDir));
    EXPECT_FALSE(isDir);
    EXPECT_TRUE(fm->fileExistsAtPath(path("a/b"), &isDir));
    EXPECT_TRUE(isDir);
    EXPECT_FALSE(fm->fileExistsAtPath(path("nothing"), &isDir));
    EXPECT_FALSE(isDir);
    EXPECT_FALSE(fm->fileExistsAtPath(""));

    EXPECT_EQ(*fm->contentsOfDirectoryAtPath(path("a")), (std::vector<std::string>{"b", "one.txt"}));
    EXPECT_EQ(*fm->subpathsOfDirectoryAtPath(path("a")),
              (std::vector<std::string>{"b", "b/c", "b/two.txt", "one.txt"}));

    ASSERT_TRUE(fm->copyItemAtPath(path("a"), path("copy")));
    EXPECT_EQ(fm->contentsAtPath(path("copy/b/two.txt"))->toString(), "two");
    EXPECT_FALSE(fm->copyItemAtPath(path("a"), path("copy"), &error));
    EXPECT_EQ(error->code(), ns::kFileWriteFileExistsError);

    EXPECT_FALSE(fm->moveItemAtPath(path("a/one.txt"), path("copy/one.txt"), &error));
    EXPECT_EQ(error->code(), ns::kFileWriteFileExistsError);
    EXPECT_EQ(fm->contentsAtPath(path("a/one.txt"))->toString(), "one");  // refused move keeps the source
    ASSERT_TRUE(fm->moveItemAtPath(path("a/one.txt"), path("moved.txt")));
    EXPECT_FALSE(fm->fileExistsAtPath(path("a/one.txt")));
    EXPECT_EQ(fm->contentsAtPath(path("moved.txt"))->toString(), "one");

    ASSERT_TRUE(fm->removeItemAtPath(path("copy")));
    EXPECT_FALSE(fm->fileExistsAtPath(path("copy")));
}

TEST_F(FileManagerTest, MissingItemsGiveThePlatformCodes) {
    struct Case {
        const char* operation;
        std::function<bool(ns::ErrorPtr*)> run;
        int code;
    };
    std::string missing = path("missing");
    std::vector<Case> cases = {
        {"remove", [&](ns::ErrorPtr* e) { return fm->removeItemAtPath(missing, e); }, ns::kFileNoSuchFileError},
        {"move", [&](ns::ErrorPtr* e) { return fm->moveItemAtPath(missing, path("x"), e); }, ns::kFileNoSuchFileError},
        {"copy", [&](ns::ErrorPtr* e) { return fm->copyItemAtPath(missing, path("x"), e); }, ns::kFileReadNoSuchFileError},
        {"list", [&](ns::ErrorPtr* e) { return fm->contentsOfDirectoryAtPath(missing, e).has_value(); }, ns::kFileReadNoSuchFileError},
        {"attributes", [&](ns::ErrorPtr* e) { return fm->attributesOfItemAtPath(missing, e).has_value(); }, ns::kFileReadNoSuchFileError},
        {"set attributes", [&](ns::ErrorPtr* e) { return fm->setAttributes({{ns::kFileModificationDate, ns::Date()}}, missing, e); }, ns::kFileNoSuchFileError},
    };
    for (const Case& c : cases) {
        ns::ErrorPtr error;
        EXPECT_FALSE(c.run(&error)) << c.operation;
        ASSERT_TRUE(error) << c.operation;
        EXPECT_EQ(error->domain(), ns::kCocoaErrorDomain) << c.operation;
        EXPECT_EQ(error->code(), c.code) << c.operation;
        EXPECT_EQ(error->userInfo()[ns::kFilePathErrorKey].asString(), missing) << c.operation;
    }
    EXPECT_FALSE(fm->contentsAtPath(missing));
    EXPECT_FALSE(fm->createFileAtPath(path("no/folder/file"), ns::Data::fromString("x")));
}

TEST_F(FileManagerTest, AttributesReportSizeTypeAndSettableModificationDate) {
    ASSERT_TRUE(fm->createFileAtPath(path("f"), ns::Data::withLength(1234)));
    ns::Date old = ns::Date::withTimeIntervalSince1970(1500000000.25);
    ASSERT_TRUE(fm->setAttributes({{ns::kFileModificationDate, old}}, path("f")));
    auto attrs = fm->attributesOfItemAtPath(path("f"));
    ASSERT_TRUE(attrs);
    EXPECT_EQ((*attrs)[ns::kFileSize].longLongValue(), 1234);
    EXPECT_EQ((*attrs)[ns::kFileType].asString(), ns::kFileTypeRegular);
    EXPECT_NEAR((*attrs)[ns::kFileModificationDate].asDate().timeIntervalSince1970(), 1500000000.25, 1e-6);
    EXPECT_EQ((*fm->attributesOfItemAtPath(docs))[ns::kFileType].asString(), ns::kFileTypeDirectory);

    // Attributes given at creation are applied too.
    ASSERT_TRUE(fm->createFileAtPath(path("g"), ns::Data::fromString("g"), {{ns::kFileModificationDate, old}}));
    EXPECT_EQ((*fm->attributesOfItemAtPath(path("g")))[ns::kFileModificationDate].asDate(), old);
}
