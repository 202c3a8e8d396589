#include "tests/support/screen/ScreenDriver.h"

#include <algorithm>
#include <chrono>

#include <gtest/gtest.h>

#include "core/app/TAVOTabScreen.h"
#include "core/app/TAVOViewControllerState.h"
#include "platform/ui/Application.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TextField.h"
#include "platform/ui/TextView.h"
#include "tests/support/Harness.h"
#include "tests/support/screen/ScreenReaders.h"
#include "tests/support/screen/ViewReader.h"

namespace keelbox::test {

namespace {

// A swipe: far and fast enough for the platform's swipe recogniser.
constexpr double kSwipeDistance = 120;
constexpr double kSwipeSeconds = 0.15;

// What a frame drawn on a phone does first: the views that asked for
// layout lay out, so that what a finger meets or a reader sees is where the
// screen shows it (a tab's content, say, gets its size only there).
void layOutWindows() {
    auto app = ui::Application::existing();
    if (!app) return;
    for (const auto& window : app->windows()) window->layoutIfNeeded();
}

template <class T>
T frontmost(const std::vector<T>& found) {
    return found.empty() ? nullptr : found.back();
}

}  // namespace

ScreenDriver::ScreenDriver() : finger_([](double seconds) { advance(seconds); }) {}

std::vector<ui::WindowPtr> ScreenDriver::windows() const {
    layOutWindows();
    std::vector<ui::WindowPtr> shown;
    if (auto app = ui::Application::existing())
        for (const auto& window : app->windows())
            if (!window->isHidden()) shown.push_back(window);
    return shown;
}

ViewFinder ScreenDriver::find() const {
    auto shown = windows();
    // The eye sees screens laid out, as the next display pass leaves them.
    for (const auto& window : shown) window->layoutIfNeeded();
    return ViewFinder(std::vector<ui::ViewPtr>(shown.begin(), shown.end()));
}

ui::ViewPtr ScreenDriver::viewWithText(const std::string& text) const { return frontmost(find().withText(text)); }

ui::ViewPtr ScreenDriver::viewWithTextContaining(const std::string& part) const {
    return frontmost(find().withTextContaining(part));
}

ui::ViewPtr ScreenDriver::viewWithImage(const std::string& imageName) const {
    return frontmost(find().withImage(imageName));
}

ui::ViewPtr ScreenDriver::viewWithTag(long tag) const { return frontmost(find().withTag(tag)); }

std::vector<std::string> ScreenDriver::shownTexts() const {
    std::vector<std::string> texts;
    for (const auto& view : find().withAnyText()) texts.push_back(ViewReader::text(view));
    return texts;
}

std::string ScreenDriver::describe() const {
    auto shown = windows();
    return ViewFinder(std::vector<ui::ViewPtr>(shown.begin(), shown.end()), ViewFinder::Scope::All).describe();
}

ui::WindowPtr ScreenDriver::windowAt(const cg::Point& point) const {
    auto app = ui::Application::existing();
    return app ? app->windowAtPoint(point) : nullptr;
}

std::optional<std::pair<ui::WindowPtr, cg::Point>> ScreenDriver::reachableMiddle(const ui::ViewPtr& view) {
    if (!view) {
        ADD_FAILURE() << "no view to touch; the screen shows:\n" << describe();
        return std::nullopt;
    }
    if (!ViewReader::isShown(view)) {
        ADD_FAILURE() << view->description() << " is not on screen; the screen shows:\n" << describe();
        return std::nullopt;
    }
    auto window = view->window();
    const cg::Rect frame = ViewReader::frameInWindow(view);
    const cg::Point middle{cg::RectGetMidX(frame), cg::RectGetMidY(frame)};
    const cg::Point onScreen{middle.x + window->frame().origin.x, middle.y + window->frame().origin.y};
    auto hit = windowAt(onScreen) == window ? window->hitTest(middle, nullptr) : nullptr;
    // A label inside a button passes the touch to the button; a button
    // inside a cell takes it itself: both reach what the person aimed at.
    if (!hit || (hit != view && !hit->isDescendantOfView(view) && !view->isDescendantOfView(hit))) {
        ADD_FAILURE() << "a finger on the middle of " << view->description() << " reaches "
                      << (hit ? hit->description() : std::string("nothing")) << "; the screen shows:\n"
                      << describe();
        return std::nullopt;
    }
    return std::make_pair(window, middle);
}

bool ScreenDriver::tap(const ui::ViewPtr& view) {
    layOutWindows();
    auto at = reachableMiddle(view);
    if (!at) return false;
    finger_.tap(at->first, at->second);
    drainMainLoop();
    return true;
}

bool ScreenDriver::tapAt(const cg::Point& point) {
    layOutWindows();
    if (!finger_.tapScreen(point)) {
        ADD_FAILURE() << "nothing takes a touch at (" << point.x << ", " << point.y << ")";
        return false;
    }
    drainMainLoop();
    return true;
}

bool ScreenDriver::tapText(const std::string& text) {
    auto view = viewWithText(text);
    if (!view) {
        ADD_FAILURE() << "no view shows \"" << text << "\"; the screen shows:\n" << describe();
        return false;
    }
    return tap(view);
}

bool ScreenDriver::longPress(const ui::ViewPtr& view, double seconds) {
    auto at = reachableMiddle(view);
    if (!at) return false;
    finger_.longPress(at->first, at->second, seconds);
    drainMainLoop();
    return true;
}

bool ScreenDriver::drag(const cg::Point& from, const cg::Point& to, double seconds) {
    auto window = windowAt(from);
    if (!window) {
        ADD_FAILURE() << "no window at (" << from.x << ", " << from.y << ")";
        return false;
    }
    const cg::Point origin = window->frame().origin;
    finger_.drag(window, {from.x - origin.x, from.y - origin.y}, {to.x - origin.x, to.y - origin.y}, seconds);
    drainMainLoop();
    return true;
}

bool ScreenDriver::drag(const ui::ViewPtr& view, const cg::Size& by, double seconds) {
    auto at = reachableMiddle(view);
    if (!at) return false;
    const cg::Point from = at->second;
    finger_.drag(at->first, from, {from.x + by.width, from.y + by.height}, seconds);
    drainMainLoop();
    return true;
}

bool ScreenDriver::swipe(const ui::ViewPtr& view, ui::SwipeDirection direction) {
    cg::Size by{0, 0};
    switch (direction) {
        case ui::SwipeDirectionRight: by.width = kSwipeDistance; break;
        case ui::SwipeDirectionLeft: by.width = -kSwipeDistance; break;
        case ui::SwipeDirectionUp: by.height = -kSwipeDistance; break;
        case ui::SwipeDirectionDown: by.height = kSwipeDistance; break;
    }
    return drag(view, by, kSwipeSeconds);
}

bool ScreenDriver::type(const std::string& text) {
    auto focused = ui::Responder::currentFirstResponder();
    if (auto field = std::dynamic_pointer_cast<ui::TextField>(focused)) return field->insertText(text);
    if (auto view = std::dynamic_pointer_cast<ui::TextView>(focused)) return view->insertText(text);
    ADD_FAILURE() << "no text field or text view has the focus";
    return false;
}

bool ScreenDriver::pressReturn() {
    auto focused = ui::Responder::currentFirstResponder();
    bool answer = false;
    if (auto field = std::dynamic_pointer_cast<ui::TextField>(focused)) {
        answer = field->pressReturn();
    } else if (auto view = std::dynamic_pointer_cast<ui::TextView>(focused)) {
        answer = view->insertText("\n");
    } else {
        ADD_FAILURE() << "no text field or text view has the focus";
        return false;
    }
    drainMainLoop();
    return answer;
}

bool ScreenDriver::selectRow(const std::shared_ptr<ui::TableView>& table, const ui::IndexPath& indexPath) {
    if (!table || indexPath.section >= table->numberOfSections() ||
        indexPath.row >= table->numberOfRowsInSection(indexPath.section)) {
        ADD_FAILURE() << "the table has no row " << indexPath.description();
        return false;
    }
    table->scrollToRowAtIndexPath(indexPath, ui::TableViewScrollPosition::None, false);
    table->layoutIfNeeded();
    return tap(table->cellForRowAtIndexPath(indexPath));
}

bool ScreenDriver::pickDate(const std::shared_ptr<ui::DatePicker>& picker, const ns::Date& date) {
    if (!reachableMiddle(picker)) return false;
    picker->spinTo(date);
    drainMainLoop();
    return true;
}

std::optional<ShownToast> ScreenDriver::toast() const {
    layOutWindows();
    return ScreenReaders::currentToast();
}

std::vector<std::shared_ptr<ShownAlert>> ScreenDriver::alerts() const { return ScreenReaders::shownAlerts(); }

std::shared_ptr<ShownAlert> ScreenDriver::alert() const { return frontmost(alerts()); }

bool ScreenDriver::pressAlertButton(const std::string& title) {
    auto shown = alert();
    if (!shown) {
        ADD_FAILURE() << "no alert is on screen";
        return false;
    }
    if (!shown->pressButton(title)) {
        std::string titles;
        for (const auto& t : shown->buttonTitles()) titles += " \"" + t + "\"";
        ADD_FAILURE() << "the alert \"" << shown->title() << "\" has no button \"" << title << "\", only" << titles;
        return false;
    }
    drainMainLoop();
    return true;
}

std::vector<ui::ViewControllerPtr> ScreenDriver::navigationStack() const {
    auto nav = TAVOViewControllerState::appNavigationController();
    return nav ? nav->viewControllers() : std::vector<ui::ViewControllerPtr>{};
}

std::vector<ui::ViewControllerPtr> ScreenDriver::presentedScreens() const {
    std::vector<ui::ViewControllerPtr> presented;
    auto nav = TAVOViewControllerState::appNavigationController();
    for (auto p = nav ? nav->presentedViewController() : nullptr; p; p = p->presentedViewController()) {
        if (!presented.empty() && p == presented.back()) break;
        presented.push_back(p);
    }
    return presented;
}

ui::ViewControllerPtr ScreenDriver::topScreen() const {
    auto presented = presentedScreens();
    if (!presented.empty()) return presented.back();
    auto stack = navigationStack();
    if (stack.empty()) return nullptr;
    // Over the main tabs, the screen shown is the top of the selected tab's
    // own stack (where the error system's jumps push).
    if (auto* tabs = dynamic_cast<TAVOTabScreen*>(stack.back().get())) {
        auto selected = tabs->selectedViewController();
        if (auto tabStack = std::dynamic_pointer_cast<ui::NavigationController>(selected)) {
            if (auto top = tabStack->topViewController(); top && tabStack->viewControllers().size() > 1) return top;
        }
    }
    return stack.back();
}

ui::ViewControllerPtr ScreenDriver::selectedTab() const {
    auto tab = TAVOViewControllerState::getTabViewController();
    auto* screen = dynamic_cast<TAVOTabScreen*>(tab.get());
    return screen ? screen->selectedViewController() : nullptr;
}

void ScreenDriver::wait(double seconds) {
    advance(seconds);
    layOutWindows();
}

bool ScreenDriver::waitUntil(const std::function<bool()>& condition, double realTimeoutSeconds) {
    return runMainLoopUntil(condition, realTimeoutSeconds);
}

bool ScreenDriver::waitWhileTimePasses(const std::function<bool()>& condition, double realTimeoutSeconds) {
    auto last = std::chrono::steady_clock::now();
    return runMainLoopUntil(
        [&] {
            const auto now = std::chrono::steady_clock::now();
            // At most a tenth of a second a turn, so that a slow turn does
            // not jump over what a phone would have shown in between.
            const double passed = std::min(0.1, std::chrono::duration<double>(now - last).count());
            last = now;
            if (passed > 0) wait(passed);
            return condition();
        },
        realTimeoutSeconds);
}

}  // namespace keelbox::test
