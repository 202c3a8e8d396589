#include "widgets/TAVOCircleProgressView.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/graphics/Context.h"
#include "platform/graphics/GraphicsContextStack.h"
#include "platform/ui/Appearance.h"
#include "platform/ui/ViewAnimation.h"
#include "widgets/ProgressBarDrawing.h"

namespace {

constexpr double kQuarterTurn = std::numbers::pi / 2;
constexpr double kFullTurn = 2 * std::numbers::pi;
constexpr const char* kDoneImage = "safe_update_ic01";
constexpr const char* kWaitingImage = "safe_update_ic03";

// One annular sector from radius r1 to r2 between two angles, filled.
void fillBand(cg::Context& context, cg::Point centre, double r1, double r2, double from, double to,
              const ui::OptionalColor& color) {
    r1 = std::max(0.0, r1);
    if (!color || r1 >= r2) return;
    context.setRGBFillColor(color->red(), color->green(), color->blue(), color->alpha());
    context.beginPath();
    // Increasing angles turn clockwise on the screen.
    context.addArc(centre.x, centre.y, r1, from, to, false);
    context.addArc(centre.x, centre.y, r2, to, from, true);
    context.closePath();
    context.fillPath();
}

}  // namespace

void TAVOCircleProgressView::registerAppearanceDefaults() {
    using V = TAVOCircleProgressView;
    ui::Appearance::set<V>("backgroundColor", [](V& v) { v.setBackgroundColor(ui::Color::clearColor()); });
    ui::Appearance::set<V>("borderColor", [](V& v) { v.setBorderColor(ui::Color::grayColor()); });
    ui::Appearance::set<V>("progressColor", [](V& v) { v.setProgressColor(ui::Color::whiteColor()); });
    ui::Appearance::set<V>("trackColor", [](V& v) { v.setTrackColor(ui::Color::grayColor()); });
    ui::Appearance::set<V>("imageDone", [](V& v) { v.setImageDone(ui::Image::imageNamed(kDoneImage)); });
    ui::Appearance::set<V>("imageWaiting", [](V& v) { v.setImageWaiting(ui::Image::imageNamed(kWaitingImage)); });
}

void TAVOCircleProgressView::setProgress(float progress) {
    if (!setProperty(progress_, progress, ui::PropertyEffectsDisplay)) return;
    if (progress >= 1)
        ui::ViewAnimation::transition(self<TAVOCircleProgressView>(), kDoneTransitionSeconds,
                                      ui::ViewAnimationOptionTransitionCrossDissolve, [] {});
}

double TAVOCircleProgressView::endAngle() const { return endAngle_ == startAngle_ ? startAngle_ + kFullTurn : endAngle_; }

double TAVOCircleProgressView::angleOf(double fraction) const {
    return startAngle_ - kQuarterTurn + (endAngle() - startAngle_) * drawnFraction(fraction);
}

void TAVOCircleProgressView::drawRect(const cg::Rect&) {
    auto context = cg::currentContext();
    if (!context) return;
    const cg::Rect b = bounds();
    if (progress_ <= 0 && imageWaiting_) {
        context->drawImageTopDown(b, imageWaiting_->CGImage());
        return;
    }
    if (progress_ >= 1 && imageDone_) {
        context->drawImageTopDown(b, imageDone_->CGImage());
        return;
    }
    const cg::Point centre{cg::RectGetMidX(b), cg::RectGetMidY(b)};
    const double outer = std::min(centre.x, centre.y);
    const double borderInner = std::max(0.0, std::min(outer - borderWidth_, outer));
    const double ringInner = std::max(0.0, std::min(innerRadius_, outer));
    context->setShouldAntialias(true);

    fillBand(*context, centre, borderInner - 1, outer, angleOf(0), angleOf(1), borderColor_);
    fillBand(*context, centre, ringInner, borderInner, angleOf(progress_), angleOf(1), trackColor_);
    fillBand(*context, centre, ringInner, borderInner, angleOf(0), angleOf(progress_), progressColor_);

    const double h = headerLightRadius_;
    if (h > 0 && progress_ > 0 && progress_ < 1) {
        auto light = ui::Image::imageNamed(kHeadLightImage);
        if (!light) return;
        const double middle = (borderInner + ringInner) / 2;
        const double a = angleOf(progress_);
        const cg::Point head{centre.x + middle * std::cos(a), centre.y + middle * std::sin(a)};
        context->drawImageTopDown(cg::RectMake(head.x - h, head.y - h, 2 * h, 2 * h), light->CGImage());
    }
}
