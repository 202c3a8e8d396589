// The popover controller as the Wi-Fi timer screen uses it (a bottom sheet
// that unfolds, closed by a tap outside it), where its bubble goes, what a
// touch outside the bubble does, its self-keeping from showing to the end
// of its dismissal, and the orientation change that closes it.
#include <gtest/gtest.h>

#include "platform/foundation/ApplicationNotifications.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/ViewAnimation.h"
#include "platform/ui/ViewController.h"
#include "platform/ui/Window.h"
#include "tests/support/Harness.h"
#include "tests/support/screen/ScreenDriver.h"
#include "widgets/PopoverController.h"

namespace keelbox::test {
namespace {

constexpr double kSettle = 0.5;

class WindowDelegate : public ui::ApplicationDelegate {
public:
    ui::WindowPtr window_;
    ui::WindowPtr window() const override { return window_; }
};

// The picker's controller: a view of its own and a place for the popover.
class PickerController : public ui::ViewController, public ContentViewControllerProtocol {
public:
    using ui::ViewController::ViewController;
    std::shared_ptr<PopoverControllerProtocol> popoverDelegate() const override { return popover_.lock(); }
    void setPopoverDelegate(const std::shared_ptr<PopoverControllerProtocol>& d) override {
        popover_ = d;
        ++delegateSets;
    }
    int delegateSets = 0;

private:
    std::weak_ptr<PopoverControllerProtocol> popover_;
};

class DismissLog : public PopoverControllerDelegate {
public:
    void popoverControllerWillDismiss(PopoverController&) override { entries.push_back("will"); }
    void popoverControllerDidDismiss(PopoverController&) override { entries.push_back("did"); }
    std::vector<std::string> entries;
};

class PopoverControllerTest : public ::testing::Test {
protected:
    void SetUp() override {
        appDelegate = std::make_shared<WindowDelegate>();
        appDelegate->window_ = ui::Window::create(cg::RectMake(0, 0, 320, 480));
        screenController = ui::ViewController::create();
        appDelegate->window_->setRootViewController(screenController);
        appDelegate->window_->makeKeyAndVisible();
        ui::Application::sharedApplication()->setDelegate(appDelegate);

        underneath = ui::Button::create(cg::RectMake(100, 60, 120, 40));
        underneath->addTarget(nullptr, "tapped", [this](ui::Control&) { ++underneathTaps; },
                              ui::ControlEventTouchUpInside);
        screenController->view()->addSubview(underneath);
        picker = ui::ViewController::make<PickerController>();
        picker->view()->setBackgroundColor(ui::Color::whiteColor());
        log = std::make_shared<DismissLog>();
    }
    void TearDown() override { ui::Application::sharedApplication()->setDelegate(nullptr); }

    PopoverControllerPtr makePopover(const cg::Size& contentSize) {
        auto popover = PopoverController::create(picker);
        popover->setDelegate(log);
        popover->setContentSize(contentSize, false);
        return popover;
    }
    // As the Wi-Fi timer screen shows its date picker.
    std::weak_ptr<PopoverController> showBottomSheet() {
        auto view = screenController->view();
        const cg::Size size = view->bounds().size;
        auto popover = makePopover({size.width, 380});
        popover->setEventUnableThroughViews({picker->view()});
        popover->showFromRect(cg::RectMake(0, size.height + 80, size.width, 380), view, 2, 0);
        return popover;  // the screen lets go at once
    }

