#include "platform/graphics/Image.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace cg {

namespace {

constexpr std::size_t kMaxSide = 16384;

struct PngReader {
    const ns::Data* data;
    std::size_t pos = 0;
};

cairo_status_t readPng(void* closure, unsigned char* out, unsigned int length) {
    auto* r = static_cast<PngReader*>(closure);
    if (r->pos + length > r->data->length()) return CAIRO_STATUS_READ_ERROR;
    std::memcpy(out, r->data->bytes() + r->pos, length);
    r->pos += length;
    return CAIRO_STATUS_SUCCESS;
}

cairo_status_t writePng(void* closure, const unsigned char* bytes, unsigned int length) {
    static_cast<ns::Data*>(closure)->append(bytes, length);
    return CAIRO_STATUS_SUCCESS;
}

}  // namespace

std::shared_ptr<Image> Image::adoptSurface(cairo_surface_t* surface, double scale) {
    if (!surface) return nullptr;
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS || cairo_image_surface_get_format(surface) != CAIRO_FORMAT_ARGB32) {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    return std::make_shared<Image>(surface, scale > 0 && std::isfinite(scale) ? scale : 1.0);
}

std::shared_ptr<Image> Image::create(std::size_t w, std::size_t h, double scale) {
    if (w == 0 || h == 0 || w > kMaxSide || h > kMaxSide) return nullptr;
    return adoptSurface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, int(w), int(h)), scale);
}

std::shared_ptr<Image> Image::createWithPNGData(const ns::Data& data, double scale) {
    if (data.length() < 8) return nullptr;
    PngReader reader{&data};
    cairo_surface_t* s = cairo_image_surface_create_from_png_stream(readPng, &reader);
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        return nullptr;
    }
    if (cairo_image_surface_get_format(s) != CAIRO_FORMAT_ARGB32) {
        // Opaque PNGs load as RGB24: redraw into ARGB32 so every image has one format.
        int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
        cairo_surface_t* argb = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
        cairo_t* cr = cairo_create(argb);
        cairo_set_source_surface(cr, s, 0, 0);
        cairo_paint(cr);
        cairo_destroy(cr);
        cairo_surface_destroy(s);
        s = argb;
    }
    return adoptSurface(s, scale);
}

Image::~Image() { cairo_surface_destroy(surface_); }

std::size_t Image::width() const { return std::size_t(cairo_image_surface_get_width(surface_)); }
std::size_t Image::height() const { return std::size_t(cairo_image_surface_get_height(surface_)); }
bool orientationIsSideways(ImageOrientation o) {
    return o == ImageOrientation::Left || o == ImageOrientation::Right || o == ImageOrientation::LeftMirrored ||
           o == ImageOrientation::RightMirrored;
}

Size Image::size() const {
    Size stored{double(width()) / scale_, double(height()) / scale_};
    return orientationIsSideways(orientation_) ? Size{stored.height, stored.width} : stored;
}

std::shared_ptr<Image> Image::createWithOrientation(ImageOrientation orientation) const {
    auto out = std::make_shared<Image>(cairo_surface_reference(surface_), scale_);
    out->orientation_ = orientation;
    return out;
}

bool Image::hasAlpha() const {
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    int stride = cairo_image_surface_get_stride(surface_);
    for (std::size_t y = 0; y < height(); ++y) {
        auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
        for (std::size_t x = 0; x < width(); ++x) {
            if ((row[x] >> 24) != 0xFF) return true;
        }
    }
    return false;
}

RGBA Image::pixel(std::size_t x, std::size_t y) const {
    if (x >= width() || y >= height()) return {};
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    std::uint32_t p = reinterpret_cast<const std::uint32_t*>(data + y * cairo_image_surface_get_stride(surface_))[x];
    double a = (p >> 24) / 255.0;
    if (a == 0) return {};
    auto ch = [&](int shift) { return std::min(1.0, ((p >> shift) & 0xFF) / 255.0 / a); };
    return {ch(16), ch(8), ch(0), a};
}

ns::Data Image::pngData() const {
    ns::Data out;
    cairo_surface_write_to_png_stream(surface_, writePng, &out);
    return out;
}

std::shared_ptr<Image> Image::createWithImageInRect(const Rect& pixels) const {
    Rect r = RectIntersection(RectIntegral(pixels), RectMake(0, 0, double(width()), double(height())));
    if (RectIsEmpty(r)) return nullptr;
    auto out = create(std::size_t(r.size.width), std::size_t(r.size.height), scale_);
    if (!out) return nullptr;
    cairo_t* cr = cairo_create(out->surface_);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, surface_, -r.origin.x, -r.origin.y);
    cairo_paint(cr);
    cairo_destroy(cr);
    out->orientation_ = orientation_;
    return out;
}

std::shared_ptr<Image> Image::createWithMask(const std::shared_ptr<Image>& mask) const {
    if (!mask) return nullptr;
    std::size_t w = width(), h = height();
    // Bring the mask to the image's size first.
    auto scaled = create(w, h, 1);
    if (!scaled) return nullptr;
    cairo_t* cr = cairo_create(scaled->surface_);
    cairo_scale(cr, double(w) / double(mask->width()), double(h) / double(mask->height()));
    cairo_set_source_surface(cr, mask->surface_, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    bool alphaMask = mask->hasAlpha();
    cairo_surface_t* coverage = cairo_image_surface_create(CAIRO_FORMAT_A8, int(w), int(h));
    cairo_surface_flush(scaled->surface_);
    const unsigned char* src = cairo_image_surface_get_data(scaled->surface_);
    unsigned char* dst = cairo_image_surface_get_data(coverage);
    int ss = cairo_image_surface_get_stride(scaled->surface_), ds = cairo_image_surface_get_stride(coverage);
    for (std::size_t y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<const std::uint32_t*>(src + y * ss);
        for (std::size_t x = 0; x < w; ++x) {
            std::uint32_t p = row[x];
            unsigned a = p >> 24;
            unsigned lum = (((p >> 16) & 0xFF) * 299 + ((p >> 8) & 0xFF) * 587 + (p & 0xFF) * 114) / 1000;
            dst[y * ds + x] = static_cast<unsigned char>(alphaMask ? a : 255 - lum);
        }
    }
    cairo_surface_mark_dirty(coverage);
    auto out = create(w, h, scale_);
    cr = cairo_create(out->surface_);
    cairo_set_source_surface(cr, surface_, 0, 0);
    cairo_mask_surface(cr, coverage, 0, 0);
    cairo_destroy(cr);
    cairo_surface_destroy(coverage);
    out->orientation_ = orientation_;
    return out;
}

std::shared_ptr<Image> Image::withScale(double scale) const {
    auto out = create(width(), height(), scale);
    if (!out) return nullptr;
    cairo_t* cr = cairo_create(out->surface_);
    cairo_set_source_surface(cr, surface_, 0, 0);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr);
    cairo_destroy(cr);
    out->orientation_ = orientation_;
    return out;
}

}  // namespace cg
