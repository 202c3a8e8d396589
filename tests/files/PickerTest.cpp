// The photo and video picker over a folder of generated photos and a fake
// video: albums without an item of the kind are left out, the count limit
// asks with an alert, items of 1 GiB or more are refused, and the upload
// button hands the chosen items over as dictionaries.
#include <gtest/gtest.h>

#include <filesystem>

#include "files/MPAlbumPickerController.h"
#include "files/MPAssetTablePickerCtroller.h"
#include "files/MPImagePickerController.h"
#include "tests/files/FilesFixture.h"
#include "uikit/MAAlertView.h"

namespace fs = std::filesystem;

namespace keelbox::test {
namespace {

struct PickerListener : MPImagePickerControllerDelegate {
    std::optional<std::vector<ns::Dictionary>> picked;
    bool cancelled = false;
    void mpImagePickerControllerDidFinishPickingMediaWithInfo(MPImagePickerController&,
                                                              const std::vector<ns::Dictionary>& info) override {
        picked = info;
    }
    void mpImagePickerControllerDidCancel(MPImagePickerController&) override { cancelled = true; }
};

class PickerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(app.launch());
        root = fs::path(sandboxHome()) / "media";
        ::setenv("KEELBOX_PICTURES_DIR", (root / "Pictures").c_str(), 1);
        ::setenv("KEELBOX_VIDEOS_DIR", (root / "Videos").c_str(), 1);
        for (int i = 1; i <= 6; ++i) writeWholeFile(root / "Pictures" / ("IMG_" + std::to_string(i) + ".jpg"), filePayload(1000 + i));
        writeWholeFile(root / "Pictures" / "Only videos" / "clip.mov", "movie");
        writeWholeFile(root / "Videos" / "film.mp4", "film");
        // Sparse files: the size without the bytes.
        for (auto [name, size] : {std::pair<const char*, std::uintmax_t>{"huge.jpg", 1073741824}, {"almost.jpg", 1073741823}}) {
            writeWholeFile(root / "Pictures" / "Big" / name, "");
            fs::resize_file(root / "Pictures" / "Big" / name, size);
        }
    }
    void TearDown() override {
        ::unsetenv("KEELBOX_PICTURES_DIR");
        ::unsetenv("KEELBOX_VIDEOS_DIR");
    }

    std::shared_ptr<MPAssetTablePickerCtroller> openAlbum(const MPImagePickerControllerPtr& picker, const std::string& name) {
        auto album = picker->albumPicker();
        present(picker);
        EXPECT_TRUE(app.screen().waitUntil([&] { return album->assetGroups().size() >= 2; }));
        for (std::size_t i = 0; i < album->assetGroups().size(); ++i)
            if (album->assetGroups()[i]->name() == name) album->openAlbum(static_cast<long>(i));
        app.screen().wait(0.5);
        auto grid = std::dynamic_pointer_cast<MPAssetTablePickerCtroller>(picker->viewControllers().back());
        EXPECT_TRUE(grid);
        if (grid) {
            EXPECT_TRUE(app.screen().waitUntil([&] { return grid->loaded(); }));
        }
        return grid;
    }

    void present(const MPImagePickerControllerPtr& picker) {
        app.screen().navigationStack().back()->presentViewController(picker, false);
        app.screen().wait(0.1);
    }

    AppFixture app;
    fs::path root;
};

TEST_F(PickerTest, AlbumsOfTheKindOnlyCameraRollFirst) {
    auto photos = MPImagePickerController::initImagePicker();
    present(photos);
    ASSERT_TRUE(app.screen().waitUntil([&] { return photos->albumPicker()->assetGroups().size() == 2; }));
    app.screen().wait(0.5);
    const auto& groups = photos->albumPicker()->assetGroups();
    EXPECT_EQ(groups[0]->name(), "相机胶卷");
    EXPECT_EQ(groups[1]->name(), "Big");
    EXPECT_EQ(photos->albumPicker()->titleLB()->text(), "图片");

    auto videos = MPImagePickerController::initVideoPicker();
    photos->dismissViewControllerAnimated(false);
    app.screen().wait(0.1);
    present(videos);
    ASSERT_TRUE(app.screen().waitUntil([&] { return videos->albumPicker()->assetGroups().size() == 2; }));
    std::vector<std::string> names;
    for (const auto& g : videos->albumPicker()->assetGroups()) names.push_back(g->name());
    EXPECT_EQ(names, (std::vector<std::string>{"Only videos", "Videos"}));
}

