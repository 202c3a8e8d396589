// Real image files for tests that load pictures over HTTP: a plain colour
// filling every pixel, encoded as PNG (Cairo) or JPEG (libjpeg).
#pragma once

#include <cstdint>
#include <string>

namespace emulator {

// Bytes of a width x height PNG of one opaque colour (each side 1..4096;
// empty when the picture cannot be made).
std::string solidPNG(int width, int height, std::uint8_t red, std::uint8_t green, std::uint8_t blue);
// The same as a baseline JPEG of quality 90.
std::string solidJPEG(int width, int height, std::uint8_t red, std::uint8_t green, std::uint8_t blue);

}  // namespace emulator
