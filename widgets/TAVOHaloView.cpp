#include "widgets/TAVOHaloView.h"

#include <algorithm>
#include <cmath>

#include "core/crypto/TAVOCommonUtility.h"
#include "platform/foundation/Format.h"
#include "platform/ui/AnimationGroup.h"
#include "platform/ui/BasicAnimation.h"
#include "platform/ui/ShapeLayer.h"
#include "platform/ui/ViewAnimation.h"
#include "widgets/TAVOCirclePath.h"

namespace {

constexpr double kHaloScale = 2.0;
constexpr double kCircleStrokeWhite = 0.8;
constexpr double kCircleLineWidth = 0.5;
// The wave circles spread to this fraction of the view's width.
constexpr double kCircleReach = 0.75;
constexpr double kScaleWaveFrom = 0.5;
constexpr double kScaleWaveTo = 4.0;
constexpr int kScaleWaveCount = 3;

double waveDuration() {
    return TAVOCommonUtility::isLowPerformanceDevice() ? TAVOHaloView::kLowPerformanceWaveDuration
                                                       : TAVOHaloView::kWaveDuration;
}

ca::AnimationPtr fade() {
    auto opacity = ca::BasicAnimation::animationWithKeyPath("opacity");
    opacity->fromValue = 1.0;
    opacity->toValue = 0.0;
    return opacity;
}

// An endless group that stays on its layer.
std::shared_ptr<ca::AnimationGroup> endlessGroup(std::vector<ca::AnimationPtr> members, double duration) {
    auto group = ca::AnimationGroup::animation();
    group->animations = std::move(members);
    group->duration = duration;
    group->repeatCount = HUGE_VAL;
    group->removedOnCompletion = false;
    return group;
}

void removeWithAnimations(const ca::LayerPtr& layer) {
    layer->removeAllAnimations();
    layer->removeFromSuperlayer();
}

}  // namespace

std::string TAVOHaloView::waveAnimationKey(int position) { return ns::format("%s%d", "wave animation", position); }

std::string TAVOHaloView::scaleWaveAnimationKey(int index) { return ns::format("scale_wave_%d", index); }

void TAVOHaloView::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    setClipsToBounds(true);
    haloView_ = ui::ImageView::createWithImage(ui::Image::imageNamed(kHaloImageName));
    // Centred on this view's own centre point, in its superview's space.
    haloView_->setCenter(center());
    haloView_->setHidden(true);
    addSubview(haloView_);
}

void TAVOHaloView::startAnimation(int style) {
    if (style < StyleHalo || style > StyleScaleWaves) return;
    stopAnimation();
    switch (style) {
        case StyleHalo:
            startHalo();
            break;
        case StyleWaveCircles:
            startWaveCircles();
            break;
        case StyleScaleWaves:
            startScaleWaves();
            break;
    }
}

void TAVOHaloView::startHalo() {
    // The pulse would be invisible on the hidden picture: show it.
    haloView_->setHidden(false);
    auto scale = ca::BasicAnimation::animationWithKeyPath("transform.scale");
    scale->fromValue = 1.0;
    scale->toValue = kHaloScale;
    haloView_->layer()->addAnimation(endlessGroup({scale, fade()}, kHaloDuration), kHaloAnimationKey);
}

void TAVOHaloView::startWaveCircles() {
    const cg::Point c = haloView_->center();
    const double imageWidth = haloView_->image() ? haloView_->image()->size().width : 0;
    auto startCircle = TAVOCirclePath(c, imageWidth / 2);
    auto endCircle = TAVOCirclePath(c, kCircleReach * bounds().size.width);
    const double now = ca::currentMediaTime();
    const std::vector<int> waves = TAVOCommonUtility::isLowPerformanceDevice() ? std::vector<int>{0, 2}
                                                                               : std::vector<int>{0, 1, 2};
    for (std::size_t position = 0; position < waves.size(); ++position) {
        auto circle = ca::ShapeLayer::create();
        circle->setFrame(bounds());
        circle->path = startCircle;
        circle->fillColor = ui::Color::clearColor();
        circle->strokeColor = ui::Color::white(kCircleStrokeWhite);
        circle->lineWidth = kCircleLineWidth;

        auto path = ca::BasicAnimation::animationWithKeyPath("path");
        path->fromValue = startCircle;
        path->toValue = endCircle;
        auto wave = endlessGroup({path, fade()}, waveDuration());
        wave->beginTime = now + waves[position];
        wave->timingFunction = ca::TimingFunction::Linear;
        circle->addAnimation(wave, waveAnimationKey(static_cast<int>(position)));
        layer()->addSublayer(circle);
        layers_.push_back(circle);
    }
}

void TAVOHaloView::startScaleWaves() {
    haloView_->setHidden(true);
    const double now = ca::currentMediaTime();
    for (int i = 0; i < kScaleWaveCount; ++i) {
        auto copy = ca::Layer::create();
        copy->setContents(haloView_->image());
        copy->setFrame(haloView_->frame());
        copy->setOpacity(0);

        auto scale = ca::BasicAnimation::animationWithKeyPath("transform.scale");
        scale->fromValue = kScaleWaveFrom;
        scale->toValue = kScaleWaveTo;
        auto wave = endlessGroup({scale, fade()}, waveDuration());
        wave->beginTime = now + i;
        wave->timingFunction = ca::TimingFunction::Linear;
        copy->addAnimation(wave, scaleWaveAnimationKey(i));
        layer()->addSublayer(copy);
        layers_.push_back(copy);
    }
}

void TAVOHaloView::removeLayers() {
    for (const auto& l : layers_) removeWithAnimations(l);
    layers_.clear();
}

void TAVOHaloView::stopAnimation() {
    haloView_->layer()->removeAllAnimations();
    removeLayers();
}

void TAVOHaloView::stopHaloAnimation() {
    ui::ViewAnimation::animate(kStopDuration, [this] { haloView_->layer()->removeAllAnimations(); });
}

void TAVOHaloView::stopWaveAnimation() {
    ui::ViewAnimation::animate(kStopDuration, [this] { removeLayers(); });
}

void TAVOHaloView::stopScaleWaveAnimation() {
    // Every layer the styles added goes; the layers of subviews (the halo
    // picture's) stay with their views.
    std::vector<ca::LayerPtr> added;
    for (const auto& sub : layer()->sublayers()) {
        bool ofSubview = std::any_of(subviews().begin(), subviews().end(),
                                     [&](const ui::ViewPtr& v) { return v->layer() == sub; });
        if (!ofSubview) added.push_back(sub);
    }
    for (const auto& l : added) removeWithAnimations(l);
    layers_.clear();
}
