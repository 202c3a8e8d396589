// The restart count-down: its reported states and their times, the numbers
// it shows, and a hidden view that counts no further.
#include <gtest/gtest.h>

#include "screens/home/TAVOChannelRetartView.h"
#include "tests/screens/home/HomeViewTestSupport.h"

namespace keelbox::test {
namespace {

class ChannelRetartViewTest : public HomeViewTest {
protected:
    void SetUp() override {
        HomeViewTest::SetUp();
        view = show(TAVOChannelRetartView::create(cg::RectMake(0, 101, 320, 417)));
        view->notifierBlock = [this](int state) { reports.record(state); };
    }
    std::string count() const { return view->restartView()->countDownLabel()->text(); }

    TAVOChannelRetartViewPtr view;
    TimedReports reports;
};

TEST_F(ChannelRetartViewTest, CountsDownTenSecondsThenReconnectsAndReportsDone) {
    EXPECT_EQ(view->state(), TAVOChannelRetartView::StateHidden);
    view->showRestartCountDown();
    EXPECT_EQ(count(), "10");
    EXPECT_DOUBLE_EQ(view->restartView()->alpha(), 1);
    EXPECT_EQ(view->optActionText()->text(), L("is in wifi restarting"));

    std::vector<std::string> shown{count()};  // one number a second
    for (int second = 1; second <= 10; ++second) {
        reports.run(1.0);
        shown.push_back(count());
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"10", "9", "8", "7", "6", "5", "4", "3", "2", "1", "0"}));
    reports.run(2.5);
    ASSERT_EQ(reports.values(), (std::vector<int>{1, 2, 3}));
    EXPECT_NEAR(reports.reports[0].second, 0, 1e-9);
    EXPECT_NEAR(reports.reports[1].second, 11, 0.07);
    EXPECT_NEAR(reports.reports[2].second, 12, 0.07);
    EXPECT_EQ(view->optActionText()->text(), L("restart complete"));
    EXPECT_DOUBLE_EQ(view->reconnectView()->alpha(), 1);
    EXPECT_DOUBLE_EQ(view->restartView()->alpha(), 0);
}

TEST_F(ChannelRetartViewTest, AReconnectingAnimationThatStopsEarlyEndsAtOnce) {
    view->showRestartCountDown();
    reports.run(11.05);
    ASSERT_EQ(view->state(), TAVOChannelRetartView::StateReconnecting);
    auto mask = view->reconnectView()->iconInCircle()->layer()->mask();
    ASSERT_TRUE(mask);
    mask->removeAnimationForKey(ReconnectingView::kGrowAnimationKey);
    reports.run(0.1);
    EXPECT_EQ(view->state(), TAVOChannelRetartView::StateDone);
    reports.run(2);
    EXPECT_EQ(reports.values(), (std::vector<int>{1, 2, 3}));  // the later step finds it done
}

TEST_F(ChannelRetartViewTest, AViewSetHiddenWhileCountingReportsNothingMore) {
    view->showRestartCountDown();
    reports.run(4);
    view->setState(TAVOChannelRetartView::StateHidden);
    reports.run(15);
    EXPECT_EQ(reports.values(), (std::vector<int>{1, 0}));
    EXPECT_DOUBLE_EQ(view->restartView()->alpha(), 0);
}

TEST_F(ChannelRetartViewTest, TheRingIsRaisedToWhereTheGaugeSat) {
    // Centred, then raised by 4 x (203 - 195).
    EXPECT_EQ(view->bgView()->frame(), cg::RectMake(58.5, 75, 203, 203));
    EXPECT_EQ(view->restartView()->frame(), view->bgView()->bounds());
    EXPECT_EQ(view->optActionText()->frame(), cg::RectMake(53, 356, 214, 36));
}

}  // namespace
}  // namespace keelbox::test
