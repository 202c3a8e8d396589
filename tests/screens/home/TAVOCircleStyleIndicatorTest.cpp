// The round gauge: its prepare sequence (ring sweep, icon fan, flash, then
// the report) and its speed-up badge.
#include <gtest/gtest.h>

#include "platform/ui/Image.h"
#include "platform/ui/ShapeLayer.h"
#include "screens/home/TAVOCircleStyleIndicator.h"
#include "tests/screens/home/HomeViewTestSupport.h"

namespace keelbox::test {
namespace {

class RecordingIndicatorDelegate : public TAVOCircleStyleIndicatorDelegate {
public:
    explicit RecordingIndicatorDelegate(TimedReports& reports) : reports_(reports) {}
    void indicator(TAVOCircleStyleIndicator&, int action) override { reports_.record(action); }

private:
    TimedReports& reports_;
};

class CircleStyleIndicatorTest : public HomeViewTest {
protected:
    void SetUp() override {
        HomeViewTest::SetUp();
        circle = show(TAVOCircleStyleIndicator::create(cg::RectMake(20, 100, 136, 150)));
        circle->imageView()->setFrame(cg::RectMake(0, 0, 136, 136));
        circle->iconInCircle()->setFrame(cg::RectMake(0, 0, 67, 49));
        circle->detailLabel()->setFrame(cg::RectMake(0, 0, 136, 18));
        circle->setNeedsLayout();
        circle->layoutIfNeeded();
        delegate = std::make_shared<RecordingIndicatorDelegate>(reports);
        circle->setDelegate(delegate);
    }
    std::string iconName() const {
        const auto& image = circle->iconInCircle()->image();
        return image ? image->name() : "";
    }
    double ringStrokeEnd() const {
        auto mask = std::dynamic_pointer_cast<ca::ShapeLayer>(circle->imageView()->layer()->mask());
        return mask ? mask->strokeEnd : -1;
    }

