#include "platform/ui/ScrollView.h"

#include <algorithm>
#include <cmath>

namespace ui {

void ScrollView::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    setClipsToBounds(true);
    pan_ = PanGestureRecognizer::create();
    std::weak_ptr<ScrollView> weak = self<ScrollView>();
    pan_->addTarget(nullptr, "handlePan", [weak](GestureRecognizer& g) {
        if (auto s = weak.lock()) s->handlePan(g);
    });
    pan_->setDelegate(std::static_pointer_cast<GestureRecognizerDelegate>(self<ScrollView>()));
    addGestureRecognizer(pan_);
}

void ScrollView::setScrollEnabled(bool on) {
    scrollEnabled_ = on;
    pan_->setEnabled(on);
}

bool ScrollView::scrollsHorizontally() const {
    return alwaysBounceHorizontal ||
           contentSize_.width + contentInset_.left + contentInset_.right > bounds().size.width;
}

bool ScrollView::scrollsVertically() const {
    return alwaysBounceVertical ||
           contentSize_.height + contentInset_.top + contentInset_.bottom > bounds().size.height;
}

cg::Point ScrollView::minimumContentOffset() const { return {-contentInset_.left, -contentInset_.top}; }

cg::Point ScrollView::maximumContentOffset() const {
    cg::Point min = minimumContentOffset();
    return {std::max(min.x, contentSize_.width + contentInset_.right - bounds().size.width),
            std::max(min.y, contentSize_.height + contentInset_.bottom - bounds().size.height)};
}

cg::Point ScrollView::clamped(const cg::Point& p) const {
    cg::Point min = minimumContentOffset(), max = maximumContentOffset();
    return {std::clamp(p.x, min.x, max.x), std::clamp(p.y, min.y, max.y)};
}

void ScrollView::setContentOffset(const cg::Point& offset) {
    cg::Point old = contentOffset();
    if (old == offset) return;
    cg::Rect b = bounds();
    b.origin = offset;
    setBounds(b);
    setNeedsLayout();
    auto keep = self<ScrollView>();
    std::erase_if(offsetObservers_, [](const auto& w) { return w.expired(); });
    auto observers = offsetObservers_;
    for (auto& w : observers)
        if (auto o = w.lock()) (*o)(old, offset);
    if (auto d = delegate()) d->scrollViewDidScroll(*this);
}

void ScrollView::setContentOffset(const cg::Point& offset, bool animated) {
    stopScrolling();
    if (!animated || offset == contentOffset()) {
        setContentOffset(offset);
        return;
    }
    setContentOffset(offset);
    std::weak_ptr<ScrollView> weak = self<ScrollView>();
    pendingEnd_ = mainloop::performAfter(kScrollAnimationDuration, [weak] {
        auto s = weak.lock();
        if (!s) return;
        s->pendingEnd_ = 0;
        if (auto d = s->delegate()) d->scrollViewDidEndScrollingAnimation(*s);
    });
}

void ScrollView::stopScrolling() {
    if (pendingEnd_) {
        mainloop::cancel(pendingEnd_);
        pendingEnd_ = 0;
    }
    decelerating_ = false;
}

void ScrollView::setContentSize(const cg::Size& size) {
    cg::Size old = contentSize_;
    if (old == size) return;
    contentSize_ = size;
    auto keep = self<ScrollView>();
    std::erase_if(sizeObservers_, [](const auto& w) { return w.expired(); });
    auto observers = sizeObservers_;
    for (auto& w : observers)
        if (auto o = w.lock()) (*o)(old, size);
}

void ScrollView::setContentInset(const cg::EdgeInsets& inset) { contentInset_ = inset; }

std::shared_ptr<void> ScrollView::observeContentOffset(PointObserver observer) {
    auto holder = std::make_shared<PointObserver>(std::move(observer));
    offsetObservers_.push_back(holder);
    return holder;
}

std::shared_ptr<void> ScrollView::observeContentSize(SizeObserver observer) {
    auto holder = std::make_shared<SizeObserver>(std::move(observer));
    sizeObservers_.push_back(holder);
    return holder;
}

void ScrollView::scrollRectToVisible(const cg::Rect& rect, bool animated) {
    cg::Point o = contentOffset();
    cg::Size s = bounds().size;
    if (rect.origin.x < o.x) o.x = rect.origin.x;
    else if (cg::RectGetMaxX(rect) > o.x + s.width) o.x = cg::RectGetMaxX(rect) - s.width;
    if (rect.origin.y < o.y) o.y = rect.origin.y;
    else if (cg::RectGetMaxY(rect) > o.y + s.height) o.y = cg::RectGetMaxY(rect) - s.height;
    setContentOffset(clamped(o), animated);
}

