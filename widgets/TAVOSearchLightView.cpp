#include "widgets/TAVOSearchLightView.h"

#include <cmath>

#include "platform/ui/BasicAnimation.h"
#include "platform/ui/ViewAnimation.h"

namespace {

constexpr double kLabelFontSize = 18;
constexpr double kLabelGap = 8;
constexpr double kDimAlpha = 0.3;

}  // namespace

void TAVOSearchLightView::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    iconIndicator_ = ui::ImageView::create();
    iconIndicator_->setContentMode(ui::ContentMode::Center);
    infoLabel_ = ui::Label::create();
    infoLabel_->setFont(ui::Font::boldSystemFontOfSize(kLabelFontSize));
    infoLabel_->setBackgroundColor(ui::Color::clearColor());
    infoLabel_->setTextColor(ui::Color::whiteColor());
    addSubview(iconIndicator_);
    addSubview(infoLabel_);
}

void TAVOSearchLightView::startAnimation() {
    ui::ViewAnimation::animate(kFadeDuration, [this] { setAlpha(1); });

    const cg::Size size = bounds().size;
    if (const auto& image = iconIndicator_->image())
        iconIndicator_->setFrame(cg::RectMake(0, 0, image->size().width, size.height));
    const double labelX = iconIndicator_->frame().origin.x + iconIndicator_->frame().size.width + kLabelGap;
    infoLabel_->setFrame(cg::RectMake(labelX, 0, size.width - labelX - kLabelGap, size.height));

    auto band = ca::Layer::create();
    band->setBackgroundColor(ui::Color::white(0, kDimAlpha));
    band->setContents(ui::Image::imageNamed(kLightImageName));
    band->setContentsGravity("center");
    band->setFrame(cg::RectMake(-size.width, 0, 2 * size.width, size.height));
    infoLabel_->layer()->setMask(band);

    auto slide = ca::BasicAnimation::animationWithKeyPath("position.x");
    slide->byValue = size.width;
    slide->duration = kSlideDuration;
    slide->repeatCount = HUGE_VAL;
    slide->removedOnCompletion = false;
    slide->fillMode = ca::FillMode::Forwards;
    band->addAnimation(slide, kSlideAnimationKey);
}

void TAVOSearchLightView::stopAnimation() {
    std::weak_ptr<ui::Label> weakLabel = infoLabel_;
    ui::ViewAnimation::animate(kFadeDuration, [this] { setAlpha(0); }, [weakLabel](bool) {
        if (auto label = weakLabel.lock()) label->layer()->setMask(nullptr);
    });
}

std::shared_ptr<ca::GradientLayer> TAVOSearchLightView::shadowAsInverse() const {
    auto gradient = ca::GradientLayer::create();
    gradient->setFrame(cg::RectMake(0, 0, bounds().size.width, bounds().size.height));
    return gradient;
}
