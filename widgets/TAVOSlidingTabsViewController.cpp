#include "widgets/TAVOSlidingTabsViewController.h"

#include <algorithm>

#include "core/crypto/TAVOCommonUtility.h"
#include "platform/ui/ViewAnimation.h"
#include "widgets/UIViewControllerSlidingTabItem.h"

void TAVOSlidingTabsViewController::viewDidLoad() {
    TAVOWIFIViewControler::viewDidLoad();
    initTabViewContainer();
    selectedIndex_ = -1;
    pan_ = ui::PanGestureRecognizer::create();
    pan_->cancelsTouchesInView = true;
    pan_->addTarget(self<TAVOSlidingTabsViewController>(), &TAVOSlidingTabsViewController::handleContainerPan,
                    "handleContainerPan:");
}

double TAVOSlidingTabsViewController::barTop() const {
    return navBarHeight() + (TAVOCommonUtility::isAboveIOS7() ? 0 : 20);
}

void TAVOSlidingTabsViewController::initTabViewContainer() {
    const double top = barTop();
    const cg::Size size = view()->bounds().size;
    container_ = ui::View::create(cg::RectMake(0, top, size.width, size.height - top));
    container_->setBackgroundColor(ui::Color::clearColor());
    container_->setAutoresizingMask(ui::ViewAutoresizingFlexibleHeight);
    view()->addSubview(container_);
}

void TAVOSlidingTabsViewController::initTabBar() {
    // Pages set again replace the earlier bar rather than stacking bars.
    if (tabBar_) tabBar_->removeFromSuperview();
    tabBar_ = TAVOSlidingTabBar::create(cg::RectMake(0, barTop(), view()->bounds().size.width, kTabBarHeight));
    tabBar_->setDelegate(std::static_pointer_cast<TAVOSlidingTabBarDelegate>(self<TAVOSlidingTabsViewController>()));
    view()->addSubview(tabBar_);
}

void TAVOSlidingTabsViewController::setViewControllers(const std::vector<ui::ViewControllerPtr>& controllers) {
    if (controllers == viewControllers_) return;
    for (const auto& old : viewControllers_) {
        old->removeFromParentViewController();
        if (old->isViewLoaded()) old->view()->removeFromSuperview();
    }
    viewControllers_ = controllers;
    tabPages_.clear();
    selectedIndex_ = -1;
    selectedViewController_ = nullptr;

    std::vector<TAVOSlidingTabItemPtr> items;
    const cg::Size page = container_->bounds().size;
    for (std::size_t i = 0; i < viewControllers_.size(); ++i) {
        const auto& child = viewControllers_[i];
        addChildViewController(child);
        child->view()->setFrame(cg::RectMake(page.width * i, 0, page.width, page.height));
        child->view()->setAutoresizingMask(ui::ViewAutoresizingFlexibleHeight);
        container_->addSubview(child->view());
        if (auto item = UIViewControllerSlidingTabItem::tabItem(*child)) {
            items.push_back(item);
            tabPages_.push_back(static_cast<int>(i));
        }
    }

    const cg::Size size = view()->bounds().size;
    if (!items.empty()) {
        initTabBar();
        const double barBottom = tabBar_->frame().origin.y + tabBar_->frame().size.height;
        container_->setFrame(cg::RectMake(0, barBottom, size.width, size.height - barBottom));
        tabBar_->setItems(items);
        tabBar_->layoutIfNeeded();
        setSelectedIndex(0);
    } else {
        if (tabBar_) tabBar_->removeFromSuperview();
        tabBar_ = nullptr;
        const double top = navBarHeight();
        container_->setFrame(cg::RectMake(0, top, size.width, size.height - top));
        setSelectedIndex(0);
    }
}

int TAVOSlidingTabsViewController::tabIndexForPage(int page) const {
    auto found = std::find(tabPages_.begin(), tabPages_.end(), page);
    return found == tabPages_.end() ? -1 : static_cast<int>(found - tabPages_.begin());
}

void TAVOSlidingTabsViewController::setSelectedIndex(int index) {
    // No page there (no pages at all, or a tab index of a mixed set that
    // was not mapped): keep the present selection.
    if (index < 0 || index >= static_cast<int>(viewControllers_.size())) return;
    selectedIndex_ = index;
    const cg::Size page = container_->bounds().size;
    std::vector<std::pair<ui::ViewPtr, cg::Rect>> moves;
    for (std::size_t j = 0; j < viewControllers_.size(); ++j)
        moves.emplace_back(viewControllers_[j]->view(),
                           cg::RectMake((static_cast<int>(j) - index) * page.width, 0, page.width, page.height));
    ui::ViewAnimation::animate(kSlideDuration, [moves] {
        for (const auto& [view, frame] : moves) view->setFrame(frame);
    });
    setSelectedViewController(viewControllers_[static_cast<std::size_t>(index)]);
    if (tabBar_) tabBar_->setSelectedIndex(tabIndexForPage(index));
}

void TAVOSlidingTabsViewController::setSelectedViewController(const ui::ViewControllerPtr& controller) {
    if (controller != selectedViewController_) selectedViewController_ = controller;
}

void TAVOSlidingTabsViewController::tabBarDidSelectItemAtIndex(TAVOSlidingTabBar& /*bar*/, int index) {
    if (index < 0 || index >= static_cast<int>(tabPages_.size())) return;
    selectTabChanged(static_cast<unsigned>(index));
    setSelectedIndex(tabPages_[static_cast<std::size_t>(index)]);
}

void TAVOSlidingTabsViewController::setCanPan(bool canPan) {
    canPan_ = canPan;
    if (!pan_ || !container_) return;
    if (canPan)
        container_->addGestureRecognizer(pan_);
    else
        container_->removeGestureRecognizer(pan_);
}

void TAVOSlidingTabsViewController::handleContainerPan(ui::GestureRecognizer& recognizer) {
    auto* pan = dynamic_cast<ui::PanGestureRecognizer*>(&recognizer);
    if (!pan) return;
    const double x = pan->translationInView(pan->view()).x;
    const int count = static_cast<int>(viewControllers_.size());
    switch (recognizer.state()) {
        case ui::GestureRecognizerState::Began:
            lastTranslation_ = 0;
            break;
        case ui::GestureRecognizerState::Changed: {
            const double d = x - lastTranslation_;
            const bool pastFirst = selectedIndex_ == 0 && d > 0;
            const bool pastLast = selectedIndex_ == count - 1 && d < 0;
            if (!pastFirst && !pastLast) {
                for (const auto& child : viewControllers_) {
                    cg::Rect frame = child->view()->frame();
                    frame.origin.x += d;
                    frame.origin.y = 0;
                    child->view()->setFrame(frame);
                }
                if (tabBar_) tabBar_->moveIndicatorView(d);
            }
            lastTranslation_ = x;
            break;
        }
        case ui::GestureRecognizerState::Ended: {
            const double width = container_->bounds().size.width;
            int target = selectedIndex_;
            if (x >= kPageTurnFraction * width)
                target = selectedIndex_ - 1;
            else if (x <= -kPageTurnFraction * width)
                target = selectedIndex_ + 1;
            target = std::clamp(target, 0, std::max(0, count - 1));
            setSelectedIndex(target);
            break;
        }
        default:
            break;
    }
}
