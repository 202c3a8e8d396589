#include "core/app/ImageUtil.h"

#include <algorithm>
#include <cmath>

#include "platform/graphics/Context.h"
#include "platform/graphics/GraphicsContextStack.h"
#include "platform/graphics/Image.h"
#include "platform/ui/Image.h"

ImageUtil::ImagePtr ImageUtil::imageByOverlapping(const ImagePtr& base, const ImagePtr& overlay, bool allowScale) {
    if (!base || !overlay) return base;
    const double scale = base->scale();
    const cg::Size baseSize = base->size(), overlaySize = overlay->size();
    const double baseWidth = std::ceil(baseSize.width * scale), baseHeight = std::ceil(baseSize.height * scale);
    double overlayWidth = std::ceil(overlaySize.width * scale), overlayHeight = std::ceil(overlaySize.height * scale);
    const double width = std::max(baseWidth, overlayWidth), height = std::max(baseHeight, overlayHeight);
    if (width <= 0 || height <= 0) return base;
    if (allowScale && overlayWidth > 0 && overlayHeight > 0 && overlayWidth < width && overlayHeight < height) {
        const double factor = std::min(width / overlayWidth, height / overlayHeight);
        overlayWidth *= factor;
        overlayHeight *= factor;
    }

    // Drawn in pixels, so the result has the base's pixel density.
    cg::beginImageContext(cg::Size{width, height}, false, 1);
    auto context = cg::currentContext();
    if (!context) {
        cg::endImageContext();
        return nullptr;
    }
    auto centred = [&](double w, double h) { return cg::RectMake((width - w) / 2, (height - h) / 2, w, h); };
    context->drawImageTopDown(centred(baseWidth, baseHeight), base->CGImage());
    context->drawImageTopDown(centred(overlayWidth, overlayHeight), overlay->CGImage());
    auto bitmap = cg::imageFromCurrentImageContext();
    cg::endImageContext();
    return bitmap ? ui::Image::imageWithCGImage(bitmap, scale) : nullptr;
}
