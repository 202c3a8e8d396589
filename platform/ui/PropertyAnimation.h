// An animation of one property of a layer, named by its key path
// ("position", "transform.scale", "opacity").
#pragma once

#include <string>

#include "platform/ui/Animation.h"

namespace ca {

class PropertyAnimation : public Animation {
public:
    std::string keyPath;
    bool additive = false;
    bool cumulative = false;
};

}  // namespace ca
