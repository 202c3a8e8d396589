#include "uikit/UIViewControllerPUPopupViewController.h"

#include <optional>

#include "net/imageloader/AssociatedObject.h"
#include "platform/ui/Button.h"
#include "platform/ui/Screen.h"
#include "platform/ui/ViewAnimation.h"
#include "uikit/PUPopupBackgroundView.h"

namespace {

using Popups = UIViewControllerPUPopupViewController;

// How far the background darkens: a slide brings it in fully, a fade and
// an instant show halfway.
constexpr double kSlideBackgroundAlpha = 1.0;
constexpr double kFadeBackgroundAlpha = 0.5;
constexpr unsigned kAllMargins = ui::ViewAutoresizingFlexibleLeftMargin | ui::ViewAutoresizingFlexibleRightMargin |
                                 ui::ViewAutoresizingFlexibleTopMargin | ui::ViewAutoresizingFlexibleBottomMargin;
constexpr unsigned kFlexibleSize = ui::ViewAutoresizingFlexibleWidth | ui::ViewAutoresizingFlexibleHeight;

// What a presenter keeps about its popup.
struct PopupState {
    ui::ViewControllerPtr popupViewController;
    std::shared_ptr<PUPopupBackgroundView> backgroundView;
    std::optional<bool> showStatusBar;
    Popups::Callback dismissedCallback;
};

AssociatedObject<PopupState>& states() {
    static AssociatedObject<PopupState> table;
    return table;
}

PopupState& stateOf(const ui::ViewControllerPtr& presenter) {
    return *states().getOrMake(presenter, [] { return std::make_shared<PopupState>(); });
}

bool isSlide(int type) { return type >= 1 && type <= 8; }

enum class Edge { Top, Bottom, Left, Right };

Edge entranceEdge(int type) {
    switch (type) {
        case 1:
        case 2: return Edge::Bottom;
        case 3:
        case 4: return Edge::Top;
        case 5:
        case 6: return Edge::Left;
        default: return Edge::Right;
    }
}

Edge exitEdge(int type) {
    switch (type) {
        case 1:
        case 3: return Edge::Top;
        case 2:
        case 4: return Edge::Bottom;
        case 5:
        case 7: return Edge::Left;
        default: return Edge::Right;
    }
}

// Centred in the source, not rounded.
cg::Rect restingFrame(const cg::Size& s, const cg::Size& p) {
    return cg::RectMake((s.width - p.width) / 2, (s.height - p.height) / 2, p.width, p.height);
}

cg::Rect slideInStartFrame(const cg::Size& s, const cg::Size& p, int type) {
    switch (entranceEdge(type)) {
        case Edge::Bottom: return cg::RectMake((s.width - p.width) / 2, s.height, p.width, p.height);
        case Edge::Top: return cg::RectMake((s.width - p.width) / 2, -p.height, p.width, p.height);
        // A full source width off to the left, whatever the popup's width.
        case Edge::Left: return cg::RectMake(-s.width, (s.height - p.height) / 2, p.width, p.height);
        case Edge::Right: return cg::RectMake(s.width, (s.height - p.height) / 2, p.width, p.height);
    }
    return restingFrame(s, p);
}

cg::Rect slideOutEndFrame(const cg::Size& s, const cg::Size& p, double currentY, int type) {
    switch (exitEdge(type)) {
        case Edge::Top: return cg::RectMake((s.width - p.width) / 2, -p.height, p.width, p.height);
        case Edge::Bottom: return cg::RectMake((s.width - p.width) / 2, s.height, p.width, p.height);
        case Edge::Left: return cg::RectMake(-p.width, currentY, p.width, p.height);
        case Edge::Right: return cg::RectMake(s.width, currentY, p.width, p.height);
    }
    return restingFrame(s, p);
}

// The appearance calls go through the transition so that the popup
// controller's children hear them too.
void willAppear(const ui::ViewControllerPtr& vc) {
    if (vc) vc->beginAppearanceTransition(true, false);
}
void didAppearOrDisappear(const ui::ViewControllerPtr& vc) {
    if (vc) vc->endAppearanceTransition();
}
void willDisappear(const ui::ViewControllerPtr& vc) {
    if (vc) vc->beginAppearanceTransition(false, false);
}

void setBackgroundAlpha(const ui::ViewControllerPtr& presenter, double alpha) {
    if (auto background = Popups::pu_popupBackgroundView(presenter)) background->setAlpha(alpha);
}

// After either exit: the views leave, the popup controller hears it, and
// the callback runs once.
void finishDismissal(const std::weak_ptr<ui::ViewController>& weakPresenter, const ui::ViewPtr& popupView,
                     const ui::ViewPtr& overlayView) {
    popupView->removeFromSuperview();
    overlayView->removeFromSuperview();
    auto presenter = weakPresenter.lock();
    if (!presenter) return;
    didAppearOrDisappear(Popups::pu_popupViewController(presenter));
    Popups::setMj_popupViewController(presenter, nullptr);
    if (auto callback = Popups::dismissedCallback(presenter)) {
        Popups::setDismissedCallback(presenter, nullptr);
        callback();
    }
}

void installStatusBarAnswer() {
    ui::ViewController::setDefaultPrefersStatusBarHidden(
        [](const ui::ViewController& vc) { return Popups::prefersStatusBarHidden(vc); });
}

}  // namespace

