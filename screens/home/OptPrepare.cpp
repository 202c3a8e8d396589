#include "screens/home/OptPrepare.h"

#include "platform/ui/AnimationGroup.h"
#include "platform/ui/BasicAnimation.h"

namespace {

constexpr double kCenterSize = 14;
constexpr double kStartOpacity = 0.5;
constexpr double kEndOpacity = 1.0;

class OuterDotListener : public ca::AnimationDelegate {
public:
    explicit OuterDotListener(std::weak_ptr<OptPrepare> prepare) : prepare_(std::move(prepare)) {}
    void animationDidStop(const ca::AnimationPtr&, bool) override {
        if (auto prepare = prepare_.lock()) prepare->outerDotStopped();
    }

private:
    std::weak_ptr<OptPrepare> prepare_;
};

}  // namespace

void OptPrepare::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    setBackgroundColor(ui::Color::clearColor());
    centerView_ = ui::ImageView::create(cg::RectMake(0, 0, kCenterSize, kCenterSize));
    centerView_->setCenter({cg::RectGetMidX(bounds()), cg::RectGetMidY(bounds())});
    addSubview(centerView_);
}

void OptPrepare::layoutSubviews() {
    View::layoutSubviews();
    centerView_->setCenter({cg::RectGetMidX(bounds()), cg::RectGetMidY(bounds())});
}

ca::LayerPtr OptPrepare::makeDot() const {
    auto dot = ca::Layer::create();
    dot->setBounds(cg::RectMake(0, 0, kDotSize, kDotSize));
    dot->setPosition({cg::RectGetMidX(bounds()), cg::RectGetMidY(bounds())});
    dot->setBackgroundColor(ui::Color::whiteColor());
    dot->setCornerRadius(kDotSize / 2);
    dot->setMasksToBounds(true);
    return dot;
}

void OptPrepare::startAnimation() {
    // The middle dot stays where it is.
    layer()->insertSublayer(makeDot(), 0);
    // All six moving dots start together on the next pass of the loop.
    burstStart_.start(0, false, [this] {
        for (int index = 0; index < kDotsPerSide; ++index) {
            bottomAnimate(index);
            topAnimate(index);
        }
    });
}

void OptPrepare::stopAnimation() {
    burstStart_.stop();
    for (const auto& dot : animationLayers_) dot->removeFromSuperlayer();
    animationLayers_.clear();
}

void OptPrepare::bottomAnimate(int index) {
    auto dot = makeDot();
    layer()->insertSublayer(dot, 0);
    animationLayers_.push_back(dot);
    doAnimation(dot, index, true);
}

void OptPrepare::topAnimate(int index) {
    auto dot = makeDot();
    // The upper dots pass under the middle image.
    layer()->insertSublayerBelow(dot, centerView_->layer());
    animationLayers_.push_back(dot);
    doAnimation(dot, index, false);
}

void OptPrepare::doAnimation(const ca::LayerPtr& dot, int index, bool down) {
    const cg::Point from = dot->position();
    const double distance = kStep * (index + 1);
    const cg::Point to{from.x, from.y + (down ? distance : -distance)};
    auto move = ca::BasicAnimation::animationWithKeyPath("position");
    move->fromValue = from;
    move->toValue = to;
    auto fade = ca::BasicAnimation::animationWithKeyPath("opacity");
    fade->fromValue = kStartOpacity;
    fade->toValue = kEndOpacity;
    auto group = ca::AnimationGroup::animation();
    group->animations = {move, fade};
    group->duration = kMoveSeconds;
    group->fillMode = ca::FillMode::Forwards;
    group->removedOnCompletion = false;
    if (index == kDotsPerSide - 1) {
        if (!outerListener_) outerListener_ = std::make_shared<OuterDotListener>(weakSelf<OptPrepare>());
        group->delegate = outerListener_;
    }
    dot->setPosition(to);
    dot->addAnimation(group, kMoveAnimationKey);
}

void OptPrepare::outerDotStopped() {
    settle_.start(kSettleSeconds, false, [this] {
        if (auto d = delegate()) d->optPrepare(*this, true);
    });
}
