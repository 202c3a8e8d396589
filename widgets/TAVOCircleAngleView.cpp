#include "widgets/TAVOCircleAngleView.h"

#include <numbers>

#include "platform/graphics/Context.h"
#include "platform/graphics/GraphicsContextStack.h"
#include "widgets/ProgressBarDrawing.h"

namespace {

constexpr double kTop = -std::numbers::pi / 2;
constexpr double kFullTurn = 2 * std::numbers::pi;

void setStroke(cg::Context& context, const ui::Color& c) {
    context.setRGBStrokeColor(c.red(), c.green(), c.blue(), c.alpha());
}

}  // namespace

std::shared_ptr<TAVOCircleAngleView> TAVOCircleAngleView::create(const cg::Rect& frame,
                                                                 const ui::Color& progressBGColor,
                                                                 const ui::Color& progressColor) {
    auto view = construct<TAVOCircleAngleView>();
    view->View::initWithFrame(frame);
    view->progressBGColor_ = progressBGColor;
    view->progressColor_ = progressColor;
    view->resetToDefaults();
    return view;
}

void TAVOCircleAngleView::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    resetToDefaults();
}

void TAVOCircleAngleView::resetToDefaults() {
    setBackgroundColor(ui::Color::clearColor());
    lineWidth_ = 10;
    duration_ = 1.0;
    frameCount_ = 100;
    stopPercent_ = 0.5f;
    progress_ = 0;
    currentTime_ = 0;
    recomputeStepTime();
}

void TAVOCircleAngleView::recomputeStepTime() { stepTime_ = frameCount_ > 0 ? duration_ / frameCount_ : duration_; }

void TAVOCircleAngleView::setDuration(double seconds) {
    duration_ = seconds;
    recomputeStepTime();
}

void TAVOCircleAngleView::setFrameCount(unsigned count) {
    frameCount_ = count;
    recomputeStepTime();
}

void TAVOCircleAngleView::start() {
    timer_.start(kFirstStepDelay, false, [this] {
        timer_.start(stepTime_, true, [this] { updateProgress(); });
        updateProgress();
    });
}

void TAVOCircleAngleView::stop() { timer_.stop(); }

void TAVOCircleAngleView::updateProgress() {
    const double target = static_cast<double>(stopPercent_) * duration_;
    bool settled = false;
    if (progress_ > stopPercent_) {
        currentTime_ -= stepTime_;
        settled = currentTime_ <= target;
    } else if (progress_ < stopPercent_) {
        currentTime_ += stepTime_;
        settled = currentTime_ >= target;
    } else {
        settled = true;
    }
    if (settled) {
        currentTime_ = target;
        stop();
    }
    progress_ = duration_ > 0 ? static_cast<float>(currentTime_ / duration_) : stopPercent_;
    if (settled) progress_ = stopPercent_;
    if (auto d = delegate()) d->animateCircleWithProgress(*this, progress_);
    setNeedsDisplay();
}

void TAVOCircleAngleView::drawRect(const cg::Rect&) {
    auto context = cg::currentContext();
    if (!context) return;
    const cg::Rect b = bounds();
    const double cx = cg::RectGetMidX(b);
    const double cy = cg::RectGetMidY(b);
    const double radius = (b.size.width - lineWidth_) / 2;
    if (radius <= 0) return;
    context->setLineWidth(lineWidth_);

    setStroke(*context, progressBGColor_);
    context->beginPath();
    context->addArc(cx, cy, radius, kTop, kTop + kFullTurn, false);
    context->strokePath();

    const double fraction = drawnFraction(progress_);
    if (fraction <= 0) return;
    // Increasing angles turn clockwise on the screen: the arc covers the
    // fraction 1 - progress from the top, the ring showing on the rest.
    setStroke(*context, progressColor_);
    context->beginPath();
    context->addArc(cx, cy, radius, kTop, kTop + kFullTurn - kFullTurn * fraction, false);
    context->strokePath();
}
