// The spinner view and the six toast looks of the HUD.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "platform/ui/BasicAnimation.h"
#include "platform/ui/ImageView.h"
#include "tests/support/Harness.h"
#include "widgets/CircleView.h"
#include "widgets/CustomizedHUD.h"

namespace keelbox::test {
namespace {

TEST(CircleView, HoldsExactlyOneEndlessRotationOfTwoTurnsPerCycle) {
    auto circle = CircleView::create(cg::RectMake(0, 0, 40, 40));
    EXPECT_EQ(circle->subviews(), (std::vector<ui::ViewPtr>{circle->bgImageView(), circle->circleImageView()}));
    EXPECT_EQ(circle->circleImageView()->contentMode(), ui::ContentMode::Center);
    circle->stopAnimation();
    EXPECT_FALSE(circle->isAnimating()) << "stopping a still spinner changes nothing";

    circle->startAnimation();
    circle->startAnimation();
    const auto& layer = circle->circleImageView()->layer();
    ASSERT_EQ(layer->animationKeys(), std::vector<std::string>{CircleView::kRotationKey});
    auto rotation = std::dynamic_pointer_cast<ca::BasicAnimation>(layer->animationForKey(CircleView::kRotationKey));
    ASSERT_TRUE(rotation);
    EXPECT_EQ(rotation->keyPath, "transform.rotation.z");
    EXPECT_EQ(std::get<double>(rotation->fromValue), 0);
    EXPECT_EQ(std::get<double>(rotation->toValue), 4 * std::numbers::pi);
    EXPECT_EQ(rotation->duration, 2.0);
    EXPECT_EQ(rotation->timingFunction, ca::TimingFunction::Linear);
    EXPECT_TRUE(rotation->repeatsForever());
    advance(10);
    EXPECT_TRUE(circle->isAnimating());
    circle->stopAnimation();
    EXPECT_TRUE(layer->animationKeys().empty());
}

std::string imageShownBy(const ui::ViewPtr& view) {
    auto imageView = std::dynamic_pointer_cast<ui::ImageView>(view);
    return imageView && imageView->image() ? imageView->image()->name() : "";
}

TEST(CustomizedHUD, EachTypeHasItsLook) {
    struct Case {
        int type;
        int mode;
        std::string icon;  // "circle" for the spinning circle
        ui::OptionalColor box;
        ui::Color details;
        bool dimmed;
    };
    const ui::Color white = ui::Color::whiteColor(), black = ui::Color::blackColor();
    const ui::Color dark = black.colorWithAlphaComponent(0.7);
    const std::vector<Case> cases{
        {0, PGProgressHUDModeCustomView, "InfoIcon.png", white, black, true},
        {1, PGProgressHUDModeCustomView, "warningIcon.png", white, black, true},
        {2, PGProgressHUDModeCustomView, "circle", white, black, true},
        {3, PGProgressHUDModeIndeterminate, "", ui::Color::clearColor(), black, false},
        {4, PGProgressHUDModeCustomView, "warningIcon.png", dark, white, true},
        {5, PGProgressHUDModeCustomView, "InfoIcon.png", dark, white, true},
        {9, PGProgressHUDModeIndeterminate, "", white, black, true},
    };
    auto host = ui::View::create(cg::RectMake(0, 0, 320, 480));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        auto hud = CustomizedHUD::showHUDAddedTo(host, c.type, false);
        ASSERT_TRUE(hud);
        hud->setDetailsLabelText("Saved");
        EXPECT_EQ(hud->superview(), host);
        EXPECT_EQ(hud->type(), c.type);
        EXPECT_EQ(hud->mode(), c.mode);
        EXPECT_EQ(hud->color(), c.box);
        EXPECT_EQ(hud->detailsLabelColor(), c.details);
        EXPECT_EQ(hud->dimBackground(), c.dimmed);
        EXPECT_EQ(hud->labelFont().pointSize(), 13);
        EXPECT_EQ(hud->detailsLabelFont().pointSize(), 13);
        if (c.icon == "circle") {
            auto circle = std::dynamic_pointer_cast<CircleView>(hud->customView());
            ASSERT_TRUE(circle);
            EXPECT_TRUE(circle->isAnimating());
            EXPECT_EQ(imageShownBy(circle->circleImageView()), "loadingIcon_white");
        } else if (!c.icon.empty()) {
            EXPECT_EQ(imageShownBy(hud->customView()), c.icon);
            EXPECT_EQ(hud->customView()->frame(), cg::RectMake(0, 0, 24, 30));
            EXPECT_EQ(hud->customView()->contentMode(), ui::ContentMode::Top);
        }
        if (c.type == 3) {
            EXPECT_EQ(hud->defaultIndicatorColor(), ui::OptionalColor(ui::Color::grayColor()));
        }
        hud->hide(false);
    }
}

TEST(CustomizedHUD, HidingForAViewTakesTheLastOneAdded) {
    auto host = ui::View::create(cg::RectMake(0, 0, 320, 480));
    EXPECT_FALSE(CustomizedHUD::hideHUDForView(host, false));
    auto first = CustomizedHUD::showHUDAddedTo(host, 0, false);
    auto second = CustomizedHUD::showHUDAddedTo(host, 1, false);
    EXPECT_TRUE(CustomizedHUD::hideHUDForView(host, false));
    EXPECT_FALSE(second->superview());
    EXPECT_EQ(first->superview(), host);
}

TEST(CustomizedHUD, AtTheBottomPositionOnlyTheBoxMoves) {
    auto host = ui::View::create(cg::RectMake(0, 0, 320, 480));
    auto hud = CustomizedHUD::showHUDAddedTo(host, 1, 1, false);
    hud->setDetailsLabelText("Saved");
    hud->layoutIfNeeded();
    const cg::Size box = hud->size();
    ASSERT_GT(box.height, 0);
    EXPECT_EQ(hud->getBoxRect(host->bounds()),
              cg::RectMake(std::round((320 - box.width) / 2), std::round(480 - box.height - 20), box.width, box.height));
    hud->setPostion(0);
    EXPECT_EQ(hud->getBoxRect(host->bounds()).origin.y, std::round((480 - box.height) / 2));
}

}  // namespace
}  // namespace keelbox::test
