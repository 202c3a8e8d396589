#include "uikit/TKTabDrawing.h"

#include <cmath>

#include "platform/graphics/ColorSpace.h"

namespace tk {

void fillWithPattern(cg::Context& context, const cg::Rect& rect, const ui::ImagePtr& image) {
    if (!image) return;
    const cg::Size tile = image->size();
    if (tile.width <= 0 || tile.height <= 0 || cg::RectIsEmpty(rect)) return;
    context.saveGState();
    context.clipToRect(rect);
    const double startX = std::floor(cg::RectGetMinX(rect) / tile.width) * tile.width;
    const double startY = std::floor(cg::RectGetMinY(rect) / tile.height) * tile.height;
    for (double y = startY; y < cg::RectGetMaxY(rect); y += tile.height)
        for (double x = startX; x < cg::RectGetMaxX(rect); x += tile.width)
            context.drawImageTopDown(cg::RectMake(x, y, tile.width, tile.height), image->CGImage());
    context.restoreGState();
}

cg::ColorPtr cgColor(const ui::Color& color) {
    return cg::Color::createRGB(color.red(), color.green(), color.blue(), color.alpha());
}

cg::GradientPtr gradient(const cg::ColorPtr& first, double firstLocation, const cg::ColorPtr& second,
                         double secondLocation) {
    return cg::Gradient::createWithColors(cg::ColorSpace::createDeviceRGB(), {first, second},
                                          {firstLocation, secondLocation});
}

}  // namespace tk
