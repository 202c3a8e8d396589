#include "screens/wifi/TAVOVisitModeProgress.h"

#include <algorithm>

namespace {
ui::Color green(double alpha = 1) { return ui::Color::rgb255(2, 203, 29, alpha); }
constexpr double kTrackAlpha = 0.1;
constexpr double kRingWidth = 5;
}  // namespace

void TAVOVisitModeProgress::initWithFrame(const cg::Rect& frame) {
    ui::Button::initWithFrame(frame);
    progressView_ = TAVOCircleProgressView::create(bounds());
    progressView_->setUserInteractionEnabled(false);
    progressView_->setProgressColor(green());
    progressView_->setTrackColor(green(kTrackAlpha));
    progressView_->setBorderWidth(0);
    progressView_->setBorderColor(ui::Color::clearColor());
    progressView_->setInnerRadius(bounds().size.width / 2 - kRingWidth);
    progressView_->setProgress(0);
    progressView_->setImageDone(nullptr);
    progressView_->setImageWaiting(nullptr);
    addSubview(progressView_);
    iconView_ = ui::ImageView::create(bounds());
    iconView_->setImage(ui::Image::imageNamed("home_visitor_router"));
    iconView_->setContentMode(ui::ContentMode::ScaleAspectFit);
    iconView_->setUserInteractionEnabled(false);
    addSubview(iconView_);
}

void TAVOVisitModeProgress::startCounter(int seconds) {
    counter_ = seconds;
    counting_ = true;
    timer_.start(kTick, true, [this] { tick(); });
}

void TAVOVisitModeProgress::stopCounter() {
    counting_ = false;
    timer_.stop();
}

void TAVOVisitModeProgress::tick() {
    ++currentTimeoutCount_;
    // Counted in whole ticks so that the window ends on its last tick
    // exactly (600 of them for 60 s).
    const int ticksInWindow = static_cast<int>(counter_ / kTick + 0.5);
    const bool full = ticksInWindow <= 0 || currentTimeoutCount_ >= ticksInWindow;
    progressView_->setProgress(full ? 1.0f : static_cast<float>(currentTimeoutCount_) / ticksInWindow);
    if (!full) return;
    stopCounter();
    auto keep = self<TAVOVisitModeProgress>();
    if (auto d = delegate()) d->timeout(*this);
}