    TAVOCircleStyleIndicatorPtr circle;
    TimedReports reports;
    std::shared_ptr<RecordingIndicatorDelegate> delegate;
};

TEST_F(CircleStyleIndicatorTest, PrepareSweepsTheRingGrowsTheFullIconFlashesAndReportsAfterAboutOnePointEight) {
    circle->restoreInitState();
    EXPECT_EQ(ringStrokeEnd(), 0);  // the ring is hidden behind its mask

    circle->startPrepareAnimation(3);
    EXPECT_EQ(circle->level(), 3);
    ASSERT_TRUE(circle->maskImageViewAnimation());
    EXPECT_DOUBLE_EQ(circle->maskImageViewAnimation()->duration, 1.0);

    reports.run(1.05);
    // The ring has swept in; the icon is the full-signal one whatever the
    // level, revealed by a growing fan.
    EXPECT_EQ(iconName(), "home_wifi04");
    ASSERT_TRUE(circle->maskCircleViewAnimation());
    EXPECT_DOUBLE_EQ(circle->maskCircleViewAnimation()->duration, 0.3);
    ASSERT_TRUE(circle->iconInCircle()->layer()->mask());

    reports.run(1.0);
    ASSERT_EQ(reports.values(), std::vector<int>{0});
    EXPECT_NEAR(reports.reports[0].second, 1.8, 0.07);
    EXPECT_EQ(circle->maskCircleViewAnimation(), nullptr);
}

TEST_F(CircleStyleIndicatorTest, ACutShortSweepStillSetsTheFullIconAndReportsHalfASecondLater) {
    circle->startPrepareAnimation(2);
    reports.run(0.3);
    circle->imageView()->layer()->mask()->removeAnimationForKey(TAVOCircleStyleIndicator::kRingAnimationKey);
    reports.run(0.4);
    EXPECT_EQ(iconName(), "home_wifi04");
    EXPECT_TRUE(reports.values().empty());
    reports.run(0.3);
    EXPECT_EQ(reports.values(), std::vector<int>{0});
    EXPECT_EQ(circle->maskCircleViewAnimation(), nullptr);  // no fan, no flash
}

TEST_F(CircleStyleIndicatorTest, TheBadgeSlidesInShowsTheCappedFigureAndReportsWhenInPlace) {
    circle->detailLabel()->setText("good channel singal");
    circle->startOptPromotionAnimation(25);
    ASSERT_TRUE(circle->speedupView());
    EXPECT_EQ(circle->speedupView()->speedupResultLabel()->text(), "25");
    EXPECT_EQ(circle->detailLabel()->text(), "");
    EXPECT_EQ(circle->bgSpeedupResultView()->superview(), circle);
    EXPECT_EQ(circle->bgSpeedupResultView()->center(), circle->imageView()->center());

    reports.run(0.9);
    EXPECT_TRUE(reports.values().empty());
    reports.run(0.1);
    EXPECT_EQ(reports.values(), std::vector<int>{1});
    EXPECT_EQ(circle->speedupView()->frame(), circle->bgSpeedupResultView()->bounds());

    struct Case {
        int figure;
        std::string shown;
    };
    for (const Case& c : {Case{999, "999"}, Case{1000, "999"}, Case{1500, "999"}, Case{0, "0"}, Case{-5, "-5"}}) {
        circle->speedupView()->startCountUp(c.figure);
        EXPECT_EQ(circle->speedupView()->speedupResultLabel()->text(), c.shown) << c.figure;
    }

    // A second promotion reuses the badge and slides it in again.
    auto badge = circle->speedupView();
    circle->startOptPromotionAnimation(1500);
    EXPECT_EQ(circle->speedupView(), badge);
    EXPECT_EQ(badge->speedupResultLabel()->text(), "999");
    reports.run(1.05);
    EXPECT_EQ(reports.values(), (std::vector<int>{1, 1}));
}

TEST_F(CircleStyleIndicatorTest, RemovingTheBadgeFadesItOutAndANewPromotionGetsAFreshOne) {
    circle->removeSpeedupView();  // no badge: nothing happens
    EXPECT_EQ(circle->bgSpeedupResultView(), nullptr);

    circle->startOptPromotionAnimation(40);
    reports.run(1.05);
    auto background = circle->bgSpeedupResultView();
    circle->removeSpeedupView();
    EXPECT_EQ(circle->speedupView(), nullptr);
    EXPECT_DOUBLE_EQ(background->alpha(), 0);
    EXPECT_EQ(background->superview(), circle);  // still fading

    // A promotion during the fade is a new badge that stays.
    circle->startOptPromotionAnimation(7);
    reports.run(1.1);
    EXPECT_EQ(background->superview(), nullptr);
    ASSERT_TRUE(circle->bgSpeedupResultView());
    EXPECT_EQ(circle->bgSpeedupResultView()->superview(), circle);
    EXPECT_DOUBLE_EQ(circle->bgSpeedupResultView()->alpha(), 1);
    EXPECT_EQ(circle->speedupView()->speedupResultLabel()->text(), "7");
}

TEST_F(CircleStyleIndicatorTest, TheIconRisesHigherWhenATitleIsShownUnderIt) {
    circle->layoutIfNeeded();
    EXPECT_EQ(circle->iconInCircle()->frame(), cg::RectMake(34.5, 40.5, 67, 49));
    EXPECT_EQ(circle->detailLabel()->frame(), cg::RectMake(0, 132, 136, 18));
    circle->titleLabel()->setFrame(cg::RectMake(0, 0, 136, 30));
    circle->titleLabel()->setText("2.4G");
    circle->setNeedsLayout();
    circle->layoutIfNeeded();
    EXPECT_EQ(circle->iconInCircle()->frame(), cg::RectMake(34.5, 30.5, 67, 49));
    EXPECT_EQ(circle->titleLabel()->frame(), cg::RectMake(0, 82.5, 136, 30));
    EXPECT_EQ(circle->bgIconInCircle()->frame(), circle->iconInCircle()->frame());
}

}  // namespace
}  // namespace keelbox::test
