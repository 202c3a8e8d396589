// The radio waves: waves shown one after another, refusals while running,
// stops, and the signal mask's opening.
#include <gtest/gtest.h>

#include "platform/ui/KeyframeAnimation.h"
#include "tests/support/Harness.h"
#include "tests/widgets/WaveViewsTestSupport.h"
#include "widgets/TAVORadioWaveView.h"

namespace keelbox::test {
namespace {

class TAVORadioWaveViewTest : public ::testing::Test {
public:
    TAVORadioWaveViewPtr radio = TAVORadioWaveView::create(cg::RectMake(0, 0, 320, 240));

    int shownWaves() const {
        int shown = 0;
        for (const auto& wave : radio->imageViews()) shown += wave->isHidden() ? 0 : 1;
        return shown;
    }
};

TEST_F(TAVORadioWaveViewTest, WavesAppearOneDelayApartUntilAllRun) {
    radio->startAnimation(3, 50, 4);
    ASSERT_EQ(radio->imageViews().size(), 3u);
    for (const auto& wave : radio->imageViews()) EXPECT_EQ(wave->frame(), cg::RectMake(110, 70, 100, 100));
    EXPECT_EQ(shownWaves(), 1);
    EXPECT_EQ(radio->layer()->mask(), radio->maskView()->layer());

    auto animation = radio->imageViews()[0]->layer()->animationForKey(TAVORadioWaveView::kWaveAnimationKey);
    ASSERT_TRUE(animation);
    EXPECT_EQ(animation->duration, 4);
    EXPECT_TRUE(animation->repeatsForever());
    auto group = std::dynamic_pointer_cast<ca::AnimationGroup>(animation);
    ASSERT_EQ(group->animations.size(), 2u);
    auto scale = std::dynamic_pointer_cast<ca::KeyframeAnimation>(group->animations[0]);
    EXPECT_EQ(scale->keyPath, "transform.scale");
    EXPECT_EQ(scale->keyTimes, (std::vector<double>{0, 0.2, 1.0}));
    EXPECT_EQ(std::get<double>(scale->values.at(2)), 5);

    advance(1);
    EXPECT_EQ(shownWaves(), 2);
    advance(1);
    EXPECT_EQ(shownWaves(), 3);
    EXPECT_EQ(radio->currentIndex(), 2);
    advance(5);
    EXPECT_EQ(radio->currentIndex(), 3);
    EXPECT_TRUE(radio->isAnimating());
}

TEST_F(TAVORadioWaveViewTest, AStartWhileRunningChangesNothingAndAStopShowsNoFurtherWave) {
    radio->startAnimation(3, 50, 4);
    radio->startAnimation(5, 20, 1);
    EXPECT_EQ(radio->imageViews().size(), 3u);
    EXPECT_EQ(radio->radius(), 50);

    radio->stopAnimation();
    EXPECT_FALSE(radio->isAnimating());
    advance(5);
    EXPECT_EQ(shownWaves(), 1);
    EXPECT_TRUE(radio->imageViews()[0]->layer()->animationKeys().empty());
}

TEST_F(TAVORadioWaveViewTest, ARestartRightAfterAStopKeepsRunning) {
    radio->startAnimation(3, 50, 4);
    radio->stopAnimation();
    radio->startAnimation(3, 50, 4);
    // The old waves report their removal on a later turn.
    advance(1);
    EXPECT_TRUE(radio->isAnimating());
    EXPECT_EQ(shownWaves(), 2);
}

TEST_F(TAVORadioWaveViewTest, TheMaskOpensWithTheLevelAndALevelBeforeTheStartWaits) {
    radio->setCurrentWavsShow(2);
    EXPECT_FALSE(radio->maskView());
    radio->startAnimation(4, 50, 4);
    ASSERT_TRUE(radio->maskView());
    // 2r + 30 + level * (larger side - 2r) / waves
    EXPECT_EQ(radio->maskView()->bounds().size, (cg::Size{240, 240}));
    EXPECT_EQ(radio->maskView()->center(), (cg::Point{160, 120}));
    EXPECT_EQ(radio->maskView()->alpha(), 1);

    struct Case {
        int level;
        double side;
    };
    for (const Case c : {Case{0, 130}, Case{4, 350}}) {
        radio->setCurrentWavsShow(c.level);
        EXPECT_EQ(radio->maskView()->bounds().size.width, c.side) << c.level;
    }
}

TEST_F(TAVORadioWaveViewTest, NoWavesStillGiveAMaskWithoutDividingByZero) {
    radio->startAnimation(0, 50, 4);
    radio->setCurrentWavsShow(3);
    EXPECT_EQ(radio->maskView()->bounds().size.width, 130);
    advance(3);
    EXPECT_TRUE(radio->imageViews().empty());
}

}  // namespace
}  // namespace keelbox::test
