#include "platform/ui/NavigationController.h"

#include <algorithm>

#include "platform/ui/MainLoop.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Window.h"

namespace ui {

std::shared_ptr<NavigationController> NavigationController::create(const ViewControllerPtr& root) {
    auto nav = make<NavigationController>();
    nav->initWithRootViewController(root);
    return nav;
}

void NavigationController::initWithRootViewController(const ViewControllerPtr& root) {
    if (root) setViewControllers({root}, false);
}

ViewControllerPtr NavigationController::visibleViewController() const {
    if (auto p = presentedViewController()) return p;
    auto top = topViewController();
    if (top)
        if (auto p = top->presentedViewController()) return p;
    return top;
}

const ViewPtr& NavigationController::navigationBar() {
    if (!bar_) {
        bar_ = View::create(cg::RectMake(0, 20, Screen::mainScreen()->bounds().size.width, kBarHeight));
        bar_->setAutoresizingMask(ViewAutoresizingFlexibleWidth);
        bar_->setHidden(barHidden_);
    }
    return bar_;
}

void NavigationController::setNavigationBarHidden(bool hidden, bool) {
    barHidden_ = hidden;
    navigationBar()->setHidden(hidden);
}

void NavigationController::loadView() {
    auto v = View::create(Screen::mainScreen()->bounds());
    setView(v);
    v->addSubview(navigationBar());
    placeTopView();
}

bool NavigationController::isOnScreen() const {
    return appearanceState() == AppearanceState::Appeared || appearanceState() == AppearanceState::Appearing;
}

void NavigationController::placeTopView() {
    if (!isViewLoaded()) return;
    auto top = topViewController();
    if (shown_ && shown_ != top && shown_->isViewLoaded()) shown_->view()->removeFromSuperview();
    shown_ = top;
    if (!top) {
        showTopItem();
        return;
    }
    auto v = top->view();
    v->setFrame(view()->bounds());
    v->setAutoresizingMask(ViewAutoresizingFlexibleWidth | ViewAutoresizingFlexibleHeight);
    if (v->superview() != view()) view()->insertSubviewBelow(v, navigationBar());
    // After the view loaded: its controller fills the item there.
    showTopItem();
}

void NavigationController::showTopItem() {
    const ViewPtr& bar = navigationBar();
    for (const auto& v : itemViews_)
        if (v->superview() == bar) v->removeFromSuperview();
    itemViews_.clear();
    auto top = topViewController();
    if (!top) return;
    const NavigationItem& item = top->navigationItem();
    const cg::Size size = bar->bounds().size;
    auto place = [&](const ViewPtr& v, double x, unsigned mask) {
        cg::Rect frame = v->frame();
        frame.origin = cg::PointMake(x, (size.height - frame.size.height) / 2);
        v->setFrame(frame);
        v->setAutoresizingMask(mask);
        bar->addSubview(v);
        itemViews_.push_back(v);
    };
    if (item.titleView)
        place(item.titleView, (size.width - item.titleView->frame().size.width) / 2,
              ViewAutoresizingFlexibleLeftMargin | ViewAutoresizingFlexibleRightMargin);
    if (item.leftBarButtonView) place(item.leftBarButtonView, kItemMargin, ViewAutoresizingFlexibleRightMargin);
    if (item.rightBarButtonView)
        place(item.rightBarButtonView, size.width - kItemMargin - item.rightBarButtonView->frame().size.width,
              ViewAutoresizingFlexibleLeftMargin);
}

void NavigationController::finishTransition() {
    if (!pendingEnd_) return;
    mainloop::cancel(pendingCall_);
    auto end = std::move(pendingEnd_);
    pendingEnd_ = nullptr;
    end();
}

void NavigationController::transition(const ViewControllerPtr& from, bool animated) {
    auto to = topViewController();
    auto me = std::static_pointer_cast<NavigationController>(self<ViewController>());
    if (!isViewLoaded() || !isOnScreen()) {
        // Off screen: only the stack changes; the view follows when shown.
        if (isViewLoaded()) placeTopView();
        return;
    }
    if (from == to) return;
    if (!animated || !view()->window()) animated = animated && view()->window();
    if (auto d = delegate()) d->willShowViewController(*this, to, animated);
    if (to) to->beginAppearanceTransition(true, animated);
    if (from) from->beginAppearanceTransition(false, animated);
    placeTopView();
    auto end = [me, from, to, animated] {
        if (from) from->endAppearanceTransition();
        if (to) to->endAppearanceTransition();
        if (auto d = me->delegate()) d->didShowViewController(*me, to, animated);
    };
    if (animated) {
        pendingEnd_ = end;
        std::weak_ptr<NavigationController> weak = me;
        pendingCall_ = mainloop::performAfter(kTransitionDuration, [weak] {
            if (auto n = weak.lock()) n->finishTransition();
        });
    } else {
        end();
    }
}

void NavigationController::pushViewController(const ViewControllerPtr& controller, bool animated) {
    if (!controller || std::find(stack_.begin(), stack_.end(), controller) != stack_.end()) return;
    finishTransition();
    auto from = shown_ ? shown_ : topViewController();
    addChildViewController(controller);
    stack_.push_back(controller);
    controller->didMoveToParentViewController(self<ViewController>());
    transition(from, animated);
}

ViewControllerPtr NavigationController::popViewControllerAnimated(bool animated) {
    if (stack_.size() <= 1) return nullptr;
    finishTransition();
    auto from = shown_ ? shown_ : topViewController();
    auto popped = stack_.back();
    stack_.pop_back();
    transition(from, animated);
    popped->willMoveToParentViewController(nullptr);
    popped->removeFromParentViewController();
    return popped;
}

std::vector<ViewControllerPtr> NavigationController::popToViewController(const ViewControllerPtr& controller,
                                                                         bool animated) {
    auto it = std::find(stack_.begin(), stack_.end(), controller);
    if (it == stack_.end() || it + 1 == stack_.end()) return {};
    finishTransition();
    auto from = shown_ ? shown_ : topViewController();
    std::vector<ViewControllerPtr> popped(it + 1, stack_.end());
    stack_.erase(it + 1, stack_.end());
    transition(from, animated);
    for (auto& p : popped) {
        p->willMoveToParentViewController(nullptr);
        p->removeFromParentViewController();
    }
    return popped;
}

std::vector<ViewControllerPtr> NavigationController::popToRootViewControllerAnimated(bool animated) {
    if (stack_.empty()) return {};
    return popToViewController(stack_.front(), animated);
}

void NavigationController::setViewControllers(const std::vector<ViewControllerPtr>& controllers, bool animated) {
    finishTransition();
    auto from = shown_ ? shown_ : topViewController();
    std::vector<ViewControllerPtr> fresh;
    for (const auto& c : controllers)
        if (c && std::find(fresh.begin(), fresh.end(), c) == fresh.end()) fresh.push_back(c);
    auto old = stack_;
    stack_ = fresh;
    for (auto& o : old)
        if (std::find(fresh.begin(), fresh.end(), o) == fresh.end()) {
            o->willMoveToParentViewController(nullptr);
            o->removeFromParentViewController();
        }
    for (auto& c : fresh)
        if (c->parentViewController().get() != this) {
            addChildViewController(c);
            c->didMoveToParentViewController(self<ViewController>());
        }
    transition(from, animated);
}

void NavigationController::viewWillAppear(bool animated) {
    finishTransition();
    placeTopView();
    auto top = topViewController();
    if (!top) return;
    if (auto d = delegate()) d->willShowViewController(*this, top, animated);
    top->beginAppearanceTransition(true, animated);
}

void NavigationController::viewDidAppear(bool animated) {
    auto top = topViewController();
    if (!top) return;
    top->endAppearanceTransition();
    if (auto d = delegate()) d->didShowViewController(*this, top, animated);
}

void NavigationController::viewWillDisappear(bool animated) {
    finishTransition();
    if (auto top = topViewController()) top->beginAppearanceTransition(false, animated);
}

void NavigationController::viewDidDisappear(bool) {
    if (auto top = topViewController()) top->endAppearanceTransition();
}

StatusBarStyle NavigationController::preferredStatusBarStyle() const {
    auto top = topViewController();
    return top ? top->preferredStatusBarStyle() : StatusBarStyle::Default;
}

ViewControllerPtr NavigationController::childViewControllerForStatusBarStyle() const {
    return barHidden_ ? topViewController() : nullptr;
}

ViewControllerPtr NavigationController::childViewControllerForStatusBarHidden() const { return topViewController(); }

void NavigationController::willRotateToInterfaceOrientation(InterfaceOrientation o, double duration) {
    if (auto top = topViewController()) top->willRotateToInterfaceOrientation(o, duration);
}

void NavigationController::willAnimateRotationToInterfaceOrientation(InterfaceOrientation o, double duration) {
    if (auto top = topViewController()) top->willAnimateRotationToInterfaceOrientation(o, duration);
}

void NavigationController::didRotateFromInterfaceOrientation(InterfaceOrientation from) {
    if (auto top = topViewController()) top->didRotateFromInterfaceOrientation(from);
}

}  // namespace ui
