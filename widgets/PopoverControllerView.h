// The full-window view of a popover controller: it dims the window, places
// the bubble against its anchor (below it, or above when there is no room
// below) and decides what a touch outside the bubble does: it closes the
// popover unless it lands on a passthrough view, and it is swallowed when
// it lands on an event-unable view; otherwise it reaches what lies under
// the popover.
#pragma once

#include <memory>

#include "platform/ui/Image.h"
#include "platform/ui/View.h"
#include "platform/ui/Window.h"
#include "widgets/PopoverControllerProtocol.h"
#include "widgets/PopoverDimingView.h"
#include "widgets/PopoverViewInternal.h"

class PopoverControllerView : public ui::View {
public:
    using ui::View::View;
    static std::shared_ptr<PopoverControllerView> create(const ui::ViewPtr& contentView);

    static constexpr double kAnimationDuration = 0.3;
    static constexpr double kDimmedAlpha = 0.3;

    // How the popover comes up (and goes).
    enum Animation : int { kAppear = 0, kGrowFromTip = 1, kUnfold = 2 };

    // The application delegate's window, and the view of its root controller.
    static ui::WindowPtr applicationWindow();
    static ui::ViewPtr rootView();

    void initWithContentView(const ui::ViewPtr& contentView);

    // Places the bubble against the rectangle (in `view`) with `spaceWidth`
    // points kept free on either side, and brings it up. False (and
    // nothing shown) without an application window.
    bool showFromRect(const cg::Rect& rect, const ui::ViewPtr& view, int animation, int spaceWidth);
    void setContentSize(const cg::Size& size, bool animated);
    void setContentView(const ui::ViewPtr& view, bool animated) { bubble_->setContentView(view, animated); }
    // The end state of the closing animation for the way it came up.
    void willDismiss(int animation);
    void dismiss() { removeFromSuperview(); }

    void setBgContainerImage(const ui::ImagePtr& image) { bubble_->setBgContainerImage(image); }
    void setUpArrowImage(const ui::ImagePtr& image) { bubble_->setUpArrowImage(image); }
    void setDownArrowImage(const ui::ImagePtr& image) { bubble_->setDownArrowImage(image); }

    std::shared_ptr<PopoverControllerProtocol> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<PopoverControllerProtocol>& delegate) { delegate_ = delegate; }

    const std::shared_ptr<PopoverDimingView>& dimingView() const { return dimingView_; }
    const PopoverViewInternalPtr& bubble() const { return bubble_; }
    // The arrow's tip, as a rectangle of zero size in window coordinates.
    const cg::Rect& beginAnimationRect() const { return beginAnimationRect_; }
    int direction() const { return direction_; }

    std::shared_ptr<ui::View> hitTest(const cg::Point& point, const ui::Event* event) override;

private:
    // The bubble's frame, from window coordinates.
    void setBubbleFrame(const cg::Rect& windowRect);
    // The arrow at the tip, from the arrow's image size and the direction.
    void placeArrow();

    std::shared_ptr<PopoverDimingView> dimingView_;
    PopoverViewInternalPtr bubble_;
    cg::Rect beginAnimationRect_;
    int direction_ = PopoverViewInternal::kArrowUp;
    std::weak_ptr<PopoverControllerProtocol> delegate_;
};

using PopoverControllerViewPtr = std::shared_ptr<PopoverControllerView>;
