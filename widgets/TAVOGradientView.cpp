#include "widgets/TAVOGradientView.h"

#include "platform/ui/BasicAnimation.h"
#include "platform/ui/Transaction.h"

std::shared_ptr<ca::GradientLayer> TAVOGradientView::gradientLayer() const {
    return std::static_pointer_cast<ca::GradientLayer>(layer());
}

cg::Point TAVOGradientView::diagonalEndPoint(cg::Size size) {
    const double w = size.width, h = size.height;
    if (!(w > 0) || !(h > 0)) return {0.5, 0.5};
    // The end point lies on the square's diagonal, so the gradient runs at
    // 45 degrees whatever the view's shape.
    if (w > h) return {0.5, 0.5 * h / w};
    return {0.5 * w / h, 0.5};
}

void TAVOGradientView::changeTopLeftColor(const ui::Color& topLeft, const ui::Color& bottomRight, bool animated,
                                          std::function<void()> completion) {
    auto gradient = gradientLayer();
    if (topToBottom_) {
        gradient->startPoint = {0.5, 0};
        gradient->endPoint = {0.5, 1};
    } else {
        gradient->startPoint = {0, 0};
        gradient->endPoint = diagonalEndPoint(bounds().size);
    }
    colorTopLeft_ = topLeft;
    colorBottomRight_ = bottomRight;
    ca::ColorList colors{topLeft, bottomRight};

    if (!animated) {
        gradient->removeAllAnimations();
        gradient->colors = colors;
        if (completion) completion();
        return;
    }
    std::weak_ptr<TAVOGradientView> weak = self<TAVOGradientView>();
    ca::Transaction::begin();
    ca::Transaction::setAnimationDuration(kChangeDuration);
    ca::Transaction::setCompletionBlock([weak, topLeft, bottomRight, colors, completion] {
        // A fade cut short by a newer change leaves that change's colours.
        auto view = weak.lock();
        if (view && view->colorTopLeft() == topLeft && view->colorBottomRight() == bottomRight)
            view->gradientLayer()->colors = colors;
        if (completion) completion();
    });
    auto fade = ca::BasicAnimation::animationWithKeyPath("colors");
    fade->fromValue = gradient->colors;
    fade->toValue = colors;
    fade->fillMode = ca::FillMode::Forwards;
    fade->removedOnCompletion = false;
    gradient->addAnimation(fade, kColorsAnimationKey);
    ca::Transaction::commit();
}
