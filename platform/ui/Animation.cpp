#include "platform/ui/Animation.h"

#include <cmath>
#include <limits>

#include "platform/foundation/Clock.h"

namespace ca {

double currentMediaTime() { return ns::Clock::monotonic(); }

bool Animation::repeatsForever() const {
    return std::isinf(repeatCount) || repeatCount >= 1e30 || std::isinf(repeatDuration) || repeatDuration >= 1e30;
}

double Animation::activeDuration() const {
    if (repeatsForever()) return std::numeric_limits<double>::infinity();
    double d = duration > 0 ? duration : kDefaultDuration;
    double cycle = d * (autoreverses ? 2 : 1);
    double total = repeatDuration > 0 ? repeatDuration : cycle * (repeatCount > 0 ? repeatCount : 1);
    return speed > 0 ? total / speed : total;
}

void Animation::copyTimingTo(Animation& o) const {
    o.duration = duration;
    o.beginTime = beginTime;
    o.timeOffset = timeOffset;
    o.repeatCount = repeatCount;
    o.repeatDuration = repeatDuration;
    o.autoreverses = autoreverses;
    o.speed = speed;
    o.fillMode = fillMode;
    o.removedOnCompletion = removedOnCompletion;
    o.timingFunction = timingFunction;
    o.delegate = delegate;
    o.onStop = onStop;
    o.name = name;
    o.keyedValues = keyedValues;
}

}  // namespace ca
