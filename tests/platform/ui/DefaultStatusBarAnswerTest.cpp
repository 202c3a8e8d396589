// The answer of controllers that do not decide the status bar themselves:
// a module extending every controller may install it; a controller with
// its own answer keeps it.
#include <gtest/gtest.h>

#include "platform/ui/Application.h"
#include "platform/ui/ViewController.h"
#include "platform/ui/Window.h"
#include "tests/support/Harness.h"

namespace {

class DecidesItself : public ui::ViewController {
public:
    using ViewController::ViewController;
    bool prefersStatusBarHidden() const override { return false; }
};

TEST(DefaultStatusBarAnswer, AppliesOnlyToControllersWithoutTheirOwn) {
    auto plain = ui::ViewController::create();
    auto own = ui::ViewController::make<DecidesItself>();
    EXPECT_FALSE(plain->prefersStatusBarHidden()) << "none installed: shown";

    ui::ViewController::setDefaultPrefersStatusBarHidden([](const ui::ViewController&) { return true; });
    EXPECT_TRUE(plain->prefersStatusBarHidden());
    EXPECT_FALSE(own->prefersStatusBarHidden());

    auto window = ui::Window::create(cg::RectMake(0, 0, 320, 480));
    window->setRootViewController(plain);
    window->makeKeyAndVisible();
    plain->setNeedsStatusBarAppearanceUpdate();
    EXPECT_TRUE(ui::Application::sharedApplication()->isStatusBarHidden());

    ui::ViewController::setDefaultPrefersStatusBarHidden(nullptr);
    plain->setNeedsStatusBarAppearanceUpdate();
    EXPECT_FALSE(ui::Application::sharedApplication()->isStatusBarHidden());
}

}  // namespace
