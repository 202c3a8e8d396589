#include "widgets/TAVOSearchIntroduceLabel.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/app/TAVOLocalizedString.h"
#include "platform/graphics/StringDrawing.h"
#include "platform/ui/BasicAnimation.h"
#include "platform/ui/ViewAnimation.h"

namespace {

constexpr double kTextFontSize = 16;
constexpr double kTextGrey = 0.4;
constexpr double kGap = 10;
// The icon never starts closer than this to the left edge.
constexpr double kMinimumIconX = 10;

ui::LabelPtr textLabel() {
    auto label = ui::Label::create();
    label->setFont(ui::Font::systemFontOfSize(kTextFontSize));
    label->setTextColor(ui::Color::rgba(kTextGrey, kTextGrey, kTextGrey, 1));
    return label;
}

double textWidth(const ui::Label& label) { return ct::sizeWithFont(label.text(), label.font().ctFont()).width; }

}  // namespace

void TAVOSearchIntroduceLabel::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    rotationView_ = ui::ImageView::create();
    rotationView_->setContentMode(ui::ContentMode::Center);
    infoLabel_ = textLabel();
    titleLabel_ = textLabel();
    titleLabel_->setText(TAVOLocalizedString("make your friend search"));
    addSubview(rotationView_);
    addSubview(infoLabel_);
    addSubview(titleLabel_);
}

double TAVOSearchIntroduceLabel::iconX(double viewWidth, double textWidth, double iconWidth) {
    const double x = std::trunc((viewWidth - textWidth - iconWidth - kGap) / 2);
    return x < kMinimumIconX ? kMinimumIconX : x;
}

void TAVOSearchIntroduceLabel::layoutSubviews() {
    View::layoutSubviews();
    const cg::Size size = bounds().size;
    const cg::Size icon = rotationView_->image() ? rotationView_->image()->size() : cg::Size{0, 0};
    const double tw = std::max(textWidth(*titleLabel_), textWidth(*infoLabel_));
    rotationView_->setFrame(
        cg::RectMake(iconX(size.width, tw, icon.width), std::ceil((size.height - icon.height) / 2), icon.width, icon.height));
    const double textX = rotationView_->frame().origin.x + rotationView_->frame().size.width + kGap;
    const double textW = size.width - textX - kGap;
    titleLabel_->setFrame(cg::RectMake(textX, 0, textW, size.height / 2));
    infoLabel_->setFrame(cg::RectMake(textX, size.height / 2, textW, size.height / 2));
}

void TAVOSearchIntroduceLabel::setRotationImage(const ui::ImagePtr& image) {
    rotationView_->setImage(image);
    setNeedsLayout();
}

void TAVOSearchIntroduceLabel::setTitle(const std::string& title) {
    titleLabel_->setText(title);
    setNeedsLayout();
}

void TAVOSearchIntroduceLabel::setInfo(const std::string& info) {
    infoLabel_->setText(info);
    setNeedsLayout();
}

void TAVOSearchIntroduceLabel::startAnimation() {
    std::weak_ptr<ui::ImageView> weakIcon = rotationView_;
    ui::ViewAnimation::animate(kFadeDuration, [this] { setAlpha(1); }, [weakIcon](bool) {
        auto icon = weakIcon.lock();
        if (!icon || !icon->image()) return;
        auto spin = ca::BasicAnimation::animationWithKeyPath("transform.rotation.z");
        spin->fromValue = 0.0;
        spin->toValue = 2 * std::numbers::pi;
        spin->duration = kTurnDuration;
        spin->timingFunction = ca::TimingFunction::Linear;
        spin->repeatCount = HUGE_VAL;
        icon->layer()->addAnimation(spin, kRotationAnimationKey);
    });
}

void TAVOSearchIntroduceLabel::stopAnimation() {
    std::weak_ptr<ui::ImageView> weakIcon = rotationView_;
    ui::ViewAnimation::animate(kFadeDuration, [this] { setAlpha(0); }, [weakIcon](bool) {
        if (auto icon = weakIcon.lock()) icon->layer()->removeAllAnimations();
    });
}
