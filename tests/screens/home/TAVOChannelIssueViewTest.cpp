// The channel issue panel and its optimisation animation: the timed states
// of an optimisation, the completion road, the status line, the stops that
// must never lead to an optimisation, and the title's enlarged figures.
#include <gtest/gtest.h>

#include "platform/foundation/ApplicationNotifications.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/graphics/TextAttributes.h"
#include "screens/home/TAVOChannelIssueView.h"
#include "tests/screens/home/HomeViewTestSupport.h"

namespace keelbox::test {
namespace {

class ChannelIssueViewTest : public HomeViewTest {
protected:
    void SetUp() override {
        HomeViewTest::SetUp();
        panel = show(TAVOChannelIssueView::create(cg::RectMake(0, 101, 320, 417)));
        panel->notifierBlock = [this](int state) { reports.record(state); };
    }
    int optState() const { return panel->optView()->state(); }
    bool ringSpinning() const { return panel->optView()->rotationView()->runningAnimation(); }
    // The point size of the title's character at `index`.
    double titleSizeAt(std::size_t index) const {
        auto font = ct::fontFromValue(
            panel->indicator()->titleLabel()->attributedText()->attributeAtIndex(ct::kFontAttributeName, index));
        return font ? font->size() : 0;
    }

    TAVOChannelIssueViewPtr panel;
    TimedReports reports;
};

TEST_F(ChannelIssueViewTest, AnOptimisationReportsPreparingSpinningAndTheMomentToAsk) {
    panel->startOpt();
    EXPECT_DOUBLE_EQ(panel->optView()->alpha(), 1);
    EXPECT_DOUBLE_EQ(panel->optButton()->alpha(), 0);
    EXPECT_DOUBLE_EQ(panel->optActionText()->alpha(), 1);

    reports.run(6.0);
    ASSERT_EQ(reports.values(), (std::vector<int>{1, 2, 3}));
    EXPECT_NEAR(reports.reports[0].second, 0.1, 0.07);
    EXPECT_NEAR(reports.reports[1].second, 0.7, 0.07);
    EXPECT_NEAR(reports.reports[2].second, 5.7, 0.07);
    EXPECT_EQ(panel->optActionText()->text(), L("is in opting"));
    EXPECT_TRUE(ringSpinning());
    EXPECT_DOUBLE_EQ(panel->optView()->rotationView()->initDuration(), 1.5);
    EXPECT_DOUBLE_EQ(panel->optView()->rotationView()->ongoingDuration(), 1.0);

    // The router has optimised: the view passes through 5 to 0.
    reports.reports.clear();
    panel->showRestart();
    EXPECT_EQ(reports.values(), (std::vector<int>{0, 5, 4}));
    EXPECT_EQ(optState(), TAVOChannelOptView::StateIdle);
    advance(0.2);
    EXPECT_EQ(panel->optActionText()->text(), L("opt complete"));
    EXPECT_FALSE(ringSpinning());
}

TEST_F(ChannelIssueViewTest, TheBurstMovesSixDotsAroundTheStillMiddleOne) {
    panel->startOpt();
    advance(0.15);
    const auto& dots = panel->optView()->prepareView()->animationLayers();
    ASSERT_EQ(dots.size(), 6u);
    const cg::Point middle = panel->optView()->prepareView()->centerView()->center();
    std::vector<double> offsets;
    for (const auto& dot : dots) offsets.push_back(dot->position().y - middle.y);
    std::sort(offsets.begin(), offsets.end());
    EXPECT_EQ(offsets, (std::vector<double>{-51, -34, -17, 17, 34, 51}));
    advance(1);
    EXPECT_TRUE(panel->optView()->prepareView()->animationLayers().empty());
}

TEST_F(ChannelIssueViewTest, AStopAtAnyMomentNeverLeadsToTheMomentToAsk) {
    for (double stopAfter : {0.05, 0.3, 2.0, 5.5}) {
        reports.reports.clear();
        panel->startOpt();
        advance(stopAfter);
        panel->stopOpt();
        advance(8);
        const auto values = reports.values();
        EXPECT_EQ(std::count(values.begin(), values.end(), 3), 0) << "stopped after " << stopAfter;
        EXPECT_EQ(optState(), TAVOChannelOptView::StateIdle) << stopAfter;
        EXPECT_DOUBLE_EQ(panel->optButton()->alpha(), 1);
        EXPECT_DOUBLE_EQ(panel->optView()->alpha(), 0);
    }
}

TEST_F(ChannelIssueViewTest, AStopWithoutResetKeepsTheStateAndARepeatedStartIsIgnored) {
    panel->startOpt();
    advance(0.2);
    panel->optView()->startOpt();  // already preparing: nothing new
    EXPECT_EQ(reports.values(), std::vector<int>{1});
    advance(1);
    panel->stopOpt(false);
    advance(0.2);
    EXPECT_EQ(optState(), TAVOChannelOptView::StateSpinning);
    EXPECT_DOUBLE_EQ(panel->optView()->alpha(), 0);
}

TEST_F(ChannelIssueViewTest, TheRingStartsAgainWhenTheTabOrTheApplicationComesBack) {
    auto center = ns::NotificationCenter::defaultCenter();
    const auto& ring = panel->optView()->rotationView();
    center->postNotificationName(TAVOChannelOptView::kTabAppearNotification);
    EXPECT_FALSE(ring->runningAnimation());  // idle: nothing

    panel->startOpt();
    advance(1);
    ring->stopCircleAnimation();
    advance(2);
    EXPECT_FALSE(ring->runningAnimation());
    center->postNotificationName(TAVOChannelOptView::kTabAppearNotification);
    EXPECT_TRUE(ring->runningAnimation());
    ring->stopCircleAnimation();
    advance(2);
    center->postNotificationName(ns::UIApplicationDidBecomeActiveNotification);
    EXPECT_TRUE(ring->runningAnimation());
}

TEST_F(ChannelIssueViewTest, StatesAboveSixAreStoredAndReportedToNobody) {
    panel->optView()->setState(9);
    panel->optView()->setState(9);
    panel->optView()->setState(6);
    EXPECT_EQ(reports.values(), std::vector<int>{6});
    EXPECT_EQ(optState(), 6);
}

TEST_F(ChannelIssueViewTest, TheTitleEnlargesTheFigureTheNumberAfterAPlusAndThePlus) {
    panel->setTitle("2.4 + 5G");
    EXPECT_EQ(panel->indicator()->titleLabel()->attributedText()->string(), "2.4 + 5G");
    EXPECT_EQ(titleSizeAt(0), 27);  // "2.4"
    EXPECT_EQ(titleSizeAt(3), 13);  // the blank
    EXPECT_EQ(titleSizeAt(4), 16);  // "+"
    EXPECT_EQ(titleSizeAt(6), 27);  // "5"
    EXPECT_EQ(titleSizeAt(7), 13);  // "G"

    panel->setTitle("+ 25");
    EXPECT_EQ(titleSizeAt(0), 16);
    EXPECT_EQ(titleSizeAt(2), 27);

    panel->setTitle("5G");
    EXPECT_EQ(titleSizeAt(0), 27);
    panel->setTitle("good");
    EXPECT_EQ(titleSizeAt(0), 13);
}

TEST_F(ChannelIssueViewTest, ThePanelsPartsSitWhereTheGaugeAndTheButtonBelong) {
    EXPECT_EQ(panel->indicator()->frame(), cg::RectMake(71.5, 0, 177, 195));
    EXPECT_EQ(panel->optView()->frame(), panel->indicator()->frame());
    EXPECT_EQ(panel->optButton()->frame(), cg::RectMake(53, 356, 214, 36));
    EXPECT_EQ(panel->optActionText()->frame(), panel->optButton()->frame());
    EXPECT_EQ(panel->optButton()->currentTitle(), L("opt channel signal"));
}

}  // namespace
}  // namespace keelbox::test
