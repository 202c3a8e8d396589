#include "emulator/SampleImages.h"

#include <cairo.h>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

#include <vector>

namespace emulator {

namespace {

bool validSize(int width, int height) { return width >= 1 && height >= 1 && width <= 4096 && height <= 4096; }

cairo_status_t appendToString(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

}  // namespace

std::string solidPNG(int width, int height, std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    if (!validSize(width, height)) return {};
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, red / 255.0, green / 255.0, blue / 255.0);
    cairo_paint(cr);
    cairo_destroy(cr);
    std::string png;
    if (cairo_surface_write_to_png_stream(surface, appendToString, &png) != CAIRO_STATUS_SUCCESS) png.clear();
    cairo_surface_destroy(surface);
    return png;
}

std::string solidJPEG(int width, int height, std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    if (!validSize(width, height)) return {};
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 90, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(width) * 3);
    for (int x = 0; x < width; ++x) {
        row[x * 3] = red;
        row[x * 3 + 1] = green;
        row[x * 3 + 2] = blue;
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    std::string jpeg(reinterpret_cast<const char*>(buffer), size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return jpeg;
}

}  // namespace emulator
