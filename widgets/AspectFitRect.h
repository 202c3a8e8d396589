// Where a picture goes when it is fitted into a rectangle without being
// distorted: the largest rectangle of its proportions inside, centred.
// The highlight sweep and the lights effect place their mask images so.
#pragma once

#include <algorithm>

#include "platform/graphics/Geometry.h"

// A picture without a positive width and height fills the whole rectangle.
inline cg::Rect aspectFitRect(const cg::Size& size, const cg::Rect& bounds) {
    if (size.width <= 0 || size.height <= 0) return bounds;
    const double factor = std::min(bounds.size.width / size.width, bounds.size.height / size.height);
    const double w = size.width * factor, h = size.height * factor;
    return cg::RectMake(bounds.origin.x + (bounds.size.width - w) / 2, bounds.origin.y + (bounds.size.height - h) / 2,
                        w, h);
}
