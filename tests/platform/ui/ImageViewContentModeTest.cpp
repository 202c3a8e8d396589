// An image view places its image in its bounds as its content mode says:
// the mode becomes its layer's contents gravity, which the renderer reads.
#include <gtest/gtest.h>

#include "platform/ui/ImageView.h"

TEST(ImageViewContentMode, TheModeBecomesTheLayersContentsGravity) {
    auto view = ui::ImageView::create(cg::RectMake(0, 0, 24, 30));
    EXPECT_EQ(view->layer()->contentsGravity(), "resize") << "scaled to fill by default";
    const std::vector<std::pair<ui::ContentMode, std::string>> cases{
        {ui::ContentMode::Top, "top"},           {ui::ContentMode::Center, "center"},
        {ui::ContentMode::Left, "left"},         {ui::ContentMode::ScaleAspectFit, "resizeAspect"},
        {ui::ContentMode::ScaleAspectFill, "resizeAspectFill"}, {ui::ContentMode::ScaleToFill, "resize"},
    };
    for (const auto& [mode, gravity] : cases) {
        view->setContentMode(mode);
        EXPECT_EQ(view->contentMode(), mode);
        EXPECT_EQ(view->layer()->contentsGravity(), gravity);
    }
}
