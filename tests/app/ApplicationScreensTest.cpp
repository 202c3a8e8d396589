// The toast presenter and the screens the core opens by role: the error
// system's jumps reach the account screens over the main tab bar.
#include <gtest/gtest.h>

#include "app/lib/TAVOApplicationScreens.h"
#include "app/lib/TAVOHUDToastPresenter.h"
#include "core/app/TAVOViewControllerState.h"
#include "core/errors/TAVOAppJumper.h"
#include "core/errors/TAVOErrorSystemManager.h"
#include "platform/ui/Application.h"
#include "platform/ui/Label.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/Window.h"
#include "screens/account/TAVOArdoAccountLoginViewController.h"
#include "screens/account/TAVOBindRouterPswViewController.h"
#include "tests/support/Harness.h"
#include "uikit/TKTabBarController.h"
#include "widgets/CustomizedHUD.h"

namespace keelbox::test {
namespace {

class WindowDelegate : public ui::ApplicationDelegate {
public:
    std::shared_ptr<ui::Window> window_;
    std::shared_ptr<ui::Window> window() const override { return window_; }
};

class ApplicationScreensOnTheStack : public ::testing::Test {
protected:
    void SetUp() override {
        delegate = std::make_shared<WindowDelegate>();
        delegate->window_ = ui::Window::create(cg::RectMake(0, 0, 320, 480));
        root = ui::ViewController::create();
        delegate->window_->setRootViewController(ui::NavigationController::create(root));
        delegate->window_->makeKeyAndVisible();
        app = ui::Application::sharedApplication();
        app->setDelegate(delegate);
        auto screens = std::make_shared<TAVOApplicationScreens>();
        TAVORecoveryScreens::setShared(screens);
    }
    void TearDown() override { app->setDelegate(nullptr); }

    std::shared_ptr<ui::Application> app;
    std::shared_ptr<WindowDelegate> delegate;
    std::shared_ptr<ui::ViewController> root;
};

TEST_F(ApplicationScreensOnTheStack, AToastShowsOnTheWindowAndGoesAfterItsTime) {
    auto presenter = std::make_shared<TAVOHUDToastPresenter>();
    bool hidden = false;
    presenter->showToast("network exception", TAVOToastTypeWarning, 1.5, [&] { hidden = true; });
    auto toast = CustomizedHUD::HUDForView<CustomizedHUD>(delegate->window_);
    ASSERT_TRUE(toast);
    EXPECT_EQ(toast->labelText(), "network exception");
    EXPECT_EQ(toast->type(), CustomizedHUDTypeWarning);
    advance(1.0);
    EXPECT_FALSE(hidden);
    advance(1.0);
    EXPECT_TRUE(hidden);
    EXPECT_FALSE(toast->superview());
}

TEST_F(ApplicationScreensOnTheStack, TheJumperReachesTheAccountScreensOverANewTabScreen) {
    TAVOAppJumper::jumper()->jumpToLocalAccountPage();
    advance(1.0);
    auto nav = TAVOViewControllerState::appNavigationController();
    ASSERT_EQ(nav->viewControllers().size(), 3u);
    EXPECT_TRUE(std::dynamic_pointer_cast<TKTabBarController>(nav->viewControllers()[1]));
    auto bind = std::dynamic_pointer_cast<TAVOBindRouterPswViewController>(nav->viewControllers()[2]);
    ASSERT_TRUE(bind);
    EXPECT_FALSE(bind->isCheckRouterArdoAccount()) << "the local mode";
    bind->view();
    EXPECT_TRUE(TAVOErrorSystemManager::sharedManager()->shouldIgnorePreErrorHandler());

    // The bind screen hands the error system back when it goes.
    nav->popViewControllerAnimated(false);
    bind.reset();
    advance(1.0);
    EXPECT_FALSE(TAVOErrorSystemManager::sharedManager()->shouldIgnorePreErrorHandler());

    TAVOAppJumper::jumper()->jumpToRemoteAccountPage();
    advance(1.0);
    ASSERT_EQ(nav->viewControllers().size(), 3u) << "back to the tab screen already there, then the login";
    auto login = std::dynamic_pointer_cast<TAVOArdoAccountLoginViewController>(nav->viewControllers()[2]);
    ASSERT_TRUE(login);
    EXPECT_TRUE(login->forceLogin());
    EXPECT_EQ(login->showWay(), TAVOArdoAccountLoginViewController::ShowWayPushed);
}

}  // namespace
}  // namespace keelbox::test
