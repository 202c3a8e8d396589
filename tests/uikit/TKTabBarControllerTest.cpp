// The tab bar controller on a window, driven by touches: three navigation
// tabs described by their root screens, the strip sliding out for a pushed
// screen that hides the bottom bar and back in when it is popped, the
// selected tab popping its stack, badges, and the strip's arithmetic.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/ui/BasicAnimation.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Window.h"
#include "tests/support/Harness.h"
#include "tests/support/screen/ScreenDriver.h"
#include "uikit/TKTab.h"
#include "uikit/TKTabBar.h"
#include "uikit/TKTabBarController.h"
#include "uikit/TKTabBarView.h"
#include "uikit/TKTabHooks.h"

namespace keelbox::test {
namespace {

// A screen that owns a tab: its title and an icon pair from the bundle.
class TabScreen : public ui::ViewController, public TKTabHooks {
public:
    using ui::ViewController::ViewController;
    static std::shared_ptr<TabScreen> create(const std::string& title, const std::string& icon) {
        auto screen = ui::ViewController::make<TabScreen>();
        screen->title_ = title;
        screen->icon_ = icon;
        return screen;
    }
    ui::ImagePtr tabImage() const override { return ui::Image::imageNamed(icon_); }
    ui::ImagePtr tabSelectedImage() const override { return ui::Image::imageNamed(icon_ + "_pre"); }
    std::string tabTitle() const override { return title_; }

private:
    std::string title_, icon_;
};

std::shared_ptr<ui::ViewController> pushedScreen(bool hidesBottomBar) {
    auto screen = ui::ViewController::create();
    screen->hidesBottomBarWhenPushed = hidesBottomBar;
    return screen;
}

// Where the view's running transform animation started, horizontally.
double slideStart(const ui::ViewPtr& view) {
    auto animation = std::dynamic_pointer_cast<ca::BasicAnimation>(view->layer()->animationForKey("transform"));
    if (!animation) return std::nan("");
    return std::get<ca::Transform3D>(animation->fromValue).m41;
}

class TabBarOnAWindow : public ::testing::Test {
protected:
    void SetUp() override {
        for (const auto& [title, icon] : {std::pair{"Home", "home_bbar_ic01"}, {"Safety", "home_bbar_ic02"},
                                          {"Files", "home_bbar_ic03"}})
            navs.push_back(ui::NavigationController::create(TabScreen::create(title, icon)));
        tabs->setViewControllers({navs[0], navs[1], navs[2]});
        window->setRootViewController(tabs);
        window->makeKeyAndVisible();
        window->layoutIfNeeded();
    }
    std::shared_ptr<TKTab> tab(std::size_t i) const { return tabs->tabBar()->tabs().at(i); }
    cg::Rect contentFrame() const { return tabs->selectedViewController()->view()->frame(); }

