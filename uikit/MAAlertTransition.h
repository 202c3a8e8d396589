// The entrance and exit animations of an alert's panel, one pair per
// transition style. Key-frame animations report to the given delegate and
// carry the completion on themselves under kHandlerKey (the delegate runs
// it through runHandler); view animations run it from their own
// completion. Either way the completion runs once, on a later turn.
#pragma once

#include <functional>
#include <memory>

#include "platform/ui/Animation.h"
#include "platform/ui/View.h"

enum MAAlertViewTransitionStyle : int {
    MAAlertViewTransitionStyleSlideFromBottom = 0,
    MAAlertViewTransitionStyleSlideFromTop = 1,
    MAAlertViewTransitionStyleFade = 2,
    MAAlertViewTransitionStyleBounce = 3,
    MAAlertViewTransitionStyleDropDown = 4,
};

class MAAlertTransition {
public:
    using Completion = std::function<void()>;

    static constexpr const char* kHandlerKey = "handler";
    static constexpr const char* kBounceInKey = "bouce";
    static constexpr const char* kBounceOutKey = "bounce";
    static constexpr const char* kDropDownKey = "dropdown";

    // The style that runs for the one asked for: a number without
    // animations of its own fades, so that its completion still runs.
    static int effectiveStyle(int style);

    // `panel` lies in a view `height` points tall (the screen's height).
    static void runEntrance(int style, const ui::ViewPtr& panel, double height,
                            const std::shared_ptr<ca::AnimationDelegate>& delegate, Completion completion);
    static void runExit(int style, const ui::ViewPtr& panel, double height,
                        const std::shared_ptr<ca::AnimationDelegate>& delegate, Completion completion);

    // Runs the completion an animation carries under kHandlerKey, if any.
    static void runHandler(const ca::Animation& animation);
};
