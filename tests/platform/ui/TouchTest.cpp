#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/Control.h"
#include "platform/ui/LongPressGestureRecognizer.h"
#include "platform/ui/PanGestureRecognizer.h"
#include "platform/ui/TapGestureRecognizer.h"
#include "platform/ui/TouchDriver.h"
#include "platform/ui/Window.h"
#include "tests/support/Harness.h"

using namespace ui;

namespace {

struct Screen1 {
    std::shared_ptr<Window> window = Window::create(cg::RectMake(0, 0, 320, 480));
    ViewPtr panel = View::create(cg::RectMake(0, 0, 320, 480));
    ControlPtr button = Control::create(cg::RectMake(100, 100, 80, 40));
    std::vector<std::string> log;

    Screen1() {
        window->addSubview(panel);
        panel->addSubview(button);
        window->makeKeyAndVisible();
        button->addTarget(nullptr, "up", [this](Control&) { log.push_back("touchUpInside"); },
                          ControlEventTouchUpInside);
        button->addTarget(nullptr, "cancel", [this](Control&) { log.push_back("cancel"); }, ControlEventTouchCancel);
        button->addTarget(nullptr, "outside", [this](Control&) { log.push_back("touchUpOutside"); },
                          ControlEventTouchUpOutside);
    }
    std::function<void(GestureRecognizer&)> note(const std::string& what) {
        return [this, what](GestureRecognizer& g) {
            log.push_back(what + ":" + std::to_string(static_cast<int>(g.state())));
        };
    }
};

}  // namespace

TEST(Touch, TapOnButtonFiresTouchUpInsideAndHighlightsWhileDown) {
    Screen1 s;
    TouchDriver finger;
    EXPECT_EQ(finger.down(s.window, {120, 110}), s.button);
    EXPECT_TRUE(s.button->isHighlighted());
    finger.up();
    EXPECT_FALSE(s.button->isHighlighted());
    EXPECT_EQ(s.log, (std::vector<std::string>{"touchUpInside"}));
}

TEST(Touch, DraggingFarAwayEndsOutsideWithinSlopStaysInside) {
    Screen1 s;
    TouchDriver finger;
    finger.down(s.window, {120, 110});
    finger.moveTo({120, 170});  // 30 points below: within the 70-point slop
    finger.up();
    finger.down(s.window, {120, 110});
    finger.moveTo({300, 400});
    EXPECT_FALSE(s.button->isHighlighted());
    finger.up();
    EXPECT_EQ(s.log, (std::vector<std::string>{"touchUpInside", "touchUpOutside"}));
}

TEST(Touch, HiddenDisabledAndNonInteractiveButtonsReceiveNothing) {
    Screen1 s;
    TouchDriver finger;
    s.button->setEnabled(false);
    EXPECT_EQ(finger.tap(s.window, {120, 110}), s.panel);
    s.button->setEnabled(true);
    s.button->setHidden(true);
    finger.tap(s.window, {120, 110});
    s.button->setHidden(false);
    s.panel->setUserInteractionEnabled(false);
    EXPECT_EQ(finger.tap(s.window, {120, 110}), s.window);
    EXPECT_TRUE(s.log.empty());
}

TEST(Touch, ButtonKeepsSingleTapsFromSuperviewTapRecognizer) {
    Screen1 s;
    auto tap = TapGestureRecognizer::create();
    tap->addTarget(nullptr, "tap", s.note("panelTap"));
    s.panel->addGestureRecognizer(tap);
    TouchDriver finger;
    finger.tap(s.window, {120, 110});
    finger.tap(s.window, {10, 10});  // outside the button the panel takes it
    EXPECT_EQ(s.log, (std::vector<std::string>{"touchUpInside", "panelTap:3"}));
}

TEST(Touch, TapRecognizerOnTheButtonItselfWinsAndCancelsItsTouches) {
    Screen1 s;
    auto tap = TapGestureRecognizer::create();
    tap->addTarget(nullptr, "tap", s.note("buttonTap"));
    s.button->addGestureRecognizer(tap);
    TouchDriver finger;
    finger.tap(s.window, {120, 110});
    // The view's touches are cancelled as the recognizer recognizes, before its action.
    EXPECT_EQ(s.log, (std::vector<std::string>{"cancel", "buttonTap:3"}));
    // Without cancelling, both the recognizer and the button hear the tap.
    s.log.clear();
    tap->cancelsTouchesInView = false;
    finger.tap(s.window, {120, 110});
    EXPECT_EQ(s.log, (std::vector<std::string>{"buttonTap:3", "touchUpInside"}));
}