// ---- presenting ----

void Popups::presentPopupViewController(const ui::ViewControllerPtr& presenter, const ui::ViewControllerPtr& popup,
                                        int animationType, Callback dismissed) {
    presentPopupViewController(presenter, popup, animationType, true, std::move(dismissed));
}

void Popups::presentPopupViewController(const ui::ViewControllerPtr& presenter, const ui::ViewControllerPtr& popup,
                                        int animationType, bool showStatusBar, Callback dismissed) {
    if (!presenter || !popup) return;
    installStatusBarAnswer();
    auto& state = stateOf(presenter);
    state.popupViewController = popup;
    state.showStatusBar = showStatusBar;
    presenter->setNeedsStatusBarAppearanceUpdate();
    presentPopupView(presenter, popup->view(), animationType, std::move(dismissed));
}

void Popups::presentPopupView(const ui::ViewControllerPtr& presenter, const ui::ViewPtr& popupView,
                              int animationType, Callback dismissed) {
    if (!presenter || !popupView) return;
    auto source = topView(presenter);
    if (!source) return;
    source->setTag(kSourceViewTag);
    popupView->setAutoresizingMask(kAllMargins);
    popupView->setTag(kPopupViewTag);
    // Up already (in its overlay on the source): a second overlay would
    // leave the first one dimming the screen behind it.
    if (popupView->isDescendantOfView(source)) return;
    popupView->layer()->setShouldRasterize(true);
    popupView->layer()->setRasterizationScale(ui::Screen::mainScreen()->scale());

    cg::Rect sourceBounds = source->bounds();
    auto overlay = ui::View::create(sourceBounds);
    overlay->setAutoresizingMask(kFlexibleSize);
    overlay->setTag(kOverlayViewTag);
    overlay->setBackgroundColor(ui::Color::clearColor());

    auto background = PUPopupBackgroundView::create(sourceBounds);
    setMj_popupBackgroundView(presenter, background);
    background->setAutoresizingMask(kFlexibleSize);
    background->setBackgroundColor(ui::Color::clearColor());
    background->setAlpha(0);
    overlay->addSubview(background);

    auto dismissButton = ui::Button::buttonWithType(ui::ButtonType::Custom);
    dismissButton->setFrame(sourceBounds);
    dismissButton->setAutoresizingMask(kFlexibleSize);
    dismissButton->setBackgroundColor(ui::Color::clearColor());
    overlay->addSubview(dismissButton);
    std::weak_ptr<ui::ViewController> weakPresenter = presenter;
    dismissButton->addTarget(
        presenter, "dismissPopupViewControllerWithanimation:",
        [weakPresenter](ui::Control& sender) {
            if (auto p = weakPresenter.lock()) dismissPopupViewControllerWithanimation(p, sender.self());
        },
        ui::ControlEventTouchUpInside);

    popupView->setAlpha(0);
    overlay->addSubview(popupView);
    source->addSubview(overlay);

    if (animationType == -1) {
        dismissButton->setTag(-1);
        showViewIn(presenter, popupView, source, overlay);
    } else if (isSlide(animationType)) {
        dismissButton->setTag(animationType);
        slideViewIn(presenter, popupView, source, overlay, animationType);
    } else {
        dismissButton->setTag(0);
        fadeViewIn(presenter, popupView, source, overlay);
    }
    setDismissedCallback(presenter, std::move(dismissed));
}

// ---- dismissing ----

void Popups::dismissPopupViewControllerWithanimation(const ui::ViewControllerPtr& presenter,
                                                     const std::shared_ptr<ns::Object>& sender) {
    int type = 0;
    if (auto button = std::dynamic_pointer_cast<ui::Button>(sender)) {
        if (isSlide(static_cast<int>(button->tag()))) type = static_cast<int>(button->tag());
    }
    dismissPopupViewControllerWithanimationType(presenter, type);
}

void Popups::dismissPopupViewControllerWithanimationType(const ui::ViewControllerPtr& presenter, int animationType) {
    if (!presenter) return;
    if (auto state = states().get(*presenter)) state->showStatusBar.reset();
    presenter->setNeedsStatusBarAppearanceUpdate();
    auto source = topView(presenter);
    if (!source) return;
    auto popupView = source->viewWithTag(kPopupViewTag);
    auto overlay = source->viewWithTag(kOverlayViewTag);
    // No popup up: nothing to animate and nothing to call.
    if (!popupView || !overlay) return;
    if (isSlide(animationType)) {
        slideViewOut(presenter, popupView, source, overlay, animationType);
    } else {
        fadeViewOut(presenter, popupView, source, overlay);
    }
}

// ---- the movements ----

