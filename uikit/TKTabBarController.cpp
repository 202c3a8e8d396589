#include "uikit/TKTabBarController.h"

#include <algorithm>

#include "platform/ui/Screen.h"
#include "platform/ui/ViewAnimation.h"
#include "uikit/TKTab.h"
#include "uikit/TKTabBar.h"
#include "uikit/TKTabBarView.h"
#include "uikit/TKTabDrawing.h"
#include "uikit/UIViewControllerTKTabBarController.h"

namespace {

std::vector<cg::ColorPtr> cgColorPair(const std::vector<ui::Color>& colors) {
    if (colors.size() < 2) return {};
    return {tk::cgColor(colors[0]), tk::cgColor(colors[1])};
}

}  // namespace

std::shared_ptr<TKTabBarController> TKTabBarController::create(unsigned tabBarHeight) {
    auto controller = ui::ViewController::make<TKTabBarController>();
    controller->initWithTabBarHeight(tabBarHeight);
    return controller;
}

std::vector<cg::ColorPtr> TKTabBarController::iconCGColors() const { return cgColorPair(iconColors); }
std::vector<cg::ColorPtr> TKTabBarController::selectedIconCGColors() const { return cgColorPair(selectedIconColors); }
std::vector<cg::ColorPtr> TKTabBarController::tabCGColors() const { return cgColorPair(tabColors); }
std::vector<cg::ColorPtr> TKTabBarController::selectedTabCGColors() const { return cgColorPair(selectedTabColors); }

// ---- children and selection ----

void TKTabBarController::setViewControllers(const std::vector<ui::ViewControllerPtr>& controllers) {
    auto keep = self<TKTabBarController>();
    std::vector<ui::ViewControllerPtr> fresh;
    for (const auto& c : controllers)
        if (c && std::find(fresh.begin(), fresh.end(), c) == fresh.end()) fresh.push_back(c);
    for (const auto& old : viewControllers_)
        if (std::find(fresh.begin(), fresh.end(), old) == fresh.end()) {
            old->willMoveToParentViewController(nullptr);
            old->removeFromParentViewController();
        }
    viewControllers_ = fresh;
    for (const auto& c : viewControllers_)
        if (c->parentViewController().get() != this) {
            addChildViewController(c);
            c->didMoveToParentViewController(self<ui::ViewController>());
        }
    if (selectedViewController_ && !indexOfController(selectedViewController_)) {
        selectedViewController_ = nullptr;
        if (tabBarView_) tabBarView_->setContentView(nullptr);
    }
    if (isViewLoaded()) loadTabs();
    setSelectedViewController(viewControllers_.empty() ? nullptr : viewControllers_.front());
}

void TKTabBarController::setSelectedViewController(const ui::ViewControllerPtr& controller) {
    if (controller == selectedViewController_) return;
    if (controller && !indexOfController(controller)) return;
    selectedViewController_ = controller;
    if (tabBarView_) tabBarView_->setContentView(controller ? controller->view() : nullptr);
    selectTabOfSelectedController();
}

std::optional<std::size_t> TKTabBarController::indexOfController(const ui::ViewControllerPtr& controller) const {
    auto it = std::find(viewControllers_.begin(), viewControllers_.end(), controller);
    if (it == viewControllers_.end()) return std::nullopt;
    return static_cast<std::size_t>(it - viewControllers_.begin());
}

void TKTabBarController::selectTabOfSelectedController() {
    if (!tabBar_) return;
    auto index = indexOfController(selectedViewController_);
    const auto& tabs = tabBar_->tabs();
    tabBar_->setSelectedTab(index && *index < tabs.size() ? tabs[*index] : nullptr);
}

void TKTabBarController::tabBarDidSelectTabAtIndex(TKTabBar&, std::size_t index) {
    if (index >= viewControllers_.size()) return;
    auto controller = viewControllers_[index];
    auto nav = std::dynamic_pointer_cast<ui::NavigationController>(controller);
    if (controller == selectedViewController_ && nav) {
        nav->popToRootViewControllerAnimated(true);
        return;
    }
    navigationItem().title = controller->title();
    setSelectedViewController(controller);
}

// ---- views ----

void TKTabBarController::loadView() {
    tabBarView_ = TKTabBarView::create(ui::Screen::mainScreen()->bounds());
    setView(tabBarView_);
    const cg::Rect b = tabBarView_->bounds();
    tabBar_ = TKTabBar::create(cg::RectMake(0, b.size.height - tabBarHeight_, b.size.width, tabBarHeight_));
    tabBar_->setDelegate(self<TKTabBarController>());
    tabBarView_->setTabBar(tabBar_);
    if (selectedViewController_) {
        tabBarView_->setContentView(selectedViewController_->view());
        navigationItem().title = selectedViewController_->title();
    }
    loadTabs();
}

