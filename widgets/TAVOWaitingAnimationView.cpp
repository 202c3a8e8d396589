#include "widgets/TAVOWaitingAnimationView.h"

#include "platform/graphics/BezierPath.h"
#include "platform/ui/BasicAnimation.h"
#include "platform/ui/ShapeLayer.h"
#include "platform/ui/Transaction.h"

cg::Point TAVOWaitingAnimationView::dotCenter(int i) const {
    const cg::Rect b = bounds();
    const cg::Point c{b.origin.x + b.size.width / 2, b.origin.y + b.size.height / 2};
    return {c.x + (i - 1) * 3 * circleRadius_, c.y};
}

void TAVOWaitingAnimationView::animateWaiting(double /*duration*/, std::function<void()> completion) {
    std::vector<ca::LayerPtr> dots;
    for (const auto& sub : layer()->sublayers())
        if (std::dynamic_pointer_cast<ca::ShapeLayer>(sub)) dots.push_back(sub);
    for (const auto& dot : dots) dot->removeFromSuperlayer();
    lightDot(0, std::move(completion));
}

void TAVOWaitingAnimationView::lightDot(int i, std::function<void()> completion) {
    const double r = circleRadius_;
    const cg::Point c = dotCenter(i);
    const ui::Color color = circleColor_.value_or(ui::Color::clearColor());

    auto dot = ca::ShapeLayer::create();
    dot->setFrame(bounds());
    dot->strokeColor = ui::Color::clearColor();
    dot->path = std::make_shared<const cg::Path>(
        cg::BezierPath::bezierPathWithRoundedRect(cg::RectMake(c.x - r, c.y - r, 2 * r, 2 * r), r)->CGPath());
    // The model already holds the lit colour the animation ends on and keeps.
    dot->fillColor = color;
    layer()->addSublayer(dot);

    std::weak_ptr<TAVOWaitingAnimationView> weak = std::static_pointer_cast<TAVOWaitingAnimationView>(shared_from_this());
    ca::Transaction::begin();
    ca::Transaction::setAnimationDuration(kDotDuration);
    ca::Transaction::setCompletionBlock([weak, i, completion] {
        auto view = weak.lock();
        if (!view) return;
        if (i + 1 < kDotCount) {
            view->lightDot(i + 1, completion);
        } else if (completion) {
            completion();
        }
    });
    auto light = ca::BasicAnimation::animationWithKeyPath("fillColor");
    light->fromValue = color.colorWithAlphaComponent(kDimAlpha);
    light->toValue = color;
    light->fillMode = ca::FillMode::Both;
    light->removedOnCompletion = false;
    dot->addAnimation(light, "fillColor");
    ca::Transaction::commit();
}
