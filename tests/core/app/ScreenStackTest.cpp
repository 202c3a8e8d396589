#include <gtest/gtest.h>

#include "core/app/TAVODelaySelector.h"
#include "core/app/TAVOTabScreen.h"
#include "core/app/TAVOViewControllerState.h"
#include "core/errors/TAVOAppJumper.h"
#include "core/services/TAVORecoveryScreens.h"
#include "platform/ui/Application.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/Window.h"
#include "tests/support/Harness.h"

namespace {

class NamedScreen : public ui::ViewController {
public:
    using ui::ViewController::ViewController;
    std::string name;
};

std::shared_ptr<NamedScreen> named(const std::string& name) {
    auto screen = ui::ViewController::make<NamedScreen>();
    screen->name = name;
    return screen;
}

std::string nameOf(const std::shared_ptr<ui::ViewController>& vc) {
    auto screen = std::dynamic_pointer_cast<NamedScreen>(vc);
    return screen ? screen->name : (vc ? "<other>" : "<nil>");
}

class FakeTab : public NamedScreen, public TAVOTabScreen {
public:
    using NamedScreen::NamedScreen;
    std::shared_ptr<ui::ViewController> selected = named("tab-home");
    std::shared_ptr<ui::ViewController> selectedViewController() const override { return selected; }
};

class FakeScreens : public TAVORecoveryScreens {
public:
    std::shared_ptr<ui::ViewController> makeUpgradeRomScreen() override { return named("upgrade"); }
    std::shared_ptr<ui::ViewController> makeRemoteAccountLoginScreen(bool force) override {
        return named(force ? "login-forced" : "login");
    }
    std::shared_ptr<ui::ViewController> makeLocalBindScreen(bool check) override {
        return named(check ? "bind-checking" : "bind");
    }
    std::shared_ptr<ui::ViewController> makeTabScreen() override {
        auto tab = ui::ViewController::make<FakeTab>();
        tab->name = "new-tab";
        return tab;
    }
};

class StackDelegate : public ui::ApplicationDelegate {
public:
    std::shared_ptr<ui::Window> window_;
    std::shared_ptr<ui::Window> window() const override { return window_; }
};

class ScreenStack : public ::testing::Test {
protected:
    void SetUp() override {
        TAVORecoveryScreens::setShared(std::make_shared<FakeScreens>());
        auto delegate = std::make_shared<StackDelegate>();
        delegate->window_ = ui::Window::create(cg::RectMake(0, 0, 320, 480));
        nav = ui::NavigationController::create(named("root"));
        delegate->window_->setRootViewController(nav);
        delegate->window_->makeKeyAndVisible();
        ui::Application::sharedApplication()->setDelegate(delegate);
    }
    void TearDown() override { ui::Application::sharedApplication()->setDelegate(nullptr); }

    std::vector<std::string> stack() const {
        std::vector<std::string> names;
        for (const auto& vc : nav->viewControllers()) names.push_back(nameOf(vc));
        return names;
    }

    std::shared_ptr<ui::NavigationController> nav;
};

}  // namespace

TEST_F(ScreenStack, TheShownScreenIsTheSelectedTabOnTheTabScreen) {
    EXPECT_EQ(TAVOViewControllerState::appNavigationController(), nav);
    EXPECT_EQ(nameOf(TAVOViewControllerState::getCurrentShowViewController()), "root");
    EXPECT_FALSE(TAVOViewControllerState::getTabViewController());
    auto tab = ui::ViewController::make<FakeTab>();
    tab->name = "tab";
    nav->pushViewController(tab, false);
    EXPECT_EQ(nameOf(TAVOViewControllerState::getCurrentShowViewController()), "tab-home");
    EXPECT_EQ(TAVOViewControllerState::getTabViewController(), tab);
    EXPECT_FALSE(TAVOViewControllerState::hasPresentedViewController());
}

