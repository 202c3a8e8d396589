// The base screen chain on the running application: a screen pushed in the
// window's navigation stack draws its own bar and goes back by it; toasts
// replace each other and hide on time; server and program errors reach the
// toast as the chain says; the interface file suits the screen height.
#include <gtest/gtest.h>

#include "core/errors/TAVOError.h"
#include "platform/foundation/Error.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/NibRegistry.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Window.h"
#include "tests/support/Harness.h"
#include "tests/support/screen/AppFixture.h"
#include "widgets/TAVOBaseViewController.h"

namespace keelbox::test {
namespace {

class PlainScreen : public TAVOBaseViewController {
public:
    using TAVOBaseViewController::TAVOBaseViewController;
    static std::shared_ptr<PlainScreen> create() { return ui::ViewController::make<PlainScreen>(); }
    void viewDidLoad() override {
        TAVOBaseViewController::viewDidLoad();
        navBar()->setLeftBarItemText("", AppNavigationBar::LeftStyleBackArrow);
        navBar()->setTitle("Plain screen");
        navBar()->setRightBarItemText("Edit");
    }
    void rightNavItemPressed() override { ++rightPresses; }
    int rightPresses = 0;
};

class BaseScreen : public ::testing::Test {
public:
    void SetUp() override {
        ASSERT_TRUE(app.launch());
        screen = PlainScreen::create();
        app.push(screen);
    }
    std::size_t stackSize() { return app.screen().navigationStack().size(); }

    AppFixture app;
    std::shared_ptr<PlainScreen> screen;
};

TEST_F(BaseScreen, APushedScreenDrawsItsOwnBarAndGoesBackByIt) {
    auto nav = screen->navigationController();
    ASSERT_TRUE(nav);
    EXPECT_TRUE(nav->isNavigationBarHidden());
    EXPECT_EQ(screen->navBar()->frame(), cg::RectMake(0, 0, 320, 64));
    EXPECT_EQ(screen->navBar()->superview(), screen->view());
    EXPECT_EQ(screen->view()->backgroundColor(), ui::OptionalColor(ui::Color::rgb255(248, 248, 248)));
    EXPECT_EQ(screen->contentViewFrame(), cg::RectMake(0, 64, 320, 568 - 64));
    ASSERT_TRUE(app.screen().viewWithText("Plain screen"));

    ASSERT_TRUE(app.screen().tapText("Edit"));
    EXPECT_EQ(screen->rightPresses, 1);

    const auto before = stackSize();
    ASSERT_TRUE(app.screen().tap(app.screen().viewWithImage(AppNavigationBar::kBackArrowName)));
    app.screen().wait(1.0);
    EXPECT_EQ(stackSize(), before - 1);
    EXPECT_NE(app.screen().navigationStack().back(), screen);
}

TEST_F(BaseScreen, BackOnTheFirstScreenOfAPresentedStackDismissesIt) {
    auto presented = PlainScreen::create();
    auto stack = ui::NavigationController::create(presented);
    screen->presentViewController(stack, false);
    app.screen().wait(1.0);
    ASSERT_EQ(screen->presentedViewController(), stack);
    presented->leftNavItemPressed();
    app.screen().wait(1.0);
    EXPECT_FALSE(screen->presentedViewController());
    EXPECT_EQ(app.screen().navigationStack().back(), screen);
}

CustomizedHUDPtr toastOn(const ui::ViewPtr& view) { return CustomizedHUD::HUDForView<CustomizedHUD>(view); }

TEST_F(BaseScreen, ANewToastReplacesTheOldOneAtOnceAndHidesOnTime) {
    screen->showToast(CustomizedHUDTypeInfo, "first");
    auto first = screen->hud();
    screen->showToast(CustomizedHUDTypeWarning, "second");
    auto second = screen->hud();
    EXPECT_FALSE(first->superview()) << "gone at once, no fade";
    ASSERT_EQ(toastOn(screen->view()), second);
    EXPECT_EQ(CustomizedHUD::allHUDsForView<CustomizedHUD>(screen->view()).size(), 1u);
    auto shown = app.screen().toast();
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->text, "second");
    EXPECT_EQ(shown->type, CustomizedHUDTypeWarning);