TEST_F(PickerTest, TheDefaultLimitIsFourAndTheFileTabsHasNone) {
    auto picker = MPImagePickerController::initImagePicker();
    EXPECT_EQ(picker->maximumImagesCount, 4);
    auto listener = std::make_shared<PickerListener>();
    picker->setImagePickerDelegate(listener);
    auto grid = openAlbum(picker, "相机胶卷");
    ASSERT_TRUE(grid);
    ASSERT_EQ(grid->mpAssets().size(), 6u);
    for (int i = 0; i < 4; ++i) grid->mpAssets()[i]->setSelected(true);
    EXPECT_EQ(grid->uploadBtn()->currentTitle(), "上传 (4)");
    grid->mpAssets()[4]->setSelected(true);
    EXPECT_FALSE(grid->mpAssets()[4]->selected());
    app.screen().wait(0.8);
    ASSERT_TRUE(app.screen().alert());
    EXPECT_EQ(app.screen().alert()->title(), "At most 4 items");
    app.screen().pressAlertButton("OK");

    picker->maximumImagesCount = 2147483647;
    grid->mpAssets()[4]->setSelected(true);
    EXPECT_TRUE(grid->mpAssets()[4]->selected());
    grid->mpAssets()[0]->setSelected(false);
    EXPECT_EQ(grid->uploadBtn()->currentTitle(), "上传 (4)");
    grid->doneAction();
    ASSERT_TRUE(listener->picked);
    ASSERT_EQ(listener->picked->size(), 4u);
    const auto& first = (*listener->picked)[0];
    EXPECT_EQ(first["pickerdataname"].stringValue(), "IMG_2.jpg");
    EXPECT_EQ(first["pikcerfilesize"].longLongValue(), 1002);
    EXPECT_EQ(first["pickerfileurl"].stringValue(), ui::AssetsLibrary::urlForPath((root / "Pictures" / "IMG_2.jpg").string()));
    EXPECT_EQ(first["UIImagePickerControllerMediaType"].stringValue(), "ALAssetTypePhoto");
}

TEST_F(PickerTest, ItemsOfOneGibibyteOrMoreAreRefused) {
    auto picker = MPImagePickerController::initImagePicker();
    auto grid = openAlbum(picker, "Big");
    ASSERT_TRUE(grid);
    ASSERT_EQ(grid->mpAssets().size(), 2u);
    auto byName = [&](const std::string& n) {
        for (const auto& a : grid->mpAssets())
            if (a->asset->defaultRepresentation()->filename() == n) return a;
        return MPAssetPtr();
    };
    byName("huge.jpg")->setSelected(true);
    EXPECT_FALSE(byName("huge.jpg")->selected());
    ASSERT_TRUE(grid->hud());
    EXPECT_EQ(grid->hud()->detailsLabelText(), "huge.jpg is too large (1 GB or more).");
    byName("almost.jpg")->setSelected(true);
    EXPECT_TRUE(byName("almost.jpg")->selected());
    EXPECT_EQ(grid->uploadBtn()->currentTitle(), "上传 (1)");

    // Nothing chosen: an empty hand-over, which the file tab answers.
    auto listener = std::make_shared<PickerListener>();
    picker->setImagePickerDelegate(listener);
    byName("almost.jpg")->setSelected(false);
    EXPECT_EQ(grid->uploadBtn()->currentTitle(), "上传");
    grid->doneAction();
    ASSERT_TRUE(listener->picked);
    EXPECT_TRUE(listener->picked->empty());
}

}  // namespace
}  // namespace keelbox::test
