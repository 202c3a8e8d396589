// An image view places its picture by its content mode.
#include <gtest/gtest.h>

#include "platform/ui/ImageView.h"

TEST(ImageViewContentModeTest, TheModeBecomesTheLayersGravity) {
    auto view = ui::ImageView::create(cg::RectMake(0, 0, 40, 40));
    EXPECT_EQ(view->layer()->contentsGravity(), "resize");
    const std::pair<ui::ContentMode, std::string> cases[] = {
        {ui::ContentMode::Center, "center"},
        {ui::ContentMode::ScaleAspectFit, "resizeAspect"},
        {ui::ContentMode::ScaleAspectFill, "resizeAspectFill"},
        {ui::ContentMode::Left, "left"},
        {ui::ContentMode::BottomRight, "bottomRight"},
        {ui::ContentMode::ScaleToFill, "resize"},
    };
    for (const auto& [mode, gravity] : cases) {
        view->setContentMode(mode);
        EXPECT_EQ(view->contentMode(), mode);
        EXPECT_EQ(view->layer()->contentsGravity(), gravity);
    }
}
