#include "platform/ui/BasicAnimation.h"

namespace ca {

std::shared_ptr<BasicAnimation> BasicAnimation::animationWithKeyPath(const std::string& keyPath) {
    auto a = std::make_shared<BasicAnimation>();
    a->keyPath = keyPath;
    return a;
}

AnimationPtr BasicAnimation::copy() const {
    auto a = std::make_shared<BasicAnimation>();
    copyTimingTo(*a);
    a->keyPath = keyPath;
    a->additive = additive;
    a->cumulative = cumulative;
    a->fromValue = fromValue;
    a->toValue = toValue;
    a->byValue = byValue;
    return a;
}

}  // namespace ca
