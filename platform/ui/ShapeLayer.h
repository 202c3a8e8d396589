// A layer that strokes and fills a path (drawn by the drawing layer).
#pragma once

#include "platform/ui/Layer.h"

namespace ca {

class ShapeLayer : public Layer {
public:
    static std::shared_ptr<ShapeLayer> create() { return std::shared_ptr<ShapeLayer>(new ShapeLayer()); }

    std::shared_ptr<const cg::Path> path;
    ui::OptionalColor fillColor = ui::Color::blackColor();
    ui::OptionalColor strokeColor;
    double lineWidth = 1;
    double strokeStart = 0;
    double strokeEnd = 1;
    std::string lineCap = "butt";    // "butt", "round", "square"
    std::string lineJoin = "miter";  // "miter", "round", "bevel"
    std::string fillRule = "non-zero";
    std::vector<double> lineDashPattern;
    double lineDashPhase = 0;

protected:
    ShapeLayer() = default;
};

}  // namespace ca
