// An animation of one key path through a list of values at key times
// (fractions of the duration), or along a path.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/PropertyAnimation.h"

namespace ca {

class KeyframeAnimation : public PropertyAnimation {
public:
    static std::shared_ptr<KeyframeAnimation> animationWithKeyPath(const std::string& keyPath);
    AnimationPtr copy() const override;

    std::vector<AnimationValue> values;
    std::vector<double> keyTimes;
    std::vector<TimingFunction> timingFunctions;
    std::shared_ptr<const cg::Path> path;
    std::string calculationMode = "linear";
};

}  // namespace ca
