#include "uikit/SlideCellScrollView.h"

#include <cmath>

bool SlideCellScrollView::shouldRecognizeSimultaneously(ui::GestureRecognizer& recognizer, ui::GestureRecognizer&) {
    auto* pan = dynamic_cast<ui::PanGestureRecognizer*>(&recognizer);
    if (!pan) return true;
    return std::fabs(pan->velocityInView(pan->view()).y) <= kMaximumVerticalVelocity;
}
