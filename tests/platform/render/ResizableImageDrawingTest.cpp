// A resizable image keeps its caps when a view stretches it: the caps at
// their own size, only the middle stretched.
#include <gtest/gtest.h>

#include "platform/graphics/Context.h"
#include "platform/render/LayerRenderer.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"

namespace {

// Three points wide, one high: red, blue, green (scale 2).
ui::ImagePtr stripes() {
    auto ctx = cg::Context::createImageContext({3, 1}, true, 2);
    const double colours[3][3] = {{1, 0, 0}, {0, 0, 1}, {0, 1, 0}};
    for (int i = 0; i < 3; ++i) {
        ctx->setRGBFillColor(colours[i][0], colours[i][1], colours[i][2], 1);
        ctx->fillRect(cg::RectMake(i, 0, 1, 1));
    }
    return ui::Image::imageWithCGImage(ctx->createImage(), 2);
}

cg::RGBA at(const cg::Image& image, double xPoints) { return image.pixel(std::size_t(xPoints * 2), 1); }

TEST(ResizableImageDrawing, StretchesOnlyTheMiddleBetweenTheCaps) {
    auto view = ui::ImageView::create(cg::RectMake(0, 0, 30, 1));
    view->setImage(stripes()->stretchableImageWithLeftCapWidth(1, 0));
    auto image = cg::LayerRenderer::snapshotView(*view, 2);
    ASSERT_TRUE(image);
    EXPECT_GT(at(*image, 0.5).r, 0.9);
    EXPECT_GT(at(*image, 3).b, 0.9) << "past the left cap: the stretched middle";
    EXPECT_GT(at(*image, 15).b, 0.9);
    EXPECT_GT(at(*image, 27).b, 0.9);
    EXPECT_GT(at(*image, 29.5).g, 0.9);

    // A cap as wide as the image stretches its last column.
    view->setImage(stripes()->stretchableImageWithLeftCapWidth(3, 0));
    image = cg::LayerRenderer::snapshotView(*view, 2);
    ASSERT_TRUE(image);
    EXPECT_GT(at(*image, 0.5).r, 0.9);
    EXPECT_GT(at(*image, 1.5).b, 0.9);
    EXPECT_GT(at(*image, 15).g, 0.9);
    EXPECT_GT(at(*image, 29.5).g, 0.9);
}

}  // namespace
