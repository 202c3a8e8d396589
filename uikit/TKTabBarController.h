// The main screen's container: the selected child's view above a tab strip
// with one tab per child (each child describes its tab through the hooks of
// UIViewControllerTKTabBarController). Tapping the selected tab of a
// navigation child pops it to its root. When a navigation child pushes a
// screen that hides the bottom bar, the strip slides out sideways and the
// content takes the whole height; popping back slides it in again.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/app/TAVOTabScreen.h"
#include "platform/graphics/Color.h"
#include "platform/ui/Color.h"
#include "platform/ui/Image.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/ViewController.h"
#include "uikit/TKTabBarDelegate.h"

class TKTabBar;
class TKTabBarView;

class TKTabBarController : public ui::ViewController,
                           public TKTabBarDelegate,
                           public ui::NavigationControllerDelegate,
                           public TAVOTabScreen {
public:
    using ui::ViewController::ViewController;
    static constexpr unsigned kDefaultTabBarHeight = 50;
    // How long the strip takes to slide out or in (the platform's
    // single-precision 0.2).
    static constexpr double kSlideDuration = 0.2f;

    static std::shared_ptr<TKTabBarController> create(unsigned tabBarHeight = kDefaultTabBarHeight);
    void initWithTabBarHeight(unsigned tabBarHeight) { tabBarHeight_ = tabBarHeight; }
    unsigned tabBarHeight() const { return tabBarHeight_; }

    // The look handed to the strip and its tabs when they are built; unset
    // values keep the strip's and the tabs' own defaults. A colour list
    // needs two colours (a gradient's ends); a shorter one counts as unset.
    double minimumHeightToDisplayTitle = 0;
    bool tabTitleIsHidden = false;
    std::vector<ui::Color> iconColors;
    std::vector<ui::Color> selectedIconColors;
    std::vector<ui::Color> tabColors;
    std::vector<ui::Color> selectedTabColors;
    bool iconGlossyIsHidden = false;
    ui::OptionalColor tabStrokeColor;
    ui::OptionalColor tabEdgeColor;
    ui::OptionalColor selectedTabEdgeColor;
    // Wins over backgroundImageName for the strip.
    ui::ImagePtr backgroundImage;
    std::string backgroundImageName;
    std::string selectedBackgroundImageName;
    ui::OptionalColor textColor;
    ui::OptionalColor selectedTextColor;

    // The list colours as drawing colours: empty when unset.
    std::vector<cg::ColorPtr> iconCGColors() const;
    std::vector<cg::ColorPtr> selectedIconCGColors() const;
    std::vector<cg::ColorPtr> tabCGColors() const;
    std::vector<cg::ColorPtr> selectedTabCGColors() const;

    const std::shared_ptr<TKTabBar>& tabBar() const { return tabBar_; }
    const std::vector<ui::ViewControllerPtr>& viewControllers() const { return viewControllers_; }
    // Adds the controllers as children and selects the first; an empty
    // list selects nothing. Once the view is loaded the tabs follow.
    void setViewControllers(const std::vector<ui::ViewControllerPtr>& controllers);
    std::shared_ptr<ui::ViewController> selectedViewController() const override { return selectedViewController_; }
    void setSelectedViewController(const ui::ViewControllerPtr& controller);

    // The strip's frame; zero before the view is loaded.
    cg::Rect tabBarFrame() const;
    void tabBarFrameChanged(const cg::Rect& frame);
    // Direction 1 slides the strip out to the left (in from the right);
    // any other value the other way.
    void hideTabBar(int direction, bool animated);
    void showTabBar(int direction, bool animated);

    void tabBarDidSelectTabAtIndex(TKTabBar& tabBar, std::size_t index) override;
    void willShowViewController(ui::NavigationController& navigationController,
                                const ui::ViewControllerPtr& controller, bool animated) override;

    void loadView() override;
    ui::StatusBarStyle preferredStatusBarStyle() const override { return ui::StatusBarStyle::LightContent; }
    bool shouldAutorotateToInterfaceOrientation(ui::InterfaceOrientation orientation) const override;
    void willRotateToInterfaceOrientation(ui::InterfaceOrientation orientation, double duration) override;
    void willAnimateRotationToInterfaceOrientation(ui::InterfaceOrientation orientation, double duration) override;
    void didRotateFromInterfaceOrientation(ui::InterfaceOrientation from) override;

private:
    void loadTabs();
    std::optional<std::size_t> indexOfController(const ui::ViewControllerPtr& controller) const;
    void selectTabOfSelectedController();

    unsigned tabBarHeight_ = kDefaultTabBarHeight;
    std::shared_ptr<TKTabBarView> tabBarView_;
    std::shared_ptr<TKTabBar> tabBar_;
    ui::ViewControllerPtr selectedViewController_;
    // The stack of the navigation child that last reported a transition
    // (shared by all of them); unset until the first report.
    std::optional<std::vector<std::weak_ptr<ui::ViewController>>> prevViewControllers_;
    std::vector<ui::ViewControllerPtr> viewControllers_;
    // Counts hide and show calls: a slide's completion acts only when no
    // later slide has started, so a show begun while the strip slides out
    // is not undone when the hide ends.
    std::uint64_t slideGeneration_ = 0;
};
