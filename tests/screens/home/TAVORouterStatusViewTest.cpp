// The dashboard's body: scripted channel records run the whole road
// (parking, detection, results, optimisation, restart, promotion) with its
// colours and the six numbered actions; the breakdown covers the road and
// hands it back; a reset; and a first record without levels.
#include <gtest/gtest.h>

#include "screens/home/TAVORouterStatusView.h"
#include "tests/screens/home/HomeViewTestSupport.h"

namespace keelbox::test {
namespace {

class RecordingStatusDelegate : public TAVORouterStatusViewDelegate {
public:
    explicit RecordingStatusDelegate(TimedReports& reports) : reports_(reports) {}
    void statusView(TAVORouterStatusView&, int action) override { reports_.record(action); }
    void statusViewBreakdownRecovery(TAVORouterStatusView&, int code) override { recoveries.push_back(code); }
    std::vector<int> recoveries;

private:
    TimedReports& reports_;
};

const ui::Color kGreenTopLeft = ui::Color::rgb255(132, 209, 126);
const ui::Color kYellowTopLeft = ui::Color::rgb255(246, 211, 89);
const ui::Color kOrangeTopLeft = ui::Color::rgb255(244, 192, 95);
const ui::Color kRedTopLeft = ui::Color::rgb255(244, 166, 129);

class RouterStatusViewTest : public HomeViewTest {
protected:
    void SetUp() override {
        HomeViewTest::SetUp();
        status = show(TAVORouterStatusView::create(window->bounds()));
        delegate = std::make_shared<RecordingStatusDelegate>(reports);
        status->setDelegate(delegate);
    }
    int state() const { return status->channelState(); }
    ui::Color topLeft() const { return status->bgView()->colorTopLeft(); }
    // Which panel shows in the middle: the one at alpha 1.
    std::string shownPanel() const {
        std::string shown;
        auto check = [&](const ui::ViewPtr& view, const char* name) {
            if (view && view->alpha() == 1 && !view->layer()->mask()) shown += name;
        };
        check(status->doubleChannelIndicator(), "indicator");
        check(status->channelIssueView(), "issue");
        check(status->breakdownView(), "breakdown");
        return shown;
    }
    // From a reset to the results of a first record.
    void reachResults(const ChannelLevelInfo& level) {
        status->resetAllValues();
        status->setChannelSignalLevel(level);
        reports.run(4.0);
    }

