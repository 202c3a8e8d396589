// The dashboard button's picture, caption and badge geometry (the badge
// asked for before any caption included), and the header strip's title and
// subtitle frames and background.
#include <gtest/gtest.h>

#include "core/crypto/TAVOCommonUtility.h"
#include "tests/support/Harness.h"
#include "widgets/TAVOButton.h"
#include "widgets/TAVOHeadContentView.h"
#include "widgets/UIImageUtil.h"

namespace keelbox::test {
namespace {

ui::ImagePtr picture(double width, double height) {
    return TAVOCommonUtility::createImageFromColor(ui::Color::redColor(), {width, height});
}

bool isSubview(const ui::ViewPtr& parent, const ui::ViewPtr& child) {
    for (const auto& v : parent->subviews())
        if (v == child) return true;
    return false;
}

TEST(TAVOButtonTest, PictureCaptionAndBadgeTakeTheirPlaces) {
    auto button = TAVOButton::create(cg::RectMake(0, 0, 80, 70));
    auto image = picture(44, 44);
    button->setButtonImage(image);
    button->setContent("Devices");
    button->indicator();
    button->setIndicatorSpaceSize({2, 3});
    button->layoutIfNeeded();

    EXPECT_EQ(button->imageForState(ui::ControlStateNormal), image);
    const auto pressed = button->imageForState(ui::ControlStateHighlighted);
    ASSERT_TRUE(pressed);
    EXPECT_NE(pressed, image);
    EXPECT_EQ(pressed->size(), image->size());
    // The picture's frame only places the badge; the button shows its image.
    EXPECT_EQ(button->buttonImageView()->frame(), cg::RectMake(18, 0, 44, 44));
    EXPECT_FALSE(button->buttonImageView()->superview());

    const auto& container = button->containerView();
    EXPECT_EQ(button->subviews().front(), container);
    EXPECT_FALSE(container->isUserInteractionEnabled());
    EXPECT_EQ(container->frame(), button->bounds());
    EXPECT_TRUE(isSubview(container, button->contentLabel()));
    EXPECT_EQ(button->contentLabel()->frame(), cg::RectMake(0, 56, 80, 14));
    EXPECT_EQ(button->contentLabel()->text(), "Devices");

    const auto& badge = button->indicator();
    button->setNeedsLayout();
    button->layoutIfNeeded();
    EXPECT_TRUE(isSubview(container, badge));
    EXPECT_EQ(badge->center(), (cg::Point{62 + 15 + 2, 3 + 5}));
}

TEST(TAVOButtonTest, ABadgeBeforeAnyCaptionMakesItsContainerAndSizesToItsText) {
    auto button = TAVOButton::create(cg::RectMake(0, 0, 80, 70));
    const auto& badge = button->indicator();  // no setContent: yet
    ASSERT_TRUE(button->containerView());
    EXPECT_TRUE(isSubview(button->containerView(), badge));
    EXPECT_EQ(badge->frame().size, cg::Size(30, 30));

    badge->setMinSize({20, 20});
    button->setIndicatorText("3");  // narrower than the least size
    EXPECT_EQ(badge->frame().size, cg::Size(20, 20));
    EXPECT_EQ(badge->content(), "3");

    button->setIndicatorText("12345");
    const cg::Size text = badge->indicatorFont().sizeOfString("12345");
    EXPECT_EQ(badge->frame().size, cg::Size(text.width + 5, text.height));

    // Setting the badge's text on a fresh button makes the container too.
    auto fresh = TAVOButton::create(cg::RectMake(0, 0, 80, 70));
    fresh->setIndicatorText("7");
    ASSERT_TRUE(fresh->containerView());
    EXPECT_EQ(fresh->indicator()->content(), "7");
    fresh->setContent("Guests");
    EXPECT_EQ(fresh->contentLabel()->superview(), fresh->containerView());
}

TEST(TAVOHeadContentViewTest, SubtitleSplitsTheStripUntilATitleWithoutOne) {
    auto head = TAVOHeadContentView::create(cg::RectMake(0, 0, 320, 60));
    const double titleX = 27 + 15;
    const cg::Rect full = cg::RectMake(titleX, 0, 320 - titleX, 60);
    EXPECT_EQ(head->iconView()->frame(), cg::RectMake(0, 0, 27, 60));
    EXPECT_EQ(head->titleLabel()->frame(), full);

    head->setSubTitle("Last changed today");
    EXPECT_EQ(head->titleLabel()->frame(), cg::RectMake(titleX, 0, 320 - titleX, 40));
    EXPECT_EQ(head->subTitleLabel()->frame(), cg::RectMake(titleX, 35, 320 - titleX, 20));
    EXPECT_FALSE(head->subTitleLabel()->isHidden());

    // An empty subtitle changes nothing shown until the next title.
    head->setSubTitle("");
    EXPECT_FALSE(head->subTitleLabel()->isHidden());
    head->setTitle("Router");
    EXPECT_TRUE(head->subTitleLabel()->isHidden());
    EXPECT_EQ(head->titleLabel()->frame(), full);
}

TEST(TAVOHeadContentViewTest, TheBackgroundComesAndGoesBehindTheContent) {
    auto head = TAVOHeadContentView::create(cg::RectMake(0, 0, 320, 60));
    head->setBgImage(nullptr);
    EXPECT_FALSE(head->bgView());
    auto bg = picture(320, 60);
    head->setBgImage(bg);
    ASSERT_TRUE(head->bgView());
    EXPECT_EQ(head->subviews().front(), head->bgView());
    head->setBgImage(nullptr);
    EXPECT_FALSE(head->bgView()->superview());
    head->setBgImage(bg);
    EXPECT_EQ(head->subviews().front(), head->bgView());
    EXPECT_EQ(head->bgView()->image(), bg);
}

}  // namespace
}  // namespace keelbox::test
