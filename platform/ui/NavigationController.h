// A stack of controllers, the top one's view shown below a navigation bar
// (which the program usually hides and replaces with its own). The bar
// shows the top controller's title view, centred, and its left and right
// views at the bar's edges.
//
// Push and pop change the stack and the shown view at once. The delegate
// hears will-show before the new view appears (also for the first
// controller, when the navigation controller appears) and did-show after
// the appearance calls ended: at once without animation, after
// kTransitionDuration with it. A new transition first finishes the one
// still running.
#pragma once

#include <memory>
#include <vector>

#include "platform/ui/ViewController.h"

namespace ui {

class NavigationController;

class NavigationControllerDelegate {
public:
    virtual ~NavigationControllerDelegate() = default;
    virtual void willShowViewController(NavigationController&, const ViewControllerPtr&, bool /*animated*/) {}
    virtual void didShowViewController(NavigationController&, const ViewControllerPtr&, bool /*animated*/) {}
};

class NavigationController : public ViewController {
public:
    using ViewController::ViewController;
    static std::shared_ptr<NavigationController> create(const ViewControllerPtr& root);
    static constexpr double kBarHeight = 44;
    // From the bar's edge to a left or right view.
    static constexpr double kItemMargin = 16;

    void initWithRootViewController(const ViewControllerPtr& root);

    const std::vector<ViewControllerPtr>& viewControllers() const { return stack_; }
    void setViewControllers(const std::vector<ViewControllerPtr>& controllers, bool animated);
    ViewControllerPtr topViewController() const { return stack_.empty() ? nullptr : stack_.back(); }
    // The presented controller over the top one, else the top one.
    ViewControllerPtr visibleViewController() const;

    void pushViewController(const ViewControllerPtr& controller, bool animated);
    // The popped controller; null when only the root is left.
    ViewControllerPtr popViewControllerAnimated(bool animated);
    // The popped controllers, bottom first; empty when `controller` is not
    // on the stack or already on top.
    std::vector<ViewControllerPtr> popToViewController(const ViewControllerPtr& controller, bool animated);
    std::vector<ViewControllerPtr> popToRootViewControllerAnimated(bool animated);

    bool isNavigationBarHidden() const { return barHidden_; }
    void setNavigationBarHidden(bool hidden, bool animated = false);
    // The system bar (20 points below the top, 44 high); hidden or not.
    const ViewPtr& navigationBar();
    bool isToolbarHidden() const { return true; }

    std::shared_ptr<NavigationControllerDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<NavigationControllerDelegate>& d) { delegate_ = d; }

    // While a transition runs (animated push or pop).
    bool isTransitioning() const { return pendingEnd_ != nullptr; }

    void loadView() override;
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    void viewDidDisappear(bool animated) override;
    bool shouldAutomaticallyForwardAppearanceMethods() const override { return false; }
    StatusBarStyle preferredStatusBarStyle() const override;
    // The top controller decides whether the bar is hidden, and its style
    // while the navigation bar is hidden.
    ViewControllerPtr childViewControllerForStatusBarStyle() const override;
    ViewControllerPtr childViewControllerForStatusBarHidden() const override;
    // Rotation calls go on to the top controller, whose view is shown.
    void willRotateToInterfaceOrientation(InterfaceOrientation o, double duration) override;
    void willAnimateRotationToInterfaceOrientation(InterfaceOrientation o, double duration) override;
    void didRotateFromInterfaceOrientation(InterfaceOrientation from) override;

private:
    // Moves from the shown controller to the new top one.
    void transition(const ViewControllerPtr& from, bool animated);
    void finishTransition();
    void placeTopView();
    // Puts the top controller's item views on the bar in place of the last ones.
    void showTopItem();
    bool isOnScreen() const;

    std::vector<ViewControllerPtr> stack_;
    ViewControllerPtr shown_;  // whose view is in the container
    std::weak_ptr<NavigationControllerDelegate> delegate_;
    ViewPtr bar_;
    std::vector<ViewPtr> itemViews_;  // on the bar for the top controller
    bool barHidden_ = false;
    std::function<void()> pendingEnd_;
    std::uint64_t pendingCall_ = 0;
};

using NavigationControllerPtr = std::shared_ptr<NavigationController>;

}  // namespace ui
