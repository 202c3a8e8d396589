#include "screens/home/TAVOFanPath.h"

#include <numbers>

namespace {

// The fan spans -145 to -35 degrees (screen coordinates, y down).
constexpr double kFromDegrees = -145;
constexpr double kToDegrees = -35;
// The fan's point lies this far below the icon.
constexpr double kPointDrop = 2;

double radians(double degrees) { return degrees * std::numbers::pi / 180; }

}  // namespace

double TAVOFanFullRadius(const cg::Size& iconSize) { return iconSize.height + kPointDrop; }

std::shared_ptr<const cg::Path> TAVOFanPath(const cg::Size& iconSize, double radius) {
    const cg::Point point{iconSize.width / 2, iconSize.height + kPointDrop};
    auto path = std::make_shared<cg::Path>();
    path->moveToPoint(point);
    // Increasing angles turn clockwise on the screen: from upper left over
    // the top to upper right.
    path->addArc(point, radius, radians(kFromDegrees), radians(kToDegrees), false);
    path->closeSubpath();
    return path;
}
