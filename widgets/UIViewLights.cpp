#include "widgets/UIViewLights.h"

#include <algorithm>

#include "platform/ui/GradientLayer.h"
#include "platform/ui/KeyframeAnimation.h"
#include "widgets/AspectFitRect.h"

namespace {

// The band's end points: a narrow stripe across the square's diagonal.
constexpr double kBandStart = 0.4267767;
constexpr double kBandEnd = 0.5732233;

}  // namespace

void UIViewLights::animateLights(const ui::ViewPtr& view, const ui::ImagePtr& mask) {
    if (!view) return;
    stopLightsAnimation(view);
    const cg::Rect bounds = view->bounds();
    const double extent = 2 * std::max(bounds.size.width, bounds.size.height);

    auto gradient = ca::GradientLayer::create();
    gradient->setFrame(cg::RectMake(0, 0, extent, extent));
    const ui::Color white = ui::Color::whiteColor();
    gradient->colors = {white.colorWithAlphaComponent(0), white, white.colorWithAlphaComponent(0)};
    gradient->startPoint = {kBandStart, kBandStart};
    gradient->endPoint = {kBandEnd, kBandEnd};

    auto container = ca::Layer::create();
    container->setFrame(view->layer()->bounds());
    container->addSublayer(gradient);
    setLightsLayer(view, container);

    if (mask) {
        auto maskLayer = ca::Layer::create();
        maskLayer->setFrame(aspectFitRect(mask->size(), bounds));
        maskLayer->setContents(mask);
        container->setMask(maskLayer);
    }

    const double midY = bounds.size.height / 2;
    auto sweep = ca::KeyframeAnimation::animationWithKeyPath("position");
    sweep->values = {cg::PointMake(-1.5 * extent, midY), cg::PointMake(-1.5 * extent, midY),
                     cg::PointMake(1.5 * extent, midY), cg::PointMake(1.5 * extent, midY)};
    sweep->keyTimes = {0, 0.1, 0.6, 1.0};
    sweep->duration = kSweepSeconds;
    sweep->fillMode = ca::FillMode::Forwards;
    sweep->removedOnCompletion = true;
    sweep->repeatCount = ca::kHugeRepeatCount;
    gradient->addAnimation(sweep, kAnimationKey);
}

void UIViewLights::stopLightsAnimation(const ui::ViewPtr& view) {
    auto lights = lightsLayer(view);
    if (!lights) return;
    for (const auto& sublayer : lights->sublayers()) sublayer->removeAllAnimations();
    lights->removeFromSuperlayer();
}

ca::LayerPtr UIViewLights::lightsLayer(const ui::ViewPtr& view) {
    if (!view) return nullptr;
    for (const auto& sublayer : view->layer()->sublayers())
        if (sublayer->name() == kLayerName) return sublayer;
    return nullptr;
}

void UIViewLights::setLightsLayer(const ui::ViewPtr& view, const ca::LayerPtr& layer) {
    if (!view) return;
    if (auto current = lightsLayer(view)) current->removeFromSuperlayer();
    if (!layer) return;
    layer->setName(kLayerName);
    view->layer()->addSublayer(layer);
}
