// The on/off switch under a finger and from code: one value-changed event
// per change a person makes, none from code, and the knob's geometry.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/BasicAnimation.h"
#include "platform/ui/ViewAnimation.h"
#include "platform/ui/Window.h"
#include "tests/support/Harness.h"
#include "tests/support/screen/ScreenDriver.h"
#include "uikit/ToggleSwitch.h"

namespace keelbox::test {
namespace {

class ToggleSwitchTest : public ::testing::Test {
public:
    void SetUp() override {
        window = ui::Window::create(cg::RectMake(0, 0, 320, 568));
        window->makeKeyAndVisible();
        toggle = ToggleSwitch::create(cg::RectMake(100, 100, 50, 30));
        window->addSubview(toggle);
        toggle->addTarget(nullptr, "changed", [this](ui::Control&) { ++changes; }, ui::ControlEventValueChanged);
    }
    // A point inside the switch, from its left edge.
    cg::Point at(double x) const { return {100 + x, 115}; }
    // The knob as it rests once the animations are over.
    cg::Rect knob() const { return toggle->knobView()->frame(); }

    ui::WindowPtr window;
    ToggleSwitchPtr toggle;
    ScreenDriver screen;
    int changes = 0;
};

TEST_F(ToggleSwitchTest, OnlyAChangeByTouchSendsOneValueChangedEvent) {
    struct Case {
        std::string name;
        bool startOn;
        std::function<void(ScreenDriver&, ToggleSwitchTest&)> act;
        bool endsOn;
        int events;
    };
    const std::vector<Case> cases = {
        {"a tap on an off switch", false, [](ScreenDriver& s, ToggleSwitchTest& t) { s.tap(t.toggle); }, true, 1},
        {"a tap on an on switch", true, [](ScreenDriver& s, ToggleSwitchTest& t) { s.tap(t.toggle); }, false, 1},
        {"a drag past the middle and back", false,
         [](ScreenDriver& s, ToggleSwitchTest& t) {
             s.finger().down(t.window, t.at(5));
             s.finger().moveTo(t.at(40));
             EXPECT_TRUE(t.toggle->currentVisualValue()) << "the look follows the finger";
             EXPECT_FALSE(t.toggle->isOn());
             s.finger().moveTo(t.at(5));
             s.finger().up();
         },
         false, 0},
        {"a drag past the middle, lifted there", false,
         [](ScreenDriver& s, ToggleSwitchTest& t) { s.drag(t.at(5), t.at(45)); }, true, 1},
        // Never across the middle, the drag counts as a tap.
        {"a drag on an on switch that stays right", true,
         [](ScreenDriver& s, ToggleSwitchTest& t) { s.drag(t.at(30), t.at(45)); }, false, 1},
        {"setOn from code", false, [](ScreenDriver&, ToggleSwitchTest& t) { t.toggle->setOn(true); }, true, 0},
        {"setOn animated from code", true, [](ScreenDriver&, ToggleSwitchTest& t) { t.toggle->setOn(false, true); },
         false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        toggle->setOn(c.startOn);
        changes = 0;
        c.act(screen, *this);
        screen.wait(ToggleSwitch::kAnimationDuration);
        EXPECT_EQ(toggle->isOn(), c.endsOn);
        EXPECT_EQ(changes, c.events);
        EXPECT_EQ(knob(), c.endsOn ? cg::RectMake(21, 1, 28, 28) : cg::RectMake(1, 1, 28, 28));
    }
}

TEST_F(ToggleSwitchTest, ATapSlidesTheKnobWithAnEaseOutOfAThirdOfASecond) {
    screen.tap(toggle);
    auto slide = std::dynamic_pointer_cast<ca::BasicAnimation>(toggle->knobView()->layer()->animationForKey("position"));
    ASSERT_TRUE(slide);
    EXPECT_DOUBLE_EQ(slide->duration, 0.3);
    EXPECT_EQ(slide->timingFunction, ca::TimingFunction::EaseOut);
    EXPECT_EQ(toggle->trackView()->backgroundColor(), toggle->onTintColor());

    auto animationsBefore = ui::ViewAnimation::records().size();
    toggle->setOn(false);
    EXPECT_EQ(ui::ViewAnimation::records().size(), animationsBefore) << "from code the knob is in place at once";
    EXPECT_EQ(knob(), cg::RectMake(1, 1, 28, 28));
    EXPECT_EQ(toggle->trackView()->backgroundColor(), toggle->inactiveColor());
}

TEST_F(ToggleSwitchTest, GeometryOfTheDefaultSwitch) {
    auto plain = ToggleSwitch::create(cg::Rect{});
    EXPECT_EQ(plain->frame(), cg::RectMake(0, 0, 50, 30)) << "an empty frame gives the switch's own size";
    EXPECT_EQ(plain->trackView()->frame(), cg::RectMake(0, 0, 50, 30));
    EXPECT_EQ(plain->trackView()->layer()->cornerRadius(), 15);
    EXPECT_EQ(plain->knobView()->layer()->cornerRadius(), 14);
    EXPECT_EQ(plain->onImageView()->frame(), cg::RectMake(0, 0, 20, 30));
    EXPECT_EQ(plain->offImageView()->frame(), cg::RectMake(30, 0, 20, 30));
    EXPECT_EQ(plain->knobView()->frame(), cg::RectMake(1, 1, 28, 28));

    // Pressed, the knob widens to 33, keeping to its end.
    toggle->setOn(true);
    screen.finger().down(window, at(30));
    EXPECT_EQ(knob(), cg::RectMake(16, 1, 33, 28));
    screen.finger().up();
    screen.wait(ToggleSwitch::kAnimationDuration);
    EXPECT_FALSE(toggle->isOn());
    screen.finger().down(window, at(10));
    EXPECT_EQ(knob(), cg::RectMake(1, 1, 33, 28));
    EXPECT_EQ(toggle->trackView()->backgroundColor(), toggle->activeColor());
    screen.finger().up();

    plain->setIsRounded(false);
    EXPECT_EQ(plain->trackView()->layer()->cornerRadius(), 2);
    EXPECT_EQ(plain->knobView()->layer()->cornerRadius(), 2);
}

}  // namespace
}  // namespace keelbox::test
