// The small animated views: the gauge's angles and swings, the waiting
// dots' timing, the search label's layout and fades, the light band and
// the speed-up button's layers in each mode.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/graphics/Path.h"
#include "platform/ui/AnimationGroup.h"
#include "platform/ui/BasicAnimation.h"
#include "platform/ui/KeyframeAnimation.h"
#include "platform/ui/ShapeLayer.h"
#include "tests/support/Harness.h"
#include "widgets/TAVORotationView.h"
#include "widgets/TAVOSearchIntroduceLabel.h"
#include "widgets/TAVOSearchLightView.h"
#include "widgets/TAVOSpeedupButton.h"
#include "widgets/TAVOWaitingAnimationView.h"

namespace keelbox::test {
namespace {

double degrees(double radians) { return radians * 180 / std::numbers::pi; }
double radians(double degrees) { return degrees * std::numbers::pi / 180; }

const std::map<double, double> kGaugeTable = {{0, -30},   {64, 10},    {128, 50},    {256, 90},   {512, 130},
                                              {1024, 157}, {5120, 180}, {10240, 198}, {20480, 210}};

TEST(TAVORotationViewTest, TheGaugeLandsOnItsTableAngles) {
    auto gauge = TAVORotationView::create(cg::RectMake(0, 0, 100, 100));
    gauge->setDictionaryValueToAngle(kGaugeTable);
    EXPECT_EQ(gauge->sortedValues().front(), 0);
    EXPECT_EQ(gauge->sortedValues().size(), kGaugeTable.size());
    struct Case {
        double value;
        double degrees;
    };
    for (const Case c : {Case{96, 30}, Case{-5, -30}, Case{50000, 210}, Case{64, 10}, Case{0, -30}, Case{NAN, 210}})
        EXPECT_NEAR(degrees(gauge->angleFromValue(c.value)), c.degrees, 1e-9) << c.value;

    gauge->setDictionaryValueToAngle({});
    EXPECT_TRUE(gauge->sortedValues().empty());
    gauge->setValue(300);
    EXPECT_EQ(gauge->angle(), 0);
}

TEST(TAVORotationViewTest, AWideSwingPassesThroughTheMiddleAndTheCompletionFollows) {
    auto gauge = TAVORotationView::create(cg::RectMake(0, 0, 100, 100));
    gauge->setDictionaryValueToAngle(kGaugeTable);
    gauge->setValue(0);
    advance(1);

    int completions = 0;
    gauge->setValue(20480, 1.0, [&] { ++completions; });
    auto swing = std::dynamic_pointer_cast<ca::KeyframeAnimation>(
        gauge->layer()->animationForKey(TAVORotationView::kRotationAnimationKey));
    ASSERT_TRUE(swing);
    ASSERT_EQ(swing->values.size(), 3u);
    EXPECT_NEAR(degrees(std::get<double>(swing->values[1])), 90, 1e-9);
    EXPECT_EQ(swing->fillMode, ca::FillMode::Both);
    EXPECT_FALSE(swing->removedOnCompletion);
    EXPECT_NEAR(gauge->angle(), radians(210), 1e-9);
    advance(0.99);
    EXPECT_EQ(completions, 0);
    advance(0.01);
    EXPECT_EQ(completions, 1);

    gauge->setValue(64);
    gauge->setValue(128);
    swing = std::dynamic_pointer_cast<ca::KeyframeAnimation>(
        gauge->layer()->animationForKey(TAVORotationView::kRotationAnimationKey));
    ASSERT_EQ(swing->values.size(), 2u);
    EXPECT_NEAR(degrees(std::get<double>(swing->values[0])), 10, 1e-9);
    EXPECT_NEAR(degrees(std::get<double>(swing->values[1])), 50, 1e-9);
    EXPECT_NEAR(gauge->layer()->transform().m12, std::sin(radians(50)), 1e-9);
}

TEST(TAVOWaitingAnimationViewTest, ThreeDotsLightInTurnAndTheRunEndsAfterOneAndAHalfSeconds) {
    auto waiting = TAVOWaitingAnimationView::create(cg::RectMake(0, 0, 60, 20));
    waiting->setCircleRadius(3);
    waiting->setCircleColor(ui::Color::redColor());
    int done = 0;
    auto dots = [&] { return waiting->layer()->sublayers().size(); };

    waiting->animateWaiting(10, [&] { ++done; });
    EXPECT_EQ(dots(), 1u);
    advance(0.5);
    EXPECT_EQ(dots(), 2u);
    advance(0.5);
    EXPECT_EQ(dots(), 3u);
    advance(0.49);
    EXPECT_EQ(done, 0);
    advance(0.01);
    EXPECT_EQ(done, 1);

    auto last = std::dynamic_pointer_cast<ca::ShapeLayer>(waiting->layer()->sublayers().back());
    ASSERT_TRUE(last);
    EXPECT_EQ(last->path->boundingBox(), cg::RectMake(36, 7, 6, 6));
    auto light = std::dynamic_pointer_cast<ca::BasicAnimation>(last->animationForKey("fillColor"));
    ASSERT_TRUE(light);
    EXPECT_EQ(std::get<ui::Color>(light->fromValue), ui::Color::redColor().colorWithAlphaComponent(0.1));
    EXPECT_EQ(std::get<ui::Color>(light->toValue), ui::Color::redColor());

    // The next run clears the lit dots first; a run without a block ends quietly.
    waiting->animateWaiting(0);
    EXPECT_EQ(dots(), 1u);
    advance(2);
    EXPECT_EQ(dots(), 3u);
    EXPECT_EQ(done, 1);
}

TEST(TAVOSearchIntroduceLabelTest, IconAndTextAreCentredTogether) {
    struct Case {
        double textWidth;
        double iconX;
    };
    for (const Case c : {Case{200, 40}, Case{290, 10}, Case{201, 39}})
        EXPECT_EQ(TAVOSearchIntroduceLabel::iconX(320, c.textWidth, 30), c.iconX) << c.textWidth;

    auto label = TAVOSearchIntroduceLabel::create(cg::RectMake(0, 0, 320, 41));
    label->setRotationImage(ui::Image::imageNamed("home_testspeed_raypoint"));
    label->layoutIfNeeded();
    const auto icon = label->rotationView()->frame();
    EXPECT_EQ(icon.origin.y, 16);  // ceil((41 - 10) / 2)
    EXPECT_EQ(label->titleLabel()->frame(), cg::RectMake(icon.origin.x + 20, 0, 320 - icon.origin.x - 30, 20.5));
    EXPECT_EQ(label->infoLabel()->frame().origin.y, 20.5);
}

TEST(TAVOSearchIntroduceLabelTest, TheIconSpinsOnlyWhenItHasAPicture) {
    auto label = TAVOSearchIntroduceLabel::create(cg::RectMake(0, 0, 320, 40));
    label->setAlpha(0);
    label->startAnimation();
    advance(0.3);
    EXPECT_EQ(label->alpha(), 1);
    EXPECT_TRUE(label->rotationView()->layer()->animationKeys().empty());

    label->setRotationImage(ui::Image::imageNamed("home_testspeed_raypoint"));
    label->startAnimation();
    advance(0.3);
    auto spin = label->rotationView()->layer()->animationForKey(TAVOSearchIntroduceLabel::kRotationAnimationKey);
    ASSERT_TRUE(spin);
    EXPECT_EQ(spin->duration, 2.0);
    EXPECT_TRUE(spin->repeatsForever());

    label->stopAnimation();
    EXPECT_TRUE(label->rotationView()->layer()->animationForKey(TAVOSearchIntroduceLabel::kRotationAnimationKey));
    advance(0.3);
    EXPECT_EQ(label->alpha(), 0);
    EXPECT_TRUE(label->rotationView()->layer()->animationKeys().empty());
}

TEST(TAVOSearchLightViewTest, TheBandSlidesOverTheLabelUntilStopped) {
    auto light = TAVOSearchLightView::create(cg::RectMake(0, 0, 200, 40));
    light->iconIndicator()->setImage(ui::Image::imageNamed("home_testspeed_raypoint"));
    light->startAnimation();
    EXPECT_EQ(light->iconIndicator()->frame(), cg::RectMake(0, 0, 10, 40));
    EXPECT_EQ(light->infoLabel()->frame(), cg::RectMake(18, 0, 174, 40));
    auto band = light->infoLabel()->layer()->mask();
    ASSERT_TRUE(band);
    EXPECT_EQ(band->frame(), cg::RectMake(-200, 0, 400, 40));
    auto slide = std::dynamic_pointer_cast<ca::BasicAnimation>(band->animationForKey(TAVOSearchLightView::kSlideAnimationKey));
    ASSERT_TRUE(slide);
    EXPECT_EQ(std::get<double>(slide->byValue), 200);

    light->stopAnimation();
    advance(0.3);
    EXPECT_FALSE(light->infoLabel()->layer()->mask());
    EXPECT_EQ(light->shadowAsInverse()->frame(), cg::RectMake(0, 0, 200, 40));
}

TEST(TAVOSpeedupButtonTest, TheLayersFollowTheMode) {
    auto button = TAVOSpeedupButton::create(cg::RectMake(0, 0, 100, 40));
    button->setMode(TAVOSpeedupButton::ModeAnimating);
    auto animation = button->animationLayer();
    ASSERT_TRUE(animation);
    EXPECT_EQ(animation->frame(), button->bounds());
    EXPECT_EQ(animation->backgroundColor(), ui::Color::rgb255(76, 200, 31));
    // The creature and four dots.
    ASSERT_EQ(animation->sublayers().size(), 5u);
    EXPECT_EQ(button->shapeLayer()->position(), (cg::Point{15, 15}));
    auto chomp = button->shapeLayer()->animationForKey(TAVOSpeedupButton::kChompAnimationKey);
    ASSERT_TRUE(chomp);
    EXPECT_TRUE(chomp->autoreverses);
    EXPECT_EQ(chomp->duration, 0.2);
    EXPECT_TRUE(animation->sublayers()[1]->animationForKey(TAVOSpeedupButton::kMoveAndHideAnimationKey));
    for (std::size_t i = 2; i < 5; ++i) {
        auto move = std::dynamic_pointer_cast<ca::BasicAnimation>(
            animation->sublayers()[i]->animationForKey(TAVOSpeedupButton::kMoveAnimationKey));
        ASSERT_TRUE(move);
        EXPECT_EQ(std::get<cg::Point>(move->toValue).x, std::get<cg::Point>(move->fromValue).x - 15);
    }

    button->setMode(TAVOSpeedupButton::ModeBusy);
    ASSERT_TRUE(button->activityIndicator());
    EXPECT_TRUE(button->activityIndicator()->isAnimating());
    EXPECT_EQ(button->animationLayer(), animation) << "the creature keeps running under the spinner";
    button->setMode(TAVOSpeedupButton::ModeBusy);
    auto spinners = std::count_if(button->subviews().begin(), button->subviews().end(), [](const ui::ViewPtr& v) {
        return std::dynamic_pointer_cast<ui::ActivityIndicatorView>(v) != nullptr;
    });
    EXPECT_EQ(spinners, 1) << "busy twice still shows one spinner";

    button->setMode(TAVOSpeedupButton::ModeIdle);
    EXPECT_FALSE(button->activityIndicator());
    EXPECT_FALSE(button->animationLayer());
    EXPECT_EQ(animation->superlayer(), nullptr);

    button->setMode(5);
    EXPECT_EQ(button->mode(), 5);
    EXPECT_FALSE(button->animationLayer());
}

}  // namespace
}  // namespace keelbox::test
