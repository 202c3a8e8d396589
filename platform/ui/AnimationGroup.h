// Several animations run together under one timing; the members' own
// delegates are not called, only the group's.
#pragma once

#include <vector>

#include "platform/ui/Animation.h"

namespace ca {

class AnimationGroup : public Animation {
public:
    static std::shared_ptr<AnimationGroup> animation() { return std::make_shared<AnimationGroup>(); }
    AnimationPtr copy() const override;

    std::vector<AnimationPtr> animations;
};

}  // namespace ca
