// The two-band indicator: detection runs 2.4 GHz then 5 GHz and reports
// when both are done; the promotion shows each band's badge and reports
// its end 2 s after the last; the help buttons and the management prompt.
#include <gtest/gtest.h>

#include "core/app/TAVOLocalizedString.h"
#include "platform/ui/Image.h"
#include "screens/home/TAVORouterDoubleChannelIndicator.h"
#include "tests/screens/home/HomeViewTestSupport.h"

namespace keelbox::test {
namespace {

class RecordingChannelDelegate : public TAVORouterDoubleChannelIndicatorDelegate {
public:
    explicit RecordingChannelDelegate(TimedReports& reports) : reports_(reports) {}
    void doubleChannelIndicator(TAVORouterDoubleChannelIndicator&, int action) override { reports_.record(action); }

private:
    TimedReports& reports_;
};

class DoubleChannelIndicatorTest : public HomeViewTest {
protected:
    void SetUp() override {
        HomeViewTest::SetUp();
        indicator = show(TAVORouterDoubleChannelIndicator::create(cg::RectMake(0, 114, 320, 404)));
        delegate = std::make_shared<RecordingChannelDelegate>(reports);
        indicator->setDelegate(delegate);
    }
    static std::string iconOf(const TAVOCircleStyleIndicatorPtr& circle) {
        const auto& image = circle->iconInCircle()->image();
        return image ? image->name() : "";
    }
    void detect(const ChannelLevelInfo& level) {
        indicator->setCurrentLevel(level);
        indicator->setState(TAVORouterDoubleChannelIndicator::StateDetecting);
        reports.run(4.0);
    }