TEST_F(ScreenStack, BackToTheTabScreenPopsAndDismisses) {
    auto tab = ui::ViewController::make<FakeTab>();
    tab->name = "tab";
    nav->pushViewController(tab, false);
    nav->pushViewController(named("detail"), false);
    nav->pushViewController(named("deeper"), false);
    tab->presentViewController(named("sheet"), false);
    keelbox::test::drainMainLoop();
    TAVOViewControllerState::backToTabViewController();
    keelbox::test::drainMainLoop();
    EXPECT_EQ(stack(), (std::vector<std::string>{"root", "tab"}));
    EXPECT_FALSE(tab->presentedViewController());

    // What was pushed inside the selected tab goes too.
    auto tabStack = ui::NavigationController::create(named("tab-home"));
    tab->selected = tabStack;
    tabStack->pushViewController(named("login"), false);
    keelbox::test::drainMainLoop();
    TAVOViewControllerState::backToTabViewController();
    keelbox::test::drainMainLoop();
    ASSERT_EQ(tabStack->viewControllers().size(), 1u);
    EXPECT_EQ(nameOf(tabStack->viewControllers().front()), "tab-home");
}

TEST_F(ScreenStack, WithoutATabScreenANewOneIsPushedAfterTheDismissal) {
    nav->presentViewController(named("sheet"), false);
    keelbox::test::drainMainLoop();
    TAVOViewControllerState::backToTabViewController();
    keelbox::test::advance(1.0);
    EXPECT_FALSE(nav->presentedViewController());
    EXPECT_EQ(stack(), (std::vector<std::string>{"root", "new-tab"}));
}

TEST_F(ScreenStack, TheJumperOpensTheRecoveryScreens) {
    auto tab = ui::ViewController::make<FakeTab>();
    tab->name = "tab";
    nav->pushViewController(tab, false);
    nav->pushViewController(named("detail"), false);
    TAVOAppJumper::jumper()->jumpToLocalAccountPage();
    keelbox::test::advance(1.0);
    EXPECT_EQ(stack(), (std::vector<std::string>{"root", "tab", "bind"}));
    TAVOAppJumper::jumper()->jumpToRemoteAccountPage();
    keelbox::test::advance(1.0);
    EXPECT_EQ(stack(), (std::vector<std::string>{"root", "tab", "login-forced"}));
    TAVOAppJumper::jumper()->jumpToUpgradeRomPage();
    keelbox::test::advance(1.0);
    EXPECT_EQ(stack(), (std::vector<std::string>{"root", "tab", "login-forced", "upgrade"}));
}

TEST_F(ScreenStack, AJumpWithoutATabScreenLandsOnTopOfTheNewOne) {
    nav->pushViewController(named("start-up"), false);
    TAVOAppJumper::jumper()->jumpToLocalAccountPage();
    keelbox::test::advance(1.0);
    EXPECT_EQ(stack(), (std::vector<std::string>{"root", "start-up", "new-tab", "bind"}));
}

TEST(DelaySelector, CallsOnceAfterTheDelayOnlyWhenItCan) {
    auto receiver = std::make_shared<ns::Object>();
    std::vector<std::string> calls;
    auto method = [&calls](ns::Object&, const ns::Value& argument) {
        calls.push_back(argument.isNil() ? "nil" : argument.stringValue());
    };
    TAVODelaySelector::scheduleTimerWithSelector(receiver, method, 2.0);
    TAVODelaySelector::scheduleTimerWithSelector(receiver, method, ns::Value("arg"), 3.0);
    TAVODelaySelector::scheduleTimerWithSelector(receiver, method, ns::Value(), 1.0);  // nil argument: never
    TAVODelaySelector::scheduleTimerWithSelector(receiver, nullptr, 1.0);              // not implemented
    std::weak_ptr<ns::Object> weak = receiver;
    receiver.reset();
    EXPECT_FALSE(weak.expired()) << "the timer keeps the receiver alive";
    keelbox::test::advance(1.9);
    EXPECT_TRUE(calls.empty());
    keelbox::test::advance(0.2);
    EXPECT_EQ(calls, (std::vector<std::string>{"nil"}));
    keelbox::test::advance(1.0);
    EXPECT_EQ(calls, (std::vector<std::string>{"nil", "arg"}));
    keelbox::test::advance(10.0);
    EXPECT_EQ(calls.size(), 2u);
    EXPECT_TRUE(weak.expired());
}
