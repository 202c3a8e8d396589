#include "widgets/TAVOCirclePath.h"

#include <numbers>

std::shared_ptr<const cg::Path> TAVOCirclePath(cg::Point center, double radius) {
    // Increasing angle: the whole turn (the other way round, a sweep from 0
    // to 2 pi is empty).
    auto circle = std::make_shared<cg::Path>();
    circle->addArc(center, radius, 0, 2 * std::numbers::pi, false);
    return circle;
}
