// The spinner draws its spokes: brightest at twelve o'clock, in its colour.
#include <gtest/gtest.h>

#include "platform/render/LayerRenderer.h"
#include "platform/ui/ActivityIndicatorView.h"

namespace {

TEST(ActivityIndicatorDrawing, DrawsSpokesInItsColour) {
    auto spinner = ui::ActivityIndicatorView::createWithStyle(ui::ActivityIndicatorViewStyle::WhiteLarge);
    spinner->color = ui::Color::rgba(1, 0, 0);
    spinner->startAnimating();
    auto image = cg::LayerRenderer::snapshotView(*spinner, 2);
    ASSERT_TRUE(image);
    // 37 points at scale 2: the top spoke runs down the middle column.
    cg::RGBA top = image->pixel(37, 8);
    EXPECT_GT(top.r, 0.9);
    EXPECT_LT(top.g, 0.1);
    EXPECT_GT(top.a, 0.9);
    EXPECT_LT(image->pixel(37, 37).a, 0.05) << "the middle stays clear";
}

}  // namespace
