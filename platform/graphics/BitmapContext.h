// Bitmap contexts as the platform creates them: from a size, bits per
// component, a colour space and bitmap-info flags.
#pragma once

#include <cstdint>

#include "platform/graphics/Context.h"

namespace cg {

// Alpha info (low 5 bits) and byte order of the platform's bitmap info.
enum ImageAlphaInfo : std::uint32_t {
    ImageAlphaNone = 0,
    ImageAlphaPremultipliedLast = 1,
    ImageAlphaPremultipliedFirst = 2,
    ImageAlphaLast = 3,
    ImageAlphaFirst = 4,
    ImageAlphaNoneSkipLast = 5,
    ImageAlphaNoneSkipFirst = 6,
    ImageAlphaOnly = 7,
};
inline constexpr std::uint32_t BitmapAlphaInfoMask = 0x1F;
inline constexpr std::uint32_t BitmapByteOrderDefault = 0;
inline constexpr std::uint32_t BitmapByteOrder32Little = 2u << 12;
inline constexpr std::uint32_t BitmapByteOrder32Big = 4u << 12;
inline constexpr std::uint32_t BitmapByteOrderMask = 0x7000;

// The pixel layout for these parameters; false for combinations the
// platform refuses (non-premultiplied alpha, other depths, alpha with gray).
bool BitmapFormatFor(std::size_t bitsPerComponent, const ColorSpacePtr& space, std::uint32_t bitmapInfo,
                     BitmapFormat* format);

// Null for a refused combination, a zero size, or a row stride (when not 0)
// too small for the width.
ContextPtr BitmapContextCreate(std::size_t width, std::size_t height, std::size_t bitsPerComponent,
                               std::size_t bytesPerRow, const ColorSpacePtr& space, std::uint32_t bitmapInfo);

}  // namespace cg
