// What running animations show at a moment, written into the models and
// put back: timing (begin, repeats, reverse, fills), groups, key frames and
// the kinds of values mixed.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "platform/graphics/BezierPath.h"
#include "platform/ui/AnimationGroup.h"
#include "platform/ui/BasicAnimation.h"
#include "platform/ui/GradientLayer.h"
#include "platform/ui/KeyframeAnimation.h"
#include "platform/ui/LayerPresentation.h"
#include "platform/ui/ShapeLayer.h"

namespace {

std::shared_ptr<const cg::Path> circle(double radius) {
    return std::make_shared<const cg::Path>(
        cg::BezierPath::bezierPathWithArcCenter({50, 50}, radius, 0, 2 * std::numbers::pi, false)->CGPath());
}

double arcRadius(const cg::Path& path) {
    for (const auto& e : path.elements())
        if (e.type == cg::PathElementType::AddArc) return e.arc.radius;
    return -1;
}

std::shared_ptr<ca::BasicAnimation> basic(const std::string& keyPath, ca::AnimationValue from, ca::AnimationValue to) {
    auto a = ca::BasicAnimation::animationWithKeyPath(keyPath);
    a->fromValue = std::move(from);
    a->toValue = std::move(to);
    a->timingFunction = ca::TimingFunction::Linear;
    return a;
}

TEST(LayerPresentationTest, AnEndlessGroupShowsItsPhaseAndTheModelComesBack) {
    auto ring = ca::ShapeLayer::create();
    ring->path = circle(10);
    auto group = ca::AnimationGroup::animation();
    group->animations = {basic("path", circle(20), circle(60)), basic("opacity", 1.0, 0.0)};
    group->duration = 4;
    group->repeatCount = HUGE_VAL;
    group->removedOnCompletion = false;
    const double start = ca::currentMediaTime();
    group->beginTime = start + 1;  // a second late
    ring->addAnimation(group, "wave");

    // Before its begin, without a backwards fill, the model shows.
    auto undo = ca::LayerPresentation::apply(ring, start + 0.5);
    EXPECT_EQ(arcRadius(*ring->path), 10);
    EXPECT_EQ(ring->opacity(), 1);
    undo();

    // A quarter into the third cycle.
    undo = ca::LayerPresentation::apply(ring, start + 1 + 8 + 1);
    EXPECT_NEAR(arcRadius(*ring->path), 30, 1e-9);
    EXPECT_NEAR(ring->opacity(), 0.75, 1e-9);
    undo();
    EXPECT_EQ(arcRadius(*ring->path), 10);
    EXPECT_EQ(ring->opacity(), 1);
}

TEST(LayerPresentationTest, TimingOfSingleAnimations) {
    struct Case {
        const char* name;
        bool autoreverses;
        double repeatCount;
        ca::FillMode fill;
        double at;                     // seconds after the begin
        std::optional<double> opacity;  // none: nothing shown
    };
    const Case cases[] = {
        {"midway", false, 0, ca::FillMode::Removed, 1, 0.5},
        {"over without a fill", false, 0, ca::FillMode::Removed, 3, std::nullopt},
        {"over with a forwards fill", false, 0, ca::FillMode::Forwards, 3, 0.0},
        {"on the way back", true, 1, ca::FillMode::Removed, 3, 0.5},
        {"second repeat", false, 2, ca::FillMode::Removed, 2.5, 0.75},
        {"before the begin, backwards fill", false, 0, ca::FillMode::Both, -1, 1.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto fade = basic("opacity", 1.0, 0.0);
        fade->duration = 2;
        fade->autoreverses = c.autoreverses;
        fade->repeatCount = c.repeatCount;
        fade->fillMode = c.fill;
        auto values = ca::LayerPresentation::valuesAt(*fade, c.at);
        if (!c.opacity) {
            EXPECT_TRUE(values.empty());
            continue;
        }
        ASSERT_EQ(values.size(), 1u);
        EXPECT_EQ(values[0].first, "opacity");
        EXPECT_NEAR(std::get<double>(values[0].second), *c.opacity, 1e-9);
    }
}

TEST(LayerPresentationTest, KeyFramesScalesAndColourListsOnTheirLayers) {
    auto scale = ca::KeyframeAnimation::animationWithKeyPath("transform.scale");
    scale->values = {0.0, 1.0, 5.0};
    scale->keyTimes = {0, 0.2, 1.0};
    scale->duration = 10;
    auto at = [&](double t) { return std::get<double>(ca::LayerPresentation::valuesAt(*scale, t).at(0).second); };
    EXPECT_NEAR(at(1), 0.5, 1e-9);
    EXPECT_NEAR(at(6), 3.0, 1e-9);

    auto layer = ca::Layer::create();
    layer->setPosition({40, 40});
    layer->addAnimation(scale, "grow");
    auto undo = ca::LayerPresentation::apply(layer, ca::currentMediaTime() + 6);
    EXPECT_NEAR(layer->transform().m11, 3.0, 1e-9);
    EXPECT_NEAR(layer->transform().m22, 3.0, 1e-9);
    undo();
    EXPECT_TRUE(ca::Transform3DIsIdentity(layer->transform()));

    auto gradient = ca::GradientLayer::create();
    gradient->colors = {ui::Color::blackColor(), ui::Color::blackColor()};
    auto change = basic("colors", gradient->colors, ca::ColorList{ui::Color::whiteColor(), ui::Color::blackColor()});
    change->duration = 1;
    gradient->addAnimation(change, "colors");
    undo = ca::LayerPresentation::apply(gradient, ca::currentMediaTime() + 0.5);
    EXPECT_NEAR(gradient->colors.at(0).red(), 0.5, 1e-9);
    undo();
    EXPECT_EQ(gradient->colors.at(0), ui::Color::blackColor());
}

}  // namespace
