// A router screen showing its pages side by side in a strip one page wide,
// under a bar of tabs (when any page has a tab item) with a sliding
// indicator. A tap on a tab calls selectTabChanged and slides the pages;
// with canPan the pages can also be dragged, and a drag ending past 30 % of
// the page width turns the page.
//
// Pages without a tab item are allowed: a tab then selects the page that
// carries it. A selection without a page (out of range) is ignored.
#pragma once

#include <memory>
#include <vector>

#include "platform/ui/PanGestureRecognizer.h"
#include "widgets/TAVOSlidingTabBar.h"
#include "widgets/TAVOWIFIViewControler.h"

class TAVOSlidingTabsViewController : public TAVOWIFIViewControler,
                                      public TAVOSlidingTabBarDelegate {
public:
    using TAVOWIFIViewControler::TAVOWIFIViewControler;

    static constexpr double kTabBarHeight = 44;
    static constexpr double kSlideDuration = 0.3;
    static constexpr double kPageTurnFraction = 0.3;

    static std::shared_ptr<TAVOSlidingTabsViewController> create() { return make<TAVOSlidingTabsViewController>(); }

    const TAVOSlidingTabBarPtr& tabBar() const { return tabBar_; }
    const ui::ViewPtr& containerView() const { return container_; }
    const std::vector<ui::ViewControllerPtr>& viewControllers() const { return viewControllers_; }
    void setViewControllers(const std::vector<ui::ViewControllerPtr>& controllers);
    const ui::ViewControllerPtr& selectedViewController() const { return selectedViewController_; }
    void setSelectedViewController(const ui::ViewControllerPtr& controller);
    int selectedIndex() const { return selectedIndex_; }
    void setSelectedIndex(int index);
    bool canPan() const { return canPan_; }
    void setCanPan(bool canPan);
    const std::shared_ptr<ui::PanGestureRecognizer>& panRecognizer() const { return pan_; }

    // Subclasses hear taps on the tabs (not drags) before the pages slide.
    virtual void selectTabChanged(unsigned /*index*/) {}

    void tabBarDidSelectItemAtIndex(TAVOSlidingTabBar& bar, int index) override;
    void handleContainerPan(ui::GestureRecognizer& recognizer);

    void viewDidLoad() override;

private:
    double barTop() const;
    void initTabViewContainer();
    void initTabBar();
    // The bar's tab for a page, or -1 when the page has none.
    int tabIndexForPage(int page) const;

    TAVOSlidingTabBarPtr tabBar_;
    ui::ViewPtr container_;
    std::vector<ui::ViewControllerPtr> viewControllers_;
    // The page each of the bar's tabs stands for.
    std::vector<int> tabPages_;
    ui::ViewControllerPtr selectedViewController_;
    int selectedIndex_ = -1;
    bool canPan_ = false;
    std::shared_ptr<ui::PanGestureRecognizer> pan_;
    double lastTranslation_ = 0;
};

using TAVOSlidingTabsViewControllerPtr = std::shared_ptr<TAVOSlidingTabsViewController>;
