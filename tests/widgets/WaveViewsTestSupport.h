// Small readers shared by the tests of the animated decorative views.
#pragma once

#include <memory>
#include <string>

#include "platform/graphics/Path.h"
#include "platform/ui/AnimationGroup.h"
#include "platform/ui/BasicAnimation.h"
#include "platform/ui/Layer.h"
#include "platform/ui/Screen.h"

namespace keelbox::test {

// The radius of the first arc of a path (-1 without one).
inline double circleRadius(const std::shared_ptr<const cg::Path>& path) {
    if (path)
        for (const auto& e : path->elements())
            if (e.type == cg::PathElementType::AddArc) return e.arc.radius;
    return -1;
}

// A member of an animation group by its key path.
inline std::shared_ptr<ca::BasicAnimation> member(const ca::AnimationPtr& animation, const std::string& keyPath) {
    auto group = std::dynamic_pointer_cast<ca::AnimationGroup>(animation);
    if (!group) return nullptr;
    for (const auto& m : group->animations)
        if (auto basic = std::dynamic_pointer_cast<ca::BasicAnimation>(m); basic && basic->keyPath == keyPath) return basic;
    return nullptr;
}

// Low-performance devices are the short screens (on system 7 and later).
inline void useLowPerformanceDevice(bool low) { ui::Screen::mainScreen()->setTallScreen(!low); }

}  // namespace keelbox::test
