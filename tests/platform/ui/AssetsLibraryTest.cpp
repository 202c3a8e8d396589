// The phone's albums over the pictures and videos folders: groups by
// folder with the camera roll first, kind filters, asset URLs and ranged
// reads, answers on a later turn of the main queue, and the switches that
// make an asset vanish or fail.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/ui/AssetsLibrary.h"
#include "tests/support/Harness.h"

namespace fs = std::filesystem;

namespace keelbox::test {
namespace {

void write(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

class AssetsLibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::path(sandboxHome()) / "media";
        ::setenv("KEELBOX_PICTURES_DIR", (root / "Pictures").c_str(), 1);
        ::setenv("KEELBOX_VIDEOS_DIR", (root / "Videos").c_str(), 1);
        write(root / "Pictures" / "a.jpg", std::string(300, 'a'));
        write(root / "Pictures" / "b.PNG", "png");
        write(root / "Pictures" / "notes.txt", "not media");
        write(root / "Pictures" / "Trip" / "c.jpeg", "c");
        write(root / "Pictures" / "Trip" / "clip.mov", "movie");
        write(root / "Videos" / "d.mp4", "dddd");
    }
    void TearDown() override {
        ::unsetenv("KEELBOX_PICTURES_DIR");
        ::unsetenv("KEELBOX_VIDEOS_DIR");
        ui::AssetsLibrary::clearTestSwitches();
    }
    fs::path root;
};

TEST_F(AssetsLibraryTest, GroupsAreFoldersWithTheCameraRollFirst) {
    auto library = ui::AssetsLibrary::create();
    std::vector<ui::AssetsGroupPtr> groups;
    bool done = false;
    library->enumerateGroupsWithTypes(
        ui::AssetsGroupAll,
        [&](const ui::AssetsGroupPtr& g) {
            if (g) groups.push_back(g);
            else done = true;
        },
        nullptr);
    EXPECT_FALSE(done) << "the library answers on a later turn";
    ASSERT_TRUE(runMainLoopUntil([&] { return done; }));
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(groups[0]->name(), ui::AssetsLibrary::kSavedPhotosName);
    EXPECT_EQ(groups[0]->type(), ui::AssetsGroupSavedPhotos);
    EXPECT_EQ(groups[1]->name(), "Trip");
    EXPECT_EQ(groups[2]->name(), "Videos");

    EXPECT_EQ(groups[0]->numberOfAssets(), 2) << "the text file is no asset";
    groups[1]->setAssetsFilter(ui::AssetsFilter::AllPhotos);
    EXPECT_EQ(groups[1]->numberOfAssets(), 1);
    groups[1]->setAssetsFilter(ui::AssetsFilter::AllVideos);
    ASSERT_EQ(groups[1]->numberOfAssets(), 1);
    auto clip = groups[1]->assets()[0];
    EXPECT_EQ(clip->type(), "ALAssetTypeVideo");
    EXPECT_TRUE(clip->thumbnail()) << "a generic picture for videos";
    groups[2]->setAssetsFilter(ui::AssetsFilter::AllPhotos);
    EXPECT_EQ(groups[2]->numberOfAssets(), 0);
}

TEST_F(AssetsLibraryTest, AssetsAreFoundByURLAndReadInRanges) {
    const std::string url = ui::AssetsLibrary::urlForPath((root / "Pictures" / "a.jpg").string());
    EXPECT_EQ(ui::AssetsLibrary::pathForURL(url), (root / "Pictures" / "a.jpg").string());
    EXPECT_FALSE(ui::AssetsLibrary::pathForURL("file:///etc/passwd"));

    auto library = ui::AssetsLibrary::create();
    ui::AssetPtr found;
    bool answered = false;
    library->assetForURL(url, [&](const ui::AssetPtr& a) { found = a, answered = true; }, nullptr);
    ASSERT_TRUE(runMainLoopUntil([&] { return answered; }));
    ASSERT_TRUE(found);
    auto rep = found->defaultRepresentation();
    EXPECT_EQ(rep->size(), 300);
    EXPECT_EQ(rep->filename(), "a.jpg");
    EXPECT_EQ(rep->url(), url);
    std::vector<std::uint8_t> buffer(1048576 + 1);
    ns::ErrorPtr error;
    EXPECT_EQ(rep->getBytes(buffer.data(), 0, 1048576, &error), 300u);
    EXPECT_EQ(rep->getBytes(buffer.data(), 290, 100, &error), 10u);
    EXPECT_EQ(rep->getBytes(buffer.data(), 400, 100, &error), 0u);
    EXPECT_FALSE(error);

    // A vanished asset answers with none; a failing one with an error.
    ui::AssetsLibrary::setAssetVanished(url, true);
    answered = false;
    library->assetForURL(url, [&](const ui::AssetPtr& a) { found = a, answered = true; }, nullptr);
    ASSERT_TRUE(runMainLoopUntil([&] { return answered; }));
    EXPECT_FALSE(found);
    ui::AssetsLibrary::setAssetVanished(url, false);
    ui::AssetsLibrary::setAssetFailing(url, true);
    bool failed = false;
    library->assetForURL(url, [&](const ui::AssetPtr&) { answered = true; }, [&](const ns::ErrorPtr& e) { failed = e != nullptr; });
    answered = false;
    ASSERT_TRUE(runMainLoopUntil([&] { return failed; }));
    EXPECT_FALSE(answered);

    // Neither folder there: the enumeration fails.
    ::setenv("KEELBOX_PICTURES_DIR", (root / "none").c_str(), 1);
    ::setenv("KEELBOX_VIDEOS_DIR", (root / "none2").c_str(), 1);
    bool enumerationFailed = false;
    library->enumerateGroupsWithTypes(ui::AssetsGroupAll, nullptr, [&](const ns::ErrorPtr&) { enumerationFailed = true; });
    EXPECT_TRUE(runMainLoopUntil([&] { return enumerationFailed; }));
}

}  // namespace
}  // namespace keelbox::test
