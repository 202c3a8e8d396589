#include "platform/ui/PanGestureRecognizer.h"

#include <cmath>

#include "platform/ui/Animation.h"
#include "platform/ui/View.h"

namespace ui {

namespace {
// Window-space vector to a view's coordinate space (no translation).
cg::Point vectorInView(const cg::Point& v, const std::shared_ptr<View>& view) {
    if (!view) return v;
    cg::Point o = view->convertPointFromView({0, 0}, nullptr);
    cg::Point p = view->convertPointFromView(v, nullptr);
    return {p.x - o.x, p.y - o.y};
}
}  // namespace

cg::Point PanGestureRecognizer::translationInView(const std::shared_ptr<View>& view) const {
    return vectorInView({current_.x - start_.x, current_.y - start_.y}, view);
}

void PanGestureRecognizer::setTranslation(const cg::Point& translation, const std::shared_ptr<View>& view) {
    cg::Point w = translation;
    if (view) {
        cg::Point o = view->convertPointToView({0, 0}, nullptr);
        cg::Point p = view->convertPointToView(translation, nullptr);
        w = {p.x - o.x, p.y - o.y};
    }
    start_ = {current_.x - w.x, current_.y - w.y};
}

cg::Point PanGestureRecognizer::velocityInView(const std::shared_ptr<View>& view) const {
    return vectorInView(velocity_, view);
}

bool PanGestureRecognizer::shouldBeginWithMovement(const cg::Point& d) const {
    return std::hypot(d.x, d.y) >= kHysteresis;
}

void PanGestureRecognizer::touchesBegan(const TouchSet& touches, const Event* event) {
    GestureRecognizer::touchesBegan(touches, event);
    if (touches.empty()) return;
    start_ = current_ = lastPoint_ = touches.front()->windowLocation;
    lastTime_ = ca::currentMediaTime();
    velocity_ = {};
}

void PanGestureRecognizer::touchesMoved(const TouchSet& touches, const Event* event) {
    GestureRecognizer::touchesMoved(touches, event);
    if (touches.empty()) return;
    cg::Point p = touches.front()->windowLocation;
    double now = ca::currentMediaTime();
    double dt = now - lastTime_;
    if (dt > 0) velocity_ = {(p.x - lastPoint_.x) / dt, (p.y - lastPoint_.y) / dt};
    lastPoint_ = p;
    lastTime_ = now;
    current_ = p;
    if (state() == GestureRecognizerState::Possible) {
        if (numberOfTouches() >= minimumNumberOfTouches && numberOfTouches() <= maximumNumberOfTouches &&
            shouldBeginWithMovement({p.x - start_.x, p.y - start_.y}))
            setState(GestureRecognizerState::Began);
    } else if (state() == GestureRecognizerState::Began || state() == GestureRecognizerState::Changed) {
        setState(GestureRecognizerState::Changed);
    }
}

void PanGestureRecognizer::touchesEnded(const TouchSet& touches, const Event* event) {
    // Otherwise a list let go after the finger stopped would still fly on.
    if (ca::currentMediaTime() - lastTime_ > kRestBeforeLift) velocity_ = {};
    GestureRecognizer::touchesEnded(touches, event);
    if (state() == GestureRecognizerState::Began || state() == GestureRecognizerState::Changed)
        setState(GestureRecognizerState::Ended);
    else if (state() == GestureRecognizerState::Possible)
        setState(GestureRecognizerState::Failed);
}

void PanGestureRecognizer::touchesCancelled(const TouchSet& touches, const Event* event) {
    GestureRecognizer::touchesCancelled(touches, event);
    if (state() == GestureRecognizerState::Began || state() == GestureRecognizerState::Changed)
        setState(GestureRecognizerState::Cancelled);
}

void PanGestureRecognizer::reset() { velocity_ = {}; }

}  // namespace ui