    advance(0.99);
    EXPECT_EQ(second->alpha(), 1);
    advance(0.01);
    EXPECT_LT(second->alpha(), 0.1) << "its hide began after exactly one second";
    advance(PGProgressHUD::kAnimationDuration);
    EXPECT_FALSE(second->superview());
    EXPECT_FALSE(app.screen().toast());
}

TEST_F(BaseScreen, TheIntervalIsInWholeSecondsAndZeroMeansTheNextTurn) {
    screen->showToastInterval(CustomizedHUDTypeInfo, "three", 3);
    auto three = screen->hud();
    advance(2.99);
    EXPECT_EQ(three->alpha(), 1);
    advance(0.01);
    EXPECT_LT(three->alpha(), 0.1);

    screen->showToastInterval(CustomizedHUDTypeInfo, "now", 0);
    auto now = screen->hud();
    EXPECT_EQ(now->alpha(), 1) << "not inside the call";
    drainMainLoop();
    EXPECT_LT(now->alpha(), 0.1);

    screen->showToastAutoDismiss(CustomizedHUDTypeSpinningCircle, "waiting", false);
    auto waiting = screen->hud();
    advance(30);
    EXPECT_EQ(waiting->superview(), screen->view()) << "stays until dismissed";
    screen->dismissToast();
    advance(PGProgressHUD::kAnimationDuration);
    EXPECT_FALSE(waiting->superview());
}

TEST_F(BaseScreen, ServerAndProgramErrorsBecomeWarningToastsAsTheChainSays) {
    screen->showServerError("");
    auto shown = app.screen().toast();
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->text, TAVOBaseViewController::getCommonServerError());
    EXPECT_EQ(shown->text, "The request failed. Please try again later.");
    EXPECT_EQ(shown->type, CustomizedHUDTypeWarning);

    auto shownError = TAVOError::errorWithType(TAVOErrorTypeRouter, 100003, "router is busy");
    auto handled = TAVOError::errorWithType(TAVOErrorTypeRouter, 100005, "handled elsewhere");
    auto platformError = ns::Error::create("NSURLErrorDomain", -1001);
    struct Case {
        const char* what;
        ns::Value object;
        std::string message;
    };
    const std::vector<Case> cases{
        {"an unhandled error", ns::Value(shownError), "router is busy"},
        {"an error the error system answers itself", ns::Value(handled), ""},
        {"a platform error", ns::Value(platformError), ""},
        {"no object", ns::Value(), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(TAVOBaseViewController::getErrMsgFromNotification(ns::Notification::create("x_NG", c.object)),
                  c.message);
        screen->showServerError("before");
        screen->showTAVOError(c.object);
        ASSERT_TRUE(app.screen().toast());
        EXPECT_EQ(app.screen().toast()->text, c.message.empty() ? "before" : c.message);
    }
}

TEST_F(BaseScreen, AWindowToastOutlivesTheScreenThatShowedIt) {
    screen->showToastAttachToWindow(CustomizedHUDTypeWarning, "router lost connect", true);
    auto toast = screen->hud();
    EXPECT_EQ(toast->superview(), app.window());
    screen->navigationController()->popViewControllerAnimated(false);
    screen.reset();
    advance(0.5);
    EXPECT_EQ(toast->superview(), app.window());
    EXPECT_EQ(toast->alpha(), 1);
    advance(0.5 + PGProgressHUD::kAnimationDuration);
    EXPECT_FALSE(toast->superview());
}

TEST(XibBaseScreen, TheTallScreenTakesTheTallInterfaceFileWhereOneExists) {
    ui::NibRegistry::registerNib("PlainScreen-568h", [](const ns::ObjectPtr&) { return std::vector<ns::ObjectPtr>{}; });
    struct Case {
        bool tall;
        std::string given;
        std::string chosen;
    };
    for (const auto& c : std::vector<Case>{{true, "", "PlainScreen-568h"}, {false, "Given", "Given"}}) {
        ui::Screen::mainScreen()->setTallScreen(c.tall);
        EXPECT_EQ(ui::ViewController::make<PlainScreen>(c.given)->nibName(), c.chosen);
    }
    ui::Screen::mainScreen()->setTallScreen(true);
    EXPECT_EQ(TAVOXibBaseViewController::nibNameFor("NoSuchScreen", "Given"), "Given");
}

}  // namespace
}  // namespace keelbox::test
