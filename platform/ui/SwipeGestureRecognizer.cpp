#include "platform/ui/SwipeGestureRecognizer.h"

#include <cmath>

#include "platform/ui/Animation.h"

namespace ui {

void SwipeGestureRecognizer::touchesBegan(const TouchSet& touches, const Event* event) {
    GestureRecognizer::touchesBegan(touches, event);
    if (touches.empty()) return;
    start_ = touches.front()->windowLocation;
    startTime_ = ca::currentMediaTime();
}

void SwipeGestureRecognizer::touchesMoved(const TouchSet& touches, const Event* event) {
    GestureRecognizer::touchesMoved(touches, event);
    if (touches.empty() || state() != GestureRecognizerState::Possible) return;
    if (ca::currentMediaTime() - startTime_ > kMaximumDuration) {
        setState(GestureRecognizerState::Failed);
        return;
    }
    cg::Point p = touches.front()->windowLocation;
    double dx = p.x - start_.x, dy = p.y - start_.y;
    unsigned dir = 0;
    if (std::fabs(dx) >= kMinimumDistance && std::fabs(dy) < std::fabs(dx) / 2)
        dir = dx > 0 ? SwipeDirectionRight : SwipeDirectionLeft;
    else if (std::fabs(dy) >= kMinimumDistance && std::fabs(dx) < std::fabs(dy) / 2)
        dir = dy > 0 ? SwipeDirectionDown : SwipeDirectionUp;
    if (dir == 0) return;
    setState((direction & dir) ? GestureRecognizerStateRecognized : GestureRecognizerState::Failed);
}

void SwipeGestureRecognizer::touchesEnded(const TouchSet& touches, const Event* event) {
    GestureRecognizer::touchesEnded(touches, event);
    if (state() == GestureRecognizerState::Possible) setState(GestureRecognizerState::Failed);
}

}  // namespace ui
