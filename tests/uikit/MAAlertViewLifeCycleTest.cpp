// The alert queue: one alert up at a time, the newest first, the show and
// dismiss sequences with their handlers and notifications, the button tap
// and the transitions, on the virtual clock.
#include <gtest/gtest.h>

#include "platform/ui/TextField.h"
#include "platform/ui/TouchDriver.h"
#include "tests/uikit/AlertTestSupport.h"
#include "uikit/MAAlertLayout.h"
#include "uikit/MAAlertQueue.h"

namespace keelbox::test {
namespace {

using Log = std::vector<std::string>;

Log shown(const std::string& name) {
    return {name + " willShow", name + " WillShowNotification", name + " in", name + " didShow",
            name + " DidShowNotification"};
}

Log leftFor(const std::string& name, const std::string& next) {
    Log log{name + " willDismiss", name + " WillDismissNotification", name + " out", name + " didDismiss",
            name + " DidDismissNotification"};
    if (!next.empty()) {
        auto more = shown(next);
        log.insert(log.end(), more.begin(), more.end());
    }
    return log;
}

// Lets time pass in small steps, expecting an alert to count as up at each.
void passWhileUp(double seconds) {
    for (double t = 0; t < seconds; t += 0.05) {
        ASSERT_TRUE(MAAlertView::hasShown()) << "at " << t << " s";
        advance(0.05);
    }
    ASSERT_TRUE(MAAlertView::hasShown());
}

TEST_F(AlertTest, APreEmptedAlertComesBackAfterTheNewerOneWithItsCustomViewAndInput) {
    AlertLog log;
    // A password-like input in the message's place.
    auto input = ui::View::create(cg::RectMake(0, 0, 80, 40));
    auto field = ui::TextField::create(cg::RectMake(10, 5, 70, 30));
    input->addSubview(field);
    auto a = LoggedAlert::create(log, "A", "Router password");
    a->setCustomizedViewInsteadOfMsgLabel(input);
    a->addButtonWithTitle("connect", MAAlertViewButtonTypeDefault, nullptr);
    auto b = LoggedAlert::create(log, "B", "New version", "2.0 is out");
    b->addButtonWithTitle("OK", MAAlertViewButtonTypeDefault, nullptr);

    EXPECT_FALSE(MAAlertView::hasShown());
    a->show();
    a->show();  // already up: nothing more
    advance(kSettle);
    EXPECT_EQ(log.take(), shown("A"));
    ASSERT_TRUE(screen.alert());
    ASSERT_EQ(screen.alert()->textFieldCount(), 1u);
    ASSERT_TRUE(screen.alert()->fillTextField(0, "admin123"));

    b->show();
    passWhileUp(kSettle);
    EXPECT_EQ(log.take(), leftFor("A", "B"));
    EXPECT_EQ(MAAlertView::sharedQueue(), (std::vector<MAAlertViewPtr>{a, b})) << "A waits";
    EXPECT_FALSE(a->alertWindow());
    EXPECT_FALSE(input->window()) << "off screen with A's panel";
    ASSERT_TRUE(screen.alert());
    EXPECT_EQ(screen.alert()->title(), "New version");

    EXPECT_TRUE(screen.pressAlertButton("OK"));
    passWhileUp(kSettle);
    EXPECT_EQ(log.take(), leftFor("B", "A"));
    EXPECT_EQ(MAAlertView::sharedQueue(), (std::vector<MAAlertViewPtr>{a}));
    // Back with the same input view, what was typed still in it.
    EXPECT_EQ(input->superview(), a->containerView());
    EXPECT_EQ(field->text(), "admin123");
    EXPECT_EQ(input->frame().origin.x, MAAlertLayout::kSideInset);
    EXPECT_EQ(input->frame().size.width, MAAlertView::getContainerWidth());
    EXPECT_EQ(input->frame().size.height, 40);
    EXPECT_TRUE(a->alertWindow()->isKeyWindow());

    a->dismissAnimated(true);
    EXPECT_FALSE(MAAlertView::hasShown()) << "not during the last one's exit";
    EXPECT_TRUE(appWindow->isKeyWindow()) << "key at once, before the exit ends";
    advance(kSettle);
    EXPECT_EQ(log.take(), leftFor("A", ""));
    EXPECT_TRUE(MAAlertView::sharedQueue().empty());
    EXPECT_FALSE(MAAlertView::currentAlertView());
    EXPECT_FALSE(MAAlertQueue::shared().background()) << "the dimming went with the last alert";
    EXPECT_EQ(screen.windows(), (std::vector<ui::WindowPtr>{appWindow}));
}

TEST_F(AlertTest, TenAlertsRaisedInOneTurnComeUpOneByOneNewestFirstAndAllGo) {
    std::vector<MAAlertViewPtr> raised;
    for (int i = 0; i < 10; ++i) {
        raised.push_back(alertWithButtons("Alert " + std::to_string(i), {"OK " + std::to_string(i)}));
        raised.back()->show();
    }
    EXPECT_EQ(MAAlertView::sharedQueue().size(), 10u);
    EXPECT_TRUE(MAAlertView::hasShown());
    // Each older one comes up in turn and makes way for the next newer one.
    advance(10 * kSettle);
    for (int i = 9; i >= 0; --i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(screen.alerts().size(), 1u);
        EXPECT_EQ(screen.alert()->title(), "Alert " + std::to_string(i));
        ASSERT_TRUE(MAAlertQueue::shared().background());
        EXPECT_EQ(MAAlertQueue::shared().background()->alpha(), 1);
        EXPECT_TRUE(screen.pressAlertButton("OK " + std::to_string(i)));
        advance(kSettle);
    }
    EXPECT_EQ(tapped, (std::vector<std::string>{"OK 9", "OK 8", "OK 7", "OK 6", "OK 5", "OK 4", "OK 3", "OK 2",
                                                "OK 1", "OK 0"}));
    EXPECT_FALSE(screen.alert());
    EXPECT_TRUE(MAAlertView::sharedQueue().empty());
    EXPECT_FALSE(MAAlertView::hasShown());
    EXPECT_FALSE(MAAlertView::isAnimating());
    EXPECT_EQ(screen.windows(), (std::vector<ui::WindowPtr>{appWindow}));
    EXPECT_TRUE(appWindow->isKeyWindow());
}

TEST_F(AlertTest, AnAlertShownFromAButtonsActionComesUpAfterTheTappedOneHasLeft) {
    AlertLog log;
    auto a = LoggedAlert::create(log, "A", "Delete 3 files?");
    auto c = LoggedAlert::create(log, "C", "Deleted");
    a->addButtonWithTitle("sure", MAAlertViewButtonTypeDefault, [&](const MAAlertViewPtr&) {
        log.add("A sure");
        c->show();
    });
    c->addButtonWithTitle("OK", MAAlertViewButtonTypeDefault, nullptr);
    a->show();
    advance(kSettle);
    log.take();

    EXPECT_TRUE(screen.pressAlertButton("sure"));
    EXPECT_EQ(log.take(), (Log{"A sure", "A willDismiss", "A WillDismissNotification", "A out"}))
        << "C only joins the queue";
    advance(kSettle);
    Log expected{"A didDismiss", "A DidDismissNotification"};
    auto then = shown("C");
    expected.insert(expected.end(), then.begin(), then.end());
    EXPECT_EQ(log.take(), expected);
    EXPECT_EQ(MAAlertView::sharedQueue(), (std::vector<MAAlertViewPtr>{c}));
    EXPECT_TRUE(c->alertWindow()->isKeyWindow());
}

// Taking a waiting alert out of the queue leaves the one on screen alone.
TEST_F(AlertTest, DismissingAnAlertThatOnlyWaitsTakesItOutOfTheQueueAndNothingElse) {
    AlertLog log;
    auto a = LoggedAlert::create(log, "A", "Showing");
    auto b = LoggedAlert::create(log, "B", "Waiting");
    a->show();
    b->show();  // during A's entrance: B waits
    b->show();  // already queued: not twice
    EXPECT_EQ(MAAlertView::sharedQueue(), (std::vector<MAAlertViewPtr>{a, b}));
    log.take();

    b->dismissAnimated(true);
    EXPECT_TRUE(log.take().empty()) << "B was never up: no handlers, no notifications";
    EXPECT_EQ(MAAlertView::sharedQueue(), (std::vector<MAAlertViewPtr>{a}));
    EXPECT_EQ(MAAlertView::currentAlertView(), a);
    EXPECT_TRUE(MAAlertView::hasShown());
    EXPECT_TRUE(a->alertWindow()->isKeyWindow());
    advance(kSettle);
    EXPECT_EQ(log.take(), (Log{"A didShow", "A DidShowNotification"})) << "nothing newer waits: A stays";
    EXPECT_TRUE(a->isVisible());
}

// A dismissal of the alert on screen during its exit only decides whether
// it leaves the queue; it comes back only if nobody asked it to go.
TEST_F(AlertTest, AnAlertDismissedWhileItMakesWayForANewerOneDoesNotComeBack) {
    auto a = alertWithButtons("A", {"OK"});
    auto b = alertWithButtons("B", {"Close"});
    a->show();
    advance(kSettle);
    b->show();          // A leaves, to come back after B
    a->dismissAnimated(true);  // ... but is closed meanwhile
    advance(kSettle);
    EXPECT_EQ(MAAlertView::sharedQueue(), (std::vector<MAAlertViewPtr>{b}));
    EXPECT_TRUE(screen.pressAlertButton("Close"));
    advance(kSettle);
    EXPECT_FALSE(screen.alert());
    EXPECT_TRUE(MAAlertView::sharedQueue().empty());
}

TEST_F(AlertTest, ANonAnimatedDismissalLeavesKeyStatusWithTheAlertItBringsUp) {
    auto a = alertWithButtons("A", {"OK"});
    auto b = alertWithButtons("B", {"OK"});
    a->show();
    advance(kSettle);
    b->show();
    advance(kSettle);
    ASSERT_TRUE(b->isVisible());

    b->dismissAnimated(false);
    EXPECT_FALSE(b->alertWindow());
    EXPECT_EQ(MAAlertView::currentAlertView(), a);
    ASSERT_TRUE(a->alertWindow());
    EXPECT_TRUE(a->alertWindow()->isKeyWindow());
    EXPECT_FALSE(appWindow->isKeyWindow());
    EXPECT_TRUE(MAAlertQueue::shared().background()) << "A still needs the dimming";
}

// A tap during the entrance, or a second tap while the alert leaves, does
// not upset the queue: the action runs once and the next alert stays up.
TEST_F(AlertTest, TapsDuringTheEntranceOrTheExitRunTheActionOnceAndKeepTheQueueWhole) {
    AlertLog log;
    auto a = LoggedAlert::create(log, "A", "Quick");
    auto b = LoggedAlert::create(log, "B", "Next");
    a->addButtonWithTitle("OK", MAAlertViewButtonTypeDefault, [&](const MAAlertViewPtr&) { log.add("A OK"); });
    // B comes up the moment A has left, before A's entrance would have ended.
    a->setDidDismissHandler([&](const MAAlertViewPtr&) {
        log.add("A didDismiss");
        b->show();
    });
    a->show();
    EXPECT_TRUE(screen.pressAlertButton("OK"));
    ASSERT_FALSE(a->buttons().empty());
    ui::TouchDriver finger(advance);
    finger.tapView(a->buttons().front());
    advance(kSettle);

    EXPECT_EQ(log.take(), (Log{"A willShow", "A WillShowNotification", "A in", "A OK", "A willDismiss",
                               "A WillDismissNotification", "A out", "A didDismiss", "B willShow",
                               "B WillShowNotification", "B in", "A DidDismissNotification", "B didShow",
                               "B DidShowNotification"}));
    EXPECT_EQ(MAAlertView::currentAlertView(), b);
    EXPECT_TRUE(b->isVisible());
    EXPECT_TRUE(MAAlertView::hasShown());
    EXPECT_FALSE(MAAlertView::isAnimating());
    EXPECT_TRUE(b->alertWindow()->isKeyWindow());
}

TEST_F(AlertTest, TheDimmingStaysForAnAlertThatComesUpWhileItFades) {
    auto a = alertWithButtons("A", {"OK"});
    auto b = alertWithButtons("B", {"OK"});
    a->setTransitionStyle(MAAlertViewTransitionStyleFade);  // its exit ends before the dimming's fade
    a->setDidDismissHandler([&](const MAAlertViewPtr&) { b->show(); });
    a->show();
    advance(kSettle);
    a->dismissAnimated(true);
    advance(kSettle);
    ASSERT_TRUE(b->isVisible());
    auto dimming = MAAlertQueue::shared().background();
    ASSERT_TRUE(dimming);
    EXPECT_FALSE(dimming->isHidden());
    EXPECT_EQ(dimming->alpha(), 1);
    EXPECT_EQ(dimming->windowLevel(), MAAlertBackgroundWindow::kWindowLevel);
}

TEST_F(AlertTest, EveryTransitionStyleEndsItsEntranceAndExitAndOthersFade) {
    struct Case {
        int style;
        std::vector<std::string> entrance;  // the panel's animation keys
        std::vector<std::string> exit;
    };
    const std::vector<Case> cases{
        {MAAlertViewTransitionStyleSlideFromBottom, {"position"}, {"position"}},
        {MAAlertViewTransitionStyleSlideFromTop, {"position"}, {"position"}},
        {MAAlertViewTransitionStyleFade, {"opacity"}, {"opacity"}},
        {MAAlertViewTransitionStyleBounce, {"bouce"}, {"bounce"}},
        {MAAlertViewTransitionStyleDropDown, {"dropdown"}, {"position", "transform"}},
        {7, {"opacity"}, {"opacity"}},
        {-1, {"opacity"}, {"opacity"}},
    };
    Log whole = shown("A");
    const Log gone = leftFor("A", "");
    whole.insert(whole.end(), gone.begin(), gone.end());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.style);
        AlertLog log;
        auto alert = LoggedAlert::create(log, "A", "Style");
        alert->addButtonWithTitle("OK", MAAlertViewButtonTypeDefault, nullptr);
        alert->setTransitionStyle(c.style);
        alert->show();
        auto panel = alert->containerView();
        ASSERT_TRUE(panel);
        const cg::Rect laidOut = panel->frame();
        EXPECT_EQ(panel->layer()->animationKeys(), c.entrance);
        advance(kSettle);
        EXPECT_EQ(panel->frame(), laidOut) << "back where it was laid out";
        EXPECT_EQ(panel->alpha(), 1);
        alert->dismissAnimated(true);
        EXPECT_EQ(panel->layer()->animationKeys(), c.exit);
        advance(kSettle);
        EXPECT_EQ(log.take(), whole);
        EXPECT_FALSE(MAAlertView::currentAlertView());
        EXPECT_FALSE(MAAlertView::isAnimating());
    }
}

}  // namespace
}  // namespace keelbox::test
