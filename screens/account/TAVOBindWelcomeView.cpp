#include "screens/account/TAVOBindWelcomeView.h"

#include <limits>
#include <numbers>

#include "platform/ui/BasicAnimation.h"

namespace {

constexpr const char* kSpinKey = "spin";
// The indicator's size when no picture sets it.
constexpr double kIndicatorSide = 160;
// The screen's bar covers the panel's top; the indicator sits a little
// above the middle of the part below it, leaving room for the line under it.
constexpr double kBarCover = 64;
constexpr double kIndicatorLift = 20;

}  // namespace

std::shared_ptr<TAVOBindWelcomeView> TAVOBindWelcomeView::create(const cg::Rect& frame) {
    return make<TAVOBindWelcomeView>(frame);
}

void TAVOBindWelcomeView::initWithFrame(const cg::Rect& frame) {
    ui::View::initWithFrame(frame);
    welcomeLabel_ = ui::Label::create();
    welcomeLabel_->setTextAlignment(ui::TextAlignment::Center);
    addSubview(welcomeLabel_);
    nameImageView_ = ui::ImageView::create();
    addSubview(nameImageView_);
    welcomeImageView_ = ui::ImageView::create(cg::RectMake(0, 0, kIndicatorSide, kIndicatorSide));
    addSubview(welcomeImageView_);
}

const ui::ImageViewPtr& TAVOBindWelcomeView::spinner() {
    if (!spinner_) {
        spinner_ = ui::ImageView::create();
        spinner_->setHidden(true);
        addSubview(spinner_);
        setNeedsLayout();
    }
    return spinner_;
}

const ui::LabelPtr& TAVOBindWelcomeView::infoLabel() {
    if (!infoLabel_) {
        infoLabel_ = ui::Label::create();
        infoLabel_->setFont(ui::Font::systemFontOfSize(kInfoFontSize));
        infoLabel_->setTextColor(ui::Color::white(kInfoWhite));
        infoLabel_->setTextAlignment(ui::TextAlignment::Center);
        infoLabel_->setNumberOfLines(2);
        addSubview(infoLabel_);
        setNeedsLayout();
    }
    return infoLabel_;
}

bool TAVOBindWelcomeView::isSpinning() const { return spinner_ && !spinner_->isHidden(); }

void TAVOBindWelcomeView::setArdoWifiSSID(const std::string& ssid) {
    infoLabel()->setTextColor(ui::Color::white(kInfoWhite));
    infoLabel_->setText(ssid);
}

void TAVOBindWelcomeView::setErrorInfo(const std::string& text) {
    if (text.empty()) return;
    infoLabel()->setTextColor(errorColor());
    infoLabel_->setText(text);
}

void TAVOBindWelcomeView::setIndicator(const ui::ImagePtr& image) {
    auto& view = spinner();
    view->layer()->removeAllAnimations();
    if (!image) {
        view->setHidden(true);
        return;
    }
    view->setImage(image);
    view->setHidden(false);
    setNeedsLayout();
    auto rotation = ca::BasicAnimation::animationWithKeyPath("transform.rotation.z");
    rotation->fromValue = 0.0;
    rotation->toValue = 2 * std::numbers::pi;
    rotation->duration = kSpinnerSeconds;
    rotation->timingFunction = ca::TimingFunction::Linear;
    rotation->repeatCount = std::numeric_limits<double>::infinity();
    view->layer()->addAnimation(rotation, kSpinKey);
}

void TAVOBindWelcomeView::layoutSubviews() {
    ui::View::layoutSubviews();
    const cg::Rect b = bounds();
    cg::Size side = welcomeImageView_->image() ? welcomeImageView_->image()->size() : cg::SizeMake(kIndicatorSide, kIndicatorSide);
    const double centreY = (kBarCover + b.size.height) / 2 - kIndicatorLift;
    welcomeImageView_->setFrame(cg::RectMake((b.size.width - side.width) / 2, centreY - side.height / 2, side.width,
                                             side.height));
    if (spinner_ && spinner_->image()) {
        const cg::Size s = spinner_->image()->size();
        spinner_->setBounds(cg::RectMake(0, 0, s.width, s.height));
        spinner_->setCenter(cg::PointMake(b.size.width / 2, centreY));
    }
    if (infoLabel_)
        infoLabel_->setFrame(cg::RectMake(15, cg::RectGetMaxY(welcomeImageView_->frame()) + 10, b.size.width - 30,
                                          kInfoHeight));
}
