#include "widgets/TAVOCirclePath.h"

#include <numbers>

#include "platform/graphics/BezierPath.h"

std::shared_ptr<const cg::Path> TAVOCirclePath(cg::Point center, double radius) {
    auto circle = cg::BezierPath::bezierPathWithArcCenter(center, radius, 0, 2 * std::numbers::pi, false);
    return std::make_shared<const cg::Path>(circle->CGPath());
}
