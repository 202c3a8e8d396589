#include "screens/home/ReconnectingView.h"

#include "core/app/TAVOImageGetter.h"
#include "platform/ui/BasicAnimation.h"
#include "platform/ui/ShapeLayer.h"
#include "screens/home/TAVOFanPath.h"

namespace {

constexpr int kFullSignalLevel = 1;
constexpr int kNoSignalLevel = 5;
constexpr unsigned kFill = ui::ViewAutoresizingFlexibleWidth | ui::ViewAutoresizingFlexibleHeight;

ui::ImageViewPtr centredIcon(int level, const cg::Rect& bounds) {
    auto view = ui::ImageView::createWithImage(TAVOImageGetter::imageForChannelQualityLevel(level));
    view->setContentMode(ui::ContentMode::Center);
    view->setFrame(bounds);
    view->setAutoresizingMask(kFill);
    return view;
}

class GrowListener : public ca::AnimationDelegate {
public:
    explicit GrowListener(std::weak_ptr<ReconnectingView> view) : view_(std::move(view)) {}
    void animationDidStop(const ca::AnimationPtr& animation, bool finished) override {
        if (auto view = view_.lock()) view->animationDidStop(animation, finished);
    }

private:
    std::weak_ptr<ReconnectingView> view_;
};

}  // namespace

void ReconnectingView::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    bgIconInCircle_ = centredIcon(kNoSignalLevel, bounds());
    iconInCircle_ = centredIcon(kFullSignalLevel, bounds());
    addSubview(bgIconInCircle_);
    addSubview(iconInCircle_);
}

void ReconnectingView::startReconnecting(std::function<void()> stopped) {
    animationStopBlock = std::move(stopped);
    const cg::Size icon = iconInCircle_->layer()->bounds().size;
    auto mask = ca::ShapeLayer::create();
    mask->setFrame(iconInCircle_->layer()->bounds());
    mask->fillColor = ui::Color::blackColor();
    mask->path = TAVOFanPath(icon, TAVOFanFullRadius(icon));
    iconInCircle_->layer()->setMask(mask);

    if (!listener_) listener_ = std::make_shared<GrowListener>(weakSelf<ReconnectingView>());
    auto grow = ca::BasicAnimation::animationWithKeyPath("path");
    grow->fromValue = TAVOFanPath(icon, 0);
    grow->toValue = mask->path;
    grow->duration = kGrowSeconds;
    grow->timingFunction = ca::TimingFunction::EaseInEaseOut;
    grow->repeatCount = ca::kHugeRepeatCount;
    grow->fillMode = ca::FillMode::Forwards;
    grow->delegate = listener_;
    mask->addAnimation(grow, kGrowAnimationKey);
    growing_ = mask->animationForKey(kGrowAnimationKey);
}

void ReconnectingView::stopAnimation() {
    const auto& mask = iconInCircle_->layer()->mask();
    if (!mask) return;
    mask->removeAnimationForKey(kGrowAnimationKey);
    iconInCircle_->layer()->setMask(nullptr);
}

void ReconnectingView::animationDidStop(const ca::AnimationPtr& animation, bool) {
    if (!animation || animation != growing_) return;
    growing_ = nullptr;
    iconInCircle_->layer()->setMask(nullptr);
    if (auto stopped = animationStopBlock) stopped();
}
