// Popups over a screen: where they rest, how each animation type brings
// them in and takes them out, the popup screen's appearance calls, the
// status bar while they are up, and a tap on the dimmed area.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/ui/Application.h"
#include "platform/ui/BasicAnimation.h"
#include "platform/ui/Window.h"
#include "tests/support/Harness.h"
#include "tests/support/screen/ScreenDriver.h"
#include "uikit/PUPopupBackgroundView.h"
#include "uikit/UIViewControllerPUPopupViewController.h"

namespace keelbox::test {
namespace {

using Popups = UIViewControllerPUPopupViewController;

class RecordingScreen : public ui::ViewController {
public:
    using ViewController::ViewController;
    void loadView() override { setView(ui::View::create(cg::RectMake(0, 0, 300, 400))); }
    void viewWillAppear(bool animated) override { calls.push_back(animated ? "willAppear(YES)" : "willAppear"); }
    void viewDidAppear(bool animated) override { calls.push_back(animated ? "didAppear(YES)" : "didAppear"); }
    void viewWillDisappear(bool animated) override {
        calls.push_back(animated ? "willDisappear(YES)" : "willDisappear");
    }
    void viewDidDisappear(bool animated) override {
        calls.push_back(animated ? "didDisappear(YES)" : "didDisappear");
    }
    std::vector<std::string> calls;
};

class PopupPresentation : public ::testing::Test {
protected:
    void SetUp() override {
        window = ui::Window::create(cg::RectMake(0, 0, 320, 568));
        presenter = ui::ViewController::create();
        window->setRootViewController(presenter);
        window->makeKeyAndVisible();
        popup = ui::ViewController::make<RecordingScreen>();
    }
    ui::ViewPtr overlay() const { return presenter->view()->viewWithTag(Popups::kOverlayViewTag); }
    // Where the popup's last movement started, from its layer's animation.
    cg::Point startCentre() const {
        auto move = std::dynamic_pointer_cast<ca::BasicAnimation>(popup->view()->layer()->animationForKey("position"));
        return move ? std::get<cg::Point>(move->fromValue) : popup->view()->center();
    }
    std::shared_ptr<ca::BasicAnimation> animationOf(const ui::ViewPtr& view, const std::string& key) const {
        return std::dynamic_pointer_cast<ca::BasicAnimation>(view->layer()->animationForKey(key));
    }