TEST(Touch, PanOverButtonWinsOnlyOnceTheFingerMoves) {
    Screen1 s;
    auto pan = PanGestureRecognizer::create();
    std::vector<cg::Point> translations;
    pan->addTarget(nullptr, "pan", [&](GestureRecognizer& g) {
        s.log.push_back("pan:" + std::to_string(static_cast<int>(g.state())));
        translations.push_back(static_cast<PanGestureRecognizer&>(g).translationInView(s.panel));
    });
    s.panel->addGestureRecognizer(pan);
    TouchDriver finger(keelbox::test::advance);
    finger.tap(s.window, {120, 110});
    EXPECT_EQ(s.log, (std::vector<std::string>{"touchUpInside"}));
    s.log.clear();
    finger.drag(s.window, {120, 110}, {120, 210}, 0.2, 4);
    EXPECT_EQ(s.log, (std::vector<std::string>{"cancel", "pan:1", "pan:2", "pan:2", "pan:2", "pan:3"}));
    EXPECT_EQ(translations.front(), cg::PointMake(0, 25));
    EXPECT_EQ(translations.back(), cg::PointMake(0, 100));
}

TEST(Touch, PanVelocityIsPointsPerSecondOfTheLastMove) {
    Screen1 s;
    auto pan = PanGestureRecognizer::create();
    cg::Point velocity;
    pan->addTarget(nullptr, "pan", [&](GestureRecognizer& g) {
        velocity = static_cast<PanGestureRecognizer&>(g).velocityInView(nullptr);
    });
    s.panel->addGestureRecognizer(pan);
    TouchDriver finger(keelbox::test::advance);
    finger.drag(s.window, {10, 300}, {210, 300}, 0.5, 5);  // 40 points per 0.1 s
    EXPECT_NEAR(velocity.x, 400, 0.01);
    EXPECT_NEAR(velocity.y, 0, 0.01);
}

namespace {
struct Simultaneous : GestureRecognizerDelegate {
    bool answer = true;
    bool shouldRecognizeSimultaneously(GestureRecognizer&, GestureRecognizer&) override { return answer; }
};
}  // namespace

TEST(Touch, TwoRecognizersCompeteUnlessTheDelegateAllowsBoth) {
    Screen1 s;
    auto inner = TapGestureRecognizer::create();
    auto outer = TapGestureRecognizer::create();
    inner->addTarget(nullptr, "inner", s.note("inner"));
    outer->addTarget(nullptr, "outer", s.note("outer"));
    auto plain = View::create(cg::RectMake(0, 300, 100, 100));
    s.panel->addSubview(plain);
    plain->addGestureRecognizer(inner);
    s.panel->addGestureRecognizer(outer);
    TouchDriver finger;
    finger.tap(s.window, {50, 350});
    EXPECT_EQ(s.log, (std::vector<std::string>{"inner:3"}));
    auto both = std::make_shared<Simultaneous>();
    outer->setDelegate(both);
    s.log.clear();
    finger.tap(s.window, {50, 350});
    EXPECT_EQ(s.log, (std::vector<std::string>{"inner:3", "outer:3"}));
}

TEST(Touch, RequireToFailMakesTheRecognizerWait) {
    Screen1 s;
    auto longPress = LongPressGestureRecognizer::create();
    auto tap = TapGestureRecognizer::create();
    tap->requireGestureRecognizerToFail(longPress);
    longPress->addTarget(nullptr, "long", s.note("long"));
    tap->addTarget(nullptr, "tap", s.note("tap"));
    s.panel->addGestureRecognizer(longPress);
    s.panel->addGestureRecognizer(tap);
    TouchDriver finger(keelbox::test::advance);
    finger.longPress(s.window, {10, 10}, 0.2);  // too short: the press fails, the tap follows
    EXPECT_EQ(s.log, (std::vector<std::string>{"tap:3"}));
    s.log.clear();
    finger.longPress(s.window, {10, 10}, 0.6);
    EXPECT_EQ(s.log, (std::vector<std::string>{"long:1", "long:3"}));
}

TEST(Touch, LongPressBeginsAfterItsMinimumDurationOnTheClock) {
    Screen1 s;
    auto press = LongPressGestureRecognizer::create();
    press->minimumPressDuration = 1.0;
    press->addTarget(nullptr, "long", s.note("long"));
    s.panel->addGestureRecognizer(press);
    TouchDriver finger(keelbox::test::advance);
    finger.down(s.window, {10, 10});
    keelbox::test::advance(0.99);
    EXPECT_TRUE(s.log.empty());
    keelbox::test::advance(0.01);
    EXPECT_EQ(s.log, (std::vector<std::string>{"long:1"}));
    finger.moveTo({12, 12});
    finger.up();
    EXPECT_EQ(s.log, (std::vector<std::string>{"long:1", "long:2", "long:3"}));
    EXPECT_EQ(press->state(), GestureRecognizerState::Possible);  // reset for the next touch
}

TEST(Touch, ProgrammaticStateChangesFireActionsAndDisabledRecognizersStayOut) {
    Screen1 s;
    auto tap = TapGestureRecognizer::create();
    tap->addTarget(nullptr, "tap", s.note("tap"));
    s.panel->addGestureRecognizer(tap);
    tap->setEnabled(false);
    TouchDriver finger;
    finger.tap(s.window, {10, 10});
    EXPECT_TRUE(s.log.empty());
    tap->setEnabled(true);
    tap->setState(GestureRecognizerStateRecognized);
    EXPECT_EQ(s.log, (std::vector<std::string>{"tap:3"}));
}
