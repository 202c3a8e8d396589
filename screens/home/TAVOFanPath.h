// The wedge that reveals a signal icon from below: a 110-degree fan opening
// upwards, its point just under the icon's bottom edge. Growing its radius
// from 0 to the icon's height + 2 uncovers the icon bar by bar.
#pragma once

#include <memory>

#include "platform/graphics/Geometry.h"
#include "platform/graphics/Path.h"

// The fan for an icon of `iconSize` with `radius`.
std::shared_ptr<const cg::Path> TAVOFanPath(const cg::Size& iconSize, double radius);
// The radius at which the fan covers the whole icon.
double TAVOFanFullRadius(const cg::Size& iconSize);
