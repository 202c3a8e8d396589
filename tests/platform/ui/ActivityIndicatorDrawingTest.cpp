// The activity indicator draws its spokes in its style's colour (or the
// colour set on it), so a spinner shows in pictures of the screen.
#include <gtest/gtest.h>

#include "platform/graphics/GraphicsContextStack.h"
#include "platform/ui/ActivityIndicatorView.h"

namespace {

// The opaque-enough pixels of a spinner drawn on nothing.
std::vector<cg::RGBA> drawnPixels(ui::ActivityIndicatorView& spinner) {
    cg::beginImageContext(spinner.bounds().size, false, 2);
    spinner.drawRect(spinner.bounds());
    auto image = cg::imageFromCurrentImageContext();
    cg::endImageContext();
    std::vector<cg::RGBA> pixels;
    for (std::size_t y = 0; y < image->height(); ++y)
        for (std::size_t x = 0; x < image->width(); ++x)
            if (image->pixel(x, y).a > 0.5) pixels.push_back(image->pixel(x, y));
    return pixels;
}

TEST(ActivityIndicatorDrawing, SpokesTakeTheStyleOrTheSetColour) {
    struct Case {
        ui::ActivityIndicatorViewStyle style;
        ui::OptionalColor color;
        cg::RGBA expected;
    };
    const Case cases[] = {
        {ui::ActivityIndicatorViewStyle::Gray, std::nullopt, {0.5, 0.5, 0.5, 1}},
        {ui::ActivityIndicatorViewStyle::WhiteLarge, std::nullopt, {1, 1, 1, 1}},
        {ui::ActivityIndicatorViewStyle::White, ui::Color::redColor(), {1, 0, 0, 1}},
    };
    for (const auto& c : cases) {
        auto spinner = ui::ActivityIndicatorView::createWithStyle(c.style);
        spinner->color = c.color;
        const auto pixels = drawnPixels(*spinner);
        ASSERT_GT(pixels.size(), 20u) << int(c.style);
        for (const auto& p : pixels) {
            EXPECT_NEAR(p.r, c.expected.r, 0.05);
            EXPECT_NEAR(p.g, c.expected.g, 0.05);
            EXPECT_NEAR(p.b, c.expected.b, 0.05);
        }
    }
}

}  // namespace
