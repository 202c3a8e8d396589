#include "widgets/TAVORadioWaveView.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/AnimationGroup.h"
#include "platform/ui/KeyframeAnimation.h"
#include "platform/ui/ViewAnimation.h"

namespace {

constexpr const char* kRunKey = "run";

std::shared_ptr<ca::KeyframeAnimation> throughValues(const std::string& keyPath, std::vector<ca::AnimationValue> values) {
    auto a = ca::KeyframeAnimation::animationWithKeyPath(keyPath);
    a->values = std::move(values);
    a->keyTimes = {0, 0.2, 1.0};
    return a;
}

}  // namespace

// Hears the waves stop for the view without keeping it alive.
class TAVORadioWaveView::WaveDelegate : public ca::AnimationDelegate {
public:
    explicit WaveDelegate(std::weak_ptr<TAVORadioWaveView> view) : view_(std::move(view)) {}
    void animationDidStop(const std::shared_ptr<ca::Animation>& animation, bool) override {
        auto view = view_.lock();
        if (!view) return;
        auto it = animation->keyedValues.find(kRunKey);
        if (it == animation->keyedValues.end()) return;
        view->waveStopped(std::any_cast<unsigned>(it->second));
    }

private:
    std::weak_ptr<TAVORadioWaveView> view_;
};

void TAVORadioWaveView::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    setBackgroundColor(ui::Color::clearColor());
}

TAVORadioWaveView::~TAVORadioWaveView() { stopWaves(); }

void TAVORadioWaveView::startAnimation(int numberOfWav, int radius, int interval) {
    if (isAnimating_) return;
    numberOfWav_ = std::max(numberOfWav, 0);
    radius_ = radius;
    animationInterval_ = interval;
    isAnimating_ = true;
    ++run_;

    for (const auto& wave : imageViews_) wave->removeFromSuperview();
    imageViews_.clear();
    const cg::Size size = frame().size;
    const auto image = ui::Image::imageNamed(kWaveImageName);
    for (int i = 0; i < numberOfWav_; ++i) {
        auto wave = ui::ImageView::create(
            cg::RectMake((size.width - 2 * radius) / 2, (size.height - 2 * radius) / 2, 2 * radius, 2 * radius));
        wave->setImage(image);
        wave->setHidden(true);
        addSubview(wave);
        imageViews_.push_back(wave);
    }

    if (!maskView_) {
        maskView_ = ui::ImageView::create(bounds());
        maskView_->setImage(ui::Image::imageNamed(kMaskImageName));
    }
    layer()->setMask(maskView_->layer());
    maskView_->layer()->setOpacity(1);
    if (levelAwaitsMask_) {
        levelAwaitsMask_ = false;
        setCurrentWavsShow(currentWavsShow_);
    }

    currentIndex_ = 0;
    if (imageViews_.empty()) return;
    startWave(imageViews_.front());
    waveStepTimer_.start(delayInterval_, false, [this] { waveStep(); });
}

void TAVORadioWaveView::startWave(const ui::ImageViewPtr& wave) {
    wave->setHidden(false);
    auto group = ca::AnimationGroup::animation();
    group->animations = {throughValues("transform.scale", {0.0, 1.0, kWaveScale}),
                         throughValues("opacity", {0.0, 1.0, 0.0})};
    group->beginTime = ca::currentMediaTime();
    group->duration = animationInterval_;
    group->timingFunction = ca::TimingFunction::Linear;
    group->repeatCount = HUGE_VAL;
    group->removedOnCompletion = true;
    group->fillMode = ca::FillMode::Both;
    group->delegate = std::make_shared<WaveDelegate>(std::static_pointer_cast<TAVORadioWaveView>(shared_from_this()));
    group->keyedValues[kRunKey] = run_;
    wave->layer()->addAnimation(group, kWaveAnimationKey);
}

void TAVORadioWaveView::waveStep() {
    ++currentIndex_;
    if (currentIndex_ >= static_cast<int>(imageViews_.size())) return;
    startWave(imageViews_[currentIndex_]);
    waveStepTimer_.start(delayInterval_, false, [this] { waveStep(); });
}

void TAVORadioWaveView::waveStopped(unsigned run) {
    if (run == run_ && isAnimating_) stopAnimation();
}

void TAVORadioWaveView::stopWaves() {
    for (const auto& wave : imageViews_) wave->layer()->removeAllAnimations();
    waveStepTimer_.stop();
}

void TAVORadioWaveView::stopAnimation() {
    stopWaves();
    isAnimating_ = false;
}

double TAVORadioWaveView::maskSideForLevel(int level) const {
    const double base = 2.0 * radius_ + kMaskRim;
    // Without waves there are no steps to open.
    if (numberOfWav_ <= 0) return base;
    const cg::Size size = bounds().size;
    return base + level * (std::max(size.width, size.height) - 2.0 * radius_) / numberOfWav_;
}

void TAVORadioWaveView::setCurrentWavsShow(int level) {
    currentWavsShow_ = level;
    if (!maskView_) {
        levelAwaitsMask_ = true;
        return;
    }
    maskView_->setAlpha(0.5);
    const double side = maskSideForLevel(level);
    const cg::Rect b = bounds();
    ui::ViewAnimation::animate(kMaskDuration, [this, side, b] {
        maskView_->setBounds(cg::RectMake(0, 0, side, side));
        maskView_->setCenter({b.origin.x + b.size.width / 2, b.origin.y + b.size.height / 2});
        maskView_->setAlpha(1);
    });
}
