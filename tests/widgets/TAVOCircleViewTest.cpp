// The circle's three rotation phases on the virtual clock, and the
// count-down's ticks and time-out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/Window.h"
#include "tests/support/Harness.h"
#include "widgets/TAVOCountDownView.h"
#include "widgets/TAVORestartCountDownView.h"

namespace keelbox::test {
namespace {

class CircleViewTest : public ::testing::Test {
public:
    void SetUp() override {
        window = ui::Window::create(cg::RectMake(0, 0, 320, 568));
        window->makeKeyAndVisible();
    }
    static std::vector<std::string> phases(const TAVOCircleView& circle) {
        return circle.animationCircleView()->layer()->animationKeys();
    }
    ui::WindowPtr window;
};

TEST_F(CircleViewTest, PhasesAdvanceFromTheStartTurnToEndlessTurnsUntilStopped) {
    auto circle = TAVOCircleView::create(cg::RectMake(0, 0, 240, 200));
    window->addSubview(circle);
    EXPECT_EQ(circle->bgView()->frame(), cg::RectMake(15, 0, 210, 210));
    EXPECT_EQ(circle->animationCircleView()->frame(), circle->bgView()->frame());

    circle->startCircleAnimation();
    EXPECT_TRUE(circle->runningAnimation());
    EXPECT_FALSE(circle->isUserInteractionEnabled());
    EXPECT_EQ(phases(*circle), std::vector<std::string>{TAVOCircleView::kStartPhaseKey});
    EXPECT_DOUBLE_EQ(circle->startupAnimation()->duration, 0.75);

    advance(0.74);
    EXPECT_EQ(phases(*circle), std::vector<std::string>{TAVOCircleView::kStartPhaseKey});
    advance(0.02);
    EXPECT_EQ(phases(*circle), std::vector<std::string>{TAVOCircleView::kOngoingPhaseKey});
    EXPECT_TRUE(circle->ongoingAnimation()->repeatsForever());
    EXPECT_DOUBLE_EQ(circle->ongoingAnimation()->duration, 0.5);

    advance(60);  // the ongoing turns never end by themselves
    EXPECT_EQ(phases(*circle), std::vector<std::string>{TAVOCircleView::kOngoingPhaseKey});
    EXPECT_TRUE(circle->runningAnimation());

    circle->stopCircleAnimation();
    advance(0.01);
    EXPECT_TRUE(phases(*circle).empty());
    EXPECT_FALSE(circle->runningAnimation());
    EXPECT_TRUE(circle->isUserInteractionEnabled());
    EXPECT_DOUBLE_EQ(circle->statusCircleView()->alpha(), 1);
}

TEST_F(CircleViewTest, StoppingDuringTheStartTurnLetsItFinishThenShowsTheStatusRing) {
    auto circle = TAVOCircleView::create(cg::RectMake(0, 0, 180, 180));
    window->addSubview(circle);
    circle->startCircleAnimation();
    advance(0.3);
    circle->stopCircleAnimation();
    EXPECT_TRUE(circle->runningAnimation());
    advance(0.5);
    EXPECT_TRUE(phases(*circle).empty());  // no ongoing and no end phase
    EXPECT_FALSE(circle->runningAnimation());
    EXPECT_DOUBLE_EQ(circle->statusCircleView()->alpha(), 1);
}

TEST_F(CircleViewTest, AnOngoingPhaseThatEndsOnItsOwnLeadsToTheEndTurnAndTheStatusRingFadesIn) {
    auto circle = TAVOCircleView::create(cg::RectMake(0, 0, 180, 180));
    window->addSubview(circle);
    circle->startCircleAnimation();
    advance(0.8);
    // The phase listener is told the ongoing turns finished (as a finite
    // repeat would): the end turn follows.
    circle->animationDidStop(circle->ongoingAnimation(), true);
    EXPECT_NE(circle->animationCircleView()->layer()->animationForKey(TAVOCircleView::kEndPhaseKey), nullptr);
    advance(0.76);
    EXPECT_FALSE(circle->runningAnimation());
    EXPECT_TRUE(circle->isUserInteractionEnabled());
    EXPECT_DOUBLE_EQ(circle->statusCircleView()->alpha(), 1);
}

TEST_F(CircleViewTest, AFreedCircleStopsHearingItsPhases) {
    auto circle = TAVOCircleView::create(cg::RectMake(0, 0, 180, 180));
    std::weak_ptr<TAVOCircleView> weak = circle;
    circle->startCircleAnimation();
    advance(1);
    circle.reset();
    EXPECT_TRUE(weak.expired());  // the endless turn does not keep it alive
    advance(1);
}

class RecordingTimeout : public TAVOCountDownViewDelegate {
public:
    void timeout(TAVOCountDownView& view) override { times.push_back(view.infoLabel()->text()); }
    std::vector<std::string> times;
};

TEST_F(CircleViewTest, ACountDownShowsEachSecondAndTimesOutOnTheTickThatShowsOne) {
    auto view = TAVOCountDownView::create(cg::RectMake(0, 0, 150, 150));
    window->addSubview(view);
    auto delegate = std::make_shared<RecordingTimeout>();
    view->setDelegate(delegate);
    view->setInfo("Start");
    EXPECT_EQ(view->infoLabel()->text(), "Start");
    EXPECT_DOUBLE_EQ(view->infoLabel()->font().pointSize(), 22);

    view->startCountDown(3);
    EXPECT_TRUE(view->isRunning());
    EXPECT_TRUE(view->isUserInteractionEnabled());
    EXPECT_DOUBLE_EQ(view->animationCircleView()->alpha(), 1);
    EXPECT_EQ(view->infoLabel()->text(), "3");
    EXPECT_DOUBLE_EQ(view->infoLabel()->font().pointSize(), 36);
    advance(1);
    EXPECT_EQ(view->infoLabel()->text(), "2");
    EXPECT_TRUE(delegate->times.empty());
    advance(1);
    EXPECT_EQ(view->infoLabel()->text(), "1");
    EXPECT_EQ(delegate->times, std::vector<std::string>{"1"});
    EXPECT_FALSE(view->isRunning());
    advance(5);
    EXPECT_EQ(delegate->times.size(), 1u);
    EXPECT_TRUE(view->runningAnimation());  // the owner stops the ring

    // One second or less times out at once.
    delegate->times.clear();
    view->startCountDown(1);
    EXPECT_EQ(delegate->times, std::vector<std::string>{"1"});
}

TEST_F(CircleViewTest, RestartingOrCancellingACountDownLeavesNoStrayTick) {
    auto view = TAVOCountDownView::create(cg::RectMake(0, 0, 150, 150));
    window->addSubview(view);
    auto delegate = std::make_shared<RecordingTimeout>();
    view->setDelegate(delegate);
    view->setInfo("Go");

    view->startCountDown(5);
    advance(0.5);
    view->startCountDown(3);
    EXPECT_EQ(view->infoLabel()->text(), "3");
    advance(0.6);  // the first run's tick would have come here
    EXPECT_EQ(view->infoLabel()->text(), "3");
    advance(0.4);
    EXPECT_EQ(view->infoLabel()->text(), "2");

    view->cancelCountDown();
    EXPECT_FALSE(view->isRunning());
    EXPECT_EQ(view->infoLabel()->text(), "Go");
    EXPECT_EQ(view->infoLabel()->textColor(), ui::Color::rgba(0.039, 0.655, 0.294, 1));
    advance(5);
    EXPECT_EQ(view->infoLabel()->text(), "Go");
    EXPECT_TRUE(delegate->times.empty());
    EXPECT_DOUBLE_EQ(view->animationCircleView()->alpha(), 0);
    EXPECT_FALSE(view->runningAnimation());
}

TEST_F(CircleViewTest, TheRestartCountDownCentresALargerCircleOnAVeilAndKeepsItsIntroduction) {
    auto view = TAVORestartCountDownView::create(cg::RectMake(0, 0, 320, 481));
    window->addSubview(view);
    EXPECT_EQ(view->bgView()->frame(), cg::RectMake(70, 151, 180, 180));
    EXPECT_FALSE(view->bgView()->isEnabled());
    EXPECT_EQ(view->animationCircleView()->frame(), view->bgView()->frame());
    EXPECT_DOUBLE_EQ(view->subviews().front()->alpha(), 0.6);
    EXPECT_DOUBLE_EQ(view->infoLabel()->font().pointSize(), 45);

    EXPECT_EQ(view->contentLabel(), nullptr);
    view->setIntroduceContent("");
    EXPECT_EQ(view->contentLabel(), nullptr);
    view->setIntroduceContent("The router restarts");
    ASSERT_NE(view->contentLabel(), nullptr);
    EXPECT_EQ(view->contentLabel()->frame(), cg::RectMake(80, 240.5 + 25 - 15, 160, 30));
    view->setIntroduceContent("");
    EXPECT_EQ(view->contentLabel()->text(), "The router restarts");
}

}  // namespace
}  // namespace keelbox::test
