#include "widgets/TAVOSpeedupButton.h"

#include <numbers>

#include "platform/graphics/BezierPath.h"
#include "platform/ui/AnimationGroup.h"
#include "platform/ui/BasicAnimation.h"
#include "widgets/TAVOCirclePath.h"

namespace {

constexpr double kCornerRadius = 2;
constexpr double kCreatureSize = 20;
constexpr cg::Point kCreaturePosition{15, 15};
constexpr double kEyeRadius = 1.5;
constexpr double kDotRadius = 3;
constexpr double kDotSize = 10;
constexpr double kDotY = 20;
constexpr double kDotXs[] = {40, 55, 70, 85};
// Each dot moves this far left in one step, onto the place of the one before.
constexpr double kDotStep = 15;

double radians(double degrees) { return degrees * std::numbers::pi / 180; }

// The creature: a pie around its middle, the mouth the gap between the
// two angles.
std::shared_ptr<const cg::Path> pie(double fromDegrees, double toDegrees) {
    const cg::Point c{kCreatureSize / 2, kCreatureSize / 2};
    auto path = cg::BezierPath::bezierPath();
    path->addArcWithCenter(c, kCreatureSize / 2, radians(fromDegrees), radians(toDegrees), true);
    path->addLineToPoint(c);
    path->closePath();
    return std::make_shared<const cg::Path>(path->CGPath());
}

std::shared_ptr<ca::ShapeLayer> circleLayer(cg::Point center, double radius, const ui::Color& fill) {
    auto layer = ca::ShapeLayer::create();
    layer->path = TAVOCirclePath(center, radius);
    layer->fillColor = fill;
    layer->strokeColor = ui::Color::clearColor();
    layer->lineWidth = 1;
    return layer;
}

}  // namespace

TAVOSpeedupButton::~TAVOSpeedupButton() { stopAnimation(); }

void TAVOSpeedupButton::setMode(int mode) {
    mode_ = mode;
    switch (mode) {
        case ModeBusy:
            removeActivityIndicator();
            activityIndicator_ = ui::ActivityIndicatorView::createWithStyle(ui::ActivityIndicatorViewStyle::Gray);
            activityIndicator_->setFrame(bounds());
            activityIndicator_->startAnimating();
            addSubview(activityIndicator_);
            break;
        case ModeAnimating:
            removeActivityIndicator();
            startAnimation();
            break;
        case ModeIdle:
            removeActivityIndicator();
            stopAnimation();
            break;
        default:
            break;
    }
}

void TAVOSpeedupButton::removeActivityIndicator() {
    if (!activityIndicator_) return;
    activityIndicator_->stopAnimating();
    activityIndicator_->removeFromSuperview();
    activityIndicator_ = nullptr;
}

void TAVOSpeedupButton::startAnimation() {
    stopAnimation();

    animationLayer_ = ca::Layer::create();
    animationLayer_->setBounds(layer()->bounds());
    animationLayer_->setPosition({layer()->bounds().size.width / 2, layer()->bounds().size.height / 2});
    animationLayer_->setCornerRadius(kCornerRadius);
    animationLayer_->setMasksToBounds(true);
    animationLayer_->setBackgroundColor(ui::Color::rgb255(76, 200, 31));
    layer()->addSublayer(animationLayer_);

    const auto shut = pie(1, 359);
    shapeLayer_ = ca::ShapeLayer::create();
    shapeLayer_->setBounds(cg::RectMake(0, 0, kCreatureSize, kCreatureSize));
    shapeLayer_->setPosition(kCreaturePosition);
    shapeLayer_->path = shut;
    shapeLayer_->fillColor = ui::Color::whiteColor();
    shapeLayer_->strokeColor = ui::Color::clearColor();
    shapeLayer_->lineWidth = 1;
    animationLayer_->addSublayer(shapeLayer_);

    auto eye = circleLayer({5, 5}, kEyeRadius, ui::Color::rgb255(10, 167, 75));
    eye->setBounds(cg::RectMake(0, 0, 1, 1));
    eye->setPosition({6, 1});
    shapeLayer_->addSublayer(eye);

    auto chomp = ca::BasicAnimation::animationWithKeyPath("path");
    chomp->fromValue = shut;
    chomp->toValue = pie(35, 315);
    chomp->duration = kChompDuration;
    chomp->timingFunction = ca::TimingFunction::Linear;
    chomp->autoreverses = true;
    chomp->repeatCount = HUGE_VAL;
    shapeLayer_->addAnimation(chomp, kChompAnimationKey);

    for (double x : kDotXs) {
        auto dot = circleLayer({0, 0}, kDotRadius, ui::Color::whiteColor());
        dot->setBounds(cg::RectMake(0, 0, kDotSize, kDotSize));
        dot->setPosition({x, kDotY});
        animationLayer_->addSublayer(dot);

        auto move = ca::BasicAnimation::animationWithKeyPath("position");
        move->fromValue = cg::Point{x, kDotY};
        move->toValue = cg::Point{x - kDotStep, kDotY};
        move->fillMode = ca::FillMode::Forwards;
        const bool first = x == kDotXs[0];
        ca::AnimationPtr step = move;
        if (first) {
            // The dot reaching the mouth is eaten: it fades as it moves.
            auto fade = ca::BasicAnimation::animationWithKeyPath("opacity");
            fade->fromValue = 1.0;
            fade->toValue = 0.0;
            fade->fillMode = ca::FillMode::Forwards;
            auto group = ca::AnimationGroup::animation();
            group->animations = {move, fade};
            step = group;
        }
        step->duration = kDotStepDuration;
        step->repeatCount = ca::kHugeRepeatCount;
        step->removedOnCompletion = true;
        dot->addAnimation(step, first ? kMoveAndHideAnimationKey : kMoveAnimationKey);
    }
}

void TAVOSpeedupButton::stopAnimation() {
    if (!animationLayer_) return;
    animationLayer_->removeFromSuperlayer();
    animationLayer_ = nullptr;
    shapeLayer_ = nullptr;
}
