// A phone-sized popover: a view controller's view in a bubble with an arrow
// that points at a rectangle, over a dimmed window, closed by a tap outside
// it or by the caller. Screens use it as a bottom sheet (animation 2: it
// unfolds from its anchor's edge).
//
// Shown, it keeps itself alive until its dismissal has ended, so a caller
// may let go of it right after showing. It closes once (later dismissals do
// nothing), and closes without animation when the status-bar orientation
// is about to change.
#pragma once

#include <memory>
#include <vector>

#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Object.h"
#include "platform/ui/Image.h"
#include "platform/ui/MainLoop.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewController.h"
#include "widgets/ContentViewControllerProtocol.h"
#include "widgets/PopoverControllerDelegate.h"
#include "widgets/PopoverControllerProtocol.h"
#include "widgets/PopoverControllerView.h"

class PopoverController : public ns::Object, public PopoverControllerProtocol {
public:
    static std::shared_ptr<PopoverController> create(const ui::ViewControllerPtr& contentViewController);
    ~PopoverController() override;

    // The content controller's view goes into the bubble.
    void initWithContentViewController(const ui::ViewControllerPtr& contentViewController);

    // `animation`: 0 at once, 1 grown from the arrow's tip, 2 unfolded from
    // the anchor's edge. `spaceWidth`: points kept free at either side.
    void showFromRect(const cg::Rect& rect, const ui::ViewPtr& view, int animation, int spaceWidth);
    void dismissAnimated(bool animated) override;

    void setContentSize(const cg::Size& size, bool animated) override;
    void setContentViewController(const ui::ViewControllerPtr& controller, bool animated) override;
    const ui::ViewControllerPtr& contentViewController() const { return contentViewController_; }

    void setBgContainerImage(const ui::ImagePtr& image) { popoverView_->setBgContainerImage(image); }
    void setUpArrowImage(const ui::ImagePtr& image) { popoverView_->setUpArrowImage(image); }
    void setDownArrowImage(const ui::ImagePtr& image) { popoverView_->setDownArrowImage(image); }

    const std::vector<ui::ViewPtr>& eventUnableThroughViews() const override { return eventUnableThroughViews_; }
    void setEventUnableThroughViews(const std::vector<ui::ViewPtr>& views) override {
        eventUnableThroughViews_ = views;
    }
    const std::vector<ui::ViewPtr>& passthroughViews() const override { return passthroughViews_; }
    void setPassthroughViews(const std::vector<ui::ViewPtr>& views) override { passthroughViews_ = views; }
    bool isCenterInScreen() const override { return isCenterInScreen_; }
    void setIsCenterInScreen(bool centered) override { isCenterInScreen_ = centered; }

    std::shared_ptr<PopoverControllerDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<PopoverControllerDelegate>& delegate) { delegate_ = delegate; }

    const PopoverControllerViewPtr& popoverView() const { return popoverView_; }
    bool isDismissing() const { return isDismissing_; }
    // From showing to the end of the dismissal.
    bool isKeepingItselfAlive() const { return keepAlive_ != nullptr; }

private:
    void finishDismissal();

    ui::ViewControllerPtr contentViewController_;
    PopoverControllerViewPtr popoverView_;
    bool isDismissing_ = false;
    int animation_ = PopoverControllerView::kAppear;
    bool isCenterInScreen_ = false;
    std::vector<ui::ViewPtr> eventUnableThroughViews_;
    std::vector<ui::ViewPtr> passthroughViews_;
    std::weak_ptr<PopoverControllerDelegate> delegate_;

    std::shared_ptr<PopoverController> keepAlive_;
    ns::ScopedObserver orientationObserver_;
    ui::mainloop::Handle pendingDismissal_ = 0;
};

using PopoverControllerPtr = std::shared_ptr<PopoverController>;
