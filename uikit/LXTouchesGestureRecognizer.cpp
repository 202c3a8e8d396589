#include "uikit/LXTouchesGestureRecognizer.h"

#include <cmath>

#include "platform/ui/View.h"

void LXTouchesGestureRecognizer::touchesBegan(const ui::TouchSet& touches, const ui::Event* event) {
    ui::GestureRecognizer::touchesBegan(touches, event);
    if (!touches.empty()) startPoint = touches.front()->locationInView(view());
    setState(ui::GestureRecognizerState::Began);
}

void LXTouchesGestureRecognizer::touchesMoved(const ui::TouchSet& touches, const ui::Event* event) {
    ui::GestureRecognizer::touchesMoved(touches, event);
    if (touches.empty()) return;
    const cg::Point p = touches.front()->locationInView(view());
    const bool wandered = std::hypot(p.x - startPoint.x, p.y - startPoint.y) > kAllowableMovement;
    setState(wandered ? ui::GestureRecognizerState::Cancelled : ui::GestureRecognizerState::Changed);
}

void LXTouchesGestureRecognizer::touchesEnded(const ui::TouchSet& touches, const ui::Event* event) {
    ui::GestureRecognizer::touchesEnded(touches, event);
    setState(ui::GestureRecognizerState::Ended);
}

void LXTouchesGestureRecognizer::touchesCancelled(const ui::TouchSet& touches, const ui::Event* event) {
    ui::GestureRecognizer::touchesCancelled(touches, event);
    setState(ui::GestureRecognizerState::Cancelled);
}
