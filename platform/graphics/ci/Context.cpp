#include "platform/graphics/ci/Context.h"

#include <cairo.h>

namespace ci {

ContextPtr Context::contextWithOptions() { return std::make_shared<Context>(); }

cg::ImagePtr Context::createCGImage(const ImagePtr& image, const cg::Rect& fromRect) const {
    if (!image) return nullptr;
    cg::Rect r = cg::RectIntegral(fromRect);
    if (cg::RectIsNull(r) || cg::RectIsEmpty(r)) return nullptr;
    auto out = cg::Image::create(std::size_t(r.size.width), std::size_t(r.size.height), 1);
    if (!out) return nullptr;
    if (image->isEmpty()) return out;
    cairo_t* cr = cairo_create(out->surface());
    const cg::Rect& e = image->extent();
    cairo_set_source_surface(cr, image->pixels()->surface(), e.origin.x - r.origin.x, e.origin.y - r.origin.y);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_rectangle(cr, e.origin.x - r.origin.x, e.origin.y - r.origin.y, e.size.width, e.size.height);
    cairo_fill(cr);
    cairo_destroy(cr);
    cairo_surface_flush(out->surface());
    return out;
}

}  // namespace ci
