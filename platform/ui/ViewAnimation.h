// Block animations of views.
//
// The model changes at once: inside the animations block the view setters
// (frame, bounds, centre, transform, alpha, background colour) apply their
// new value and add a basic animation from the old value to the view's
// layer, keyed by the property. The completion runs on a later turn once
// delay + duration have passed on the clock, with finished = true, or with
// false as soon as one of its layer animations was removed or replaced by
// a newer animation of the same property (the platform's interruption).
// Every call is recorded for tests.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/AnimationValue.h"

namespace ui {

class View;

enum ViewAnimationOptions : unsigned {
    ViewAnimationOptionLayoutSubviews = 1 << 0,
    ViewAnimationOptionAllowUserInteraction = 1 << 1,
    ViewAnimationOptionBeginFromCurrentState = 1 << 2,
    ViewAnimationOptionRepeat = 1 << 3,
    ViewAnimationOptionAutoreverse = 1 << 4,
    ViewAnimationOptionOverrideInheritedDuration = 1 << 5,
    ViewAnimationOptionOverrideInheritedCurve = 1 << 6,
    ViewAnimationOptionAllowAnimatedContent = 1 << 7,
    ViewAnimationOptionShowHideTransitionViews = 1 << 8,
    ViewAnimationOptionCurveEaseInOut = 0 << 16,
    ViewAnimationOptionCurveEaseIn = 1 << 16,
    ViewAnimationOptionCurveEaseOut = 2 << 16,
    ViewAnimationOptionCurveLinear = 3 << 16,
    ViewAnimationOptionTransitionNone = 0 << 20,
    ViewAnimationOptionTransitionFlipFromLeft = 1 << 20,
    ViewAnimationOptionTransitionFlipFromRight = 2 << 20,
    ViewAnimationOptionTransitionCurlUp = 3 << 20,
    ViewAnimationOptionTransitionCurlDown = 4 << 20,
    ViewAnimationOptionTransitionCrossDissolve = 5 << 20,
    ViewAnimationOptionTransitionFlipFromTop = 6 << 20,
    ViewAnimationOptionTransitionFlipFromBottom = 7 << 20,
};

// One recorded animation or transition call.
struct ViewAnimationRecord {
    enum class Kind { Animation, Transition, KeyboardCurve };
    Kind kind = Kind::Animation;
    double duration = 0;
    double delay = 0;
    unsigned options = 0;
    // The curve: options' curve bits (0..3), or the raw curve number when
    // the animation follows a curve given by number (the keyboard's 7).
    int curve = 0;
    std::weak_ptr<View> view;              // the transition's view
    std::vector<std::string> keyPaths;      // properties that changed
};

class ViewAnimation {
public:
    using Block = std::function<void()>;
    using Completion = std::function<void(bool finished)>;

    static void animate(double duration, double delay, unsigned options, const Block& animations,
                        Completion completion = nullptr);
    static void animate(double duration, const Block& animations, Completion completion = nullptr) {
        animate(duration, 0, 0, animations, std::move(completion));
    }
    // An animation on a numbered curve (the keyboard's curve 7).
    static void animateWithCurve(double duration, int curve, const Block& animations,
                                 Completion completion = nullptr);
    // Runs the changes at once and adds a transition to the view's layer
    // under the key "transition"; the completion follows the same rules.
    static void transition(const std::shared_ptr<View>& view, double duration, unsigned options,
                           const Block& animations, Completion completion = nullptr);
    // Runs a block with animations switched off (no layer animations).
    static void performWithoutAnimation(const Block& block);

    // Inside an animations block (and animations are enabled).
    static bool isAnimating();
    // Called by the view setters inside a block.
    static void propertyChanging(View& view, const std::string& keyPath, const ca::AnimationValue& from,
                                 const ca::AnimationValue& to);

    static const std::vector<ViewAnimationRecord>& records();
    static void clearRecords();
};

}  // namespace ui