void ScrollView::scrollToTop() {
    auto d = delegate();
    if (!scrollsToTop || (d && !d->scrollViewShouldScrollToTop(*this))) return;
    setContentOffset({contentOffset().x, -contentInset_.top}, true);
    if (d) d->scrollViewDidScrollToTop(*this);
}

void ScrollView::beginDragging() {
    stopScrolling();
    dragging_ = true;
    dragStart_ = contentOffset();
    if (auto d = delegate()) d->scrollViewWillBeginDragging(*this);
}

void ScrollView::dragBy(const cg::Point& t) {
    if (!dragging_) return;
    cg::Point p = dragStart_;
    if (scrollsHorizontally()) p.x -= t.x;
    if (scrollsVertically()) p.y -= t.y;
    if (!bounces) p = clamped(p);
    setContentOffset(p);
}

void ScrollView::endDragging(const cg::Point& fingerVelocity) {
    if (!dragging_) return;
    auto keep = self<ScrollView>();
    // The offset moves against the finger; the platform reports points per
    // millisecond.
    cg::Point v{scrollsHorizontally() ? -fingerVelocity.x / 1000 : 0,
                scrollsVertically() ? -fingerVelocity.y / 1000 : 0};
    cg::Point o = contentOffset();
    cg::Point target;
    if (pagingEnabled) {
        cg::Size page = bounds().size;
        auto pick = [](double offset, double size, double velocity) {
            if (size <= 0) return offset;
            double index = offset / size;
            if (velocity > 0.05) index = std::ceil(index);
            else if (velocity < -0.05) index = std::floor(index);
            else index = std::round(index);
            return index * size;
        };
        target = clamped({pick(o.x, page.width, v.x), pick(o.y, page.height, v.y)});
    } else {
        double travel = decelerationRate / (1 - decelerationRate);
        target = clamped({o.x + v.x * travel, o.y + v.y * travel});
    }
    if (auto d = delegate()) d->scrollViewWillEndDragging(*this, v, target);
    dragging_ = false;
    const bool decelerate = target != o;
    if (auto d = delegate()) d->scrollViewDidEndDragging(*this, decelerate);
    if (!decelerate) return;
    decelerating_ = true;
    if (auto d = delegate()) d->scrollViewWillBeginDecelerating(*this);
    setContentOffset(target);
    std::weak_ptr<ScrollView> weak = keep;
    pendingEnd_ = mainloop::performAfter(kDecelerationDuration, [weak] {
        auto s = weak.lock();
        if (!s) return;
        s->pendingEnd_ = 0;
        s->decelerating_ = false;
        if (auto d = s->delegate()) d->scrollViewDidEndDecelerating(*s);
    });
}

bool ScrollView::scrollByWheel(const cg::Point& distance) {
    if (!scrollEnabled_ || dragging_) return false;
    cg::Point o = contentOffset();
    cg::Point target = clamped({scrollsHorizontally() ? o.x + distance.x : o.x,
                                scrollsVertically() ? o.y + distance.y : o.y});
    if (target == o) return false;
    auto keep = self<ScrollView>();
    beginDragging();
    setContentOffset(target);
    endDragging({0, 0});
    return true;
}

bool ScrollView::gestureRecognizerShouldBegin(GestureRecognizer& recognizer) {
    if (&recognizer != pan_.get()) return View::gestureRecognizerShouldBegin(recognizer);
    cg::Point t = pan_->translationInView(nullptr);
    bool across = std::fabs(t.x) > std::fabs(t.y);
    return across ? scrollsHorizontally() : scrollsVertically();
}

void ScrollView::handlePan(GestureRecognizer& g) {
    auto& pan = static_cast<PanGestureRecognizer&>(g);
    switch (g.state()) {
        case GestureRecognizerState::Began:
            beginDragging();
            dragBy(pan.translationInView(nullptr));
            break;
        case GestureRecognizerState::Changed: dragBy(pan.translationInView(nullptr)); break;
        case GestureRecognizerState::Ended: endDragging(pan.velocityInView(nullptr)); break;
        case GestureRecognizerState::Cancelled: endDragging({0, 0}); break;
        default: break;
    }
}

}  // namespace ui
