// Image helpers the screens share: pressed states of the program's own
// buttons are the normal picture with an overlay drawn over its middle.
#pragma once

#include <memory>

namespace ui {
class Image;
}

class ImageUtil {
public:
    using ImagePtr = std::shared_ptr<ui::Image>;

    ImageUtil() = delete;

    // A new image: `base` with `overlay` drawn centred over it, on a canvas
    // as large as the larger of the two in each direction (both measured in
    // pixels at the base's scale), with the base's scale. With allowScale,
    // an overlay smaller than the canvas both ways is first enlarged, its
    // proportions kept, to the largest size that fits the canvas. No overlay
    // gives `base` itself; no base gives nothing.
    static ImagePtr imageByOverlapping(const ImagePtr& base, const ImagePtr& overlay, bool allowScale);
};
