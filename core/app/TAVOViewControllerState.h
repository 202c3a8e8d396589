// Finding the screen on display and bringing the user back to the main tab
// screen, from anywhere. The screen stack is the navigation controller at
// the root of the application delegate's window; the tab screen lies on it
// once the user has passed start-up.
#pragma once

#include <functional>
#include <memory>

namespace ui {
class NavigationController;
class ViewController;
}  // namespace ui

class TAVOViewControllerState {
public:
    TAVOViewControllerState() = delete;

    // The root navigation controller, or nullptr before launch.
    static std::shared_ptr<ui::NavigationController> appNavigationController();
    // The visible screen; for the tab screen, its selected tab's screen.
    static std::shared_ptr<ui::ViewController> getCurrentShowViewController();
    static bool hasPresentedViewController();
    // The first tab screen on the root navigation stack, or nullptr.
    static std::shared_ptr<ui::ViewController> getTabViewController();
    // Dismisses what covers the tab screen and pops back to it; without a
    // tab screen on the stack, pushes a new one (animated) once whatever is
    // presented has been dismissed. `then` runs once the tab screen is on
    // top: at once, or after the new one was pushed.
    static void backToTabViewController(std::function<void()> then = nullptr);
};
