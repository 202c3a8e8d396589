#include "screens/wifi/TAVOSignalAdjustingControlView.h"

#include <algorithm>
#include <cmath>

#include "platform/graphics/GraphicsContextStack.h"
#include "platform/graphics/StringDrawing.h"
#include "platform/ui/Font.h"
#include "platform/ui/Touch.h"
#include "platform/ui/ViewAnimation.h"

namespace {

constexpr double kBarX = 18;
constexpr double kTitleBand = 15;
constexpr long kBarLeftCap = 30;
constexpr long kFillLeftCap = 18;
constexpr double kKnobX = 1;
constexpr double kKnobY = -3;
constexpr double kFillInset = 3;
constexpr double kCornerRadius = 10;
constexpr double kTitleGrey = 68.0 / 255.0;
constexpr double kFirstTitleX = 29;
constexpr double kLastTitleFromRight = 69;

ui::ImagePtr stretched(const char* name, long leftCap) {
    auto image = ui::Image::imageNamed(name);
    return image ? image->stretchableImageWithLeftCapWidth(leftCap, 0) : nullptr;
}

}  // namespace

void TAVOSignalAdjustingControlView::initWithFrame(const cg::Rect& frame) {
    ui::View::initWithFrame(frame);
    setBackgroundColor(ui::Color::redColor());
    const double w = frame.size.width;
    const double h = frame.size.height;

    auto bar = stretched("home_xhtj_tjbar", kBarLeftCap);
    const double barHeight = bar ? bar->size().height : 0;
    bgView_ = ui::ImageView::createWithImage(bar);
    bgView_->setFrame(cg::RectMake(kBarX, (h - kTitleBand - barHeight) / 2 + kTitleBand, w - 2 * kBarX, barHeight));
    addSubview(bgView_);

    adjustImageView_ = ui::ImageView::createWithImage(ui::Image::imageNamed("home_xhtj_tjbtn"));
    const cg::Size knob = adjustImageView_->frame().size;
    adjustImageView_->setFrame(cg::RectMake(kKnobX, kKnobY, knob.width, knob.height));
    bgView_->addSubview(adjustImageView_);

    currentRadioIndicator_ = ui::ImageView::createWithImage(stretched("home_xhtj_tjcd", kFillLeftCap));
    currentRadioIndicator_->setBackgroundColor(ui::Color::clearColor());
    currentRadioIndicator_->setFrame(cg::RectMake(kFillInset, kFillInset, 0, barHeight - 2 * kFillInset));
    bgView_->insertSubviewBelow(currentRadioIndicator_, adjustImageView_);

    setPosition(0);
    layer()->setCornerRadius(kCornerRadius);
    layer()->setMasksToBounds(true);
    setClipsToBounds(true);
}

void TAVOSignalAdjustingControlView::setPosition(int position) {
    if (position == position_) return;
    position_ = position;
    ui::ViewAnimation::animate(kMoveDuration, [this] { updatePosition(); });
}

void TAVOSignalAdjustingControlView::moveKnobTo(double x) {
    adjustImageView_->setCenter(cg::PointMake(x, adjustImageView_->center().y));
    cg::Rect fill = currentRadioIndicator_->frame();
    fill.size.width = x;
    currentRadioIndicator_->setFrame(fill);
}

void TAVOSignalAdjustingControlView::updatePosition() {
    const double half = bgView_->frame().size.width / 2;
    const double k = adjustImageView_->frame().size.width;
    double x = k / 2 + 1;
    if (position_ == 1) x = half;
    if (position_ == 2) x = 2 * half - k / 2 - 1;
    moveKnobTo(x);
}

void TAVOSignalAdjustingControlView::update(const cg::Point& point, bool end) {
    const double barWidth = bgView_->frame().size.width;
    const double k = adjustImageView_->frame().size.width;
    double x = point.x;
    if (x < k) x = k / 2 + 1;
    else if (x > barWidth - k / 2) x = barWidth - k / 2 - 1;
    moveKnobTo(x);
    if (!end) return;
    const double half = std::trunc(barWidth / 2);
    position_ = half > 0 ? static_cast<int>(std::lround(x / half)) : 0;
    ui::ViewAnimation::animate(kMoveDuration, [this] { updatePosition(); });
    if (auto d = delegate()) d->adjustControl(*this, position_);
}

void TAVOSignalAdjustingControlView::touchesMoved(const ui::TouchSet& touches, const ui::Event*) {
    if (touches.empty()) return;
    update(touches.front()->locationInView(bgView_), false);
}

void TAVOSignalAdjustingControlView::touchesEnded(const ui::TouchSet& touches, const ui::Event*) {
    if (touches.empty()) return;
    update(touches.front()->locationInView(bgView_), true);
}

void TAVOSignalAdjustingControlView::drawRect(const cg::Rect&) {
    auto context = cg::currentContext();
    if (!context) return;
    const double w = bounds().size.width;
    // One line per title: a longer title is cut in its middle, not wrapped.
    const double height = std::min(bounds().size.height - bgView_->frame().size.height, kTitleFontSize + 4);
    const auto font = ui::Font::systemFontOfSize(kTitleFontSize).ctFont();
    context->setRGBFillColor(kTitleGrey, kTitleGrey, kTitleGrey, 1);
    const double xs[3] = {kFirstTitleX, w / 2 - kTitleWidth / 2, w - kLastTitleFromRight};
    for (std::size_t i = 0; i < titleArray_.size() && i < 3; ++i)
        ct::drawInRect(*context, titleArray_[i], cg::RectMake(xs[i], 0, kTitleWidth, height), font,
                       ct::LineBreakMode::TruncatingMiddle, ct::TextAlignment::Center);
}
