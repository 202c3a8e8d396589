// A layer that draws its sublayers `instanceCount` times, each copy
// transformed by one more instanceTransform and delayed by instanceDelay.
#pragma once

#include "platform/ui/Layer.h"

namespace ca {

class ReplicatorLayer : public Layer {
public:
    static std::shared_ptr<ReplicatorLayer> create() {
        return std::shared_ptr<ReplicatorLayer>(new ReplicatorLayer());
    }

    long instanceCount = 1;
    double instanceDelay = 0;
    Transform3D instanceTransform;
    ui::OptionalColor instanceColor;
    bool preservesDepth = false;

protected:
    ReplicatorLayer() = default;
};

}  // namespace ca
