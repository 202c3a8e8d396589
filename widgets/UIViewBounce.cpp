#include "widgets/UIViewBounce.h"

#include "platform/ui/KeyframeAnimation.h"
#include "platform/ui/Transaction.h"

namespace {

cg::Point mix(const cg::Point& f, double wf, const cg::Point& t, double wt) {
    return cg::PointMake(f.x * wf + t.x * wt, f.y * wf + t.y * wt);
}

cg::Point centreOf(const cg::Rect& r) { return cg::PointMake(cg::RectGetMidX(r), cg::RectGetMidY(r)); }

}  // namespace

void UIViewBounce::bounceFrom(const ui::ViewPtr& view, const cg::Rect& from, const cg::Rect& to) {
    if (!view) return;
    const cg::Point f = centreOf(from), t = centreOf(to);
    auto bounce = ca::KeyframeAnimation::animationWithKeyPath("position");
    bounce->values = {f, t, mix(f, 0.2, t, 0.8), t, mix(f, 0.1, t, 0.9), t};
    bounce->keyTimes = {0, 0.3, 0.55, 0.75, 0.9, 1.0};
    bounce->timingFunction = ca::TimingFunction::EaseInEaseOut;
    bounce->fillMode = ca::FillMode::Both;
    bounce->removedOnCompletion = false;

    std::weak_ptr<ui::View> weak = view;
    ca::Transaction::begin();
    ca::Transaction::setAnimationDuration(kBounceSeconds);
    ca::Transaction::setCompletionBlock([weak, t] {
        auto v = weak.lock();
        if (!v) return;
        v->layer()->removeAllAnimations();
        v->setCenter(t);
    });
    view->layer()->addAnimation(bounce);
    ca::Transaction::commit();
}

void UIViewBounce::scaleFrom(const ui::ViewPtr& view, double from, double to, double maxScale) {
    if (!view) return;
    auto pop = ca::KeyframeAnimation::animationWithKeyPath("transform.scale");
    pop->values = {from, maxScale, to};
    pop->keyTimes = {0, 0.75, 1.0};
    pop->timingFunction = ca::TimingFunction::EaseInEaseOut;
    pop->fillMode = ca::FillMode::Both;
    pop->removedOnCompletion = false;

    std::weak_ptr<ui::View> weak = view;
    ca::Transaction::begin();
    ca::Transaction::setAnimationDuration(kScaleSeconds);
    ca::Transaction::setCompletionBlock([weak] {
        if (auto v = weak.lock()) v->layer()->removeAllAnimations();
    });
    view->layer()->addAnimation(pop);
    ca::Transaction::commit();
}
