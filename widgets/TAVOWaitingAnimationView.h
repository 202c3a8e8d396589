// Three dots that light up in turn while the speed test waits. The dots'
// radius and colour come from the screen (class-wide through the
// appearance mechanism); the view sets no defaults.
#pragma once

#include <functional>
#include <memory>

#include "platform/ui/Color.h"
#include "platform/ui/View.h"

class TAVOWaitingAnimationView : public ui::View {
public:
    using View::View;
    static std::shared_ptr<TAVOWaitingAnimationView> create(const cg::Rect& frame = {}) {
        return make<TAVOWaitingAnimationView>(frame);
    }

    static constexpr int kDotCount = 3;
    static constexpr double kDotDuration = 0.5;
    // A dot starts at its colour with this alpha.
    static constexpr double kDimAlpha = 0.1;

    // Clears the dots of the last run, lights the three one after another
    // (kDotDuration each) and then calls `completion`. `duration` has no
    // effect on the timing.
    void animateWaiting(double duration, std::function<void()> completion = nullptr);

    double circleRadius() const { return circleRadius_; }
    void setCircleRadius(double radius) { setProperty(circleRadius_, radius, ui::PropertyEffectsNone, "circleRadius"); }
    const ui::OptionalColor& circleColor() const { return circleColor_; }
    void setCircleColor(const ui::OptionalColor& color) {
        setProperty(circleColor_, color, ui::PropertyEffectsNone, "circleColor");
    }

    // Where dot `i` (0 .. 2) sits for the current bounds and radius.
    cg::Point dotCenter(int i) const;

private:
    void lightDot(int i, std::function<void()> completion);

    double circleRadius_ = 0;
    ui::OptionalColor circleColor_;
};

using TAVOWaitingAnimationViewPtr = std::shared_ptr<TAVOWaitingAnimationView>;
