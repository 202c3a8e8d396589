// Capturing a view tree into an image: the size at whole and fractional
// scales, the layer's own space (its frame and transform left out), the
// visible part of a scrolled view, and the current image context route.
#include <gtest/gtest.h>

#include "platform/graphics/GraphicsContextStack.h"
#include "platform/render/LayerRenderer.h"

namespace {

bool isColour(const cg::RGBA& p, double r, double g, double b) {
    return p.a > 0.98 && std::abs(p.r - r) < 0.02 && std::abs(p.g - g) < 0.02 && std::abs(p.b - b) < 0.02;
}

// A red 30 x 21 view with a blue 15 x 9 child in its top right corner,
// placed off the origin and turned inside a container that is not captured.
struct ViewTree {
    std::shared_ptr<ui::View> container = ui::View::create(cg::RectMake(0, 0, 200, 200));
    std::shared_ptr<ui::View> root = ui::View::create(cg::RectMake(50, 40, 30, 21));
    std::shared_ptr<ui::View> child = ui::View::create(cg::RectMake(15, 0, 15, 9));
    ViewTree() {
        container->setBackgroundColor(ui::Color::greenColor());
        root->setBackgroundColor(ui::Color::redColor());
        child->setBackgroundColor(ui::Color::blueColor());
        root->addSubview(child);
        container->addSubview(root);
        root->layer()->setAffineTransform(cg::AffineTransformMakeRotation(0.5));
    }
};

}  // namespace

TEST(ViewSnapshot, WholeScaleGivesBoundsTimesScaleInTheViewsOwnSpace) {
    ViewTree tree;
    auto image = cg::LayerRenderer::snapshotView(*tree.root, 2);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width(), 60u);
    EXPECT_EQ(image->height(), 42u);
    EXPECT_DOUBLE_EQ(image->scale(), 2);
    EXPECT_TRUE(isColour(image->pixel(5, 5), 1, 0, 0));
    EXPECT_TRUE(isColour(image->pixel(40, 5), 0, 0, 1));
    EXPECT_TRUE(isColour(image->pixel(40, 30), 1, 0, 0));
    EXPECT_TRUE(isColour(image->pixel(59, 41), 1, 0, 0));  // no container green, no turn

    // A scrolled view shows the part its bounds look at.
    tree.root->setBounds(cg::RectMake(15, 0, 30, 21));
    auto scrolled = cg::LayerRenderer::snapshotView(*tree.root, 2);
    ASSERT_TRUE(scrolled);
    EXPECT_TRUE(isColour(scrolled->pixel(5, 5), 0, 0, 1));
    EXPECT_TRUE(isColour(scrolled->pixel(40, 5), 1, 0, 0));  // the background fills the bounds

    EXPECT_FALSE(cg::LayerRenderer::snapshotView(*ui::View::create(), 2));
}

TEST(ViewSnapshot, ThirdOfScreenScaleThroughTheCurrentImageContext) {
    ViewTree tree;
    cg::setMainScreenScale(2);
    cg::beginImageContext(tree.root->bounds().size, false, cg::mainScreenScale() / 3);
    auto ctx = cg::currentContext();
    ASSERT_TRUE(ctx);
    cg::LayerRenderer::renderInContext(*ctx, *tree.root->layer());
    auto image = cg::imageFromCurrentImageContext();
    cg::endImageContext();
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width(), 20u);   // 30 points at 2/3
    EXPECT_EQ(image->height(), 14u);  // 21 points at 2/3
    EXPECT_NEAR(image->size().width, 30, 1e-9);
    EXPECT_TRUE(isColour(image->pixel(2, 2), 1, 0, 0));
    EXPECT_TRUE(isColour(image->pixel(15, 2), 0, 0, 1));  // child: pixels 10..20 x 0..6
    EXPECT_TRUE(isColour(image->pixel(15, 10), 1, 0, 0));
    EXPECT_TRUE(isColour(image->pixel(19, 13), 1, 0, 0));
}
