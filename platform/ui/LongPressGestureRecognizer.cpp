#include "platform/ui/LongPressGestureRecognizer.h"

#include <cmath>

namespace ui {

LongPressGestureRecognizer::~LongPressGestureRecognizer() { mainloop::cancel(timer_); }

void LongPressGestureRecognizer::touchesBegan(const TouchSet& touches, const Event* event) {
    GestureRecognizer::touchesBegan(touches, event);
    if (touches.empty()) return;
    start_ = touches.front()->windowLocation;
    mainloop::cancel(timer_);
    std::weak_ptr<LongPressGestureRecognizer> weak = self<LongPressGestureRecognizer>();
    timer_ = mainloop::performAfter(minimumPressDuration, [weak] {
        auto me = weak.lock();
        if (me && me->state() == GestureRecognizerState::Possible && me->numberOfTouches() > 0)
            me->setState(GestureRecognizerState::Began);
    });
}

void LongPressGestureRecognizer::touchesMoved(const TouchSet& touches, const Event* event) {
    GestureRecognizer::touchesMoved(touches, event);
    if (touches.empty()) return;
    if (state() == GestureRecognizerState::Possible) {
        cg::Point p = touches.front()->windowLocation;
        if (std::hypot(p.x - start_.x, p.y - start_.y) > allowableMovement) {
            mainloop::cancel(timer_);
            setState(GestureRecognizerState::Failed);
        }
    } else if (state() == GestureRecognizerState::Began || state() == GestureRecognizerState::Changed) {
        setState(GestureRecognizerState::Changed);
    }
}

void LongPressGestureRecognizer::touchesEnded(const TouchSet& touches, const Event* event) {
    GestureRecognizer::touchesEnded(touches, event);
    mainloop::cancel(timer_);
    if (state() == GestureRecognizerState::Began || state() == GestureRecognizerState::Changed)
        setState(GestureRecognizerState::Ended);
    else if (state() == GestureRecognizerState::Possible)
        setState(GestureRecognizerState::Failed);
}

void LongPressGestureRecognizer::touchesCancelled(const TouchSet& touches, const Event* event) {
    GestureRecognizer::touchesCancelled(touches, event);
    mainloop::cancel(timer_);
    if (state() == GestureRecognizerState::Began || state() == GestureRecognizerState::Changed)
        setState(GestureRecognizerState::Cancelled);
}

void LongPressGestureRecognizer::reset() { mainloop::cancel(timer_); }

}  // namespace ui
