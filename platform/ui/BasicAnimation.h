// An animation of one key path between from, to and by values.
#pragma once

#include <string>

#include "platform/ui/PropertyAnimation.h"

namespace ca {

class BasicAnimation : public PropertyAnimation {
public:
    static std::shared_ptr<BasicAnimation> animationWithKeyPath(const std::string& keyPath);
    AnimationPtr copy() const override;

    AnimationValue fromValue;
    AnimationValue toValue;
    AnimationValue byValue;
};

}  // namespace ca
