// Popups for any view controller: another controller's view, or any view,
// shown centred over the top-level view of the presenter's controller
// hierarchy on a dimmed overlay. The popup enters and leaves with a fade,
// one of eight slides or at once; a tap anywhere outside it dismisses it.
//
// Animation types: -1 none in (fade out); 0 fade; 1 in from the bottom, out
// through the top; 2 bottom, bottom; 3 top, top; 4 top, bottom; 5 left,
// left; 6 left, right; 7 right, left; 8 right, right; any other: fade.
// Slides and fades take 0.35 s.
//
// The presenter keeps the popup controller, the background of the last
// popup, the status-bar flag and the dismissed callback as its own
// associated state, which ends with it. While a popup presented through
// presentPopupViewController is up, the presenter (and every controller
// that does not decide for itself) asks for the status bar to be hidden
// when the flag says so. The dismissed callback runs once, after the popup
// and its overlay have left the view tree. Main thread only.
#pragma once

#include <functional>
#include <memory>

#include "platform/ui/View.h"
#include "platform/ui/ViewController.h"

class PUPopupBackgroundView;

class UIViewControllerPUPopupViewController {
public:
    using Callback = std::function<void()>;

    // View tags: the view the popup is placed on, the popup, the overlay.
    static constexpr long kSourceViewTag = 23941;
    static constexpr long kPopupViewTag = 23942;
    static constexpr long kOverlayViewTag = 23945;
    static constexpr double kAnimationDuration = 0.35;

    static void presentPopupViewController(const ui::ViewControllerPtr& presenter, const ui::ViewControllerPtr& popup,
                                           int animationType, bool showStatusBar = true, Callback dismissed = nullptr);
    static void presentPopupViewController(const ui::ViewControllerPtr& presenter, const ui::ViewControllerPtr& popup,
                                           int animationType, Callback dismissed);
    static void presentPopupView(const ui::ViewControllerPtr& presenter, const ui::ViewPtr& popupView,
                                 int animationType, Callback dismissed = nullptr);
    static void dismissPopupViewControllerWithanimationType(const ui::ViewControllerPtr& presenter, int animationType);
    // The dismiss button's action: its tag names the slide (1-8), anything
    // else fades.
    static void dismissPopupViewControllerWithanimation(const ui::ViewControllerPtr& presenter,
                                                        const std::shared_ptr<ns::Object>& sender);

    // The stored flag; NO when none is stored.
    static bool prefersStatusBarHidden(const ui::ViewController& controller);

    // The associated state.
    static ui::ViewControllerPtr pu_popupViewController(const ui::ViewControllerPtr& presenter);
    static void setMj_popupViewController(const ui::ViewControllerPtr& presenter, const ui::ViewControllerPtr& popup);
    static std::shared_ptr<PUPopupBackgroundView> pu_popupBackgroundView(const ui::ViewControllerPtr& presenter);
    static void setMj_popupBackgroundView(const ui::ViewControllerPtr& presenter,
                                          const std::shared_ptr<PUPopupBackgroundView>& background);
    static Callback dismissedCallback(const ui::ViewControllerPtr& presenter);
    static void setDismissedCallback(const ui::ViewControllerPtr& presenter, Callback callback);

    // The view of the topmost controller above the presenter.
    static ui::ViewPtr topView(const ui::ViewControllerPtr& presenter);

    // The movements.
    static void slideViewIn(const ui::ViewControllerPtr& presenter, const ui::ViewPtr& popupView,
                            const ui::ViewPtr& sourceView, const ui::ViewPtr& overlayView, int animationType);
    static void slideViewOut(const ui::ViewControllerPtr& presenter, const ui::ViewPtr& popupView,
                             const ui::ViewPtr& sourceView, const ui::ViewPtr& overlayView, int animationType);
    static void fadeViewIn(const ui::ViewControllerPtr& presenter, const ui::ViewPtr& popupView,
                           const ui::ViewPtr& sourceView, const ui::ViewPtr& overlayView);
    static void fadeViewOut(const ui::ViewControllerPtr& presenter, const ui::ViewPtr& popupView,
                            const ui::ViewPtr& sourceView, const ui::ViewPtr& overlayView);
    static void showViewIn(const ui::ViewControllerPtr& presenter, const ui::ViewPtr& popupView,
                           const ui::ViewPtr& sourceView, const ui::ViewPtr& overlayView);
};
