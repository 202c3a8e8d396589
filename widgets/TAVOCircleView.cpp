#include "widgets/TAVOCircleView.h"

#include <cmath>

#include "platform/ui/BasicAnimation.h"
#include "platform/ui/ViewAnimation.h"

namespace {

constexpr double kFullTurn = 6.2831855;
constexpr double kStatusFadeOutSeconds = 1.0;
constexpr double kStatusFadeInSeconds = 0.5;
constexpr const char* kBackgroundImage = "bg_status_mywifi";
constexpr const char* kPressedBackgroundImage = "bg_press_status_mywifi";
constexpr const char* kScanImage = "scan_status_mywifi";

class PhaseListener : public ca::AnimationDelegate {
public:
    explicit PhaseListener(std::weak_ptr<TAVOCircleView> view) : view_(std::move(view)) {}
    void animationDidStop(const ca::AnimationPtr& animation, bool finished) override {
        if (auto view = view_.lock()) view->animationDidStop(animation, finished);
    }

private:
    std::weak_ptr<TAVOCircleView> view_;
};

}  // namespace

void TAVOCircleView::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    setBackgroundColor(ui::Color::clearColor());

    auto background = ui::Image::imageNamed(kBackgroundImage);
    bgView_ = ui::Button::buttonWithType(ui::ButtonType::Custom);
    bgView_->setBackgroundColor(ui::Color::clearColor());
    bgView_->setImage(background, ui::ControlStateNormal);
    bgView_->setImage(background, ui::ControlStateDisabled);
    bgView_->setImage(ui::Image::imageNamed(kPressedBackgroundImage), ui::ControlStateHighlighted);

    animationCircleView_ = ui::ImageView::createWithImage(ui::Image::imageNamed(kScanImage));
    statusCircleView_ = ui::ImageView::create();
    placeButtonForImage(background);

    addSubview(animationCircleView_);
    addSubview(statusCircleView_);
    addSubview(bgView_);
}

void TAVOCircleView::placeButtonForImage(const ui::ImagePtr& image) {
    cg::Size size = image ? image->size() : cg::Size{};
    bgView_->setFrame(cg::RectMake((bounds().size.width - size.width) / 2, 0, size.width, size.height));
    setRingsFrame(bgView_->frame());
}

void TAVOCircleView::setRingsFrame(const cg::Rect& frame) {
    animationCircleView_->setFrame(frame);
    statusCircleView_->setFrame(frame);
}

void TAVOCircleView::startCircleAnimation() {
    setUserInteractionEnabled(false);
    runningAnimation_ = true;
    stopFlag_ = false;
    auto status = statusCircleView_;
    ui::ViewAnimation::animate(kStatusFadeOutSeconds, [status] { status->setAlpha(0); });
    initCircleAnimation();
}

void TAVOCircleView::stopCircleAnimation() {
    stopFlag_ = true;
    animationCircleView_->layer()->removeAnimationForKey(kOngoingPhaseKey);
}

ca::AnimationPtr TAVOCircleView::addPhase(const char* key, double duration, double repeatCount,
                                          ca::TimingFunction curve) {
    if (!phaseListener_) phaseListener_ = std::make_shared<PhaseListener>(weakSelf<TAVOCircleView>());
    auto rotation = ca::BasicAnimation::animationWithKeyPath("transform.rotation.z");
    rotation->fromValue = 0.0;
    rotation->toValue = kFullTurn;
    rotation->duration = duration;
    rotation->repeatCount = repeatCount;
    rotation->timingFunction = curve;
    rotation->delegate = phaseListener_;
    const auto& layer = animationCircleView_->layer();
    layer->addAnimation(rotation, key);
    return layer->animationForKey(key);
}

void TAVOCircleView::initCircleAnimation() {
    startupAnimation_ = addPhase(kStartPhaseKey, initDuration_, 0, ca::TimingFunction::EaseIn);
}

void TAVOCircleView::ongoingCircleAnimation() {
    ongoingAnimation_ = addPhase(kOngoingPhaseKey, ongoingDuration_, ca::kHugeRepeatCount, ca::TimingFunction::Linear);
}

void TAVOCircleView::endCircleAnimation() {
    endAnimation_ = addPhase(kEndPhaseKey, endDuration_, 0, ca::TimingFunction::EaseOut);
}

void TAVOCircleView::animationDidStop(const ca::AnimationPtr& animation, bool finished) {
    if (!finished) stopCircleAnimation();
    if (stopFlag_) {
        statusCircleView_->setAlpha(1);
        statusCircleView_->setHidden(false);
        runningAnimation_ = false;
        setUserInteractionEnabled(true);
    } else if (animation && animation == startupAnimation_) {
        animationCircleView_->layer()->removeAnimationForKey(kStartPhaseKey);
        ongoingCircleAnimation();
    } else if (animation && animation == ongoingAnimation_) {
        endCircleAnimation();
    } else if (animation && animation == endAnimation_) {
        finishRotation();
    }
}

void TAVOCircleView::finishRotation() {
    auto status = statusCircleView_;
    ui::ViewAnimation::animate(kStatusFadeInSeconds, [status] { status->setAlpha(1); });
    statusCircleView_->setHidden(false);
    runningAnimation_ = false;
    setUserInteractionEnabled(true);
}
