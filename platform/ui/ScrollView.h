// A scroll view: its bounds' origin is the content offset into a content
// area of contentSize, widened by the content inset. A finger drags it
// through its own pan recognizer (so touches on its content are cancelled
// once it scrolls); releasing it with speed decelerates to a target offset
// the delegate may change, or to a page when paging. Animated scrolls and
// deceleration change the offset at once and report their end on the
// clock. Observers hear every offset and size change.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/ui/MainLoop.h"
#include "platform/ui/PanGestureRecognizer.h"
#include "platform/ui/View.h"

namespace ui {

class ScrollView;

class ScrollViewDelegate {
public:
    virtual ~ScrollViewDelegate() = default;
    virtual void scrollViewDidScroll(ScrollView&) {}
    virtual void scrollViewWillBeginDragging(ScrollView&) {}
    // `velocity` in points per millisecond along the offset; the target may
    // be changed.
    virtual void scrollViewWillEndDragging(ScrollView&, cg::Point /*velocity*/, cg::Point& /*targetContentOffset*/) {}
    virtual void scrollViewDidEndDragging(ScrollView&, bool /*willDecelerate*/) {}
    virtual void scrollViewWillBeginDecelerating(ScrollView&) {}
    virtual void scrollViewDidEndDecelerating(ScrollView&) {}
    virtual void scrollViewDidEndScrollingAnimation(ScrollView&) {}
    virtual bool scrollViewShouldScrollToTop(ScrollView&) { return true; }
    virtual void scrollViewDidScrollToTop(ScrollView&) {}
};

class ScrollView : public View, public GestureRecognizerDelegate {
public:
    using View::View;
    static std::shared_ptr<ScrollView> create(const cg::Rect& frame = {}) { return make<ScrollView>(frame); }
    // Duration of animated scrolls and of deceleration, on the clock.
    static constexpr double kScrollAnimationDuration = 0.3;
    static constexpr double kDecelerationDuration = 0.5;
    static constexpr double kDecelerationRateNormal = 0.998;

    cg::Point contentOffset() const { return bounds().origin; }
    virtual void setContentOffset(const cg::Point& offset);
    void setContentOffset(const cg::Point& offset, bool animated);
    cg::Size contentSize() const { return contentSize_; }
    virtual void setContentSize(const cg::Size& size);
    cg::EdgeInsets contentInset() const { return contentInset_; }
    virtual void setContentInset(const cg::EdgeInsets& inset);
    cg::EdgeInsets scrollIndicatorInsets() const { return indicatorInsets_; }
    void setScrollIndicatorInsets(const cg::EdgeInsets& inset) { indicatorInsets_ = inset; }
    // The smallest and largest offsets the content allows.
    cg::Point minimumContentOffset() const;
    cg::Point maximumContentOffset() const;
    void scrollRectToVisible(const cg::Rect& rect, bool animated);

    bool showsHorizontalScrollIndicator = true;
    bool showsVerticalScrollIndicator = true;
    bool pagingEnabled = false;
    bool bounces = true;
    bool alwaysBounceVertical = false;
    bool alwaysBounceHorizontal = false;
    bool directionalLockEnabled = false;
    bool scrollsToTop = true;
    bool delaysContentTouches = true;
    bool canCancelContentTouches = true;
    double decelerationRate = kDecelerationRateNormal;
    bool isScrollEnabled() const { return scrollEnabled_; }
    void setScrollEnabled(bool on);

    bool isDragging() const { return dragging_; }
    bool isTracking() const { return dragging_; }
    bool isDecelerating() const { return decelerating_; }

    std::shared_ptr<ScrollViewDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<ScrollViewDelegate>& d) { delegate_ = d; }
    const std::shared_ptr<PanGestureRecognizer>& panGestureRecognizer() const { return pan_; }

    // Observers of the offset and the content size (old, new); the token
    // ends the observation when released.
    using PointObserver = std::function<void(cg::Point oldValue, cg::Point newValue)>;
    using SizeObserver = std::function<void(cg::Size oldValue, cg::Size newValue)>;
    std::shared_ptr<void> observeContentOffset(PointObserver observer);
    std::shared_ptr<void> observeContentSize(SizeObserver observer);

    // Drags without a finger (tests): begin, move by a translation from
    // where the drag began, end with a finger velocity in points per second.
    void beginDragging();
    void dragBy(const cg::Point& translation);
    void endDragging(const cg::Point& fingerVelocity);
    // The status bar tap.
    void scrollToTop();
    // A mouse wheel: the offset moves by `distance` as far as the content
    // allows, told to the delegate as a short drag without speed. False
    // (and nothing happens) when the view cannot move that way, so that the
    // wheel can go to a scroll view around it.
    bool scrollByWheel(const cg::Point& distance);

    void initWithFrame(const cg::Rect& frame) override;
    // The scroll view is the delegate of its own pan recognizer, as on the
    // platform: subclasses answer its questions (simultaneity with other
    // recognizers above all). Its drag begins only along a direction it can
    // scroll, so that a drag across a scroll view nested in another reaches
    // the outer one.
    bool gestureRecognizerShouldBegin(GestureRecognizer& recognizer) override;

private:
    void handlePan(GestureRecognizer& recognizer);
    cg::Point clamped(const cg::Point& p) const;
    bool scrollsHorizontally() const;
    bool scrollsVertically() const;
    void stopScrolling();

    cg::Size contentSize_;
    cg::EdgeInsets contentInset_;
    cg::EdgeInsets indicatorInsets_;
    bool scrollEnabled_ = true;
    bool dragging_ = false;
    bool decelerating_ = false;
    cg::Point dragStart_;
    std::weak_ptr<ScrollViewDelegate> delegate_;
    std::shared_ptr<PanGestureRecognizer> pan_;
    mainloop::Handle pendingEnd_ = 0;
    std::vector<std::weak_ptr<PointObserver>> offsetObservers_;
    std::vector<std::weak_ptr<SizeObserver>> sizeObservers_;
};

using ScrollViewPtr = std::shared_ptr<ScrollView>;

}  // namespace ui
