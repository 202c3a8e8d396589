// An image of the interface kit: a bitmap of the drawing layer with a
// scale, plus the stretching caps of resizable images.
//
// Named images come from the bundle's resources (its own folder, then the
// images the build rasterised from resources/art, see ns::Bundle):
// "name@2x.png" (scale 2) is preferred on the 2x screen, then "name.png",
// then the name as given;
// an unknown name, or a file that is no PNG or JPEG, gives null, as on the
// platform. Data is decoded as PNG (libpng, through the drawing layer) or
// JPEG (libjpeg); anything else gives null.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Data.h"
#include "platform/foundation/Object.h"
#include "platform/graphics/Geometry.h"
#include "platform/graphics/Image.h"

namespace ui {

class Image;
using ImagePtr = std::shared_ptr<Image>;

enum class ImageResizingMode { Tile, Stretch };

class Image : public ns::Object {
public:
    static ImagePtr imageNamed(const std::string& name);
    static ImagePtr imageWithContentsOfFile(const std::string& path);
    static ImagePtr imageWithData(const ns::Data& data, double scale = 1);
    static ImagePtr imageWithCGImage(const cg::ImagePtr& image, double scale = 1);
    // Forgets the images imageNamed has cached.
    static void clearNamedCache();

    // Size in points (pixels / scale).
    cg::Size size() const;
    double scale() const { return bitmap_->scale(); }
    const cg::ImagePtr& CGImage() const { return bitmap_; }
    // The name it was loaded under (empty for decoded data).
    const std::string& name() const { return name_; }

    // Resizable images keep their caps when stretched.
    ImagePtr resizableImageWithCapInsets(const cg::EdgeInsets& caps,
                                         ImageResizingMode mode = ImageResizingMode::Tile) const;
    // The older form: a one-point stretchable middle after the caps (0 for
    // a dimension means that dimension does not stretch).
    ImagePtr stretchableImageWithLeftCapWidth(long leftCapWidth, long topCapHeight) const;
    const cg::EdgeInsets& capInsets() const { return caps_; }
    ImageResizingMode resizingMode() const { return mode_; }
    long leftCapWidth() const { return leftCap_; }
    long topCapHeight() const { return topCap_; }
    bool isResizable() const { return resizable_; }

    std::string description() const override;

    explicit Image(cg::ImagePtr bitmap) : bitmap_(std::move(bitmap)) {}

private:
    cg::ImagePtr bitmap_;
    std::string name_;
    cg::EdgeInsets caps_;
    ImageResizingMode mode_ = ImageResizingMode::Tile;
    long leftCap_ = 0;
    long topCap_ = 0;
    bool resizable_ = false;
};

}  // namespace ui
