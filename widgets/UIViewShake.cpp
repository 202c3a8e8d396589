#include "widgets/UIViewShake.h"

#include "platform/ui/ViewAnimation.h"

void UIViewShake::shake(const ui::ViewPtr& view, int times, double delta) { shake(view, times, delta, kDefaultSpeed); }

void UIViewShake::shake(const ui::ViewPtr& view, int times, double delta, double speed) {
    shake(view, times, delta, speed, Horizontal);
}

void UIViewShake::shake(const ui::ViewPtr& view, int times, double delta, double speed, int shakeDirection) {
    if (!view) return;
    step(view, times, 1, 0, delta, speed, shakeDirection);
}

void UIViewShake::step(const std::weak_ptr<ui::View>& weak, int times, int direction, int current, double delta,
                       double speed, int shakeDirection) {
    auto view = weak.lock();
    if (!view) return;
    const double offset = direction * delta;
    ui::ViewAnimation::animate(
        speed,
        [view, offset, shakeDirection] {
            view->setTransform(shakeDirection == Horizontal ? cg::AffineTransformMakeTranslation(offset, 0)
                                                            : cg::AffineTransformMakeTranslation(0, offset));
        },
        [weak, times, direction, current, delta, speed, shakeDirection](bool) {
            if (current >= times) {
                if (auto v = weak.lock()) v->setTransform(cg::AffineTransformIdentity);
                return;
            }
            step(weak, times - 1, -direction, current + 1, delta, speed, shakeDirection);
        });
}