    const double height = ui::Screen::mainScreen()->bounds().size.height;
    ui::WindowPtr window = ui::Window::create(ui::Screen::mainScreen()->bounds());
    std::shared_ptr<TKTabBarController> tabs = TKTabBarController::create(50);
    std::vector<ui::NavigationControllerPtr> navs;
    ScreenDriver screen;
};

TEST_F(TabBarOnAWindow, ShowsOneTabPerNavigationChildDescribedByItsRootScreen) {
    ASSERT_EQ(tabs->tabBar()->tabs().size(), 3u);
    EXPECT_EQ(tabs->tabBarFrame(), cg::RectMake(0, height - 50, 320, 50));
    EXPECT_EQ(contentFrame(), cg::RectMake(0, 0, 320, height - 50));
    EXPECT_EQ(tab(0)->titleLabel()->text(), "Home");
    EXPECT_EQ(tab(2)->titleLabel()->text(), "Files");
    EXPECT_EQ(tab(0)->iconView()->image()->name(), "home_bbar_ic01_pre") << "the selected tab shows its selected icon";
    EXPECT_EQ(tab(1)->iconView()->image()->name(), "home_bbar_ic02");

    ASSERT_TRUE(screen.tap(tab(1)));
    EXPECT_EQ(tabs->selectedViewController(), navs[1]);
    EXPECT_TRUE(tab(1)->isSelected());
    EXPECT_FALSE(tab(0)->isSelected());
    EXPECT_EQ(tab(0)->iconView()->image()->name(), "home_bbar_ic01");
    EXPECT_TRUE(navs[1]->view()->isDescendantOfView(window));
    EXPECT_FALSE(navs[0]->view()->superview());
    EXPECT_TRUE(navs[1]->topViewController()->isVisible());
    EXPECT_FALSE(navs[0]->topViewController()->isVisible());
}

TEST_F(TabBarOnAWindow, APushThatHidesTheBarSlidesItOutAndThePopBringsItBack) {
    const auto bar = tabs->tabBar();
    navs[0]->pushViewController(pushedScreen(true), true);
    EXPECT_EQ(contentFrame().size.height, height) << "the content takes the whole height at once";
    EXPECT_EQ(bar->transform().tx, -320) << "a push slides the bar out to the left";
    EXPECT_EQ(slideStart(bar), 0);
    EXPECT_FALSE(bar->isHidden());
    advance(0.19);
    EXPECT_FALSE(bar->isHidden()) << "still sliding";
    advance(0.02);
    EXPECT_TRUE(bar->isHidden());
    EXPECT_EQ(bar->transform(), cg::AffineTransform{});

    navs[0]->pushViewController(pushedScreen(true), true);
    advance(0.5);
    EXPECT_TRUE(bar->isHidden()) << "a second hiding screen changes nothing";

    navs[0]->popViewControllerAnimated(true);
    advance(0.5);
    EXPECT_TRUE(bar->isHidden());

    navs[0]->popViewControllerAnimated(true);
    EXPECT_FALSE(bar->isHidden());
    EXPECT_EQ(slideStart(bar), -320) << "a pop slides the bar in from the left";
    EXPECT_EQ(contentFrame().size.height, height) << "the content shrinks once the bar is in";
    advance(0.21);
    EXPECT_EQ(bar->transform(), cg::AffineTransform{});
    EXPECT_EQ(contentFrame(), cg::RectMake(0, 0, 320, height - 50));
    EXPECT_FALSE(std::static_pointer_cast<TKTabBarView>(tabs->view())->isTabBarHidding());
    advance(1);  // the pop's transition ends
}

TEST_F(TabBarOnAWindow, AShowStartedWhileTheBarSlidesOutIsNotUndone) {
    tabs->hideTabBar(1, true);
    advance(0.1);
    tabs->showTabBar(0, true);
    advance(0.5);
    EXPECT_FALSE(tabs->tabBar()->isHidden());
    EXPECT_EQ(tabs->tabBar()->transform(), cg::AffineTransform{});
    EXPECT_EQ(contentFrame().size.height, height - 50);
}

TEST_F(TabBarOnAWindow, TappingTheSelectedTabPopsItsStackToTheRoot) {
    auto root = navs[0]->topViewController();
    navs[0]->pushViewController(pushedScreen(false), false);
    navs[0]->pushViewController(pushedScreen(false), false);
    ASSERT_TRUE(screen.tap(tab(0)));
    EXPECT_EQ(navs[0]->viewControllers(), std::vector<ui::ViewControllerPtr>{root});
    EXPECT_EQ(tabs->selectedViewController(), navs[0]);
    EXPECT_FALSE(tabs->tabBar()->isHidden());
    advance(1);  // the pop's transition ends
}

TEST_F(TabBarOnAWindow, ABadgeSitsAtTheIconsCornerUntilRemoved) {
    auto first = tab(0);
    first->setIndicatorImage(ui::Image::imageNamed("bg_indicator"));
    window->layoutIfNeeded();
    ASSERT_TRUE(first->indicatorView());
    const cg::Rect icon = first->iconView()->frame();
    EXPECT_EQ(first->indicatorView()->frame(),
              cg::RectMake(cg::RectGetMaxX(icon) + 2 - 2.5, icon.origin.y + 3 - 2.5, 5, 5));
    EXPECT_TRUE(screen.viewWithImage("bg_indicator"));

    auto badge = first->indicatorView();
    first->setIndicatorImage(ui::Image::imageNamed("home_bbar_ic02"));
    EXPECT_EQ(first->indicatorView(), badge) << "a new badge replaces the old in the same view";
    first->setIndicatorImage(nullptr);
    EXPECT_FALSE(first->indicatorView());
    EXPECT_FALSE(badge->superview());
    tab(1)->setIndicatorImage(nullptr);
    EXPECT_FALSE(tab(1)->indicatorView());
}

TEST(TabBarController, SelectsNothingWithoutControllersAndTheSelectedControllersTabOtherwise) {
    auto empty = TKTabBarController::create();
    empty->setViewControllers({});
    EXPECT_FALSE(empty->selectedViewController());
    EXPECT_EQ(empty->tabBarFrame(), cg::Rect{}) << "no bar before the view is loaded";
    empty->view()->layoutIfNeeded();
    EXPECT_TRUE(empty->tabBar()->tabs().empty());
    EXPECT_FALSE(empty->tabBar()->selectedTab());
    // Controllers given once the view is loaded get their tabs.
    empty->setViewControllers({TabScreen::create("A", "home_bbar_ic01"), TabScreen::create("B", "home_bbar_ic02")});
    ASSERT_EQ(empty->tabBar()->tabs().size(), 2u);
    EXPECT_EQ(empty->tabBar()->selectedTab(), empty->tabBar()->tabs().at(0));

    auto tabs = TKTabBarController::create();
    std::vector<ui::ViewControllerPtr> children{TabScreen::create("A", "home_bbar_ic01"),
                                                TabScreen::create("B", "home_bbar_ic02"),
                                                TabScreen::create("C", "home_bbar_ic03")};
    tabs->setViewControllers(children);
    tabs->setSelectedViewController(children[2]);
    tabs->view();
    EXPECT_EQ(tabs->tabBar()->selectedTab(), tabs->tabBar()->tabs().at(2));
    EXPECT_EQ(std::static_pointer_cast<TKTabBarView>(tabs->view())->contentView(), children[2]->view());
}

TEST(TabBarController, TakesColourListsOnlyInPairs) {
    auto tabs = TKTabBarController::create();
    tabs->iconColors = {ui::Color::redColor()};
    tabs->tabColors = {ui::Color::redColor(), ui::Color::blueColor()};
    EXPECT_TRUE(tabs->iconCGColors().empty());
    EXPECT_EQ(tabs->tabCGColors().size(), 2u);
    tabs->setViewControllers({TabScreen::create("A", "home_bbar_ic01")});
    tabs->view();
    EXPECT_TRUE(tabs->tabBar()->tabs().at(0)->tabIconColors().empty());
    EXPECT_EQ(tabs->tabBar()->tabColors().size(), 2u);
}

TEST(TabBarStrip, SharesItsWidthAmongTheTabsWithOnePointGaps) {
    struct Case {
        double width;
        std::size_t tabs;
        std::vector<cg::Rect> frames;
    };
    const std::vector<Case> cases = {
        {320, 3, {cg::RectMake(0, 0, 106, 50), cg::RectMake(107, 0, 106, 50), cg::RectMake(214, 0, 106, 50)}},
        {322, 3, {cg::RectMake(0, 0, 107, 50), cg::RectMake(108, 0, 107, 50), cg::RectMake(216, 0, 106, 50)}},
        {320, 0, {}},
    };
    for (const auto& c : cases) {
        auto bar = TKTabBar::create(cg::RectMake(0, 0, c.width, 50));
        std::vector<TKTabPtr> tabs(c.tabs);
        for (auto& t : tabs) t = TKTab::create();
        bar->setTabs(tabs);
        bar->layoutIfNeeded();
        for (std::size_t i = 0; i < c.tabs; ++i) EXPECT_EQ(tabs[i]->frame(), c.frames[i]) << c.width << " tab " << i;
    }
}

}  // namespace
}  // namespace keelbox::test
