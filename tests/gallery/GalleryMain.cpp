// The gallery: one PNG per registered state, named after it, in the folder
// given by --gallery-dir=DIR (else KEELBOX_GALLERY_DIR, else "gallery").
// Each state is one test, on the harness's fresh sandbox and virtual clock;
// it fails when the state cannot be produced, when its picture is blank,
// or when producing it looked up a string key or an image the bundle lacks.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <set>
#include <string>

#include "platform/foundation/ResourceLookupLog.h"
#include "platform/render/LayerRenderer.h"
#include "tests/gallery/CutTexts.h"
#include "tests/gallery/GalleryRegistry.h"
#include "tests/gallery/ScreenPicture.h"
#include "tests/support/Harness.h"

namespace keelbox::gallery {

namespace {

std::string joined(const std::set<std::string>& items) {
    std::string text;
    for (const auto& item : items) text += "\n  " + item;
    return text;
}

class GalleryStateTest : public ::testing::Test {
public:
    GalleryStateTest(GalleryState state, std::filesystem::path folder)
        : state_(std::move(state)), folder_(std::move(folder)) {}

    void TestBody() override {
        ns::ResourceLookupLog::clear();
        test::AppFixture app;
        state_.produce(app);
        if (HasFatalFailure()) return;
        test::drainMainLoop();

        auto picture = ScreenPicture::take();
        ASSERT_TRUE(picture) << "no picture could be drawn";
        std::error_code error;
        std::filesystem::create_directories(folder_, error);
        const auto file = folder_ / (state_.name + ".png");
        EXPECT_TRUE(cg::LayerRenderer::writePNG(picture, file.string())) << "cannot write " << file;
        EXPECT_FALSE(ScreenPicture::isBlank(*picture)) << state_.name << " renders blank";
        for (const auto& text : cutTextsOnScreen()) std::cout << "cut text in " << state_.name << ": " << text << '\n';

        const auto strings = ns::ResourceLookupLog::missingStrings();
        const auto images = ns::ResourceLookupLog::missingImages();
        EXPECT_TRUE(strings.empty()) << "string keys missing from the table:" << joined(strings);
        EXPECT_TRUE(images.empty()) << "images missing from the bundle:" << joined(images);
    }

private:
    GalleryState state_;
    std::filesystem::path folder_;
};

std::filesystem::path galleryFolder(int argc, char** argv) {
    const std::string flag = "--gallery-dir=";
    for (int i = 1; i < argc; ++i)
        if (std::string arg = argv[i]; arg.rfind(flag, 0) == 0) return arg.substr(flag.size());
    if (const char* env = std::getenv("KEELBOX_GALLERY_DIR"); env && *env) return env;
    return "gallery";
}

}  // namespace

}  // namespace keelbox::gallery

int main(int argc, char** argv) {
    using namespace keelbox::gallery;
    ::testing::InitGoogleTest(&argc, argv);
    const auto folder = std::filesystem::absolute(galleryFolder(argc, argv));

    registerAppGalleryStates();
    registerUikitAlertGalleryStates();
    registerUikitHudGalleryStates();
    registerUikitTabsGalleryStates();
    registerUikitTextGalleryStates();
    registerWidgetsFrameGalleryStates();
    registerWidgetsPartsGalleryStates();
    registerWidgetsViewsTwoGalleryStates();
    registerWidgetsViewsOneGalleryStates();
    registerWidgetsPopupGalleryStates();
    registerHomeScreensGalleryStates();
    registerHomeViewsGalleryStates();
    registerAccountGalleryStates();
    registerWifiSettingsGalleryStates();
    registerFilesGalleryStates();
    registerSettingsGalleryStates();
    registerSafetyGalleryStates();
    registerWifiDevicesGalleryStates();
    if (!GalleryRegistry::problems().empty()) {
        for (const auto& problem : GalleryRegistry::problems()) std::cerr << "gallery state refused: " << problem << "\n";
        return 1;
    }
    for (const auto& state : GalleryRegistry::states()) {
        ::testing::RegisterTest("Gallery", state.name.c_str(), nullptr, nullptr, __FILE__, __LINE__,
                                [state, folder]() -> GalleryStateTest* { return new GalleryStateTest(state, folder); });
    }
    ::testing::AddGlobalTestEnvironment(new keelbox::test::HarnessEnvironment());
    ::testing::UnitTest::GetInstance()->listeners().Append(new keelbox::test::PerTestReset());
    return RUN_ALL_TESTS();
}
