// Drawing pieces shared by the tab strip and the drawn tab look: pattern
// fills, interface colours as drawing colours, two-stop gradients.
#pragma once

#include <vector>

#include "platform/graphics/Context.h"
#include "platform/ui/Color.h"
#include "platform/ui/Image.h"

namespace tk {

// Tiles the image over the rectangle, the tiles' grid anchored at the
// context's origin; nothing without an image.
void fillWithPattern(cg::Context& context, const cg::Rect& rect, const ui::ImagePtr& image);
cg::ColorPtr cgColor(const ui::Color& color);
// A two-colour gradient, each colour at its location.
cg::GradientPtr gradient(const cg::ColorPtr& first, double firstLocation, const cg::ColorPtr& second,
                         double secondLocation);
// A pair of gradient colours given by a caller: usable only with two.
inline bool isColorPair(const std::vector<cg::ColorPtr>& colors) {
    return colors.size() >= 2 && colors[0] && colors[1];
}

}  // namespace tk
