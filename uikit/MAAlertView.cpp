// The alert's life: the queue, the show and dismiss sequences with their
// handlers and notifications, the button tap and the transitions. The
// panel's building, layout and appearance are in MAAlertViewPanel.cpp.
#include "uikit/MAAlertView.h"

#include <algorithm>

#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Application.h"
#include "platform/ui/Screen.h"
#include "uikit/MAAlertAppearance.h"
#include "uikit/MAAlertLayout.h"
#include "uikit/MAAlertQueue.h"
#include "uikit/MAAlertTransition.h"
#include "uikit/MAAlertViewController.h"

namespace {

// The window to give key status back to when the old key window is gone:
// the application's first window below the alerts' own.
std::shared_ptr<ui::Window> firstApplicationWindow() {
    auto app = ui::Application::existing();
    if (!app) return nullptr;
    for (const auto& window : app->windows())
        if (window->windowLevel() < MAAlertBackgroundWindow::kWindowLevel) return window;
    return nullptr;
}

}  // namespace

// ---- making ----

MAAlertViewPtr MAAlertView::create() { return create("", ""); }

MAAlertViewPtr MAAlertView::create(const std::string& title, const std::string& message) {
    return makeWithTitle<MAAlertView>(title, message);
}

MAAlertViewPtr MAAlertView::createWithCustomView(const ui::ViewPtr& view) {
    auto alert = construct<MAAlertView>();
    alert->initWithCustomView(view);
    return alert;
}

void MAAlertView::initWithTitle(const std::string& title, const std::string& message) {
    MAAlertAppearance::registerDefaults();
    initWithFrame(cg::RectZero);
    title_ = title;
    message_ = message;
    items_.clear();
    transitionStyle_ = MAAlertViewTransitionStyleBounce;
}

void MAAlertView::initWithCustomView(const ui::ViewPtr& view) {
    initWithTitle("", "");
    customView_ = view;
}

double MAAlertView::getContainerWidth() { return MAAlertLayout::kContentWidth; }

void MAAlertView::setTitle(const std::string& title) {
    title_ = title;
    invalidateLayout();
}

void MAAlertView::setMessage(const std::string& message) {
    message_ = message;
    invalidateLayout();
}

void MAAlertView::addButtonWithTitle(const std::string& title, int type, MAAlertItem::Action handler) {
    items_.push_back(MAAlertItem::create(title, type, std::move(handler)));
}

// ---- class-wide state ----

bool MAAlertView::hasShown() {
    const auto& state = MAAlertQueue::shared();
    const auto& current = state.current;
    if (!current) return false;
    if (current->visible_) return true;
    // Leaving: still up when an alert queued after it comes up next.
    if (!current->leaving_) return false;
    const std::size_t staying = state.alerts.size() -
                                (current->cleanupOnExit_ && state.contains(*current) ? 1 : 0);
    return staying > 0;
}

std::vector<MAAlertViewPtr>& MAAlertView::sharedQueue() { return MAAlertQueue::shared().alerts; }

MAAlertViewPtr MAAlertView::currentAlertView() { return MAAlertQueue::shared().current; }

void MAAlertView::setCurrentAlertView(const MAAlertViewPtr& alert) { MAAlertQueue::shared().current = alert; }

bool MAAlertView::isAnimating() { return MAAlertQueue::shared().animating; }

void MAAlertView::setAnimating(bool animating) { MAAlertQueue::shared().animating = animating; }

void MAAlertView::showBackground() {
    auto current = currentAlertView();
    MAAlertQueue::shared().showBackground(current ? current->backgroundStyle() : MAAlertViewBackgroundStyleGradient);
}

void MAAlertView::hideBackgroundAnimated(bool animated) { MAAlertQueue::shared().hideBackground(animated); }

// ---- showing ----

void MAAlertView::show() {
    if (visible_) return;
    auto self = this->self<MAAlertView>();

    auto app = ui::Application::sharedApplication();
    auto keyWindow = app->keyWindow();
    oldKeyWindow_ = keyWindow;
    if (keyWindow) {
        oldTintAdjustmentMode_ = keyWindow->tintAdjustmentMode();
        keyWindow->setTintAdjustmentMode(ui::TintAdjustmentMode::Dimmed);
    }

    auto& state = MAAlertQueue::shared();
    if (!state.contains(*this)) state.alerts.push_back(self);
    // An entrance, an exit or a button's action is under way: wait in the
    // queue; the alert comes up when that ends.
    if (state.animating) return;
    // The newest alert wins: the one showing leaves, stays queued, and its
    // exit brings this one up.
    if (state.current && state.current->isVisible()) {
        state.current->dismissAnimatedCleanup(true, false);
        return;
    }

    if (willShowHandler_) willShowHandler_(self);
    postNotification(MAAlertViewWillShowNotification);
    visible_ = true;
    setAnimating(true);
    setCurrentAlertView(self);
    showBackground();

    auto controller = MAAlertViewController::create(self);
    if (!alertWindow_) {
        alertWindow_ = ui::Window::create(ui::Screen::mainScreen()->bounds());
        alertWindow_->setAutoresizingMask(ui::ViewAutoresizingFlexibleWidth | ui::ViewAutoresizingFlexibleHeight);
        alertWindow_->setOpaque(false);
        alertWindow_->setWindowLevel(kAlertWindowLevel);
        // Loads the controller's view, the alert: its panel is built now.
        alertWindow_->setRootViewController(controller);
    }
    alertWindow_->makeKeyAndVisible();
    validateLayout();

    const std::uint64_t entrance = ++entrance_;
    std::weak_ptr<MAAlertView> weak = self;
    transitionInCompletion([weak, entrance] {
        auto alert = weak.lock();
        // Tapped away (or shown again) before its entrance ended: the exit
        // that followed owns the queue now.
        if (!alert || !alert->visible_ || alert->entrance_ != entrance) return;
        if (alert->didShowHandler_) alert->didShowHandler_(alert);
        alert->postNotification(MAAlertViewDidShowNotification);
        setAnimating(false);
        // An alert queued during the entrance comes up now.
        const auto& queue = sharedQueue();
        if (queue.empty() || queue.back() != alert) alert->dismissAnimatedCleanup(true, false);
    });
}

