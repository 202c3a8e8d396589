// A layer filled with an axial gradient between colours at locations
// (evenly spread when none are given), from startPoint to endPoint in unit
// coordinates of the bounds.
#pragma once

#include <vector>

#include "platform/ui/Layer.h"

namespace ca {

class GradientLayer : public Layer {
public:
    static std::shared_ptr<GradientLayer> create() { return std::shared_ptr<GradientLayer>(new GradientLayer()); }

    std::vector<ui::Color> colors;
    std::vector<double> locations;
    cg::Point startPoint{0.5, 0};
    cg::Point endPoint{0.5, 1};
    std::string type = "axial";

protected:
    GradientLayer() = default;
};

}  // namespace ca