void Popups::slideViewIn(const ui::ViewControllerPtr& presenter, const ui::ViewPtr& popupView,
                         const ui::ViewPtr& sourceView, const ui::ViewPtr&, int animationType) {
    cg::Size s = sourceView->bounds().size, p = popupView->bounds().size;
    popupView->setFrame(slideInStartFrame(s, p, animationType));
    popupView->setAlpha(1);
    auto popupController = pu_popupViewController(presenter);
    ui::ViewAnimation::animate(
        kAnimationDuration, 0, ui::ViewAnimationOptionCurveEaseOut,
        [&] {
            willAppear(popupController);
            setBackgroundAlpha(presenter, kSlideBackgroundAlpha);
            popupView->setFrame(restingFrame(s, p));
        },
        [popupController](bool) { didAppearOrDisappear(popupController); });
}

void Popups::fadeViewIn(const ui::ViewControllerPtr& presenter, const ui::ViewPtr& popupView,
                        const ui::ViewPtr& sourceView, const ui::ViewPtr&) {
    popupView->setFrame(restingFrame(sourceView->bounds().size, popupView->bounds().size));
    popupView->setAlpha(0);
    auto popupController = pu_popupViewController(presenter);
    ui::ViewAnimation::animate(
        kAnimationDuration,
        [&] {
            willAppear(popupController);
            setBackgroundAlpha(presenter, kFadeBackgroundAlpha);
            popupView->setAlpha(1);
        },
        [popupController](bool) { didAppearOrDisappear(popupController); });
}

void Popups::showViewIn(const ui::ViewControllerPtr& presenter, const ui::ViewPtr& popupView,
                        const ui::ViewPtr& sourceView, const ui::ViewPtr&) {
    popupView->setFrame(restingFrame(sourceView->bounds().size, popupView->bounds().size));
    popupView->setAlpha(1);
    auto popupController = pu_popupViewController(presenter);
    willAppear(popupController);
    setBackgroundAlpha(presenter, kFadeBackgroundAlpha);
    popupView->setAlpha(1);
    didAppearOrDisappear(popupController);
}

void Popups::slideViewOut(const ui::ViewControllerPtr& presenter, const ui::ViewPtr& popupView,
                          const ui::ViewPtr& sourceView, const ui::ViewPtr& overlayView, int animationType) {
    cg::Size s = sourceView->bounds().size, p = popupView->bounds().size;
    cg::Rect end = slideOutEndFrame(s, p, popupView->frame().origin.y, animationType);
    std::weak_ptr<ui::ViewController> weakPresenter = presenter;
    ui::ViewAnimation::animate(
        kAnimationDuration, 0, ui::ViewAnimationOptionCurveEaseIn,
        [&] {
            willDisappear(pu_popupViewController(presenter));
            popupView->setFrame(end);
            setBackgroundAlpha(presenter, 0);
        },
        [weakPresenter, popupView, overlayView](bool) { finishDismissal(weakPresenter, popupView, overlayView); });
}

void Popups::fadeViewOut(const ui::ViewControllerPtr& presenter, const ui::ViewPtr& popupView,
                         const ui::ViewPtr&, const ui::ViewPtr& overlayView) {
    std::weak_ptr<ui::ViewController> weakPresenter = presenter;
    ui::ViewAnimation::animate(
        kAnimationDuration,
        [&] {
            willDisappear(pu_popupViewController(presenter));
            setBackgroundAlpha(presenter, 0);
            popupView->setAlpha(0);
        },
        [weakPresenter, popupView, overlayView](bool) { finishDismissal(weakPresenter, popupView, overlayView); });
}

// ---- state ----

bool Popups::prefersStatusBarHidden(const ui::ViewController& controller) {
    auto state = states().get(controller);
    return state && state->showStatusBar.value_or(false);
}

ui::ViewControllerPtr Popups::pu_popupViewController(const ui::ViewControllerPtr& presenter) {
    auto state = presenter ? states().get(*presenter) : nullptr;
    return state ? state->popupViewController : nullptr;
}

void Popups::setMj_popupViewController(const ui::ViewControllerPtr& presenter, const ui::ViewControllerPtr& popup) {
    if (presenter) stateOf(presenter).popupViewController = popup;
}

std::shared_ptr<PUPopupBackgroundView> Popups::pu_popupBackgroundView(const ui::ViewControllerPtr& presenter) {
    auto state = presenter ? states().get(*presenter) : nullptr;
    return state ? state->backgroundView : nullptr;
}

void Popups::setMj_popupBackgroundView(const ui::ViewControllerPtr& presenter,
                                       const std::shared_ptr<PUPopupBackgroundView>& background) {
    if (presenter) stateOf(presenter).backgroundView = background;
}

Popups::Callback Popups::dismissedCallback(const ui::ViewControllerPtr& presenter) {
    auto state = presenter ? states().get(*presenter) : nullptr;
    return state ? state->dismissedCallback : nullptr;
}

void Popups::setDismissedCallback(const ui::ViewControllerPtr& presenter, Callback callback) {
    if (presenter) stateOf(presenter).dismissedCallback = std::move(callback);
}

ui::ViewPtr Popups::topView(const ui::ViewControllerPtr& presenter) {
    auto top = presenter;
    while (top && top->parentViewController()) top = top->parentViewController();
    return top ? top->view() : nullptr;
}
