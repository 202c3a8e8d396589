#include "net/imageloader/UIImageForceDecode.h"

#include <cairo.h>

ui::ImagePtr UIImageForceDecode::decodedImageWithImage(const ui::ImagePtr& image) {
    if (!image || !image->CGImage()) return nullptr;
    const auto& source = image->CGImage();
    auto bitmap = cg::Image::create(source->width(), source->height(), 1);
    if (!bitmap) return nullptr;
    cairo_t* cr = cairo_create(bitmap->surface());
    cairo_set_source_surface(cr, source->surface(), 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_flush(bitmap->surface());
    return ui::Image::imageWithCGImage(bitmap, 1);
}