    ui::WindowPtr window;
    ui::ViewControllerPtr presenter;
    std::shared_ptr<RecordingScreen> popup;
    ScreenDriver screen;
};

TEST_F(PopupPresentation, FadesInOverTheDimmedScreenAndATapOnTheDimFadesItOutOnce) {
    int dismissed = 0;
    Popups::presentPopupViewController(presenter, popup, 0, [&] { ++dismissed; });

    auto view = popup->view();
    ASSERT_TRUE(overlay());
    EXPECT_EQ(view->superview(), overlay());
    EXPECT_EQ(view->frame(), cg::RectMake(10, 84, 300, 400)) << "centred, not rounded";
    EXPECT_EQ(view->alpha(), 1.0);
    EXPECT_EQ(Popups::pu_popupBackgroundView(presenter)->alpha(), 0.5);
    EXPECT_DOUBLE_EQ(animationOf(view, "opacity")->duration, Popups::kAnimationDuration);
    EXPECT_EQ(popup->calls, std::vector<std::string>{"willAppear"});
    EXPECT_TRUE(presenter->prefersStatusBarHidden());
    EXPECT_TRUE(ui::Application::sharedApplication()->isStatusBarHidden());
    advance(0.35);
    EXPECT_EQ(popup->calls, (std::vector<std::string>{"willAppear", "didAppear"}));

    ASSERT_TRUE(screen.tapAt({5, 5}));
    EXPECT_FALSE(presenter->prefersStatusBarHidden()) << "the status bar returns as the dismissal starts";
    EXPECT_FALSE(ui::Application::sharedApplication()->isStatusBarHidden());
    EXPECT_EQ(view->alpha(), 0.0);
    EXPECT_EQ(dismissed, 0);
    advance(0.35);
    EXPECT_EQ(popup->calls, (std::vector<std::string>{"willAppear", "didAppear", "willDisappear", "didDisappear"}));
    EXPECT_FALSE(overlay());
    EXPECT_FALSE(view->superview());
    EXPECT_FALSE(Popups::pu_popupViewController(presenter));
    EXPECT_EQ(dismissed, 1);

    Popups::dismissPopupViewControllerWithanimationType(presenter, 0);
    advance(1.0);
    EXPECT_EQ(dismissed, 1) << "nothing up: nothing called";
    EXPECT_EQ(popup->calls.size(), 4u);
}

TEST_F(PopupPresentation, EachAnimationTypeEntersAndLeavesItsOwnWay) {
    // 320 x 568 source, 300 x 400 popup resting at (10, 84): centre (160, 284).
    struct Case {
        int type;
        std::optional<cg::Point> entersFrom;  // the start centre of a slide
        std::optional<cg::Point> leavesTo;    // the end centre of a slide
        double backgroundAlpha;
    };
    const std::vector<Case> cases = {
        {-1, std::nullopt, std::nullopt, 0.5},
        {0, std::nullopt, std::nullopt, 0.5},
        {1, cg::Point{160, 568 + 200}, cg::Point{160, -400 + 200}, 1.0},
        {4, cg::Point{160, -400 + 200}, cg::Point{160, 568 + 200}, 1.0},
        // In from a full source width to the left; out until the popup's own width is gone.
        {5, cg::Point{-320 + 150, 284}, cg::Point{-300 + 150, 284}, 1.0},
        {8, cg::Point{320 + 150, 284}, cg::Point{320 + 150, 284}, 1.0},
        {42, std::nullopt, std::nullopt, 0.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        popup = ui::ViewController::make<RecordingScreen>();
        auto view = popup->view();
        Popups::presentPopupViewController(presenter, popup, c.type);
        EXPECT_EQ(view->frame(), cg::RectMake(10, 84, 300, 400));
        EXPECT_EQ(Popups::pu_popupBackgroundView(presenter)->alpha(), c.backgroundAlpha);
        auto entrance = animationOf(view, c.entersFrom ? "position" : "opacity");
        if (c.type == -1) {
            EXPECT_FALSE(entrance) << "in place at once";
            EXPECT_EQ(popup->calls, (std::vector<std::string>{"willAppear", "didAppear"}));
        } else {
            ASSERT_TRUE(entrance);
            EXPECT_DOUBLE_EQ(entrance->duration, 0.35);
            if (c.entersFrom) {
                EXPECT_EQ(startCentre(), *c.entersFrom);
                EXPECT_EQ(entrance->timingFunction, ca::TimingFunction::EaseOut);
            }
        }
        advance(0.35);

        ASSERT_TRUE(screen.tapAt({5, 5}));
        if (c.leavesTo) {
            EXPECT_EQ(view->center(), *c.leavesTo);
            EXPECT_EQ(view->alpha(), 1.0);
            EXPECT_EQ(animationOf(view, "position")->timingFunction, ca::TimingFunction::EaseIn);
        } else {
            EXPECT_EQ(view->alpha(), 0.0) << "fades out";
            EXPECT_EQ(view->center(), cg::PointMake(160, 284));
        }
        EXPECT_EQ(Popups::pu_popupBackgroundView(presenter)->alpha(), 0.0);
        advance(0.35);
        EXPECT_FALSE(overlay());
        EXPECT_EQ(popup->calls, (std::vector<std::string>{"willAppear", "didAppear", "willDisappear", "didDisappear"}));
    }
}

TEST_F(PopupPresentation, ASecondPresentationOfTheSameViewAddsNothing) {
    auto view = ui::View::create(cg::RectMake(0, 0, 100, 100));
    int first = 0, second = 0;
    Popups::presentPopupView(presenter, view, 0, [&] { ++first; });
    advance(0.35);
    Popups::presentPopupView(presenter, view, 3, [&] { ++second; });
    EXPECT_EQ(presenter->view()->subviews().size(), 1u) << "one overlay";
    Popups::dismissPopupViewControllerWithanimationType(presenter, 0);
    advance(0.35);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 0);
}

TEST_F(PopupPresentation, TheStatusBarFlagIsTheStoredOne) {
    EXPECT_FALSE(ui::ViewController::create()->prefersStatusBarHidden()) << "never presented";
    Popups::presentPopupViewController(presenter, popup, 0, false);
    EXPECT_FALSE(presenter->prefersStatusBarHidden());
    Popups::dismissPopupViewControllerWithanimationType(presenter, 0);
    advance(0.35);
    Popups::presentPopupViewController(presenter, popup, 0, true);
    EXPECT_TRUE(presenter->prefersStatusBarHidden());
}

}  // namespace
}  // namespace keelbox::test
