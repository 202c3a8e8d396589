// The base of layer animations: timing (duration, begin time, repeat,
// auto-reverse, fill mode, curve), removal on completion and the delegate
// that hears when the animation starts and stops.
//
// An animation added to a layer is copied; it starts at its begin time
// (now when 0) and ends after its active duration on the clock. The delegate
// hears did-stop with finished = true at the end, or finished = false on a
// later turn when the animation is removed or replaced before it ends.
#pragma once

#include <any>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/ui/AnimationValue.h"

namespace ca {

class Animation;

class AnimationDelegate {
public:
    virtual ~AnimationDelegate() = default;
    virtual void animationDidStart(const std::shared_ptr<Animation>&) {}
    virtual void animationDidStop(const std::shared_ptr<Animation>&, bool /*finished*/) {}
};

class Animation : public ns::Object {
public:
    static constexpr double kDefaultDuration = 0.25;

    // A copy of this animation (the layer keeps its own copy).
    virtual std::shared_ptr<Animation> copy() const = 0;

    double duration = 0;   // 0 means the transaction's duration (0.25 s by default)
    double beginTime = 0;  // absolute media time; 0 means when added
    double timeOffset = 0;
    double repeatCount = 0;
    double repeatDuration = 0;
    bool autoreverses = false;
    double speed = 1;
    FillMode fillMode = FillMode::Removed;
    bool removedOnCompletion = true;
    TimingFunction timingFunction = TimingFunction::Default;
    // Held strongly, as the platform's animations hold their delegate.
    std::shared_ptr<AnimationDelegate> delegate;
    // Called with the same arguments as the delegate's did-stop (after it).
    std::function<void(bool finished)> onStop;
    std::string name;  // free-form tag for tests and programs
    // Values a program keeps on the animation under keys of its own (a
    // completion block for the delegate, say); they travel with the copy
    // the layer makes, so the delegate finds them on the animation it hears.
    std::map<std::string, std::any> keyedValues;

    // Seconds from start to end, all repeats included; infinite when it
    // repeats "forever" (the huge count or an infinite one).
    double activeDuration() const;
    bool repeatsForever() const;

protected:
    void copyTimingTo(Animation& other) const;
};

using AnimationPtr = std::shared_ptr<Animation>;

// The media clock animations run on (the monotonic clock, virtual in tests).
double currentMediaTime();

}  // namespace ca
