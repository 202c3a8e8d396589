// The image-processing layer's image: pixels with an extent. Filters make
// new images from it and a ci::Context turns a rectangle of one back into a
// drawing-layer image. Extents are in pixels, measured like the drawing
// layer's images (row 0 at the top), so an image made from a bitmap spans
// (0, 0, width, height); a blur's output reaches past that on every side.
#pragma once

#include <memory>

#include "platform/foundation/Object.h"
#include "platform/graphics/Geometry.h"
#include "platform/graphics/Image.h"

namespace ci {

class Image : public ns::Object {
public:
    // The bitmap's stored pixels (its scale and orientation play no part);
    // null for a null bitmap.
    static std::shared_ptr<Image> imageWithCGImage(const cg::ImagePtr& image);
    // Pixels covering exactly `extent` (whole pixels); an empty extent or
    // null pixels give an empty image.
    static std::shared_ptr<Image> create(cg::ImagePtr pixels, cg::Rect extent);

    const cg::Rect& extent() const { return extent_; }
    bool isEmpty() const { return !pixels_; }
    // The part inside the rectangle (made whole pixels); an empty image
    // when nothing is left.
    std::shared_ptr<Image> imageByCroppingToRect(const cg::Rect& rect) const;

    // The pixels covering the extent, top row first; null when empty.
    const cg::ImagePtr& pixels() const { return pixels_; }

    Image(cg::ImagePtr pixels, cg::Rect extent) : pixels_(std::move(pixels)), extent_(extent) {}

private:
    cg::ImagePtr pixels_;
    cg::Rect extent_;
};

using ImagePtr = std::shared_ptr<Image>;

}  // namespace ci
