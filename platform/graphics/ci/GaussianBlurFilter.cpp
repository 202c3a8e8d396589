#include "platform/graphics/ci/GaussianBlurFilter.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace ci {

namespace {

double effectiveRadius(double radius) {
    if (!std::isfinite(radius) || radius <= 0) return 0;
    return std::min(radius, GaussianBlurFilter::MaxRadius);
}

std::vector<float> kernelFor(double sigma, int spread) {
    std::vector<float> k(std::size_t(2 * spread + 1));
    double sum = 0;
    for (int i = -spread; i <= spread; ++i) sum += std::exp(-double(i * i) / (2 * sigma * sigma));
    for (int i = -spread; i <= spread; ++i) k[std::size_t(i + spread)] = float(std::exp(-double(i * i) / (2 * sigma * sigma)) / sum);
    return k;
}

}  // namespace

std::shared_ptr<GaussianBlurFilter> GaussianBlurFilter::create() {
    auto filter = std::make_shared<GaussianBlurFilter>();
    filter->setValue(DefaultRadius, InputRadiusKey);
    return filter;
}

int GaussianBlurFilter::spreadForRadius(double radius) {
    return int(std::ceil(3 * effectiveRadius(radius) - 1e-9));
}

ImagePtr GaussianBlurFilter::outputImage() const {
    ImagePtr input = inputImage();
    if (!input) return nullptr;
    double sigma = effectiveRadius(valueForKey(InputRadiusKey).doubleValue());
    int spread = spreadForRadius(sigma);
    if (spread == 0 || input->isEmpty()) return input;

    cairo_surface_t* src = input->pixels()->surface();
    cairo_surface_flush(src);
    const int w = cairo_image_surface_get_width(src), h = cairo_image_surface_get_height(src);
    const int srcStride = cairo_image_surface_get_stride(src);
    const unsigned char* srcData = cairo_image_surface_get_data(src);
    const int ow = w + 2 * spread, oh = h + 2 * spread;
    auto out = cg::Image::create(std::size_t(ow), std::size_t(oh), 1);
    if (!out || !srcData) return nullptr;
    const std::vector<float> kernel = kernelFor(sigma, spread);

    // Premultiplied channels blur correctly on their own; the pass across
    // rows widens each row, the pass down the columns adds rows.
    std::vector<float> across(std::size_t(ow) * std::size_t(h) * 4, 0.0f);
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(srcData + std::ptrdiff_t(y) * srcStride);
        float* dst = &across[std::size_t(y) * std::size_t(ow) * 4];
        for (int x = 0; x < w; ++x) {
            std::uint32_t p = row[x];
            if (!p) continue;
            float c[4] = {float(p >> 24), float((p >> 16) & 0xFF), float((p >> 8) & 0xFF), float(p & 0xFF)};
            for (int k = 0; k <= 2 * spread; ++k) {
                float weight = kernel[std::size_t(k)];
                float* d = dst + std::size_t(x + k) * 4;
                for (int ch = 0; ch < 4; ++ch) d[ch] += c[ch] * weight;
            }
        }
    }
    std::vector<float> down(std::size_t(ow) * std::size_t(oh) * 4, 0.0f);
    const std::size_t rowFloats = std::size_t(ow) * 4;
    for (int y = 0; y < h; ++y) {
        const float* from = &across[std::size_t(y) * rowFloats];
        for (int k = 0; k <= 2 * spread; ++k) {
            float weight = kernel[std::size_t(k)];
            float* to = &down[std::size_t(y + k) * rowFloats];
            for (std::size_t i = 0; i < rowFloats; ++i) to[i] += from[i] * weight;
        }
    }

    cairo_surface_t* dst = out->surface();
    cairo_surface_flush(dst);
    unsigned char* dstData = cairo_image_surface_get_data(dst);
    const int dstStride = cairo_image_surface_get_stride(dst);
    auto toByte = [](float v) { return std::uint32_t(std::clamp(std::lround(v), 0L, 255L)); };
    for (int y = 0; y < oh; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(dstData + std::ptrdiff_t(y) * dstStride);
        const float* from = &down[std::size_t(y) * rowFloats];
        for (int x = 0; x < ow; ++x) {
            const float* c = from + std::size_t(x) * 4;
            std::uint32_t a = toByte(c[0]);
            // Rounding must not leave a colour channel above its alpha.
            row[x] = (a << 24) | (std::min(toByte(c[1]), a) << 16) | (std::min(toByte(c[2]), a) << 8) | std::min(toByte(c[3]), a);
        }
    }
    cairo_surface_mark_dirty(dst);
    cg::Rect e = input->extent();
    return Image::create(out, cg::RectInset(e, -spread, -spread));
}

}  // namespace ci
