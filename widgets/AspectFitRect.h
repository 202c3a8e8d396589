// The aspect-fit rectangle of a picture in a rectangle: the largest one of
// the picture's proportions inside it, centred in it. The mask images of the
// highlight and lights effects are placed this way.
#pragma once

#include <algorithm>

#include "platform/graphics/Geometry.h"

// `bounds` itself when the size is not positive both ways.
inline cg::Rect aspectFitRect(const cg::Size& size, const cg::Rect& bounds) {
    if (size.width <= 0 || size.height <= 0) return bounds;
    const double factor = std::min(bounds.size.width / size.width, bounds.size.height / size.height);
    const double w = size.width * factor, h = size.height * factor;
    return cg::RectMake(bounds.origin.x + (bounds.size.width - w) / 2, bounds.origin.y + (bounds.size.height - h) / 2,
                        w, h);
}
