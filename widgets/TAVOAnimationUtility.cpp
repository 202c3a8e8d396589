#include "widgets/TAVOAnimationUtility.h"

#include <cmath>
#include <numbers>

#include "platform/graphics/Context.h"
#include "platform/graphics/GraphicsContextStack.h"
#include "platform/render/LayerRenderer.h"
#include "platform/ui/GradientLayer.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/KeyframeAnimation.h"
#include "widgets/AspectFitRect.h"

namespace {

constexpr double kDefaultSeconds = 5;

// The stripe, drawn across an image of F x H points (F = H + H x sqrt 2 / 2)
// turned by -45 degrees so that it runs diagonally.
ui::ImagePtr bandImage(const ui::Color& color, double height) {
    const double sqrt2 = std::numbers::sqrt2;
    const double f = height + height * sqrt2 / 2;
    if (f <= 0) return nullptr;
    auto gradient = ca::GradientLayer::create();
    gradient->colors = {color.colorWithAlphaComponent(0), color, color.colorWithAlphaComponent(0)};
    gradient->startPoint = {0.5, 0};
    gradient->endPoint = {0.5, 1};
    gradient->setFrame(cg::RectMake(0, 0, f * sqrt2, height / 2));

    cg::beginImageContext(cg::Size{f, height}, false, 1);
    auto context = cg::currentContext();
    if (!context) {
        cg::endImageContext();
        return nullptr;
    }
    context->translateCTM(0, height);
    context->rotateCTM(-std::numbers::pi / 4);
    cg::LayerRenderer::renderInContext(*context, *gradient);
    auto bitmap = cg::imageFromCurrentImageContext();
    cg::endImageContext();
    return bitmap ? ui::Image::imageWithCGImage(bitmap, 1) : nullptr;
}

}  // namespace

void TAVOAnimationUtility::implHighlightFlashEffect(const ui::ViewPtr& view, const ui::Color& color,
                                                    const std::string& maskImage, bool repeat, int seconds) {
    if (!view) return;
    const double height = view->frame().size.height;
    auto band = ui::ImageView::createWithImage(bandImage(color, height));
    view->addSubview(band);

    auto image = ui::Image::imageNamed(maskImage);
    const cg::Rect bounds = view->bounds();
    const cg::Rect maskRect = image ? aspectFitRect(image->size(), bounds) : bounds;
    auto mask = ca::Layer::create();
    mask->setFrame(maskRect);
    mask->setContents(image);
    view->layer()->setMask(mask);

    const double extent = maskRect.size.width * (1 + std::numbers::sqrt2 / 2);
    band->setFrame(cg::RectMake(maskRect.origin.x, maskRect.origin.y, extent, maskRect.size.height));
    band->setCenter(cg::PointMake(-2 * extent, band->center().y));
    band->layer()->removeAllAnimations();

    const double midY = maskRect.size.height / 2;
    auto sweep = ca::KeyframeAnimation::animationWithKeyPath("position");
    sweep->values = {cg::PointMake(-1.5 * extent, midY), cg::PointMake(-1.5 * extent, midY),
                     cg::PointMake(1.5 * extent, midY), cg::PointMake(1.5 * extent, midY)};
    sweep->keyTimes = {0, 0.1, 0.6, 1.0};
    sweep->duration = seconds;
    sweep->fillMode = ca::FillMode::Removed;
    sweep->removedOnCompletion = true;
    if (repeat) sweep->repeatCount = ca::kHugeRepeatCount;
    band->layer()->addAnimation(sweep, kAnimationKey);
}

void TAVOAnimationUtility::implHighlightFlashEffect(const ui::ViewPtr& view, const std::string& maskImage) {
    implHighlightFlashEffect(view, ui::Color::whiteColor(), maskImage, true, kDefaultSeconds);
}

void TAVOAnimationUtility::implHighlightFlashEffect(const ui::ViewPtr& view, const std::string& maskImage, bool repeat,
                                                    int seconds) {
    implHighlightFlashEffect(view, ui::Color::whiteColor(), maskImage, repeat, seconds);
}

void TAVOAnimationUtility::implHighlightFlashEffect(const ui::ViewPtr& view, const ui::Color& color,
                                                    const std::string& maskImage, int seconds) {
    implHighlightFlashEffect(view, color, maskImage, true, seconds);
}
