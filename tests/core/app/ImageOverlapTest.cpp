#include <gtest/gtest.h>

#include "core/app/ImageUtil.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "platform/graphics/Image.h"
#include "platform/ui/Image.h"

namespace {

std::shared_ptr<ui::Image> filled(const ui::Color& color, double width, double height, double scale = 1) {
    auto image = TAVOCommonUtility::createImageFromColor(color, {width * scale, height * scale});
    return ui::Image::imageWithCGImage(image->CGImage(), scale);
}

const cg::RGBA kRed{1, 0, 0, 1}, kBlue{0, 0, 1, 1}, kClear{0, 0, 0, 0};

// Which colour covers each pixel of the result: the overlay inside its
// rectangle, the base inside its own, transparent elsewhere.
void expectLayout(const std::shared_ptr<ui::Image>& result, const cg::Rect& basePixels, const cg::Rect& overlayPixels) {
    const auto& bitmap = result->CGImage();
    for (std::size_t y = 0; y < bitmap->height(); ++y) {
        for (std::size_t x = 0; x < bitmap->width(); ++x) {
            const cg::Point p{x + 0.5, y + 0.5};
            const cg::RGBA expected = cg::RectContainsPoint(overlayPixels, p) ? kBlue : cg::RectContainsPoint(basePixels, p) ? kRed : kClear;
            ASSERT_EQ(bitmap->pixel(x, y), expected) << "pixel " << x << "," << y;
        }
    }
}

}  // namespace

TEST(ImageOverlap, TheOverlayIsCentredOnTheLargerCanvasAndEnlargedOnlyWhenAllowed) {
    struct Case {
        const char* what;
        std::shared_ptr<ui::Image> base, overlay;
        bool allowScale;
        double width, height, scale;  // the result, in pixels
        cg::Rect basePixels, overlayPixels;
    };
    const std::vector<Case> cases{
        {"as drawn", filled(ui::Color::redColor(), 60, 40), filled(ui::Color::blueColor(), 30, 30), false, 60, 40, 1,
         cg::RectMake(0, 0, 60, 40), cg::RectMake(15, 5, 30, 30)},
        {"enlarged to fit", filled(ui::Color::redColor(), 60, 40), filled(ui::Color::blueColor(), 30, 30), true, 60, 40,
         1, cg::RectMake(0, 0, 60, 40), cg::RectMake(10, 0, 40, 40)},
        // Both are measured at the base's scale: a 15-point overlay covers
        // 30 pixels of a 2x base.
        {"base at 2x", filled(ui::Color::redColor(), 30, 20, 2), filled(ui::Color::blueColor(), 15, 15), false, 60, 40,
         2, cg::RectMake(0, 0, 60, 40), cg::RectMake(15, 5, 30, 30)},
        // An overlay wider than the base widens the canvas and is never scaled.
        {"wider overlay", filled(ui::Color::redColor(), 20, 20), filled(ui::Color::blueColor(), 30, 10), true, 30, 20, 1,
         cg::RectMake(5, 0, 20, 20), cg::RectMake(0, 5, 30, 10)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto result = ImageUtil::imageByOverlapping(c.base, c.overlay, c.allowScale);
        ASSERT_TRUE(result);
        EXPECT_EQ(result->CGImage()->width(), static_cast<std::size_t>(c.width));
        EXPECT_EQ(result->CGImage()->height(), static_cast<std::size_t>(c.height));
        EXPECT_EQ(result->scale(), c.scale);
        expectLayout(result, c.basePixels, c.overlayPixels);
    }
}

TEST(ImageOverlap, NoOverlayGivesTheBaseItself) {
    auto base = filled(ui::Color::redColor(), 10, 10);
    EXPECT_EQ(ImageUtil::imageByOverlapping(base, nullptr, true), base);
    EXPECT_EQ(ImageUtil::imageByOverlapping(nullptr, base, true), nullptr);
}
