// The file record's stored form and copy, the file helpers' tables (icons,
// sizes, clash-free names, safe local names) and the transfer-record store
// with the document folder scan.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "files/TAVOFileManager.h"
#include "platform/foundation/FileManager.h"
#include "platform/foundation/Sandbox.h"
#include "platform/foundation/UserDefaults.h"
#include "protocol/commands/TAVOFileCommonUtility.h"
#include "protocol/commands/TAVOFileInfo.h"
#include "tests/files/FilesEmulatorFixture.h"
#include "tests/support/Harness.h"

namespace fs = std::filesystem;

namespace keelbox::test {
namespace {

TAVOFileInfoPtr record(const std::string& name, const std::string& parent = "/", int state = 6) {
    auto r = TAVOFileInfo::create();
    r->fileName = name;
    r->parentPath = parent;
    r->filePath = parent + name;
    r->fileType = 1;
    r->state = state;
    return r;
}

TEST(FileRecordTest, StoredFormReadsBackAndCopiesStartAtZero) {
    auto r = record("movie.mp4", "/videos/", 6);
    r->filesNum = 3;
    r->fileLogoUrl = "ft_mp4";
    r->time = "2026-12-11 03:00";
    r->sizeLength = 20000001;  // above 2^24: must stay exact
    r->totalLength = 3000000123.0;
    r->size = "2.8GB";
    r->assetURL = "assets-library://local/tmp/movie.mp4";
    r->isBigFile = true;
    r->timestamp = 77;
    r->isSelected = true;

    const ns::Dictionary stored = r->toNSDictionary();
    EXPECT_TRUE(stored.contains("sizelength"));
    EXPECT_FALSE(stored.contains("sizeLength"));
    EXPECT_FALSE(stored.contains("subFiles"));
    auto back = TAVOFileInfo::initWithDictionary(stored);
    EXPECT_EQ(back->toNSDictionary(), stored);
    EXPECT_EQ(back->sizeLength, 20000001);
    EXPECT_EQ(back->totalLength, 3000000123.0);
    EXPECT_EQ(back->timestamp, 0);
    EXPECT_FALSE(back->isSelected);

    auto copy = r->copy();
    EXPECT_EQ(copy->sizeLength, 0);
    EXPECT_EQ(copy->state, 6);
    EXPECT_EQ(copy->totalLength, r->totalLength);
    EXPECT_EQ(copy->timestamp, 0);
    EXPECT_FALSE(copy->isSelected);

    // The wrong spelling and mistyped keys read as nothing.
    auto odd = TAVOFileInfo::initWithDictionary(ns::Dictionary{
        {"sizeLength", 5000}, {"fileName", 7}, {"state", ns::Value::array({1})}, {"totalLength", "12"}});
    EXPECT_EQ(odd->sizeLength, 0);
    EXPECT_EQ(odd->fileName, "");
    EXPECT_EQ(odd->state, 0);
    EXPECT_EQ(odd->totalLength, 12);
}

TEST(FileUtilityTest, IconsAndSizeTexts) {
    EXPECT_EQ(TAVOFileCommonUtility::getFileTypeByString("D"), 1);
    EXPECT_EQ(TAVOFileCommonUtility::getLogoByName("Movie.MP4", 1), "ft_mp4");
    EXPECT_EQ(TAVOFileCommonUtility::getLogoByName("README", 1), "ic_type_unknown");
    EXPECT_EQ(TAVOFileCommonUtility::getLogoByName("a.xyz", 1), "ic_type_unknown");
    EXPECT_EQ(TAVOFileCommonUtility::getLogoByName("photos", 0), "ic_type_folder");
    EXPECT_EQ(TAVOFileCommonUtility::getLogoByName("a.jpg", 5), "ic_type_unknow");

    const std::vector<std::pair<float, std::string>> sizes = {
        {0.0f, "0.0KB"},          {1048575.0f, "1024.0KB"},  {1048576.0f, "1.0MB"},
        {1073741824.0f, "1024.0MB"}, {1073741825.0f, "1024.0MB"}, {1610612736.0f, "1.5GB"},
    };
    for (const auto& [bytes, text] : sizes) EXPECT_EQ(TAVOFileCommonUtility::getFileSizeString(bytes), text) << bytes;
}

TEST(FileUtilityTest, ClashingNamesAreNumbered) {
    struct Case {
        std::string added;
        std::vector<std::string> existing;
        std::string result;
    };
    const std::vector<Case> cases = {
        {"a.jpg", {"a.jpg"}, "a-1.jpg"},
        {"a.jpg", {"a.jpg", "a-1.jpg"}, "a-2.jpg"},
        {"a.jpg", {"a-7.jpg"}, "a-8.jpg"},
        {"a.jpg", {"b.jpg"}, "a.jpg"},
        {"a.jpg", {"ba.jpg"}, "a-1.jpg"},
        {"IMG_1.JPG", {"IMG_10.JPG"}, "IMG_1-1.JPG"},
        {"README", {"README"}, "README-1."},
    };
    for (const auto& c : cases) {
        std::vector<TAVOFileInfoPtr> existing;
        for (const auto& name : c.existing) existing.push_back(record(name));
        auto added = record(c.added);
        TAVOFileCommonUtility::reDefinationNames({added}, existing);
        EXPECT_EQ(added->fileName, c.result) << c.added;
    }
    // Two picked items of one name do not end up sharing it.
    auto first = record("p.jpg"), second = record("p.jpg");
    TAVOFileCommonUtility::reDefinationNames({first, second}, {record("p.jpg")});
    EXPECT_EQ(first->fileName, "p-1.jpg");
    EXPECT_EQ(second->fileName, "p-2.jpg");
}

TEST(FileUtilityTest, OnlyPlainNamesAreSafeLocalNames) {
    for (const char* bad : {"", ".", "..", ".router", "a/b", "../x", "/etc"})
        EXPECT_FALSE(TAVOFileCommonUtility::isSafeLocalName(bad)) << bad;
    for (const char* good : {"a.jpg", ".hidden", "...", "a b.mp4", "文件.txt"})
        EXPECT_TRUE(TAVOFileCommonUtility::isSafeLocalName(good)) << good;
    EXPECT_GT(TAVOFileCommonUtility::getTotalDiskSpaceInBytes(), 0);
}

TEST(FileStoreTest, ListsLiveUnderTheirKeysAndSurviveARestart) {
    auto store = TAVOFileManager::sharedInstance();
    EXPECT_EQ(store->getKeyOfType(0, 0, "/photos/"), "stop-upload-/photos/");
    EXPECT_EQ(store->getKeyOfType(1, 1, "Documents"), "fail-download-Documents");
    EXPECT_FALSE(store->getKeyOfType(2, 0, "/"));
    EXPECT_FALSE(store->getKeyOfType(0, 3, "/"));

    auto paused = record("a.jpg", "/photos/");
    paused->sizeLength = 2097152;
    store->saveFileInfo(paused, 0, 0, "/photos/");
    store->saveFileInfo(paused, 0, 0, "/photos/");
    store->saveFileInfo(record("b.jpg", "/photos/"), 0, 0, "/photos/");
    EXPECT_TRUE(store->getFileInfosOfType(0, 0, "/").empty());

    // What a later run of the application reads from the preferences file.
    auto reread = ns::UserDefaults::create();
    const ns::Value text = reread->objectForKey("stop-upload-/photos/");
    ASSERT_TRUE(text.isString());
    auto list = store->getFileInfosOfType(0, 0, "/photos/");
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0]->sizeLength, 2097152);
    EXPECT_NE(list[0], paused) << "fresh records on every read";

