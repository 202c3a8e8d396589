#include "widgets/TAVOWaveView.h"

#include <cmath>

#include "platform/ui/AnimationGroup.h"
#include "platform/ui/BasicAnimation.h"
#include "platform/ui/ShapeLayer.h"
#include "widgets/TAVOCirclePath.h"

namespace {

// The first ring's outer radius is the given radius less this margin,
// which shrinks by kMarginPerRing for every ring.
constexpr int kMarginBase = 100;
constexpr int kMarginPerRing = 20;
// A ring swells this far past its outer radius.
constexpr int kRingOvershoot = 20;

}  // namespace

void TAVOWaveView::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    setClipsToBounds(true);
    layers_.reserve(5);
}

void TAVOWaveView::startAnimation(int num, bool halfmode, cg::Point center, int radius, int insideRadius, int arcLine) {
    insideRadius_ = insideRadius;
    startAnimation(num, halfmode, center, radius, arcLine);
}

void TAVOWaveView::startAnimation(int num, bool /*halfmode*/, cg::Point center, int radius, int arcLine) {
    ringStepTimer_.stop();
    // Rings of an earlier start would otherwise keep running unseen by
    // `layers` bookkeeping and pile up with every restart.
    removeLayers();
    isAnimating_ = true;
    waveCenter_ = center;
    radius_ = radius;
    arcRadius_ = arcLine;
    num_ = num;

    const int margin = kMarginBase - kMarginPerRing * num;
    addRing(radius - margin, center);
    currentAnimationLayers_ = 1;
    ringStepTimer_.start(intervalAnimation_, false, [this] { ringStep(); });

    if (arcLine > 0) {
        auto arc = ca::ShapeLayer::create();
        arc->setFrame(bounds());
        arc->fillColor = ui::Color::clearColor();
        arc->strokeColor = ui::Color::lightGrayColor();
        arc->path = TAVOCirclePath(center, arcLine - margin);
        layer()->addSublayer(arc);
        layers_.push_back(arc);
    }
}

void TAVOWaveView::ringStep() {
    addRing(radius_ + kMarginPerRing * num_ - kMarginBase, waveCenter_);
    ++currentAnimationLayers_;
    if (currentAnimationLayers_ < num_) ringStepTimer_.start(intervalAnimation_, false, [this] { ringStep(); });
}

void TAVOWaveView::addRing(double outerRadius, cg::Point center) {
    auto ring = ca::ShapeLayer::create();
    ring->setFrame(bounds());
    ring->fillColor = fillColor_;

    auto path = ca::BasicAnimation::animationWithKeyPath("path");
    path->fromValue = TAVOCirclePath(center, insideRadius_);
    path->toValue = TAVOCirclePath(center, outerRadius + kRingOvershoot);
    auto opacity = ca::BasicAnimation::animationWithKeyPath("opacity");
    opacity->fromValue = 1.0;
    opacity->toValue = 0.0;

    auto group = ca::AnimationGroup::animation();
    group->animations = {path, opacity};
    group->beginTime = ca::currentMediaTime();
    group->duration = num_;
    group->timingFunction = ca::TimingFunction::Linear;
    group->repeatCount = HUGE_VAL;
    group->removedOnCompletion = false;
    ring->addAnimation(group, kRingAnimationKey);

    layer()->addSublayer(ring);
    layers_.push_back(ring);
}

void TAVOWaveView::removeLayers() {
    for (const auto& l : layers_) l->removeFromSuperlayer();
    layers_.clear();
}

void TAVOWaveView::stopAnimation() {
    isAnimating_ = false;
    removeLayers();
    ringStepTimer_.stop();
}

void TAVOWaveView::setNum(int num) {
    if (num == num_) return;
    num_ = num;
    if (!isAnimating_) return;
    stopAnimation();
    startAnimation(num, true, waveCenter_, radius_, arcRadius_);
}
