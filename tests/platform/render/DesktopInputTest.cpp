// The desktop's mouse and keyboard acting on a window stack, headless on the
// virtual clock: a click taps, a drag flung in frames decelerates by the
// finger's speed over a frame, the wheel scrolls the scroll view under the
// pointer that can move that way, and typing reaches the focused input.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/foundation/NotificationCenter.h"
#include "platform/render/DesktopInput.h"
#include "platform/ui/Control.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/KeyboardNotifications.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/TextField.h"
#include "platform/ui/TextView.h"
#include "platform/ui/Window.h"
#include "tests/support/Harness.h"

namespace {

constexpr double kFrame = 1.0 / 60;

// A window with a tall list (a vertical scroll view) holding a wide strip
// (a horizontal one) and a button, and a text field above the list.
struct Desk {
    std::shared_ptr<ui::Window> window = ui::Window::create(cg::RectMake(0, 0, 320, 568));
    ui::ScrollViewPtr list = ui::ScrollView::create(cg::RectMake(0, 100, 320, 400));
    ui::ScrollViewPtr strip = ui::ScrollView::create(cg::RectMake(0, 150, 320, 100));
    ui::ControlPtr button = ui::Control::create(cg::RectMake(100, 300, 120, 44));
    ui::TextFieldPtr field = ui::TextField::create(cg::RectMake(10, 20, 300, 40));
    cg::DesktopInput input;
    std::vector<std::string> log;

    Desk() {
        list->setContentSize({320, 4000});
        strip->setContentSize({1000, 100});
        list->addSubview(strip);
        list->addSubview(button);
        window->addSubview(list);
        window->addSubview(field);
        window->makeKeyAndVisible();
        button->addTarget(nullptr, "tap", [this](ui::Control&) { log.push_back("tap"); },
                          ui::ControlEventTouchUpInside);
        field->addTarget(nullptr, "return", [this](ui::Control&) { log.push_back("return"); },
                         ui::ControlEventEditingDidEndOnExit);
    }
    void click(cg::Point p) {
        input.press(p);
        input.release(p);
    }
};

}  // namespace

TEST(DesktopInput, ClickTapsTheControlUnderThePointer) {
    Desk d;
    d.click({160, 420});
    EXPECT_EQ(d.log, std::vector<std::string>{"tap"});
    d.click({10, 90});  // beside the field and the list
    EXPECT_EQ(d.log, std::vector<std::string>{"tap"});
}

// The desktop reports many small moves per frame, all at one instant; the
// finger's speed is what a frame's worth of them covers.
TEST(DesktopInput, DragDeceleratesByTheSpeedOverAFrame) {
    Desk d;
    d.input.press({160, 480});
    double y = 480;
    for (int frame = 0; frame < 10; ++frame) {
        keelbox::test::advance(kFrame);
        for (int event = 0; event < 5; ++event) d.input.move({160, y -= 2});  // 10 points a frame
        d.input.flush();
    }
    EXPECT_DOUBLE_EQ(d.list->contentOffset().y, 100);  // the finger's travel
    d.input.release({160, y});
    EXPECT_TRUE(d.list->isDecelerating());
    // 600 points per second, decelerating at the normal rate.
    const double rate = ui::ScrollView::kDecelerationRateNormal;
    EXPECT_NEAR(d.list->contentOffset().y, 100 + 0.6 * rate / (1 - rate), 1);
    EXPECT_TRUE(d.log.empty());  // the button under the start was not tapped

    // Held still before letting go, the list stays where the finger left it.
    keelbox::test::advance(1);
    const double still = d.list->contentOffset().y;
    d.input.press({160, 300});
    keelbox::test::advance(kFrame);
    d.input.move({160, 250});
    d.input.flush();
    keelbox::test::advance(0.5);
    d.input.release({160, 250});
    EXPECT_FALSE(d.list->isDecelerating());
    EXPECT_DOUBLE_EQ(d.list->contentOffset().y, still + 50);
}

TEST(DesktopInput, WheelScrollsTheScrollViewUnderThePointerThatCanMoveThatWay) {
    Desk d;
    struct Delegate : ui::ScrollViewDelegate {
        std::vector<std::string> calls;
        void scrollViewWillBeginDragging(ui::ScrollView&) override { calls.push_back("begin"); }
        void scrollViewDidEndDragging(ui::ScrollView&, bool decelerate) override {
            calls.push_back(decelerate ? "end decelerating" : "end");
        }
    };
    auto delegate = std::make_shared<Delegate>();
    d.list->setDelegate(delegate);
    d.input.move({160, 300});  // over the strip
    // The strip cannot scroll down: the list around it does.
    EXPECT_TRUE(d.input.wheel({0, 120}));
    EXPECT_EQ(d.list->contentOffset(), cg::PointMake(0, 120));
    EXPECT_EQ(delegate->calls, (std::vector<std::string>{"begin", "end"}));
    // The strip moved up with the content; sideways it scrolls itself.
    d.input.move({160, 180});
    EXPECT_TRUE(d.input.wheel({80, 0}));
    EXPECT_EQ(d.strip->contentOffset(), cg::PointMake(80, 0));
    EXPECT_EQ(d.list->contentOffset(), cg::PointMake(0, 120));
    // Past the ends it stops at them, and at an end nothing moves.
    EXPECT_TRUE(d.input.wheel({0, -500}));
    EXPECT_EQ(d.list->contentOffset(), cg::PointMake(0, 0));
    EXPECT_FALSE(d.input.wheel({0, -40}));
    EXPECT_EQ(delegate->calls.size(), 4u);
    // Over no scroll view, or while a finger is down, the wheel does nothing.
    d.input.move({160, 40});
    EXPECT_FALSE(d.input.wheel({0, 40}));
    d.input.press({160, 300});
    EXPECT_FALSE(d.input.wheel({0, 40}));
    EXPECT_EQ(d.list->contentOffset(), cg::PointMake(0, 0));
}

TEST(DesktopInput, TypingGoesToTheFocusedFieldOrTextView) {
    Desk d;
    std::vector<std::string> keyboard;
    auto center = ns::NotificationCenter::defaultCenter();
    auto token = center->addObserverForName("", {}, nullptr, [&](const ns::NotificationPtr& n) {
        if (n->name().find("UIKeyboard") == 0) keyboard.push_back(n->name());
    });
    d.input.text("lost");  // nothing has the focus
    d.click({160, 40});
    ASSERT_TRUE(d.field->isFirstResponder());
    EXPECT_EQ(keyboard, std::vector<std::string>{ui::KeyboardWillShowNotification});
    d.input.text("héllo");
    d.input.text(" w");
    d.input.backspace();
    d.input.backspace();
    EXPECT_EQ(d.field->text(), "héllo");
    d.input.returnKey();
    EXPECT_EQ(d.log, std::vector<std::string>{"return"});
    EXPECT_EQ(d.field->text(), "héllo");

    auto notes = ui::TextView::create(cg::RectMake(0, 0, 320, 100));
    d.window->addSubview(notes);
    ASSERT_TRUE(notes->becomeFirstResponder());
    d.input.text("a");
    d.input.returnKey();
    d.input.text("b");
    EXPECT_EQ(notes->text(), "a\nb");
    EXPECT_EQ(d.field->text(), "héllo");
    ASSERT_TRUE(notes->resignFirstResponder());
    EXPECT_FALSE(ui::Keyboard::isVisible());
    center->removeObserver(token);
}
