#include "core/crypto/ImageExtra.h"

#include "platform/graphics/Context.h"
#include "platform/graphics/GraphicsContextStack.h"
#include "platform/graphics/Image.h"
#include "platform/ui/Image.h"

namespace {

// Draws the image into a new bitmap of `canvas` points at `placed` (y down).
ImageExtra::ImagePtr drawInto(const ImageExtra::ImagePtr& image, const cg::Size& canvas, const cg::Rect& placed) {
    if (!image || canvas.width <= 0 || canvas.height <= 0) return nullptr;
    cg::beginImageContext(canvas, false, 1);
    auto context = cg::currentContext();
    if (!context) return nullptr;
    context->drawImageTopDown(placed, image->CGImage());
    auto bitmap = cg::imageFromCurrentImageContext();
    cg::endImageContext();
    return bitmap ? ui::Image::imageWithCGImage(bitmap, 1) : nullptr;
}

}  // namespace

ImageExtra::ImagePtr ImageExtra::rescaleImageToSize(const ImagePtr& image, const cg::Size& size) {
    return drawInto(image, size, cg::Rect{{0, 0}, size});
}

ImageExtra::ImagePtr ImageExtra::cropImageToRect(const ImagePtr& image, const cg::Rect& rect) {
    if (!image) return nullptr;
    auto part = image->CGImage()->createWithImageInRect(rect);
    return part ? ui::Image::imageWithCGImage(part, image->scale()) : nullptr;
}

ImageExtra::ImagePtr ImageExtra::rescaleAndcropImageWithRescaleSize(const ImagePtr& image, const cg::Size& rescaleSize,
                                                                    const cg::Rect& cropRect) {
    // Placing the rescaled image at minus the rectangle's origin leaves the
    // rectangle's part on the canvas.
    return drawInto(image, cropRect.size, cg::Rect{{-cropRect.origin.x, -cropRect.origin.y}, rescaleSize});
}

cg::Size ImageExtra::calculateNewSizeForCroppingBox(const ImagePtr& image, const cg::Size& box) {
    if (!image) return {};
    const cg::Size size = image->size();
    if (size.width <= 0 || size.height <= 0) return {};
    if (size.width < size.height) return {box.width, box.width * size.height / size.width};
    return {box.height * size.width / size.height, box.height};
}

ImageExtra::ImagePtr ImageExtra::cropCenterAndScaleImageToSize(const ImagePtr& image, const cg::Size& box) {
    const cg::Size covering = calculateNewSizeForCroppingBox(image, box);
    auto rescaled = rescaleImageToSize(image, covering);
    if (!rescaled) return nullptr;
    return cropImageToRect(rescaled, cg::Rect{{(covering.width - box.width) / 2, (covering.height - box.height) / 2}, box});
}
