// Rescaling and cropping of images.
#pragma once

#include <memory>

#include "platform/graphics/Geometry.h"

namespace ui {
class Image;
}

class ImageExtra {
public:
    using ImagePtr = std::shared_ptr<ui::Image>;

    ImageExtra() = delete;

    // The image drawn into a new bitmap of the size (scale 1).
    static ImagePtr rescaleImageToSize(const ImagePtr& image, const cg::Size& size);
    // The part inside the rectangle (in pixels), keeping the image's scale;
    // nullptr when the rectangle misses the image.
    static ImagePtr cropImageToRect(const ImagePtr& image, const cg::Rect& rect);
    // The image drawn at the rescale size, then the rectangle of that taken.
    static ImagePtr rescaleAndcropImageWithRescaleSize(const ImagePtr& image, const cg::Size& rescaleSize,
                                                       const cg::Rect& cropRect);
    // The size the image takes to cover the box with its aspect ratio kept.
    static cg::Size calculateNewSizeForCroppingBox(const ImagePtr& image, const cg::Size& box);
    // Rescaled to cover the box, then the centred box cropped out.
    static ImagePtr cropCenterAndScaleImageToSize(const ImagePtr& image, const cg::Size& box);
};