    TAVORouterDoubleChannelIndicatorPtr indicator;
    TimedReports reports;
    std::shared_ptr<RecordingChannelDelegate> delegate;
};

TEST_F(DoubleChannelIndicatorTest, CreatedWaitingWithBothCirclesEmptyAndPlacedSideBySide) {
    EXPECT_EQ(indicator->state(), TAVORouterDoubleChannelIndicator::StateWaiting);
    for (const auto& circle : {indicator->channel_24G_indicator(), indicator->channel_5G_indicator()}) {
        EXPECT_EQ(circle->detailLabel()->text(), L("waiting to channel level detection"));
        EXPECT_EQ(iconOf(circle), "home_wifi00");
    }
    EXPECT_EQ(indicator->channel_24G_indicator()->frame(), cg::RectMake(17, 0, 136, 150));
    EXPECT_EQ(indicator->channel_5G_indicator()->frame(), cg::RectMake(167, 0, 136, 150));
    EXPECT_EQ(indicator->state_signalStrength_24G()->frame(), cg::RectMake(67, 112, 35, 19));
    EXPECT_TRUE(indicator->state_signalStrength_24G()->isHidden());
    EXPECT_EQ(indicator->remotePromptLabel()->frame(), cg::RectMake(101, -42, 118, 22));
    EXPECT_EQ(indicator->statusLabel()->frame(), cg::RectMake(0, 349, 320, 15));
}

TEST_F(DoubleChannelIndicatorTest, DetectionRunsTwoPointFourThenFiveAndReportsTwoWhenBothAreDone) {
    indicator->setCurrentLevel({6, 2, 149, 4});
    indicator->setState(TAVORouterDoubleChannelIndicator::StateDetecting);
    EXPECT_EQ(indicator->channel_24G_indicator()->detailLabel()->text(), L("is in channel level detecting"));
    EXPECT_EQ(indicator->channel_24G_indicator()->level(), 2);

    reports.run(1.85);
    // 2.4 GHz is done and shows its sentence; 5 GHz is being checked.
    EXPECT_EQ(indicator->channel_24G_indicator()->detailLabel()->text(), L("good channel singal"));
    EXPECT_EQ(indicator->channel_5G_indicator()->detailLabel()->text(), L("is in channel level detecting"));
    EXPECT_EQ(indicator->channel_5G_indicator()->level(), 4);
    EXPECT_TRUE(reports.values().empty());

    reports.run(2.0);
    ASSERT_EQ(reports.values(), std::vector<int>{2});
    EXPECT_NEAR(reports.reports[0].second, 3.6, 0.11);
    EXPECT_EQ(indicator->state(), TAVORouterDoubleChannelIndicator::StateResults);
    EXPECT_EQ(indicator->channel_5G_indicator()->detailLabel()->text(), L("extrem bad channel signal"));
    EXPECT_EQ(iconOf(indicator->channel_5G_indicator()), "home_wifi04");
    EXPECT_EQ(indicator->statusLabel()->text(), L("router is in goole state"));

    // A second results state changes nothing.
    indicator->channel_24G_indicator()->detailLabel()->setText("kept");
    indicator->setState(TAVORouterDoubleChannelIndicator::StateResults);
    EXPECT_EQ(indicator->channel_24G_indicator()->detailLabel()->text(), "kept");
}

TEST_F(DoubleChannelIndicatorTest, APromotionShowsTheBandsFigureAndEndsTwoSecondsAfterItsBadgeIsInPlace) {
    detect({6, 1, 149, 1});
    reports.reports.clear();
    reports.elapsed = 0;

    ns::Dictionary gains;
    gains.set("2.4G", 25);
    indicator->setOptResult(gains);
    indicator->setState(TAVORouterDoubleChannelIndicator::StatePromotion);
    EXPECT_EQ(indicator->statusLabel()->text(), "");
    ASSERT_TRUE(indicator->channel_24G_indicator()->speedupView());
    EXPECT_EQ(indicator->channel_24G_indicator()->speedupView()->speedupResultLabel()->text(), "25");
    EXPECT_EQ(indicator->channel_5G_indicator()->speedupView(), nullptr);  // 0: no badge

    reports.run(2.9);
    EXPECT_TRUE(reports.values().empty());
    EXPECT_EQ(indicator->optResult()["2.4G"].intValue(), 0);  // the band has been shown
    reports.run(0.2);
    ASSERT_EQ(reports.values(), std::vector<int>{3});
    EXPECT_NEAR(reports.reports[0].second, 3.0, 0.07);
}

TEST_F(DoubleChannelIndicatorTest, BothBandsAnimateAndOnlyTheLastBadgeStartsTheTwoSecondPause) {
    detect({6, 1, 149, 1});
    reports.reports.clear();
    ns::Dictionary gains;
    gains.set("2.4G", 12);
    gains.set("5G", 1500);
    indicator->setOptResult(gains);
    indicator->setState(TAVORouterDoubleChannelIndicator::StatePromotion);
    EXPECT_EQ(indicator->channel_5G_indicator()->speedupView()->speedupResultLabel()->text(), "999");
    reports.run(2.9);
    EXPECT_TRUE(reports.values().empty());
    reports.run(0.2);
    EXPECT_EQ(reports.values(), std::vector<int>{3});
}

TEST_F(DoubleChannelIndicatorTest, APromotionWithNothingToShowStillEndsAfterTwoSeconds) {
    detect({6, 1, 149, 1});
    struct Case {
        int gain24;
        int gain5;
    };
    for (const Case c : {Case{0, 0}, Case{-3, -1}}) {
        reports.reports.clear();
        ns::Dictionary gains;
        gains.set("2.4G", c.gain24);
        gains.set("5G", c.gain5);
        indicator->setState(TAVORouterDoubleChannelIndicator::StateResults);
        indicator->setOptResult(gains);
        indicator->setState(TAVORouterDoubleChannelIndicator::StatePromotion);
        EXPECT_EQ(indicator->channel_24G_indicator()->speedupView(), nullptr);
        reports.run(1.9);
        EXPECT_TRUE(reports.values().empty());
        reports.run(0.2);
        EXPECT_EQ(reports.values(), std::vector<int>{3}) << c.gain24 << " " << c.gain5;
    }
}

TEST_F(DoubleChannelIndicatorTest, EachHelpButtonReportsItsBand) {
    ASSERT_TRUE(tap(indicator->channel_24G_indicator()->helpButton()));
    ASSERT_TRUE(tap(indicator->channel_5G_indicator()->helpButton()));
    EXPECT_EQ(reports.values(), (std::vector<int>{0, 1}));
}

TEST_F(DoubleChannelIndicatorTest, TheLocalPromptGoesAfterFiveSecondsUnlessTheRouterTurnedRemote) {
    const auto& prompt = indicator->remotePromptLabel();
    indicator->setIsLocalManagement(true);
    EXPECT_EQ(prompt->text(), L("current is local management"));
    advance(4.9);
    EXPECT_FALSE(prompt->isHidden());
    advance(0.2);
    EXPECT_TRUE(prompt->isHidden());

    indicator->setIsLocalManagement(false);
    EXPECT_FALSE(prompt->isHidden());
    EXPECT_EQ(prompt->text(), L("current is remote management"));

    // Local, then remote within the five seconds: the remote prompt stays.
    indicator->setIsLocalManagement(true);
    advance(2);
    indicator->setIsLocalManagement(false);
    advance(10);
    EXPECT_FALSE(prompt->isHidden());
    EXPECT_EQ(prompt->text(), L("current is remote management"));
}

TEST_F(DoubleChannelIndicatorTest, AResetClearsTheStatusLineAndTheBadges) {
    detect({6, 1, 149, 1});
    ns::Dictionary gains;
    gains.set("5G", 30);
    indicator->setOptResult(gains);
    indicator->setState(TAVORouterDoubleChannelIndicator::StatePromotion);
    indicator->setState(TAVORouterDoubleChannelIndicator::StateReset);
    EXPECT_EQ(indicator->statusLabel()->text(), "");
    EXPECT_EQ(indicator->channel_5G_indicator()->speedupView(), nullptr);
}

}  // namespace
}  // namespace keelbox::test