// ---- dismissing ----

void MAAlertView::dismissAnimatedCleanup(bool animated, bool cleanup) {
    auto self = this->self<MAAlertView>();
    auto& state = MAAlertQueue::shared();
    if (leaving_) {
        // The exit runs already; whether the alert stays queued is decided
        // when it ends.
        cleanupOnExit_ = cleanupOnExit_ || cleanup;
        return;
    }
    if (!visible_ && state.current != self) {
        // Only queued (or never shown): nothing of it is on screen, and the
        // alert that is stays as it is.
        if (cleanup) state.remove(*this);
        return;
    }

    const bool wasVisible = visible_;
    if (wasVisible) {
        if (willDismissHandler_) willDismissHandler_(self);
        postNotification(MAAlertViewWillDismissNotification);
    }
    visible_ = false;
    cleanupOnExit_ = cleanup;

    if (wasVisible && animated) {
        leaving_ = true;
        setAnimating(true);
        transitionOutCompletion([self, wasVisible] { self->finishDismissal(wasVisible); });
        // The dimming fades with the last alert's exit.
        const std::size_t staying = state.alerts.size() - (cleanup && state.contains(*this) ? 1 : 0);
        if (staying == 0) hideBackgroundAnimated(true);
        restoreOldKeyWindow();
        return;
    }
    // Key status goes back first, so that an alert the completion brings
    // up keeps it.
    restoreOldKeyWindow();
    finishDismissal(wasVisible);
}

void MAAlertView::finishDismissal(bool wasVisible) {
    auto self = this->self<MAAlertView>();
    auto& state = MAAlertQueue::shared();
    leaving_ = false;
    teardown();
    if (state.current == self) setCurrentAlertView(nullptr);

    MAAlertViewPtr next;
    auto it = std::find(state.alerts.begin(), state.alerts.end(), self);
    if (it != state.alerts.end() && it + 1 != state.alerts.end()) next = *(it + 1);
    if (cleanupOnExit_) state.remove(*this);
    setAnimating(false);

    if (wasVisible) {
        if (didDismissHandler_) didDismissHandler_(self);
        postNotification(MAAlertViewDidDismissNotification);
        if (next) {
            next->show();
        } else if (!state.alerts.empty()) {
            auto last = state.alerts.back();
            last->show();
        }
    }
    if (state.alerts.empty()) hideBackgroundAnimated(true);
}

void MAAlertView::restoreOldKeyWindow() {
    auto window = oldKeyWindow_.lock();
    if (window)
        window->setTintAdjustmentMode(oldTintAdjustmentMode_);
    else
        window = firstApplicationWindow();
    if (!window) return;
    window->makeKeyWindow();
    window->setHidden(false);
}

void MAAlertView::buttonAction(ui::Button& button) {
    // A second tap while the alert leaves runs nothing again.
    if (!visible_) return;
    auto self = this->self<MAAlertView>();
    // Set before the action, so that an alert the action shows only joins
    // the queue and comes up after this one has left.
    setAnimating(true);
    const long index = button.tag();
    if (index >= 0 && static_cast<std::size_t>(index) < items_.size()) {
        auto item = items_[static_cast<std::size_t>(index)];
        if (item->action) item->action(self);
    }
    dismissAnimated(true);
}

void MAAlertView::postNotification(const std::string& name) {
    ns::NotificationCenter::defaultCenter()->postNotificationName(name, ns::Value(self<MAAlertView>()));
}

// ---- transitions ----

void MAAlertView::transitionInCompletion(std::function<void()> completion) {
    if (!containerView_) {
        if (completion) completion();
        return;
    }
    MAAlertTransition::runEntrance(transitionStyle_, containerView_, bounds().size.height,
                                   self<MAAlertView>(), std::move(completion));
}

void MAAlertView::transitionOutCompletion(std::function<void()> completion) {
    if (!containerView_) {
        if (completion) completion();
        return;
    }
    MAAlertTransition::runExit(transitionStyle_, containerView_, bounds().size.height, self<MAAlertView>(),
                               std::move(completion));
}

void MAAlertView::resetTransition() {
    if (containerView_) containerView_->layer()->removeAllAnimations();
}

void MAAlertView::animationDidStop(const ca::AnimationPtr& animation, bool) {
    if (animation) MAAlertTransition::runHandler(*animation);
}