void TKTabBarController::loadTabs() {
    std::vector<TKTabPtr> tabs;
    for (const auto& child : viewControllers_) {
        if (backgroundImage)
            tabBar_->setBackgroundImage(backgroundImage);
        else
            tabBar_->setBackgroundImageName(backgroundImageName);
        tabBar_->setTabColors(tabCGColors());
        tabBar_->setEdgeColor(tabEdgeColor);

        auto tab = TKTab::create();
        tab->setTabImage(UIViewControllerTKTabBarController::tabImage(child));
        tab->setTabSelectedImage(UIViewControllerTKTabBarController::tabSelectedImage(child));
        tab->setTabImageWithName(UIViewControllerTKTabBarController::tabImageName(child));
        tab->setBackgroundImageName(backgroundImageName);
        tab->setSelectedBackgroundImageName(selectedBackgroundImageName);
        tab->setTabIconColors(iconCGColors());
        tab->setTabIconColorsSelected(selectedIconCGColors());
        tab->setTabSelectedColors(selectedTabCGColors());
        tab->setEdgeColor(tabEdgeColor);
        tab->setSelectedEdgeColor(selectedTabEdgeColor);
        tab->setGlossyIsHidden(iconGlossyIsHidden);
        tab->setStrokeColor(tabStrokeColor);
        tab->setTextColor(textColor);
        tab->setSelectedTextColor(selectedTextColor);
        tab->setTabTitle(UIViewControllerTKTabBarController::tabTitle(child));
        tab->setTabBarHeight(tabBarHeight_);
        if (minimumHeightToDisplayTitle != 0) tab->setMinimumHeightToDisplayTitle(minimumHeightToDisplayTitle);
        if (tabTitleIsHidden) tab->setTitleIsHidden(true);
        if (auto nav = std::dynamic_pointer_cast<ui::NavigationController>(child))
            nav->setDelegate(self<TKTabBarController>());
        tabs.push_back(tab);
    }
    tabBar_->setSelectedTab(nullptr);
    tabBar_->setTabs(tabs);
    selectTabOfSelectedController();
}

cg::Rect TKTabBarController::tabBarFrame() const { return tabBar_ ? tabBar_->frame() : cg::Rect{}; }

void TKTabBarController::tabBarFrameChanged(const cg::Rect& frame) {
    if (!tabBar_) return;
    tabBar_->setFrame(frame);
    tabBarView_->setNeedsLayout();
}

// ---- hiding and showing the strip ----

void TKTabBarController::willShowViewController(ui::NavigationController& navigationController,
                                                const ui::ViewControllerPtr& controller, bool animated) {
    const auto& stack = navigationController.viewControllers();
    auto snapshot = [&stack] { return std::vector<std::weak_ptr<ui::ViewController>>(stack.begin(), stack.end()); };
    if (!prevViewControllers_) prevViewControllers_ = snapshot();
    const std::size_t previousCount = prevViewControllers_->size();
    const auto previousTop = prevViewControllers_->empty() ? nullptr : prevViewControllers_->back().lock();
    const bool previousHides = previousTop && previousTop->hidesBottomBarWhenPushed;
    const bool newHides = controller && controller->hidesBottomBarWhenPushed;
    prevViewControllers_ = snapshot();
    const int direction = stack.size() >= previousCount ? 1 : 0;
    if (!previousHides && newHides)
        hideTabBar(direction, animated);
    else if (previousHides && !newHides)
        showTabBar(direction, animated);
}

void TKTabBarController::hideTabBar(int direction, bool animated) {
    if (!tabBar_) return;
    const auto generation = ++slideGeneration_;
    tabBarView_->setIsTabBarHidding(true);
    if (auto content = tabBarView_->contentView()) {
        cg::Rect frame = content->frame();
        frame.size.height = tabBarView_->bounds().size.height;
        content->setFrame(frame);
    }
    const double width = tabBarView_->bounds().size.width;
    auto bar = tabBar_;
    ui::ViewAnimation::animate(animated ? kSlideDuration : 0, [&] {
        bar->setTransform(cg::AffineTransformMakeTranslation(direction == 1 ? -width : width, 0));
    }, [weak = weakSelf<TKTabBarController>(), generation](bool) {
        auto me = weak.lock();
        if (!me || generation != me->slideGeneration_) return;
        me->tabBar_->setHidden(true);
        me->tabBar_->setTransform(cg::AffineTransform{});
    });
}

void TKTabBarController::showTabBar(int direction, bool animated) {
    if (!tabBar_) return;
    const auto generation = ++slideGeneration_;
    const double width = tabBarView_->bounds().size.width;
    auto bar = tabBar_;
    bar->setHidden(false);
    bar->setTransform(cg::AffineTransformMakeTranslation(direction == 1 ? width : -width, 0));
    ui::ViewAnimation::animate(animated ? kSlideDuration : 0, [&] { bar->setTransform(cg::AffineTransform{}); },
                               [weak = weakSelf<TKTabBarController>(), generation](bool) {
        auto me = weak.lock();
        if (!me || generation != me->slideGeneration_) return;
        me->tabBarView_->setIsTabBarHidding(false);
        me->tabBarView_->setNeedsLayout();
        me->tabBarView_->layoutIfNeeded();
    });
}

// ---- rotation ----

bool TKTabBarController::shouldAutorotateToInterfaceOrientation(ui::InterfaceOrientation orientation) const {
    if (!selectedViewController_) return ui::ViewController::shouldAutorotateToInterfaceOrientation(orientation);
    return selectedViewController_->shouldAutorotateToInterfaceOrientation(orientation);
}

void TKTabBarController::willRotateToInterfaceOrientation(ui::InterfaceOrientation orientation, double duration) {
    if (selectedViewController_) selectedViewController_->willRotateToInterfaceOrientation(orientation, duration);
}

void TKTabBarController::willAnimateRotationToInterfaceOrientation(ui::InterfaceOrientation orientation,
                                                                   double duration) {
    if (tabBar_)
        for (const auto& tab : tabBar_->tabs()) tab->setNeedsDisplay();
    if (selectedViewController_)
        selectedViewController_->willAnimateRotationToInterfaceOrientation(orientation, duration);
}

void TKTabBarController::didRotateFromInterfaceOrientation(ui::InterfaceOrientation from) {
    if (selectedViewController_) selectedViewController_->didRotateFromInterfaceOrientation(from);
}
