// A bitmap image of the drawing layer: premultiplied 32-bit ARGB pixels,
// with a scale (pixels per point) so that a 2x bitmap measures in points,
// and an orientation that says how the stored pixels are shown: drawing
// and the size in points follow it, while width, height, pixel and the
// pixel rectangles of cropping address the pixels as stored.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/foundation/Data.h"
#include "platform/foundation/Object.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/Geometry.h"

typedef struct _cairo_surface cairo_surface_t;

namespace cg {

// How the stored pixels appear when drawn, with the platform's numbering.
enum class ImageOrientation {
    Up = 0,             // as stored
    Down = 1,           // turned half round
    Left = 2,           // turned a quarter counterclockwise
    Right = 3,          // turned a quarter clockwise
    UpMirrored = 4,     // flipped left to right
    DownMirrored = 5,   // flipped top to bottom
    LeftMirrored = 6,   // flipped left to right, then turned counterclockwise
    RightMirrored = 7,  // flipped left to right, then turned clockwise
};

// Whether the orientation swaps width and height.
bool orientationIsSideways(ImageOrientation orientation);

class Image : public ns::Object {
public:
    // A transparent image; null for a zero or absurd size.
    static std::shared_ptr<Image> create(std::size_t widthPixels, std::size_t heightPixels, double scale = 1);
    // Null when the data is not a readable PNG.
    static std::shared_ptr<Image> createWithPNGData(const ns::Data& data, double scale = 1);
    // Takes over a cairo image surface in ARGB32 format (null on failure).
    static std::shared_ptr<Image> adoptSurface(cairo_surface_t* surface, double scale);

    ~Image() override;

    std::size_t width() const;
    std::size_t height() const;
    double scale() const { return scale_; }
    ImageOrientation orientation() const { return orientation_; }
    // The same pixels shown in another orientation (nothing is copied).
    std::shared_ptr<Image> createWithOrientation(ImageOrientation orientation) const;
    // Size in points as shown: pixels divided by the scale, width and
    // height swapped when the orientation turns the image sideways.
    Size size() const;
    // Whether any pixel is not fully opaque.
    bool hasAlpha() const;

    // Straight RGBA of one pixel (row 0 is the top); transparent outside.
    RGBA pixel(std::size_t x, std::size_t y) const;
    ns::Data pngData() const;

    // The part of the image inside a pixel rectangle (made integral and
    // limited to the image), in the same orientation; null when nothing is left.
    std::shared_ptr<Image> createWithImageInRect(const Rect& pixels) const;
    // The image seen through a mask of the same or any size (stretched):
    // with an alpha channel the mask's alpha lets the image through, an
    // opaque mask lets it through where it is dark (black shows, white hides).
    // Both are taken as stored; the result keeps this image's orientation.
    std::shared_ptr<Image> createWithMask(const std::shared_ptr<Image>& mask) const;
    // A copy with a different scale (same pixels and orientation).
    std::shared_ptr<Image> withScale(double scale) const;

    cairo_surface_t* surface() const { return surface_; }

    Image(cairo_surface_t* surface, double scale) : surface_(surface), scale_(scale) {}

private:
    cairo_surface_t* surface_;
    double scale_;
    ImageOrientation orientation_ = ImageOrientation::Up;
};

using ImagePtr = std::shared_ptr<Image>;

}  // namespace cg
