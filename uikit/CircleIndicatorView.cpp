#include "uikit/CircleIndicatorView.h"

#include <algorithm>
#include <cmath>

#include "platform/graphics/GraphicsContextStack.h"
#include "platform/ui/ViewAnimation.h"

namespace {
constexpr double kLineWidth = 2;
// The ring sits this far inside the view on each side (half on each edge).
constexpr double kRingInset = 4;
constexpr double kRingRed = 0.102, kRingGreen = 0.792, kRingBlue = 0.271;
constexpr unsigned kCurveMask = 3u << 16;
}  // namespace

void CircleIndicatorView::initWithFrame(const cg::Rect& frame) {
    ui::View::initWithFrame(frame);
    setBackgroundColor(ui::Color::clearColor());
    startAngle_ = 1.5 * M_PI;
    endAngle_ = 3.5 * M_PI;
    percent_ = 0;
    loading_ = false;
}

void CircleIndicatorView::setPercent(unsigned percent) {
    percent_ = std::min(percent, 100u);
    if (percent <= 100) setNeedsDisplay();
}

void CircleIndicatorView::startLoading() {
    setPercent(kLoadingPercent);
    if (loading_) return;
    loading_ = true;
    spinWithOptions(ui::ViewAnimationOptionCurveEaseIn);
}

void CircleIndicatorView::stopLoading() {
    setPercent(0);
    loading_ = false;
}

void CircleIndicatorView::spinWithOptions(unsigned options) {
    ui::ViewAnimation::animate(kSpinStepDuration, 0, options, [this] {
        setTransform(cg::AffineTransformRotate(transform(), M_PI / 2));
    }, [weak = weakSelf<CircleIndicatorView>(), options](bool finished) {
        auto me = weak.lock();
        if (!me || !finished) return;
        if (me->loading_)
            me->spinWithOptions(ui::ViewAnimationOptionCurveLinear);
        else if ((options & kCurveMask) != ui::ViewAnimationOptionCurveEaseOut)
            me->spinWithOptions(ui::ViewAnimationOptionCurveEaseOut);
        else
            me->setTransform(cg::AffineTransform{});
    });
}

void CircleIndicatorView::drawRect(const cg::Rect& rect) {
    auto context = cg::currentContext();
    if (!context || percent_ == 0) return;
    const double radius = (bounds().size.width - kRingInset) / 2;
    if (radius <= 0) return;
    const double end = startAngle_ + (endAngle_ - startAngle_) * percent_ / 100.0;
    context->saveGState();
    context->setLineWidth(kLineWidth);
    context->setRGBStrokeColor(kRingRed, kRingGreen, kRingBlue, 1);
    context->beginPath();
    // Angles grow clockwise on screen (y points down).
    context->addArc(cg::RectGetMidX(rect), cg::RectGetMidY(rect), radius, startAngle_, end, false);
    context->strokePath();
    context->restoreGState();
}
