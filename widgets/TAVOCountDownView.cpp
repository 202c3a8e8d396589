#include "widgets/TAVOCountDownView.h"

#include "platform/ui/ViewAnimation.h"

namespace {

constexpr const char* kBackgroundImage = "bg_countdown_visitor_mywifi";
constexpr const char* kPressedBackgroundImage = "bg_press_countdown_visitor_mywifi";
constexpr const char* kScanImage = "scan_countdown_visitor_mywifi";
constexpr double kIdleFontSize = 22;
constexpr double kCountingFontSize = 36;
constexpr double kCountingGrey = 0.2;
constexpr double kScanFadeOutSeconds = 0.3;

ui::Color idleColor() { return ui::Color::rgba(0.039, 0.655, 0.294, 1); }

}  // namespace

void TAVOCountDownView::initWithFrame(const cg::Rect& frame) {
    TAVOCircleView::initWithFrame(frame);
    auto background = ui::Image::imageNamed(kBackgroundImage);
    bgView()->setImage(background, ui::ControlStateNormal);
    bgView()->setImage(ui::Image::imageNamed(kPressedBackgroundImage), ui::ControlStateHighlighted);
    placeButtonForImage(background);
    animationCircleView()->setImage(ui::Image::imageNamed(kScanImage));
    animationCircleView()->setAlpha(0);
    statusCircleView()->setHidden(true);

    infoLabel_ = ui::Label::create(bounds());
    infoLabel_->setBackgroundColor(ui::Color::clearColor());
    infoLabel_->setTextAlignment(ui::TextAlignment::Center);
    infoLabel_->setFont(ui::Font::systemFontOfSize(kIdleFontSize));
    infoLabel_->setTextColor(idleColor());
    addSubview(infoLabel_);
}

void TAVOCountDownView::setInfo(const std::string& info) {
    info_ = info;
    infoLabel_->setText(info);
}

void TAVOCountDownView::showInfo() {
    infoLabel_->setText(info_);
    infoLabel_->setTextColor(idleColor());
    infoLabel_->setFont(ui::Font::systemFontOfSize(kIdleFontSize));
}

void TAVOCountDownView::startCountDown(int seconds) {
    running_ = true;
    startCircleAnimation();
    setUserInteractionEnabled(true);
    animationCircleView()->setAlpha(1);
    currentCount_ = seconds;
    infoLabel_->setTextColor(ui::Color::white(kCountingGrey));
    infoLabel_->setFont(ui::Font::systemFontOfSize(kCountingFontSize));
    tick_.stop();
    setCount();
}

void TAVOCountDownView::setCount() {
    infoLabel_->setText(std::to_string(currentCount_));
    --currentCount_;
    if (currentCount_ > 0) {
        tick_.start(kTickSeconds, false, [this] { setCount(); });
        return;
    }
    running_ = false;
    if (auto d = delegate()) d->timeout(*this);
}

void TAVOCountDownView::cancelCountDown() {
    tick_.stop();
    stopCircleAnimation();
    auto scan = animationCircleView();
    ui::ViewAnimation::animate(kScanFadeOutSeconds, [scan] { scan->setAlpha(0); });
    showInfo();
    running_ = false;
}
