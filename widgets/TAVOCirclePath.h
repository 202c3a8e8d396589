// The full circle the decorative views draw and animate: an arc around a
// centre from angle 0 to 2 pi, anticlockwise in the path's own (y-up)
// sense.
#pragma once

#include <memory>

#include "platform/graphics/Geometry.h"
#include "platform/graphics/Path.h"

std::shared_ptr<const cg::Path> TAVOCirclePath(cg::Point center, double radius);
