// A test's hands and eyes on the application's screens: it finds views as
// a person sees them (ViewFinder over the visible windows), touches them
// through the platform's touch driver, types into the focused field,
// reads the toast, the alerts and the screen stack, and lets virtual time
// pass. Every action runs the main loop until it is idle afterwards, so
// what the touch posted has happened when the call returns.
//
// A touch on a view that cannot be seen, or that another view covers,
// fails the running test (the finger would have hit something else) and
// returns false. Main thread only.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/foundation/Date.h"
#include "platform/ui/IndexPath.h"
#include "platform/ui/SwipeGestureRecognizer.h"
#include "platform/ui/TouchDriver.h"
#include "platform/ui/ViewController.h"
#include "platform/ui/Window.h"
#include "tests/support/screen/ShownAlert.h"
#include "tests/support/screen/ShownToast.h"
#include "tests/support/screen/ViewFinder.h"

namespace ui {
class DatePicker;
class TableView;
}  // namespace ui

namespace keelbox::test {

class ScreenDriver {
public:
    ScreenDriver();

    // Looking, at the windows laid out. The single-view finders answer the
    // frontmost match, or null.
    std::vector<ui::WindowPtr> windows() const;
    ViewFinder find() const;
    ui::ViewPtr viewWithText(const std::string& text) const;
    ui::ViewPtr viewWithTextContaining(const std::string& part) const;
    ui::ViewPtr viewWithImage(const std::string& imageName) const;
    ui::ViewPtr viewWithTag(long tag) const;
    template <class T>
    std::shared_ptr<T> viewOfClass() const {
        auto found = find().ofClass<T>();
        return found.empty() ? nullptr : found.back();
    }
    // Every text on screen, back to front.
    std::vector<std::string> shownTexts() const;
    // The visible windows' trees, for failure messages.
    std::string describe() const;

    // Touching, at the middle of a view or at a point of the screen.
    bool tap(const ui::ViewPtr& view);
    bool tapAt(const cg::Point& point);
    bool tapText(const std::string& text);
    bool longPress(const ui::ViewPtr& view, double seconds = 1.0);
    bool drag(const cg::Point& from, const cg::Point& to, double seconds = 0.3);
    // From the view's middle, moved by the offset.
    bool drag(const ui::ViewPtr& view, const cg::Size& by, double seconds = 0.3);
    // A quick stroke across the view's middle in the direction.
    bool swipe(const ui::ViewPtr& view, ui::SwipeDirection direction);

    // Typing into the first responder (a text field or text view).
    bool type(const std::string& text);
    bool pressReturn();

    // A finger on the row (scrolled into view first).
    bool selectRow(const std::shared_ptr<ui::TableView>& table, const ui::IndexPath& indexPath);
    // The wheels turned to the date.
    bool pickDate(const std::shared_ptr<ui::DatePicker>& picker, const ns::Date& date);

    // The newest toast or HUD on screen.
    std::optional<ShownToast> toast() const;
    // The alerts on screen, oldest first; alert() is the frontmost.
    std::vector<std::shared_ptr<ShownAlert>> alerts() const;
    std::shared_ptr<ShownAlert> alert() const;
    bool pressAlertButton(const std::string& title);

    // The application's screen stack.
    std::vector<ui::ViewControllerPtr> navigationStack() const;
    // What the root presents, and what that presents, in order.
    std::vector<ui::ViewControllerPtr> presentedScreens() const;
    // The screen on top: the last presented, else the stack's top (over the
    // main tabs, what the selected tab pushed over its first screen).
    ui::ViewControllerPtr topScreen() const;
    // The selected tab's screen of the tab screen on the stack, or null.
    ui::ViewControllerPtr selectedTab() const;

    // Virtual time passes (due timers fire, in order).
    void wait(double seconds);
    // Real time passes while the emulator answers, until the condition holds.
    bool waitUntil(const std::function<bool()>& condition, double realTimeoutSeconds = 15.0);
    // The same, with the virtual clock keeping pace with real time (never
    // ahead of it), as on a phone: timers and animations run while the
    // peers answer, and no request times out that would not on a phone.
    bool waitWhileTimePasses(const std::function<bool()>& condition, double realTimeoutSeconds = 20.0);

    ui::TouchDriver& finger() { return finger_; }

private:
    // The window and window point of the view's middle, when a finger
    // there would reach the view.
    std::optional<std::pair<ui::WindowPtr, cg::Point>> reachableMiddle(const ui::ViewPtr& view);
    ui::WindowPtr windowAt(const cg::Point& point) const;

    ui::TouchDriver finger_;
};

}  // namespace keelbox::test
