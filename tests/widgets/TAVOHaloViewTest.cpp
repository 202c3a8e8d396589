// The halo's three styles on fast and slow devices: which layers, under
// which keys, beginning when, and how stopping clears them.
#include <gtest/gtest.h>

#include "platform/ui/ShapeLayer.h"
#include "tests/support/Harness.h"
#include "tests/widgets/WaveViewsTestSupport.h"
#include "widgets/TAVOHaloView.h"

namespace keelbox::test {
namespace {

class TAVOHaloViewTest : public ::testing::Test {
public:
    TAVOHaloViewPtr halo = TAVOHaloView::create(cg::RectMake(0, 0, 300, 300));
};

TEST_F(TAVOHaloViewTest, HaloPictureIsCentredAndHiddenFromCreation) {
    EXPECT_TRUE(halo->haloView()->isHidden());
    EXPECT_EQ(halo->haloView()->frame(), cg::RectMake(90, 90, 120, 120));
}

TEST_F(TAVOHaloViewTest, WavesFollowTheDevicesPerformance) {
    struct Case {
        bool low;
        int style;
        std::vector<double> beginOffsets;
        double duration;
    };
    const Case cases[] = {
        {false, TAVOHaloView::StyleWaveCircles, {0, 1, 2}, 3},
        {true, TAVOHaloView::StyleWaveCircles, {0, 2}, 5},
        {false, TAVOHaloView::StyleScaleWaves, {0, 1, 2}, 3},
        {true, TAVOHaloView::StyleScaleWaves, {0, 1, 2}, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "style " << c.style << (c.low ? " slow" : " fast"));
        useLowPerformanceDevice(c.low);
        advance(0.5);
        const double start = ca::currentMediaTime();
        halo->startAnimation(c.style);
        ASSERT_EQ(halo->layers().size(), c.beginOffsets.size());
        for (std::size_t i = 0; i < c.beginOffsets.size(); ++i) {
            const auto& layer = halo->layers()[i];
            const std::string key = c.style == TAVOHaloView::StyleWaveCircles
                                        ? TAVOHaloView::waveAnimationKey(static_cast<int>(i))
                                        : TAVOHaloView::scaleWaveAnimationKey(static_cast<int>(i));
            auto animation = layer->animationForKey(key);
            ASSERT_TRUE(animation) << key;
            EXPECT_EQ(layer->animationKeys().size(), 1u);
            EXPECT_DOUBLE_EQ(layer->beginTimeOfAnimation(key) - start, c.beginOffsets[i]);
            EXPECT_EQ(animation->duration, c.duration);
            EXPECT_TRUE(animation->repeatsForever());
            EXPECT_FALSE(animation->removedOnCompletion);
            EXPECT_EQ(member(animation, "opacity") != nullptr, true);
            if (c.style == TAVOHaloView::StyleWaveCircles) {
                auto circle = std::dynamic_pointer_cast<ca::ShapeLayer>(layer);
                ASSERT_TRUE(circle);
                auto path = member(animation, "path");
                EXPECT_EQ(circleRadius(std::get<std::shared_ptr<const cg::Path>>(path->fromValue)), 60);
                EXPECT_EQ(circleRadius(std::get<std::shared_ptr<const cg::Path>>(path->toValue)), 225);
                EXPECT_EQ(circle->strokeColor, ui::Color::white(0.8));
                EXPECT_EQ(circle->lineWidth, 0.5);
            } else {
                auto scale = member(animation, "transform.scale");
                EXPECT_EQ(std::get<double>(scale->fromValue), 0.5);
                EXPECT_EQ(std::get<double>(scale->toValue), 4.0);
                EXPECT_EQ(layer->frame(), halo->haloView()->frame());
                EXPECT_EQ(layer->opacity(), 0);
                EXPECT_TRUE(layer->contents());
            }
        }
    }
}

TEST_F(TAVOHaloViewTest, EveryStartStopsTheStyleBeforeAndUnknownStylesChangeNothing) {
    halo->startAnimation(TAVOHaloView::StyleScaleWaves);
    halo->stopAnimation();
    EXPECT_TRUE(halo->layers().empty());
    halo->startAnimation(TAVOHaloView::StyleScaleWaves);
    halo->startAnimation(TAVOHaloView::StyleScaleWaves);
    EXPECT_EQ(halo->layers().size(), 3u);
    // The halo picture's own layer and the three waves.
    EXPECT_EQ(halo->layer()->sublayers().size(), 4u);

    halo->startAnimation(7);
    EXPECT_EQ(halo->layers().size(), 3u);
    EXPECT_EQ(halo->layer()->sublayers().size(), 4u);

    halo->startAnimation(TAVOHaloView::StyleHalo);
    EXPECT_TRUE(halo->layers().empty());
    EXPECT_EQ(halo->layer()->sublayers().size(), 1u);
    EXPECT_TRUE(halo->haloView()->layer()->animationForKey(TAVOHaloView::kHaloAnimationKey));
    EXPECT_FALSE(halo->haloView()->isHidden());
}

TEST_F(TAVOHaloViewTest, PartialStopsKeepTheHaloPictureInItsView) {
    halo->startAnimation(TAVOHaloView::StyleScaleWaves);
    halo->stopScaleWaveAnimation();
    ASSERT_EQ(halo->layer()->sublayers().size(), 1u);
    EXPECT_EQ(halo->layer()->sublayers()[0], halo->haloView()->layer());

    halo->startAnimation(TAVOHaloView::StyleWaveCircles);
    halo->stopWaveAnimation();
    EXPECT_TRUE(halo->layers().empty());
    EXPECT_EQ(halo->layer()->sublayers().size(), 1u);

    halo->startAnimation(TAVOHaloView::StyleHalo);
    halo->stopHaloAnimation();
    EXPECT_TRUE(halo->haloView()->layer()->animationKeys().empty());
}

}  // namespace
}  // namespace keelbox::test
