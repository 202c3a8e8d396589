#include "widgets/PopoverController.h"

#include "platform/foundation/ApplicationNotifications.h"
#include "platform/ui/ViewAnimation.h"

std::shared_ptr<PopoverController> PopoverController::create(const ui::ViewControllerPtr& contentViewController) {
    auto controller = std::make_shared<PopoverController>();
    controller->initWithContentViewController(contentViewController);
    return controller;
}

void PopoverController::initWithContentViewController(const ui::ViewControllerPtr& contentViewController) {
    contentViewController_ = contentViewController;
    popoverView_ = PopoverControllerView::create(contentViewController ? contentViewController->view() : nullptr);
    popoverView_->setDelegate(self<PopoverController>());

    std::weak_ptr<PopoverController> weak = self<PopoverController>();
    auto center = ns::NotificationCenter::defaultCenter();
    orientationObserver_ = ns::ScopedObserver(
        center, center->addObserverForName(ns::UIApplicationWillChangeStatusBarOrientationNotification, {}, nullptr,
                                           [weak](const ns::NotificationPtr&) {
                                               auto controller = weak.lock();
                                               if (!controller) return;
                                               // The next turn; dropped if the controller goes first.
                                               controller->pendingDismissal_ = ui::mainloop::performLater([weak] {
                                                   if (auto c = weak.lock()) c->dismissAnimated(false);
                                               });
                                           }));
}

PopoverController::~PopoverController() {
    orientationObserver_.reset();
    ui::mainloop::cancel(pendingDismissal_);
    if (auto content = std::dynamic_pointer_cast<ContentViewControllerProtocol>(contentViewController_))
        content->setPopoverDelegate(nullptr);
    if (popoverView_) popoverView_->setDelegate(nullptr);
}

void PopoverController::showFromRect(const cg::Rect& rect, const ui::ViewPtr& view, int animation, int spaceWidth) {
    animation_ = animation;
    if (!popoverView_->showFromRect(rect, view, animation, spaceWidth)) return;
    keepAlive_ = self<PopoverController>();
}

void PopoverController::dismissAnimated(bool animated) {
    if (isDismissing_) return;
    isDismissing_ = true;
    auto self = this->self<PopoverController>();
    if (auto delegate = delegate_.lock()) delegate->popoverControllerWillDismiss(*this);
    if (!animated) {
        finishDismissal();
        return;
    }
    auto view = popoverView_;
    const int animation = animation_;
    ui::ViewAnimation::animate(
        PopoverControllerView::kAnimationDuration, [view, animation] { view->willDismiss(animation); },
        [self](bool) { self->finishDismissal(); });
}

void PopoverController::finishDismissal() {
    // Held until the end of this call, even when this lets go of the last hold.
    auto self = this->self<PopoverController>();
    popoverView_->dismiss();
    if (auto delegate = delegate_.lock()) delegate->popoverControllerDidDismiss(*this);
    keepAlive_.reset();
}

void PopoverController::setContentSize(const cg::Size& size, bool animated) {
    popoverView_->setContentSize(size, animated);
}

void PopoverController::setContentViewController(const ui::ViewControllerPtr& controller, bool animated) {
    contentViewController_ = controller;
    popoverView_->setContentView(controller ? controller->view() : nullptr, animated);
}
