#include "platform/ui/JPEGDecoder.h"

#include <cairo.h>

#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace ui {

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void onError(j_common_ptr info) {
    auto* err = reinterpret_cast<ErrorManager*>(info->err);
    std::longjmp(err->jump, 1);
}

void quiet(j_common_ptr, int) {}
void quietOutput(j_common_ptr) {}

}  // namespace

bool looksLikeJPEG(const ns::Data& data) {
    return data.length() >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF;
}

cg::ImagePtr decodeJPEG(const ns::Data& data, double scale) {
    if (!looksLikeJPEG(data)) return nullptr;
    jpeg_decompress_struct info{};
    ErrorManager err{};
    info.err = jpeg_std_error(&err.base);
    err.base.error_exit = onError;
    err.base.emit_message = quiet;
    err.base.output_message = quietOutput;
    // Everything that must survive a longjmp lives outside this frame's
    // automatic variables changed after setjmp.
    struct State {
        std::vector<unsigned char> row;
        cg::ImagePtr image;
    };
    auto state = std::make_unique<State>();
    State* const s = state.get();
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&info);
        return nullptr;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, const_cast<unsigned char*>(data.bytes()), static_cast<unsigned long>(data.length()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&info);
        return nullptr;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    const std::size_t width = info.output_width, height = info.output_height;
    if (width == 0 || height == 0 || width > 16384 || height > 16384 || info.output_components != 3) {
        jpeg_destroy_decompress(&info);
        return nullptr;
    }
    s->image = cg::Image::create(width, height, scale);
    if (!s->image) {
        jpeg_destroy_decompress(&info);
        return nullptr;
    }
    cairo_surface_t* surface = s->image->surface();
    cairo_surface_flush(surface);
    unsigned char* pixels = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    s->row.resize(width * 3);
    while (info.output_scanline < info.output_height) {
        unsigned char* row = s->row.data();
        std::size_t y = info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
        auto* out = reinterpret_cast<std::uint32_t*>(pixels + y * stride);
        for (std::size_t x = 0; x < width; ++x)
            out[x] = 0xFF000000u | (std::uint32_t(row[x * 3]) << 16) | (std::uint32_t(row[x * 3 + 1]) << 8) |
                     std::uint32_t(row[x * 3 + 2]);
    }
    cairo_surface_mark_dirty(surface);
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return s->image;
}

}  // namespace ui
