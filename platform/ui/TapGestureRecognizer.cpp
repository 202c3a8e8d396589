#include "platform/ui/TapGestureRecognizer.h"

#include <cmath>

namespace ui {

void TapGestureRecognizer::touchesBegan(const TouchSet& touches, const Event* event) {
    GestureRecognizer::touchesBegan(touches, event);
    if (!touches.empty()) start_ = touches.front()->windowLocation;
    if (static_cast<int>(numberOfTouches()) > numberOfTouchesRequired) setState(GestureRecognizerState::Failed);
}

void TapGestureRecognizer::touchesMoved(const TouchSet& touches, const Event* event) {
    GestureRecognizer::touchesMoved(touches, event);
    if (touches.empty() || state() != GestureRecognizerState::Possible) return;
    cg::Point p = touches.front()->windowLocation;
    if (std::hypot(p.x - start_.x, p.y - start_.y) > kAllowableMovement) setState(GestureRecognizerState::Failed);
}

void TapGestureRecognizer::touchesEnded(const TouchSet& touches, const Event* event) {
    int taps = touches.empty() ? 0 : touches.front()->tapCount;
    GestureRecognizer::touchesEnded(touches, event);
    if (state() != GestureRecognizerState::Possible) return;
    if (taps >= numberOfTapsRequired)
        setState(GestureRecognizerStateRecognized);
}

}  // namespace ui
