#include "platform/ui/KeyframeAnimation.h"

namespace ca {

std::shared_ptr<KeyframeAnimation> KeyframeAnimation::animationWithKeyPath(const std::string& keyPath) {
    auto a = std::make_shared<KeyframeAnimation>();
    a->keyPath = keyPath;
    return a;
}

AnimationPtr KeyframeAnimation::copy() const {
    auto a = std::make_shared<KeyframeAnimation>();
    copyTimingTo(*a);
    a->keyPath = keyPath;
    a->additive = additive;
    a->cumulative = cumulative;
    a->values = values;
    a->keyTimes = keyTimes;
    a->timingFunctions = timingFunctions;
    a->path = path;
    a->calculationMode = calculationMode;
    return a;
}

}  // namespace ca
