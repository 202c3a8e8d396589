#include "screens/home/RestartView.h"

#include <string>

#include "core/app/TAVOLocalizedString.h"

namespace {

constexpr double kCountFontSize = 75;
constexpr double kIntroduceFontSize = 13;
constexpr double kCountHeight = 80;
constexpr double kIntroduceHeight = 18;

ui::LabelPtr centredLabel(const ui::Font& font) {
    auto label = ui::Label::create();
    label->setTextColor(ui::Color::whiteColor());
    label->setFont(font);
    label->setTextAlignment(ui::TextAlignment::Center);
    label->setBackgroundColor(ui::Color::clearColor());
    return label;
}

}  // namespace

void RestartView::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    setBackgroundColor(ui::Color::clearColor());
    countDownLabel_ = centredLabel(ui::Font::boldSystemFontOfSize(kCountFontSize));
    introduceLabel_ = centredLabel(ui::Font::systemFontOfSize(kIntroduceFontSize));
    introduceLabel_->setText(TAVOLocalizedString("remaining restart time"));
    addSubview(countDownLabel_);
    addSubview(introduceLabel_);
}

void RestartView::layoutSubviews() {
    View::layoutSubviews();
    const cg::Rect b = bounds();
    const double top = (b.size.height - kCountHeight - kIntroduceHeight) / 2;
    countDownLabel_->setFrame(cg::RectMake(0, top, b.size.width, kCountHeight));
    introduceLabel_->setFrame(cg::RectMake(0, top + kCountHeight, b.size.width, kIntroduceHeight));
}

void RestartView::show(int value) { countDownLabel_->setText(std::to_string(value)); }

void RestartView::startCountDown(std::function<void()> timeOut) {
    timeOutFunc = std::move(timeOut);
    show(countValue_);
    timer_.start(kTickSeconds, true, [this] { updateValue(); });
    --countValue_;
}

void RestartView::stopCountDown() { timer_.stop(); }

void RestartView::updateValue() {
    if (countValue_ >= 0) {
        show(countValue_);
        --countValue_;
        return;
    }
    timer_.stop();
    countValue_ = 0;
    // The block may replace this view's state; it runs last.
    if (auto timeOut = timeOutFunc) timeOut();
}
