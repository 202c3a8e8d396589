// The base of the screens that act on the current router: every loaded one
// hears the global router events (visible or not), tells whether the
// router can be reached now (with a warning toast on the window when not),
// and knows whether an account is signed in.
#pragma once

#include <memory>

#include "platform/foundation/NotificationCenter.h"
#include "widgets/TAVOBaseViewController.h"

class TKTabBarController;
class TAVORouterStatusLisener;

class TAVOWIFIViewControler : public TAVOBaseViewController {
public:
    using TAVOBaseViewController::TAVOBaseViewController;

    // The router states in which router actions are refused.
    static constexpr int kRouterNotExist = 100001;
    static constexpr int kRouterNotOnline = 100002;
    static constexpr int kRouterLostConnect = 100006;
    static bool isRefusingRouterState(int state);

    void viewDidLoad() override;

    // Empty: screens override it to act on event 1 to 4.
    virtual void handleGlobalRouterEvent(int /*event*/) {}
    void handleGlobalRouterNotification(const ns::NotificationPtr& notification);

    // NO in a refusing state, after a warning toast on the window naming
    // the state when asked.
    bool isRouterAvailable(bool showToast = true);
    bool isLoginArdoAccount() const;
    std::shared_ptr<TAVORouterStatusLisener> listener() const;

    // The main tab bar controller, set by whoever places the screen in it.
    std::shared_ptr<TKTabBarController> tabBarController() const { return tabBarController_.lock(); }
    void setTabBarController(const std::shared_ptr<TKTabBarController>& controller) { tabBarController_ = controller; }
    // contentViewFrame less the tab bar's height.
    cg::Rect contentViewFrameRemoveTabBar() const;

private:
    std::weak_ptr<TKTabBarController> tabBarController_;
    ns::ScopedObserver globalEventObserver_;
};

using TAVOWIFIViewControlerPtr = std::shared_ptr<TAVOWIFIViewControler>;