    TAVORouterStatusViewPtr status;
    TimedReports reports;
    std::shared_ptr<RecordingStatusDelegate> delegate;
};

TEST_F(RouterStatusViewTest, CreatedGreenWithTheSpeedStripAndNothingInTheMiddle) {
    EXPECT_EQ(state(), 0);
    EXPECT_EQ(status->breakdownState(), 0);
    EXPECT_EQ(topLeft(), kGreenTopLeft);
    EXPECT_EQ(status->speedIndicator()->frame(), cg::RectMake(0, 518, 320, 50));
    EXPECT_EQ(status->breakdownView()->frame(), cg::RectMake(0, 101, 320, 417));
    EXPECT_EQ(status->doubleChannelIndicator(), nullptr);
    EXPECT_EQ(shownPanel(), "");
    // Records before the first reset are only parked.
    status->setChannelSignalLevel({6, 1, 149, 1});
    EXPECT_EQ(state(), 0);
    ASSERT_TRUE(status->comingLevel());
}

TEST_F(RouterStatusViewTest, ScriptedRecordsRunTheWholeRoadWithTheSixActionsInOrder) {
    // Reset: waiting for data.
    status->resetAllValues();
    EXPECT_EQ(state(), 1);
    ASSERT_TRUE(status->doubleChannelIndicator());
    EXPECT_EQ(status->doubleChannelIndicator()->frame(), cg::RectMake(0, 114, 320, 404));
    advance(0.3);
    EXPECT_EQ(shownPanel(), "indicator");

    // The first record is parked while both bands are detected.
    status->setChannelSignalLevel({6, 1, 149, 2});
    EXPECT_EQ(state(), 2);
    EXPECT_EQ(status->doubleChannelIndicator()->state(), TAVORouterDoubleChannelIndicator::StateDetecting);
    status->setChannelSignalLevel({6, 2, 149, 2});  // replaces the parked one
    reports.run(3.5);
    EXPECT_EQ(state(), 2);
    reports.run(0.3);
    EXPECT_EQ(state(), 3);
    EXPECT_EQ(status->currentLevel().levelFor24, 2);
    EXPECT_EQ(topLeft(), kGreenTopLeft);

    // A poor channel: the issue panel with its title, detail and colour.
    status->setChannelSignalLevel({6, 3, 149, 2});
    EXPECT_EQ(state(), 4);
    EXPECT_EQ(topLeft(), kYellowTopLeft);
    EXPECT_EQ(status->speedIndicator()->level(), 3);
    advance(0.3);
    EXPECT_EQ(shownPanel(), "issue");
    const auto& issue = status->channelIssueView();
    EXPECT_EQ(issue->indicator()->titleLabel()->attributedText()->string(), "2.4G");
    EXPECT_EQ(issue->indicator()->detailLabel()->text(), L("bad channel singal"));

    // The same levels again change nothing; worse ones recolour.
    status->setChannelSignalLevel({11, 3, 153, 2});
    EXPECT_EQ(topLeft(), kYellowTopLeft);
    status->setChannelSignalLevel({11, 4, 153, 3});
    EXPECT_EQ(topLeft(), kOrangeTopLeft);

    // The optimise button: the spin, then the moment to ask (action 2).
    reports.reports.clear();
    reports.elapsed = 0;
    ASSERT_TRUE(tap(issue->optButton()));
    EXPECT_EQ(state(), 5);
    status->setChannelSignalLevel({11, 1, 153, 1});  // parked while optimising
    EXPECT_EQ(state(), 5);
    reports.run(6);
    ASSERT_EQ(reports.values(), std::vector<int>{2});
    EXPECT_NEAR(reports.reports[0].second, 5.7, 0.07);

    // The router optimised: the count-down, then the promotion watch (action 3).
    status->optResult(true);
    EXPECT_EQ(state(), 6);
    ASSERT_TRUE(status->restartView());
    EXPECT_EQ(status->restartView()->state(), TAVOChannelRetartView::StateCounting);
    EXPECT_DOUBLE_EQ(status->restartView()->alpha(), 1);
    EXPECT_EQ(shownPanel(), "");  // the panels are masked while it counts
    reports.run(12.5);
    EXPECT_EQ(reports.values(), (std::vector<int>{2, 3}));

    // The promotion: green, the indicator with the 5 GHz badge, then the
    // parked record once it ends.
    ns::Dictionary gains;
    gains.set("5G", 20);
    status->setOptPromotion(gains);
    EXPECT_EQ(state(), 8);
    EXPECT_EQ(topLeft(), kGreenTopLeft);
    EXPECT_DOUBLE_EQ(status->restartView()->alpha(), 0);
    advance(0.3);
    EXPECT_EQ(shownPanel(), "indicator");
    ASSERT_TRUE(status->doubleChannelIndicator()->channel_5G_indicator()->speedupView());
    reports.run(2.5);  // 2.8 s after the answer
    EXPECT_EQ(state(), 8);
    reports.run(0.4);  // 3.0 s: the badge slid in for 1 s, then the 2 s pause
    EXPECT_EQ(state(), 3);
    EXPECT_EQ(status->currentLevel().levelFor24, 1);

    // The taps: help 2.4 GHz and 5 GHz, average and top speed.
    const auto& indicator = status->doubleChannelIndicator();
    ASSERT_TRUE(tap(indicator->channel_24G_indicator()->helpButton()));
    ASSERT_TRUE(tap(indicator->channel_5G_indicator()->helpButton()));
    ASSERT_TRUE(tap(status->speedIndicator()->avgSpeedBtn()));
    ASSERT_TRUE(tap(status->speedIndicator()->topSpeedBtn()));
    EXPECT_EQ(reports.values(), (std::vector<int>{2, 3, 0, 1, 4, 5}));
}

TEST_F(RouterStatusViewTest, AFailedOptimisationReturnsToThePoorChannelAndANilPromotionShowsTheParkedRecord) {
    reachResults({6, 4, 149, 4});
    ASSERT_EQ(state(), 4);
    EXPECT_EQ(status->channelIssueView()->indicator()->titleLabel()->attributedText()->string(), "2.4 + 5G");
    EXPECT_EQ(status->channelIssueView()->indicator()->detailLabel()->text(), L("extrem bad channel signal"));

    ASSERT_TRUE(tap(status->channelIssueView()->optButton()));
    advance(6);
    status->optResult(false);
    EXPECT_EQ(state(), 4);
    advance(0.3);
    EXPECT_EQ(status->channelIssueView()->optView()->state(), TAVOChannelOptView::StateIdle);
    EXPECT_EQ(shownPanel(), "issue");

    ASSERT_TRUE(tap(status->channelIssueView()->optButton()));
    status->setChannelSignalLevel({6, 2, 149, 1});
    advance(6);
    status->optResult(true);
    advance(13);
    status->setOptPromotion(std::nullopt);
    EXPECT_EQ(state(), 3);
    EXPECT_EQ(status->currentLevel().levelFor24, 2);
}

TEST_F(RouterStatusViewTest, ABreakdownCoversTheRoadAndHandsItBackWhenCleared) {
    reachResults({6, 1, 149, 1});
    ASSERT_EQ(state(), 3);

    status->setBreakdownError(7);
    EXPECT_EQ(status->breakdownState(), 1);
    EXPECT_EQ(topLeft(), kRedTopLeft);
    EXPECT_EQ(status->speedIndicator()->level(), 10);
    advance(0.3);
    EXPECT_EQ(shownPanel(), "breakdown");
    EXPECT_EQ(status->breakdownView()->indicator()->detailLabel()->text(), L("DNS error"));

    // The machine still runs, but neither colour nor panel changes.
    status->setChannelSignalLevel({6, 4, 149, 1});
    EXPECT_EQ(state(), 4);
    advance(0.3);
    EXPECT_EQ(topLeft(), kRedTopLeft);
    EXPECT_EQ(shownPanel(), "breakdown");

    // Its button reports the code; a repeated code restarts nothing.
    ASSERT_TRUE(tap(status->breakdownView()->recoveryBtn()));
    EXPECT_EQ(delegate->recoveries, std::vector<int>{7});
    status->setBreakdownError(7);
    EXPECT_EQ(status->breakdownView()->indicator()->detailLabel()->text(), L("it is recoverying"));
    status->breakdownRecoveryResult(true);
    EXPECT_EQ(status->breakdownView()->indicator()->detailLabel()->text(), L("ok to recovery"));

    // Cleared: the poor channel's panel and colour come back.
    status->setBreakdownError(0);
    EXPECT_EQ(status->breakdownState(), 0);
    EXPECT_EQ(topLeft(), kOrangeTopLeft);
    advance(0.3);
    EXPECT_EQ(shownPanel(), "issue");
}

TEST_F(RouterStatusViewTest, AResetKeepsALostRouterPanelAndClearsAnyOtherError) {
    reachResults({6, 1, 149, 1});
    status->setBreakdownError(100004);
    status->resetAllValues();
    EXPECT_EQ(status->breakdownErr(), 100004);
    advance(0.3);
    EXPECT_EQ(shownPanel(), "breakdown");
    ASSERT_TRUE(tap(status->breakdownView()->lostView()->reconnectBtn()));
    EXPECT_EQ(delegate->recoveries, std::vector<int>{100004});

    status->setBreakdownError(6);
    status->resetAllValues();
    EXPECT_EQ(status->breakdownErr(), 0);
    EXPECT_EQ(status->breakdownState(), 0);
    EXPECT_EQ(state(), 1);
    advance(0.3);
    EXPECT_EQ(shownPanel(), "indicator");
}

TEST_F(RouterStatusViewTest, AFirstRecordWithoutALevelSendsTheViewBackToWaitingNotFrozen) {
    status->resetAllValues();
    status->setChannelSignalLevel({6, 0, 149, 2});
    EXPECT_EQ(state(), 2);  // the detection still runs
    reports.run(4);
    EXPECT_EQ(state(), 1);  // waiting again, not stuck in detection
    status->setChannelSignalLevel({6, 2, 149, 2});
    EXPECT_EQ(state(), 2);
    reports.run(4);
    EXPECT_EQ(state(), 3);
}

TEST_F(RouterStatusViewTest, ARecordWithoutALevelParkedDuringAPromotionBringsTheLastOneBack) {
    reachResults({6, 3, 149, 2});
    ASSERT_TRUE(tap(status->channelIssueView()->optButton()));
    advance(6);
    status->optResult(true);
    status->setChannelSignalLevel({6, 0, 149, 0});
    advance(13);
    ns::Dictionary gains;
    gains.set("2.4G", 10);
    status->setOptPromotion(gains);
    reports.run(3.5);
    EXPECT_EQ(state(), 4);
    EXPECT_EQ(status->currentLevel().levelFor24, 3);
}

TEST_F(RouterStatusViewTest, TheIndicatorsExtrasReachIt) {
    status->resetAllValues();
    const auto& indicator = status->doubleChannelIndicator();
    status->setSingalStrengthFor24G("75%");
    EXPECT_FALSE(indicator->state_signalStrength_24G()->isHidden());
    EXPECT_EQ(indicator->state_signalStrength_24G()->currentTitle(), "75%");
    status->setSingalStrengthFor24G("");
    EXPECT_TRUE(indicator->state_signalStrength_24G()->isHidden());
    status->wifi5gClosed();
    EXPECT_EQ(indicator->channel_5G_indicator()->detailLabel()->text(), L("5g closed"));
    status->setIsLocalManagement(false);
    EXPECT_EQ(indicator->remotePromptLabel()->text(), L("current is remote management"));
}

TEST(RouterStatusViewTexts, IssueTitlesAndDetailsFollowTheBands) {
    struct Case {
        ChannelLevelInfo level;
        std::optional<std::string> title;
        std::optional<std::string> detail;
    };
    const Case cases[] = {
        {{1, 3, 36, 2}, "2.4G", L("bad channel singal")},
        {{1, 2, 36, 3}, "5G", L("bad channel singal")},
        {{1, 3, 36, 4}, "2.4 + 5G", L("extrem bad channel signal")},
        {{1, 1, 36, 2}, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TAVORouterStatusView::channelIssueTitle(c.level), c.title);
        EXPECT_EQ(TAVORouterStatusView::channelIssueDetail(c.level), c.detail);
    }
    // Equality: same levels, and only for a record that names a channel.
    EXPECT_TRUE((ChannelLevelInfo{1, 2, 0, 3}.isEqual({9, 2, 40, 3})));
    EXPECT_FALSE((ChannelLevelInfo{0, 2, 0, 3}.isEqual({0, 2, 0, 3})));
    EXPECT_FALSE((ChannelLevelInfo{1, 2, 0, 3}.isValidLevelInfo() && ChannelLevelInfo{1, 0, 0, 3}.isValidLevelInfo()));
}

}  // namespace
}  // namespace keelbox::test
