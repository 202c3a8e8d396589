// The alerts' windows: the dimming window's drawing, and the alert
// window's controller answering rotation and status-bar questions for the
// screen underneath.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/render/LayerRenderer.h"
#include "tests/uikit/AlertTestSupport.h"
#include "uikit/MAAlertBackgroundWindow.h"
#include "uikit/MAAlertViewController.h"
#include "uikit/MAWindowUtils.h"

namespace keelbox::test {
namespace {

TEST(MAAlertBackgroundWindow, DimsWithARadialGradientOrAFlatHalfBlackOrNotAtAll) {
    struct Case {
        int style;
        double middleAlpha;
        double cornerAlpha;
    };
    const cg::Size size{320, 480};
    // The corner lies short of the gradient's radius (the smaller side).
    const double cornerShare = std::hypot(size.width / 2, size.height / 2) / std::min(size.width, size.height);
    const std::vector<Case> cases{
        {MAAlertViewBackgroundStyleGradient, 0, 0.75 * cornerShare},
        {MAAlertViewBackgroundStyleSolid, 0.5, 0.5},
        {9, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.style);
        auto window = MAAlertBackgroundWindow::create(cg::Rect{{0, 0}, size}, c.style);
        EXPECT_EQ(window->windowLevel(), MAAlertBackgroundWindow::kWindowLevel);
        EXPECT_FALSE(window->isOpaque());
        window->setHidden(false);
        auto picture = cg::LayerRenderer::renderWindow(*window, 1);
        ASSERT_TRUE(picture);
        const auto middle = picture->pixel(160, 240);
        const auto corner = picture->pixel(0, 0);
        EXPECT_NEAR(middle.a, c.middleAlpha, 0.02);
        EXPECT_NEAR(corner.a, c.cornerAlpha, 0.02);
        EXPECT_NEAR(corner.r, 0, 0.01) << "black";
    }
}

class StatusBarDecider : public ui::ViewController {
public:
    using ui::ViewController::ViewController;
    ui::StatusBarStyle preferredStatusBarStyle() const override { return ui::StatusBarStyle::LightContent; }
    bool prefersStatusBarHidden() const override { return true; }
};

class PresentedScreen : public ui::ViewController {
public:
    using ui::ViewController::ViewController;
    ui::ViewControllerPtr decider;
    ui::ViewControllerPtr childViewControllerForStatusBarStyle() const override { return decider; }
    ui::ViewControllerPtr childViewControllerForStatusBarHidden() const override { return decider; }
    unsigned supportedInterfaceOrientations() const override { return 1u << 1 | 1u << 4; }
    bool shouldAutorotate() const override { return false; }
};

TEST_F(AlertTest, TheAlertsControllerAnswersForTheScreenUnderneath) {
    auto screenOnTop = ui::ViewController::make<PresentedScreen>();
    screenOnTop->decider = ui::ViewController::make<StatusBarDecider>();
    appWindow->rootViewController()->presentViewController(screenOnTop, false);
    advance(0);
    EXPECT_EQ(MAWindowUtils::currentViewController(*appWindow), screenOnTop);
    EXPECT_EQ(MAWindowUtils::viewControllerForStatusBarStyle(*appWindow), screenOnTop->decider);
    EXPECT_EQ(MAWindowUtils::viewControllerForStatusBarHidden(*appWindow), screenOnTop->decider);

    auto alert = MAAlertView::create("Orientation", "");
    alert->show();
    advance(kSettle);
    auto controller = std::dynamic_pointer_cast<MAAlertViewController>(alert->alertWindow()->rootViewController());
    ASSERT_TRUE(controller);
    EXPECT_EQ(controller->view(), alert);
    EXPECT_EQ(controller->supportedInterfaceOrientations(), screenOnTop->supportedInterfaceOrientations());
    EXPECT_FALSE(controller->shouldAutorotate());
    EXPECT_EQ(controller->preferredStatusBarStyle(), ui::StatusBarStyle::LightContent);
    EXPECT_TRUE(controller->prefersStatusBarHidden());
    alert->dismissAnimated(false);

    // Over a window without screens: every orientation.
    auto bare = ui::Window::create(ui::Screen::mainScreen()->bounds());
    bare->makeKeyAndVisible();
    EXPECT_FALSE(MAWindowUtils::currentViewController(*bare));
    auto second = MAAlertView::create("Bare", "");
    second->show();
    controller = std::dynamic_pointer_cast<MAAlertViewController>(second->alertWindow()->rootViewController());
    ASSERT_TRUE(controller);
    EXPECT_EQ(controller->supportedInterfaceOrientations(), MAAlertViewController::kAllOrientations);
    EXPECT_TRUE(controller->shouldAutorotate());
    EXPECT_TRUE(controller->shouldAutorotateToInterfaceOrientation(ui::InterfaceOrientation::LandscapeRight));
}

}  // namespace
}  // namespace keelbox::test