    store->deleteFileInfo(paused, 0, 0, "/photos/");
    ASSERT_EQ(store->getFileInfosOfType(0, 0, "/photos/").size(), 1u);
    store->deleteFileInfo(record("b.jpg"), 0, 0, "/photos/");
    EXPECT_EQ(ns::UserDefaults::standardUserDefaults()->objectForKey("stop-upload-/photos/").stringValue(), "[]");

    // Damaged values read as empty lists.
    for (const ns::Value& damaged : {ns::Value(5), ns::Value("not json"), ns::Value("{\"a\":1}"), ns::Value("[1,\"x\"]")}) {
        ns::UserDefaults::standardUserDefaults()->setObject(damaged, "fail-download-Documents");
        EXPECT_TRUE(store->getFileInfosOfType(1, 1, "Documents").empty());
    }
}

TEST(FileStoreTest, DocumentFolderScanSkipsTheProgramFolderNewestFirst) {
    const fs::path docs = ns::documentsDirectory();
    fs::create_directories(docs / ".router");
    writeWholeFile(docs / ".router" / ".localRouter", "secret");
    writeWholeFile(docs / "a.jpg", std::string(2048, 'a'));
    writeWholeFile(docs / "b.mov", std::string(10, 'b'));
    fs::create_directories(docs / "album");
    const auto now = fs::file_time_type::clock::now();
    fs::last_write_time(docs / "a.jpg", now - std::chrono::hours(48));
    fs::last_write_time(docs / "album", now - std::chrono::hours(24));
    fs::last_write_time(docs / "b.mov", now - std::chrono::hours(1));

    auto files = TAVOFileManager::sharedInstance()->getAllLocalFiles();
    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ(files[0]->fileName, "b.mov");
    EXPECT_EQ(files[1]->fileName, "album");
    EXPECT_EQ(files[1]->fileType, 0);
    EXPECT_EQ(files[1]->fileLogoUrl, "ic_type_folder");
    EXPECT_EQ(files[2]->fileName, "a.jpg");
    EXPECT_EQ(files[2]->sizeLength, 2048);
    EXPECT_EQ(files[2]->size, "2.0KB");
    for (const auto& f : files) {
        EXPECT_EQ(f->state, 5);
        EXPECT_EQ(f->totalLength, 0);
    }

    // Deleting never reaches past a plain name.
    auto store = TAVOFileManager::sharedInstance();
    EXPECT_FALSE(store->deleteFile(record(".router")));
    EXPECT_FALSE(store->deleteFile(record("../Library")));
    EXPECT_FALSE(store->deleteFile(record("missing.txt")));
    EXPECT_TRUE(store->deleteFile(record("a.jpg")));
    EXPECT_TRUE(fs::exists(docs / ".router" / ".localRouter"));
    EXPECT_FALSE(fs::exists(docs / "a.jpg"));
}

}  // namespace
}  // namespace keelbox::test
