// The wave view's rings: how many, when they start, how far they swell,
// restarts and stops.
#include <gtest/gtest.h>

#include "platform/ui/ShapeLayer.h"
#include "tests/support/Harness.h"
#include "tests/widgets/WaveViewsTestSupport.h"
#include "widgets/TAVOWaveView.h"

namespace keelbox::test {
namespace {

class TAVOWaveViewTest : public ::testing::Test {
public:
    TAVOWaveViewPtr wave = TAVOWaveView::create(cg::RectMake(0, 0, 320, 320));
    const cg::Point center{160, 160};

    std::shared_ptr<ca::ShapeLayer> ring(std::size_t i) const {
        return std::dynamic_pointer_cast<ca::ShapeLayer>(wave->layers().at(i));
    }
};

TEST_F(TAVOWaveViewTest, RingsStartOneIntervalApartAndSwellFromTheInsideRadius) {
    struct Case {
        int num;
        double outerRadius;
    };
    for (const Case c : {Case{5, 220}, Case{3, 180}}) {
        SCOPED_TRACE(c.num);
        wave->stopAnimation();
        const double start = ca::currentMediaTime();
        wave->startAnimation(c.num, false, center, 200, 0);
        EXPECT_EQ(wave->layers().size(), 1u);
        advance(1.0 * (c.num - 1));
        ASSERT_EQ(wave->layers().size(), static_cast<std::size_t>(c.num));
        advance(10);
        EXPECT_EQ(wave->layers().size(), static_cast<std::size_t>(c.num)) << "no ring after the last";
        EXPECT_EQ(wave->currentAnimationLayers(), c.num);

        for (int i = 0; i < c.num; ++i) {
            auto layer = ring(i);
            auto animation = layer->animationForKey(TAVOWaveView::kRingAnimationKey);
            ASSERT_TRUE(animation);
            EXPECT_DOUBLE_EQ(layer->beginTimeOfAnimation(TAVOWaveView::kRingAnimationKey) - start, i * 1.0);
            EXPECT_EQ(animation->duration, c.num);
            EXPECT_TRUE(animation->repeatsForever());
            EXPECT_FALSE(animation->removedOnCompletion);
            EXPECT_EQ(animation->timingFunction, ca::TimingFunction::Linear);
            auto path = member(animation, "path");
            ASSERT_TRUE(path);
            EXPECT_EQ(circleRadius(std::get<std::shared_ptr<const cg::Path>>(path->fromValue)), 80);
            EXPECT_EQ(circleRadius(std::get<std::shared_ptr<const cg::Path>>(path->toValue)), c.outerRadius);
            auto opacity = member(animation, "opacity");
            ASSERT_TRUE(opacity);
            EXPECT_EQ(std::get<double>(opacity->fromValue), 1);
            EXPECT_EQ(std::get<double>(opacity->toValue), 0);
            EXPECT_EQ(layer->superlayer(), wave->layer());
            EXPECT_EQ(layer->fillColor, ui::Color::rgb255(88, 205, 253));
        }
    }
}

TEST_F(TAVOWaveViewTest, AnArcLineIsDrawnInsideTheMargin) {
    wave->startAnimation(4, false, center, 200, 150);
    ASSERT_EQ(wave->layers().size(), 2u);
    auto arc = ring(1);
    EXPECT_FALSE(arc->animationForKey(TAVOWaveView::kRingAnimationKey));
    EXPECT_EQ(circleRadius(arc->path), 150 - (100 - 20 * 4));
    EXPECT_EQ(arc->strokeColor, ui::Color::lightGrayColor());
}

TEST_F(TAVOWaveViewTest, AStartWhileRunningRemovesTheRingsAlreadyThere) {
    wave->startAnimation(5, false, center, 200, 0);
    advance(2);
    ASSERT_EQ(wave->layers().size(), 3u);
    wave->startAnimation(5, false, center, 200, 0);
    EXPECT_EQ(wave->layers().size(), 1u);
    EXPECT_EQ(wave->layer()->sublayers().size(), 1u);
    advance(10);
    EXPECT_EQ(wave->layer()->sublayers().size(), 5u);
}

TEST_F(TAVOWaveViewTest, StopRemovesEveryLayerAndNoRingFollows) {
    wave->startAnimation(5, false, center, 200, 150);
    advance(1);
    wave->stopAnimation();
    EXPECT_FALSE(wave->isAnimating());
    EXPECT_TRUE(wave->layers().empty());
    EXPECT_TRUE(wave->layer()->sublayers().empty());
    advance(10);
    EXPECT_TRUE(wave->layer()->sublayers().empty());
}

TEST_F(TAVOWaveViewTest, ANewCountRestartsOnlyWhileRunning) {
    wave->setNum(3);
    EXPECT_EQ(wave->num(), 3);
    EXPECT_TRUE(wave->layers().empty()) << "stopped: only stored";

    wave->startAnimation(5, false, center, 200, 0);
    advance(4);
    ASSERT_EQ(wave->layers().size(), 5u);
    wave->setNum(5);
    EXPECT_EQ(wave->layers().size(), 5u) << "the same count changes nothing";

    wave->setNum(3);
    EXPECT_TRUE(wave->isAnimating());
    ASSERT_EQ(wave->layers().size(), 1u);
    auto path = member(ring(0)->animationForKey(TAVOWaveView::kRingAnimationKey), "path");
    EXPECT_EQ(circleRadius(std::get<std::shared_ptr<const cg::Path>>(path->toValue)), 180);
    advance(10);
    EXPECT_EQ(wave->layers().size(), 3u);
}

}  // namespace
}  // namespace keelbox::test
