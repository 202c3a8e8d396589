// A text view draws its text in its text colour, so notes and typed texts
// show in pictures of the screen; an empty one draws nothing.
#include <gtest/gtest.h>

#include "platform/graphics/GraphicsContextStack.h"
#include "platform/ui/TextView.h"

namespace {

std::vector<cg::RGBA> drawnPixels(ui::TextView& view) {
    cg::beginImageContext(view.bounds().size, false, 2);
    view.drawRect(view.bounds());
    auto image = cg::imageFromCurrentImageContext();
    cg::endImageContext();
    std::vector<cg::RGBA> pixels;
    for (std::size_t y = 0; y < image->height(); ++y)
        for (std::size_t x = 0; x < image->width(); ++x)
            if (image->pixel(x, y).a > 0.5) pixels.push_back(image->pixel(x, y));
    return pixels;
}

TEST(TextViewDrawing, TheTextShowsInItsColour) {
    auto view = ui::TextView::create(cg::RectMake(0, 0, 200, 80));
    EXPECT_TRUE(drawnPixels(*view).empty());
    view->setText("Faster Wi-Fi and fewer restarts.");
    view->textColor = ui::Color::redColor();
    const auto pixels = drawnPixels(*view);
    ASSERT_GT(pixels.size(), 20u);
    for (const auto& p : pixels) {
        EXPECT_NEAR(p.r, 1, 0.05);
        EXPECT_NEAR(p.g, 0, 0.05);
    }
}

}  // namespace
