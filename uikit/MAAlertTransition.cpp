#include "uikit/MAAlertTransition.h"

#include <any>

#include "platform/crypto/Random.h"
#include "platform/ui/KeyframeAnimation.h"
#include "platform/ui/ViewAnimation.h"

namespace {

constexpr double kSlideSeconds = 0.3;
constexpr double kFadeInSeconds = 0.3;
constexpr double kFadeOutSeconds = 0.25;
constexpr double kBounceInSeconds = 0.5;
constexpr double kBounceOutSeconds = 0.35;
constexpr double kShrunkScale = 0.01;
constexpr double kDropInSeconds = 0.4;
constexpr double kDropOvershoot = 20;
constexpr double kDropRebound = 10;
constexpr double kFallSeconds = 0.3;

using Completion = MAAlertTransition::Completion;

ui::ViewAnimation::Completion ignoringFinished(Completion completion) {
    return [completion = std::move(completion)](bool) {
        if (completion) completion();
    };
}

void addKeyframes(const ui::ViewPtr& panel, std::shared_ptr<ca::KeyframeAnimation> animation, const char* key,
                  const std::shared_ptr<ca::AnimationDelegate>& delegate, Completion completion) {
    animation->delegate = delegate;
    animation->keyedValues[MAAlertTransition::kHandlerKey] = std::move(completion);
    panel->layer()->addAnimation(animation, key);
}

// The panel moved to `y` and back where it was laid out.
void slideIn(const ui::ViewPtr& panel, double y, Completion completion) {
    const cg::Rect laidOut = panel->frame();
    cg::Rect start = laidOut;
    start.origin.y = y;
    panel->setFrame(start);
    ui::ViewAnimation::animate(kSlideSeconds, 0, ui::ViewAnimationOptionCurveEaseInOut,
                               [panel, laidOut] { panel->setFrame(laidOut); }, ignoringFinished(std::move(completion)));
}

void slideOut(const ui::ViewPtr& panel, double y, Completion completion) {
    ui::ViewAnimation::animate(kSlideSeconds, 0, ui::ViewAnimationOptionCurveEaseIn, [panel, y] {
        cg::Rect frame = panel->frame();
        frame.origin.y = y;
        panel->setFrame(frame);
    }, ignoringFinished(std::move(completion)));
}

}  // namespace

int MAAlertTransition::effectiveStyle(int style) {
    return style >= MAAlertViewTransitionStyleSlideFromBottom && style <= MAAlertViewTransitionStyleDropDown
               ? style
               : MAAlertViewTransitionStyleFade;
}

void MAAlertTransition::runEntrance(int style, const ui::ViewPtr& panel, double height,
                                    const std::shared_ptr<ca::AnimationDelegate>& delegate, Completion completion) {
    switch (effectiveStyle(style)) {
        case MAAlertViewTransitionStyleSlideFromBottom:
            slideIn(panel, height, std::move(completion));
            break;
        case MAAlertViewTransitionStyleSlideFromTop:
            slideIn(panel, -panel->frame().size.height, std::move(completion));
            break;
        case MAAlertViewTransitionStyleFade:
            panel->setAlpha(0);
            ui::ViewAnimation::animate(kFadeInSeconds, [panel] { panel->setAlpha(1); },
                                       ignoringFinished(std::move(completion)));
            break;
        case MAAlertViewTransitionStyleBounce: {
            auto bounce = ca::KeyframeAnimation::animationWithKeyPath("transform.scale");
            bounce->values = {kShrunkScale, 1.2, 0.9, 1.0};
            bounce->keyTimes = {0, 0.4, 0.6, 1};
            bounce->timingFunctions = {ca::TimingFunction::Linear, ca::TimingFunction::Linear,
                                       ca::TimingFunction::EaseOut};
            bounce->duration = kBounceInSeconds;
            addKeyframes(panel, bounce, kBounceInKey, delegate, std::move(completion));
            break;
        }
        case MAAlertViewTransitionStyleDropDown: {
            const double y = panel->center().y;
            auto drop = ca::KeyframeAnimation::animationWithKeyPath("position.y");
            drop->values = {y - height, y + kDropOvershoot, y - kDropRebound, y};
            drop->keyTimes = {0, 0.5, 0.75, 1};
            drop->timingFunctions = {ca::TimingFunction::EaseOut, ca::TimingFunction::Linear,
                                     ca::TimingFunction::EaseOut};
            drop->duration = kDropInSeconds;
            addKeyframes(panel, drop, kDropDownKey, delegate, std::move(completion));
            break;
        }
    }
}

void MAAlertTransition::runExit(int style, const ui::ViewPtr& panel, double height,
                                const std::shared_ptr<ca::AnimationDelegate>& delegate, Completion completion) {
    switch (effectiveStyle(style)) {
        case MAAlertViewTransitionStyleSlideFromBottom:
            slideOut(panel, height, std::move(completion));
            break;
        case MAAlertViewTransitionStyleSlideFromTop:
            slideOut(panel, -panel->frame().size.height, std::move(completion));
            break;
        case MAAlertViewTransitionStyleFade:
            ui::ViewAnimation::animate(kFadeOutSeconds, [panel] { panel->setAlpha(0); },
                                       ignoringFinished(std::move(completion)));
            break;
        case MAAlertViewTransitionStyleBounce: {
            auto shrink = ca::KeyframeAnimation::animationWithKeyPath("transform.scale");
            shrink->values = {1.0, 1.2, kShrunkScale};
            shrink->keyTimes = {0, 0.4, 1};
            shrink->timingFunctions = {ca::TimingFunction::EaseInEaseOut, ca::TimingFunction::EaseOut};
            shrink->duration = kBounceOutSeconds;
            addKeyframes(panel, shrink, kBounceOutKey, delegate, std::move(completion));
            // The model stays shrunk once the animation is gone.
            panel->setTransform(cg::AffineTransformMakeScale(kShrunkScale, kShrunkScale));
            break;
        }
        case MAAlertViewTransitionStyleDropDown: {
            // A slight random tilt as it falls, within half a radian either way.
            const double angle = (static_cast<double>(cc::random32() % 100) - 50) / 100;
            ui::ViewAnimation::animate(kFallSeconds, 0, ui::ViewAnimationOptionCurveEaseIn, [panel, height, angle] {
                cg::Point center = panel->center();
                center.y += height;
                panel->setCenter(center);
                panel->setTransform(cg::AffineTransformMakeRotation(angle));
            }, ignoringFinished(std::move(completion)));
            break;
        }
    }
}

void MAAlertTransition::runHandler(const ca::Animation& animation) {
    auto it = animation.keyedValues.find(kHandlerKey);
    if (it == animation.keyedValues.end()) return;
    const auto* handler = std::any_cast<Completion>(&it->second);
    if (!handler || !*handler) return;
    // A copy: the completion may release the panel and the animation with it.
    auto completion = *handler;
    completion();
}