    std::shared_ptr<WindowDelegate> appDelegate;
    ui::ViewControllerPtr screenController;
    ui::ButtonPtr underneath;
    int underneathTaps = 0;
    std::shared_ptr<PickerController> picker;
    std::shared_ptr<DismissLog> log;
    ScreenDriver screen;
};

TEST_F(PopoverControllerTest, ABottomSheetUnfoldsIsClosedOnceByATapOutsideAndIsFreed) {
    ui::ViewAnimation::clearRecords();
    auto weak = showBottomSheet();
    auto popover = weak.lock();
    ASSERT_TRUE(popover) << "it keeps itself alive while shown";
    EXPECT_TRUE(popover->isKeepingItselfAlive());
    auto view = popover->popoverView();
    auto bubble = view->bubble();
    EXPECT_EQ(view->superview(), appDelegate->window_);
    // Above its anchor (no room below), 80 points of it under the screen's edge.
    EXPECT_EQ(bubble->frame(), cg::RectMake(0, 180, 320, 380));
    EXPECT_EQ(view->direction(), 1);
    EXPECT_EQ(bubble->arrowView()->image(), ui::Image::imageNamed("popover_bg_arrow_down.png"));
    EXPECT_DOUBLE_EQ(view->dimingView()->alpha(), 0.3);
    ASSERT_FALSE(ui::ViewAnimation::records().empty());
    EXPECT_EQ(ui::ViewAnimation::records().back().duration, 0.3);
    EXPECT_EQ(picker->view()->superview(), bubble->containerView());
    appDelegate->window_->layoutIfNeeded();
    EXPECT_EQ(picker->view()->frame(), cg::RectMake(0, 0, 320, 380));
    popover.reset();
    advance(kSettle);
    EXPECT_FALSE(weak.expired());

    // A tap on the sheet itself changes nothing.
    ASSERT_TRUE(screen.tap(picker->view()));
    EXPECT_TRUE(log->entries.empty());

    // A tap on the dimmed area closes it and reaches the button under it.
    ASSERT_TRUE(screen.tap(underneath));
    EXPECT_EQ(underneathTaps, 1);
    EXPECT_EQ(log->entries, (std::vector<std::string>{"will"}));
    EXPECT_FALSE(weak.expired()) << "alive until the closing animation ends";
    ASSERT_TRUE(screen.tapAt({160, 20}));
    advance(kSettle);
    EXPECT_EQ(log->entries, (std::vector<std::string>{"will", "did"}));
    EXPECT_TRUE(weak.expired());
    EXPECT_FALSE(view->superview());
    EXPECT_TRUE(screen.tap(underneath));
    EXPECT_EQ(underneathTaps, 2);
    EXPECT_FALSE(picker->popoverDelegate());
}

TEST_F(PopoverControllerTest, TheBubbleKeepsToTheMarginsAndGoesAboveWhenThereIsNoRoomBelow) {
    const struct {
        const char* name;
        cg::Rect anchor;
        cg::Size bubble;
        int margin;
        bool centered;
        cg::Rect frame;
        int direction;
    } cases[] = {
        {"left edge", cg::RectMake(0, 100, 20, 20), {200, 100}, 10, false, cg::RectMake(10, 120, 200, 100), 0},
        {"right edge", cg::RectMake(300, 100, 20, 20), {200, 100}, 10, false, cg::RectMake(110, 120, 200, 100), 0},
        {"middle", cg::RectMake(150, 100, 21, 20), {101, 100}, 0, false, cg::RectMake(110, 120, 101, 100), 0},
        {"near the bottom", cg::RectMake(100, 380, 20, 20), {200, 80}, 0, false, cg::RectMake(10, 300, 200, 80), 1},
        {"just fitting below", cg::RectMake(100, 300, 20, 20), {200, 159}, 0, false,
         cg::RectMake(10, 320, 200, 159), 0},
        {"reaching the bottom", cg::RectMake(100, 300, 20, 20), {200, 160}, 0, false,
         cg::RectMake(10, 140, 200, 160), 1},
        {"centred", cg::RectMake(0, 100, 20, 20), {200, 100}, 0, true, cg::RectMake(60, 120, 200, 100), 0},
        {"wider than the margins allow", cg::RectMake(150, 100, 20, 20), {320, 100}, 10, false,
         cg::RectMake(0, 120, 320, 100), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto popover = makePopover(c.bubble);
        popover->setIsCenterInScreen(c.centered);
        popover->showFromRect(c.anchor, screenController->view(), 0, c.margin);
        auto view = popover->popoverView();
        EXPECT_EQ(view->bubble()->frame(), c.frame);
        EXPECT_EQ(view->direction(), c.direction);
        const double tipY = c.direction == 0 ? c.anchor.origin.y + c.anchor.size.height : c.anchor.origin.y;
        EXPECT_EQ(view->beginAnimationRect(), cg::RectMake(c.anchor.origin.x + c.anchor.size.width / 2, tipY, 0, 0));
        // The arrow's tip lies on the anchor's edge, inside the bubble.
        const cg::Rect arrow = view->bubble()->convertRectToView(view->bubble()->arrowView()->frame(), nullptr);
        EXPECT_EQ(arrow.size, (cg::Size{20, 10}));
        EXPECT_EQ(cg::RectGetMidX(arrow), view->beginAnimationRect().origin.x);
        EXPECT_EQ(c.direction == 0 ? arrow.origin.y : cg::RectGetMaxY(arrow), tipY);
        popover->dismissAnimated(false);
    }
    EXPECT_EQ(log->entries.size(), 2 * std::size(cases));
}

TEST_F(PopoverControllerTest, PassthroughViewsKeepItOpenAndEventUnableViewsSwallowTheClosingTap) {
    auto toolbar = ui::View::create(cg::RectMake(0, 0, 320, 44));
    screenController->view()->addSubview(toolbar);
    auto popover = makePopover({200, 100});
    popover->setPassthroughViews({underneath});
    popover->setEventUnableThroughViews({toolbar});
    popover->showFromRect(cg::RectMake(150, 200, 20, 20), screenController->view(), 1, 0);
    advance(kSettle);

    ASSERT_TRUE(screen.tap(underneath));
    EXPECT_EQ(underneathTaps, 1) << "the passthrough view gets the touch";
    EXPECT_TRUE(log->entries.empty()) << "and the popover stays";

    auto toolbarTaps = std::make_shared<int>(0);
    auto recognizer = ui::Button::create(toolbar->bounds());
    recognizer->addTarget(nullptr, "tap", [toolbarTaps](ui::Control&) { ++*toolbarTaps; },
                          ui::ControlEventTouchUpInside);
    toolbar->addSubview(recognizer);
    ASSERT_TRUE(screen.tapAt({40, 20}));
    EXPECT_EQ(*toolbarTaps, 0) << "swallowed";
    EXPECT_EQ(log->entries, (std::vector<std::string>{"will"}));
    advance(kSettle);
    EXPECT_EQ(log->entries, (std::vector<std::string>{"will", "did"}));
    // Grown from the tip, it shrank back into it.
    EXPECT_EQ(popover->popoverView()->bubble()->frame().size, (cg::Size{0, 0}));
}

TEST_F(PopoverControllerTest, AnOrientationChangeClosesItWithoutAnimationOnTheNextTurn) {
    auto weak = showBottomSheet();
    advance(kSettle);
    auto view = weak.lock()->popoverView();
    ui::Application::sharedApplication()->setStatusBarOrientation(ui::InterfaceOrientation::LandscapeLeft);
    EXPECT_TRUE(log->entries.empty()) << "not inside the notification";
    drainMainLoop();
    EXPECT_EQ(log->entries, (std::vector<std::string>{"will", "did"}));
    EXPECT_FALSE(view->superview());
    EXPECT_TRUE(weak.expired());

    // Closing twice tells the delegate once.
    log->entries.clear();
    auto popover = makePopover({200, 100});
    popover->showFromRect(cg::RectMake(150, 200, 20, 20), screenController->view(), 0, 0);
    popover->dismissAnimated(true);
    popover->dismissAnimated(false);
    advance(kSettle);
    popover->dismissAnimated(true);
    EXPECT_EQ(log->entries, (std::vector<std::string>{"will", "did"}));
    EXPECT_EQ(popover->popoverView()->bubble()->alpha(), 0) << "shown at once, it fades";

    // A controller freed before the next turn leaves nothing to run.
    std::weak_ptr<PopoverController> unshown;
    {
        auto other = makePopover({200, 100});
        unshown = other;
        ns::NotificationCenter::defaultCenter()->postNotificationName(
            ns::UIApplicationWillChangeStatusBarOrientationNotification, {});
    }
    EXPECT_TRUE(unshown.expired());
    drainMainLoop();
    EXPECT_EQ(log->entries.size(), 2u);
}

TEST_F(PopoverControllerTest, AnotherContentControllerCrossDissolvesInOverThreeTenthsOfASecond) {
    auto popover = makePopover({320, 200});
    popover->showFromRect(cg::RectMake(0, 100, 320, 20), screenController->view(), 0, 0);
    auto oldView = picker->view();
    auto next = ui::ViewController::create();
    next->view()->setFrame(cg::RectMake(0, 0, 320, 200));
    ui::ViewAnimation::clearRecords();
    popover->setContentViewController(next, true);
    EXPECT_EQ(popover->contentViewController(), next);
    ASSERT_EQ(ui::ViewAnimation::records().size(), 1u);
    const auto& swap = ui::ViewAnimation::records()[0];
    EXPECT_EQ(swap.kind, ui::ViewAnimationRecord::Kind::Transition);
    EXPECT_EQ(swap.duration, 0.3);
    EXPECT_EQ(swap.options & (7u << 20), unsigned(ui::ViewAnimationOptionTransitionCrossDissolve));
    auto container = popover->popoverView()->bubble()->containerView();
    EXPECT_EQ(next->view()->superview(), container);
    EXPECT_EQ(oldView->superview(), container) << "until the dissolve ends";
    advance(kSettle);
    EXPECT_FALSE(oldView->superview());
    popover->dismissAnimated(false);
}

}  // namespace
}  // namespace keelbox::test
