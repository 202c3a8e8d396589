#include "platform/ui/AnimationGroup.h"

namespace ca {

AnimationPtr AnimationGroup::copy() const {
    auto a = std::make_shared<AnimationGroup>();
    copyTimingTo(*a);
    for (const auto& member : animations)
        if (member) a->animations.push_back(member->copy());
    return a;
}

}  // namespace ca
